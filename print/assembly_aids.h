#pragma once

namespace tessellon {

// Aids for putting the printed poster together. Labels and marks go on the sheets only where
// no picture shows (margins, strips a neighbour covers); the overview is the first page of a
// document. For image tiles only the overview image applies, and only when asked for.
struct AssemblyAids {
    bool labels = true;         // each sheet's name, the layout and marks toward its neighbours
    bool marks = true;          // cut lines and glue areas, or corner crop marks
    bool overviewPage = true;   // a document's first page: the whole poster with its grid
    bool overviewImage = false; // image tiles: a picture of the whole poster beside them
};

} // namespace tessellon
