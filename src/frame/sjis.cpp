#include "frame/sjis.h"

#include <cstring>

// Rows are the high nibble of the byte: lead bytes 0x81-0x9F and 0xE0-0xFC.
const unsigned char SjisLeadByteTable[256] = {
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

namespace {

// Calls visit(byte) for every single-byte character of text; the second byte
// of a double-byte character is skipped unseen. A lead byte directly followed
// by the terminator ends the walk.
template <typename Visit>
void ForEachSingleByteChar(char* text, Visit visit) {
    char* p = text;
    while (*p != 0) {
        if (SjisLeadByteTable[static_cast<unsigned char>(*p)]) {
            if (p[1] == 0) return;
            p += 2;
        } else {
            visit(*p);
            ++p;
        }
    }
}

}  // namespace

int SjisEndsWithByte(const char* text, char ch) {
    const size_t length = std::strlen(text);
    size_t position = 0;
    while (position < length) {
        const unsigned char b = static_cast<unsigned char>(text[position]);
        if (position == length - 1 && !SjisLeadByteTable[b] && text[position] == ch) return 1;
        position += SjisCharLength(b);
    }
    return 0;
}

void SjisReplaceByte(char* text, char from, char to) {
    ForEachSingleByteChar(text, [from, to](char& c) {
        if (c == from) c = to;
    });
}

void SjisLowerAscii(char* text) {
    ForEachSingleByteChar(text, [](char& c) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
    });
}
