#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace orbelle::cli {

// How many terminal columns a UTF-8 text takes: two for each wide (East Asian) character, one
// for any other.
std::size_t displayWidth(const std::string& text);

// A table for a terminal, its columns two blanks apart and as wide as their widest cell in
// display width, so that translated headings and words stay aligned; the last column is not
// padded.
std::string tableText(const std::vector<std::vector<std::string>>& rows);

}  // namespace orbelle::cli
