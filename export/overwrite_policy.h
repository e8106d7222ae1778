#pragma once

namespace tessellon {

// What a save does when its folder or file exists already. The save never asks: the caller
// asks the user (or reads a command-line switch) and saves again with Replace.
enum class OverwritePolicy {
    Refuse,  // write nothing and report the existing target
    Replace, // write into the existing folder / replace the existing file
};

} // namespace tessellon
