#pragma once

#include <string>

namespace quorvel::platform::qt {

// Makes the font files of `<folder>/fonts` available to the program, and lets them stand in
// for the design's faces (Comic Sans MS, Times New Roman, Arial) that Linux rarely has.
// Returns how many files were loaded.
int loadAssetFonts(const std::string& folder);

}  // namespace quorvel::platform::qt
