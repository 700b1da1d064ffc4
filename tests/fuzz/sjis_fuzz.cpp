// Fuzzes the Shift-JIS helpers against properties that hold for any input:
// the walk stays within the string, double-byte characters come out whole
// and unchanged, only the intended single bytes change, lowering is
// idempotent.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "frame/sjis.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// Positions where characters start, walking by the system-independent table.
std::vector<size_t> CharacterStarts(const std::vector<char>& text) {
    std::vector<size_t> starts;
    size_t i = 0;
    while (text[i] != 0) {
        starts.push_back(i);
        if (SjisLeadByteTable[static_cast<unsigned char>(text[i])] && text[i + 1] == 0) break;
        i += SjisCharLength(static_cast<unsigned char>(text[i]), SjisLeadByteTable);
    }
    return starts;
}

bool IsDoubleByteAt(const std::vector<char>& text, size_t i) {
    return SjisLeadByteTable[static_cast<unsigned char>(text[i])] && text[i + 1] != 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const char from = static_cast<char>(data[0]);
    const char to = static_cast<char>(data[1]);
    // The string ends at the first zero; the buffer ends right after it, so
    // any read past the terminator is caught.
    size_t length = 0;
    while (2 + length < size && data[2 + length] != 0) ++length;
    std::vector<char> original(data + 2, data + 2 + length);
    original.push_back(0);
    const std::vector<size_t> starts = CharacterStarts(original);

    // SjisEndsWithByte and SjisContainsByte against an independent reading of the characters.
    for (char ch : {'\\', '/', from}) {
        bool expected = false;
        if (!starts.empty()) {
            const size_t last = starts.back();
            expected = last == length - 1 && !SjisLeadByteTable[static_cast<unsigned char>(original[last])] &&
                       original[last] == ch;
        }
        Check(SjisEndsWithByte(original.data(), ch, SjisLeadByteTable) == (expected ? 1 : 0));
        bool contained = false;
        for (size_t s : starts) {
            contained |= !SjisLeadByteTable[static_cast<unsigned char>(original[s])] && original[s] == ch;
        }
        Check(SjisContainsByte(original.data(), ch, SjisLeadByteTable) == (contained ? 1 : 0));
    }

    if (from != 0 && to != 0) {
        std::vector<char> replaced = original;
        SjisReplaceByte(replaced.data(), from, to, SjisLeadByteTable);
        Check(replaced.size() == original.size() && replaced.back() == 0);
        for (size_t s : starts) {
            if (IsDoubleByteAt(original, s)) {
                Check(replaced[s] == original[s] && replaced[s + 1] == original[s + 1]);
            } else if (SjisLeadByteTable[static_cast<unsigned char>(original[s])]) {
                Check(replaced[s] == original[s]);  // lead byte cut off by the end
            } else {
                Check(replaced[s] == (original[s] == from ? to : original[s]));
            }
        }
    }

    std::vector<char> lowered = original;
    SjisLowerAscii(lowered.data(), SjisLeadByteTable);
    for (size_t s : starts) {
        if (IsDoubleByteAt(original, s)) {
            Check(lowered[s] == original[s] && lowered[s + 1] == original[s + 1]);
        } else {
            const char c = original[s];
            Check(lowered[s] == ((c >= 'A' && c <= 'Z') ? static_cast<char>(c + 0x20) : c));
        }
    }
    std::vector<char> twice = lowered;
    SjisLowerAscii(twice.data(), SjisLeadByteTable);
    Check(twice == lowered);
    return 0;
}
