#pragma once

#include <string>
#include <string_view>

namespace orbelle::cli {

// What vkr tells a person, in the desktop's language when it has the text: results, errors,
// notes, progress and warnings. JSON, the trace and the help stay English.
std::string humanText(std::string_view english);

// A word of one of vkr's tables (a heading, a result), in the desktop's language when it has
// it, looked up whole and only among the tables' words.
std::string tableWord(std::string_view english);

}  // namespace orbelle::cli
