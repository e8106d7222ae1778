#pragma once

#include <QString>

namespace tessellon {

// Breaks a long path into label lines. Characters are counted since the last break, a blank
// resetting the count: a line break (CR LF) follows the first folder separator met once the
// count exceeds `iInsertWinStart`, and in any case the character that brings the count to
// `iInsertWinEnd`. The separator is the system's own (a backslash on Windows, '/' elsewhere).
QString SplitPathLabel(const QString& sOrig, short iInsertWinStart, short iInsertWinEnd);

} // namespace tessellon
