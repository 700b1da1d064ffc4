// Fuzzes the derivation of the program folder and its lock name from any
// executable path the platform's 261-byte buffer can hold, on a system of any
// lead-byte table: Shift-JIS's, the 0x81-0xFE of 936, 949 and 950, none
// (single-byte code pages, UTF-8), or random ranges.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "frame/program_paths.h"
#include "frame/sjis.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// The system's table, chosen by the input's first bytes, which it consumes.
const unsigned char* ChooseTable(const uint8_t*& data, size_t& size, unsigned char* table) {
    if (size == 0) return SjisLeadByteTable;
    const uint8_t kind = data[0] % 4;
    ++data;
    --size;
    unsigned char ranges[12] = {};
    switch (kind) {
        case 0: return SjisLeadByteTable;
        case 1: ranges[0] = 0x81, ranges[1] = 0xFE; break;
        case 2: break;
        default:
            // Up to five ranges, within 0x80-0xFF as every double-byte code
            // page's are.
            for (size_t i = 0; i < 10 && size > 0; ++i, ++data, --size) ranges[i] = 0x80 | data[0];
            break;
    }
    FillLeadByteTable(table, ranges, sizeof ranges);
    return table;
}

bool IsSingleByteCharAt(const char* text, size_t at, const unsigned char* leadBytes) {
    size_t i = 0;
    while (text[i] != 0 && i < at) i += SjisCharLength(static_cast<unsigned char>(text[i]), leadBytes);
    return i == at && !leadBytes[static_cast<unsigned char>(text[at])];
}

// Two single-byte separators in a row anywhere in text (either slash).
bool HasDoubledSeparator(const char* text, const unsigned char* leadBytes) {
    bool previous = false;
    for (size_t i = 0; text[i] != 0;) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (leadBytes[b]) {
            previous = false;
            if (text[i + 1] == 0) break;
            i += 2;
        } else {
            const bool separator = b == '\\' || b == '/';
            if (separator && previous) return true;
            previous = separator;
            ++i;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    unsigned char table[LeadByteTableSize];
    const unsigned char* leadBytes = ChooseTable(data, size, table);

    // As the platform fills the buffer: at most 260 bytes and a terminator.
    size_t length = 0;
    while (length < size && length < ModulePathBufferSize - 1 && data[length] != 0) ++length;
    std::unique_ptr<char[]> modulePath(new char[length + 1]);
    std::memcpy(modulePath.get(), data, length);
    modulePath[length] = 0;

    // Exactly the capacity, so a write past it is caught.
    std::unique_ptr<char[]> directory(new char[ProgramPathCapacity]);
    std::unique_ptr<char[]> lockName(new char[ProgramPathCapacity]);
    char drive[SplitDriveSize], splitDirectory[SplitDirectorySize];
    SplitPathByTable(modulePath.get(), leadBytes, drive, splitDirectory);
    DeriveProgramPaths(drive, splitDirectory, leadBytes, directory.get(), lockName.get());

    const size_t directoryLength = strnlen(directory.get(), ProgramPathCapacity);
    Check(directoryLength < ProgramPathCapacity);
    Check(directoryLength >= 1 && directoryLength <= 258);
    Check(SjisEndsWithByte(directory.get(), '\\', leadBytes) == 1);
    // One separator is appended; a second one at the end only comes from a
    // doubled separator in the path itself.
    if (directoryLength >= 2 && IsSingleByteCharAt(directory.get(), directoryLength - 2, leadBytes) &&
        directory[directoryLength - 2] == '\\') {
        Check(HasDoubledSeparator(modulePath.get(), leadBytes));
    }

    // Character by character, the folder is the start of the path, apart from
    // ASCII letters lowered and either slash as a back slash; only the
    // appended separator may stand where the path goes on.
    for (size_t i = 0; i + 1 < directoryLength;) {
        const unsigned char b = static_cast<unsigned char>(directory[i]);
        const char from = modulePath[i];
        if (leadBytes[b] && directory[i + 1] != 0) {
            Check(from == directory[i] && modulePath[i + 1] == directory[i + 1]);
            i += 2;
            continue;
        }
        Check(!leadBytes[static_cast<unsigned char>(from)]);
        if (b == '\\') {
            Check(from == '\\' || from == '/');
        } else {
            Check(b != '/' && !(b >= 'A' && b <= 'Z'));
            Check(from == directory[i] || (from >= 'A' && from <= 'Z' && from + 0x20 == directory[i]));
        }
        ++i;
    }

    // The lock name can be a mutex's: no separator, read by the system's
    // table (a trail byte 0x5C is part of its character), and it ends in the
    // colon of the folder's last separator.
    const size_t lockLength = strnlen(lockName.get(), ProgramPathCapacity);
    Check(lockLength >= 1 && lockLength < ProgramPathCapacity);
    Check(SjisContainsByte(lockName.get(), '\\', leadBytes) == 0);
    Check(lockName[lockLength - 1] == ':');
    if (leadBytes == SjisLeadByteTable) {
        // On code page 932 it is the folder, separators turned into colons.
        Check(lockLength == directoryLength);
        for (size_t i = 0; i < directoryLength;) {
            const unsigned char b = static_cast<unsigned char>(directory[i]);
            if (leadBytes[b] && directory[i + 1] != 0) {
                Check(lockName[i] == directory[i] && lockName[i + 1] == directory[i + 1]);
                i += 2;
                continue;
            }
            Check(lockName[i] == (b == '\\' ? ':' : directory[i]));
            ++i;
        }
    }

    // Lower-casing the result again changes nothing.
    char again[ProgramPathCapacity];
    std::memcpy(again, directory.get(), directoryLength + 1);
    SjisLowerAscii(again, leadBytes);
    Check(std::strcmp(again, directory.get()) == 0);
    return 0;
}
