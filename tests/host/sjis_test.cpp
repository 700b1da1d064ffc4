#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

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

TEST(FillLeadByteTable, TakesTheRangesAsThePlatformReportsThem) {
    struct Case {
        std::vector<unsigned char> ranges;
        int leadBytes;
        int first, last;  // lowest and highest lead byte, -1 for none
    };
    const Case cases[] = {
        {{0x81, 0xFE, 0, 0}, 126, 0x81, 0xFE},                    // 936, 949, 950
        {{0, 0, 0x81, 0xFE}, 0, -1, -1},                          // single-byte, UTF-8
        {{0xA1, 0xA1, 0xFF, 0xFF}, 2, 0xA1, 0xFF},                // ranges to the end, no zero pair
        {{0x90}, 0, -1, -1},                                      // half a pair
    };
    for (const Case& c : cases) {
        unsigned char table[LeadByteTableSize];
        std::memset(table, 0xAA, sizeof table);
        FillLeadByteTable(table, c.ranges.data(), c.ranges.size());
        int count = 0, first = -1, last = -1;
        for (int b = 0; b < 256; ++b) {
            ASSERT_LE(table[b], 1) << b;
            if (!table[b]) continue;
            ++count;
            if (first < 0) first = b;
            last = b;
        }
        EXPECT_EQ(count, c.leadBytes) << c.leadBytes;
        EXPECT_EQ(first, c.first) << c.leadBytes;
        EXPECT_EQ(last, c.last) << c.leadBytes;
    }
    unsigned char sjis[LeadByteTableSize];
    const unsigned char sjisRanges[] = {0x81, 0x9F, 0xE0, 0xFC, 0, 0, 9, 9};  // nothing after the zero pair counts
    FillLeadByteTable(sjis, sjisRanges, sizeof sjisRanges);
    EXPECT_EQ(std::memcmp(sjis, SjisLeadByteTable, sizeof sjis), 0);
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
    for (const Case& c : cases) EXPECT_EQ(SjisEndsWithByte(c.text, c.ch, SjisLeadByteTable), c.expected) << c.text;
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
        SjisReplaceByte(text.data(), '\\', ':', SjisLeadByteTable);
        EXPECT_EQ(text, c.expected) << c.input;
    }
}

TEST(SjisReplaceByte, TurnsForwardSlashesIntoSeparators) {
    std::string text = "c:/\x83/x/";  // 0x83 0x2F is not a valid pair, but the scan still skips it
    SjisReplaceByte(text.data(), '/', '\\', SjisLeadByteTable);
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
        SjisLowerAscii(text.data(), SjisLeadByteTable);
        EXPECT_EQ(text, c.expected) << c.input;
    }
}

}  // namespace
