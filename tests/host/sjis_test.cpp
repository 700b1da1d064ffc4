#include <gtest/gtest.h>

#include <string>

#include "frame/sjis.h"

namespace {

TEST(SjisLeadByteTable, MarksExactlyTheLeadByteRanges) {
    int leadBytes = 0;
    for (int b = 0; b < 256; ++b) leadBytes += SjisLeadByteTable[b];
    EXPECT_EQ(leadBytes, 31 + 29);
    struct Edge {
        int byte;
        int lead;
    };
    const Edge edges[] = {{0x00, 0}, {0x5C, 0}, {0x7F, 0}, {0x80, 0}, {0x81, 1}, {0x9F, 1}, {0xA0, 0},
                          {0xA1, 0}, {0xDF, 0}, {0xE0, 1}, {0xFC, 1}, {0xFD, 0}, {0xFF, 0}};
    for (const Edge& e : edges) EXPECT_EQ(SjisLeadByteTable[e.byte], e.lead) << std::hex << e.byte;
}

TEST(SjisEndsWithByte, FindsOnlyASeparatorThatIsACharacterOfItsOwn) {
    struct Case {
        const char* text;
        char ch;
        int expected;
    };
    const Case cases[] = {
        {"c:\\games\\", '\\', 1},
        {"c:\\games", '\\', 0},
        {"", '\\', 0},
        {"\x95\\", '\\', 0},                 // 表: its second byte is 0x5C
        {"c:\\\x95\\", '\\', 0},
        {"c:\\\x95\\\\", '\\', 1},           // 表 then a separator
        {"c:\\\x83\\\x83t\x83g\\", '\\', 1}, // ソフト then a separator
        {"\xb1\\", '\\', 1},                 // half-width katakana is one byte
        {"ab\x81", '\\', 0},                 // lead byte cut off by the end
        {"c:/games/", '/', 1},
        {"c:/games/", '\\', 0},
    };
    for (const Case& c : cases) EXPECT_EQ(SjisEndsWithByte(c.text, c.ch), c.expected) << c.text;
}

struct InPlaceCase {
    const char* input;
    const char* expected;
};

TEST(SjisReplaceByte, LeavesDoubleByteCharactersWhole) {
    const InPlaceCase cases[] = {
        {"c:\\games\\title\\", "c::games:title:"},
        {"c:\\\x83\\\x83t\x83g\\x\\", "c::\x83\\\x83t\x83g:x:"},  // ソ keeps its 0x5C
        {"\\\\server\\share\\", "::server:share:"},
        {"\x95\\", "\x95\\"},
        {"a\\\x81", "a:\x81"},  // a lead byte before the terminator ends the scan
        {"", ""},
    };
    for (const InPlaceCase& c : cases) {
        std::string text = c.input;
        SjisReplaceByte(text.data(), '\\', ':');
        EXPECT_EQ(text, c.expected) << c.input;
    }
}

TEST(SjisReplaceByte, TurnsForwardSlashesIntoSeparators) {
    std::string text = "c:/\x83/x/";  // 0x83 0x2F is not a valid pair, but the scan still skips it
    SjisReplaceByte(text.data(), '/', '\\');
    EXPECT_EQ(text, "c:\\\x83/x\\");
}

TEST(SjisLowerAscii, LowersOnlySingleByteLetters) {
    const InPlaceCase cases[] = {
        {"C:\\GAMES\\", "c:\\games\\"},
        {"\x83" "A\x83" "ZB", "\x83" "A\x83" "Zb"},  // ア, セ: second bytes stay
        {"\xb1\xb2\xdfQ", "\xb1\xb2\xdfq"},           // half-width katakana unchanged
        {"@[`{AZaz", "@[`{azaz"},                      // the neighbours of A-Z
        {"X\x95", "x\x95"},
        {"", ""},
    };
    for (const InPlaceCase& c : cases) {
        std::string text = c.input;
        SjisLowerAscii(text.data());
        EXPECT_EQ(text, c.expected) << c.input;
    }
}

}  // namespace
