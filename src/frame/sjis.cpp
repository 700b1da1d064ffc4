#include "frame/sjis.h"

#include <cstring>

// Rows are the high nibble of the byte: lead bytes 0x81-0x9F and 0xE0-0xFC.
const unsigned char SjisLeadByteTable[LeadByteTableSize] = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x00
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x10
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x20
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x30
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x40
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x50
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x60
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x70
    0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 0x80
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 0x90
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0xA0
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0xB0
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0xC0
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0xD0
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 0xE0
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0,  // 0xF0
};

void FillLeadByteTable(unsigned char* table, const unsigned char* ranges, size_t rangeBytes) {
    std::memset(table, 0, LeadByteTableSize);
    for (size_t i = 0; i + 1 < rangeBytes && (ranges[i] != 0 || ranges[i + 1] != 0); i += 2) {
        for (unsigned b = ranges[i]; b <= ranges[i + 1]; ++b) table[b] = 1;
    }
}

namespace {

// Calls visit(byte) for every single-byte character of text, until it returns
// false; the second byte of a double-byte character is skipped unseen. A lead
// byte directly followed by the terminator ends the walk.
template <typename Char, typename Visit>
void ForEachSingleByteChar(Char* text, const unsigned char* leadBytes, Visit visit) {
    Char* p = text;
    while (*p != 0) {
        if (leadBytes[static_cast<unsigned char>(*p)]) {
            if (p[1] == 0) return;
            p += 2;
        } else {
            if (!visit(*p)) return;
            ++p;
        }
    }
}

}  // namespace

int SjisEndsWithByte(const char* text, char ch, const unsigned char* leadBytes) {
    const size_t length = std::strlen(text);
    size_t position = 0;
    while (position < length) {
        const unsigned char b = static_cast<unsigned char>(text[position]);
        if (position == length - 1 && !leadBytes[b] && text[position] == ch) return 1;
        position += SjisCharLength(b, leadBytes);
    }
    return 0;
}

int SjisContainsByte(const char* text, char ch, const unsigned char* leadBytes) {
    int found = 0;
    ForEachSingleByteChar(text, leadBytes, [ch, &found](char c) {
        if (c == ch) found = 1;
        return found == 0;
    });
    return found;
}

void SjisReplaceByte(char* text, char from, char to, const unsigned char* leadBytes) {
    ForEachSingleByteChar(text, leadBytes, [from, to](char& c) {
        if (c == from) c = to;
        return true;
    });
}

void SjisLowerAscii(char* text, const unsigned char* leadBytes) {
    ForEachSingleByteChar(text, leadBytes, [](char& c) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
        return true;
    });
}
