#include "app/quote.h"

#include <array>

namespace tt {
namespace {

bool startsCharacter(unsigned char byte) { return (byte & 0xc0) != 0x80; }

void appendEscaped(std::string& out, unsigned char byte) {
    switch (byte) {
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
    }
    if (byte >= 0x20 && byte != 0x7f) {
        out.push_back(static_cast<char>(byte));
        return;
    }
    constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                        '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    out += "\\x";
    out.push_back(kHex[byte >> 4]);
    out.push_back(kHex[byte & 0xf]);
}

}  // namespace

std::string quote(std::string_view text) {
    std::string out = "'";
    std::size_t characters = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (startsCharacter(byte) && characters++ == kQuotedCharacters) {
            out += "...";
            break;
        }
        appendEscaped(out, byte);
    }
    out.push_back('\'');
    return out;
}

}  // namespace tt
