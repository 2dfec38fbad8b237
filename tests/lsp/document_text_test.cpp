#include "lsp/document_text.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

// é: 2 UTF-8 bytes, Windows-1252 0xE9; €: 3 bytes, 0x80; 中: 3 bytes and 😀: 4 bytes (two UTF-16
// units), neither in the code page.
const std::string kEAcute = "\xC3\xA9", kEuro = "\xE2\x82\xAC", kHan = "\xE4\xB8\xAD", kSmiley = "\xF0\x9F\x98\x80";

TEST(DocumentText, GivesTheEngineOneByteForEachCharacter) {
    const std::pair<std::string, std::string> cases[] = {
        {"DO X\r\n\tY", "DO X\r\n\tY"},
        {kEAcute + kEuro + "A", "\xE9\x80" "A"},
        {"V" + kHan + kSmiley + "W", "V??W"},
        {"a\xFF" "b\xC3", "a?b?"},                 // bytes that are no UTF-8 at all
        {"\xE0\x80\x80 \xED\xA0\x80", "??? ???"},  // an overlong form and a surrogate, byte by byte
    };
    for (const auto& [utf8, engine] : cases) EXPECT_EQ(DocumentText(utf8).engineText(), engine) << utf8;
}

TEST(DocumentText, MapsPositionsBothWaysAndClampsOutsideTheText) {
    // Line 0: "a" é "b" CR LF; line 1: TAB 😀 "c" LF; line 2: "d" CR; line 3: 中 "e".
    const DocumentText document("a" + kEAcute + "b\r\n\t" + kSmiley + "c\nd\r" + kHan + "e");
    ASSERT_EQ(document.engineText(), "a\xE9" "b\r\n\t?c\nd\r?e");
    const std::tuple<std::size_t, std::size_t, std::size_t> cases[] = {
        // line, UTF-16 character, engine offset
        {0, 0, 0}, {0, 1, 1}, {0, 2, 2}, {0, 3, 3}, {1, 0, 5}, {1, 1, 6}, {1, 3, 7},
        {1, 4, 8}, {2, 0, 9}, {2, 1, 10}, {3, 0, 11}, {3, 1, 12}, {3, 2, 13},
    };
    for (const auto& [line, character, offset] : cases) {
        EXPECT_EQ(document.OffsetAt({line, character}), offset) << line << ':' << character;
        EXPECT_EQ(document.PositionAt(offset), (LinePosition{line, character})) << offset;
    }
    EXPECT_EQ(document.OffsetAt({0, 99}), 3u);  // the end of the line, before its CR LF
    EXPECT_EQ(document.OffsetAt({7, 0}), 13u);
    EXPECT_EQ(document.PositionAt(99), (LinePosition{3, 2}));
    EXPECT_EQ(DocumentText("x\n").PositionAt(2), (LinePosition{1, 0}));
}

TEST(DocumentText, GivesLaidOutTextBackInTheClientsCharacters) {
    const DocumentText document("IF  " + kHan + "x\n" + kEAcute + kSmiley + "   " + kEuro);
    ASSERT_EQ(document.engineText(), "IF  ?x\n\xE9?   \x80");
    EXPECT_EQ(document.ClientTextOf("IF ?x \r\n\t\xE9? \x80 "),
              "IF " + kHan + "x \r\n\t" + kEAcute + kSmiley + " " + kEuro + " ");
    // Words that are not the document's own come back as their Windows-1252 characters.
    EXPECT_EQ(document.ClientTextOf("\x80 IF \x81"), kEuro + " IF \xC2\x81");
}

}  // namespace
}  // namespace corvane
