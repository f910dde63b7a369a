#pragma once
#include <string>
#include <string_view>

namespace kalkora {

// Windows-1250, the Czech ANSI code page, and UTF-8: the two encodings our
// text files come in. Internally every text is UTF-8.

std::u32string decodeUtf8(std::string_view utf8);  // invalid bytes become U+FFFD
std::string encodeUtf8(std::u32string_view text);
bool isValidUtf8(std::string_view bytes);

std::string cp1250ToUtf8(std::string_view bytes);
// Characters the code page cannot hold are written as "?".
std::string utf8ToCp1250(std::string_view utf8);

// The windows-1250 code of a character; a character the code page cannot hold
// counts as "?" (63), so rules written for character codes treat it alike.
unsigned char cp1250Code(char32_t c);

}  // namespace kalkora
