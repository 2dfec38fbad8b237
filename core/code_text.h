#pragma once
// The code text of a 16-bit code: the two bytes in file order (low byte first), each as two
// upper-case hexadecimal digits. Code 1000 (0x03E8) is "E803".

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// Carriage return + line feed: the line break of script text and the prefix of statement words.
inline constexpr std::string_view kLineBreak = "\r\n";

std::string CodeText(std::uint16_t code);

// The two bytes a code text stands for, as the compiler writes them: each pair of characters is
// read as hexadecimal as far as it holds hexadecimal digits ("1G00" gives 01 00, "IN" gives 00).
// A text shorter than four characters reads its missing characters as nothing.
std::array<std::uint8_t, 2> CodeBytesFromText(std::string_view codeText);

// The code a code text stands for (CodeBytesFromText read little-endian).
std::uint16_t CodeFromText(std::string_view codeText);

}  // namespace corvane
