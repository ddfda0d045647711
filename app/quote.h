#pragma once

// How an error message quotes what the player wrote: on one line, however
// many line ends it holds, and short, however long it is.

#include <string>
#include <string_view>

namespace tt {

// At most this many characters of a word are quoted; the rest is cut to
// "...".
inline constexpr std::size_t kQuotedCharacters = 60;

// The text between single quotes, control characters written as \n, \r, \t
// or \xHH, cut after kQuotedCharacters characters (never inside a UTF-8
// character).
std::string quote(std::string_view text);

}  // namespace tt
