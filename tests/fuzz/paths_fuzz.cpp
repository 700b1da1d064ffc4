// Fuzzes the derivation of the program folder and its lock name from any
// executable path the platform's 261-byte buffer can hold.
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

bool IsSingleByteCharAt(const char* text, size_t at) {
    size_t i = 0;
    while (text[i] != 0 && i < at) i += SjisCharLength(static_cast<unsigned char>(text[i]));
    return i == at && !SjisLeadByteTable[static_cast<unsigned char>(text[at])];
}

// Two single-byte separators in a row anywhere in text (either slash).
bool HasDoubledSeparator(const char* text) {
    bool previous = false;
    for (size_t i = 0; text[i] != 0;) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (SjisLeadByteTable[b]) {
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
    // As the platform fills the buffer: at most 260 bytes and a terminator.
    size_t length = 0;
    while (length < size && length < ModulePathBufferSize - 1 && data[length] != 0) ++length;
    std::unique_ptr<char[]> modulePath(new char[length + 1]);
    std::memcpy(modulePath.get(), data, length);
    modulePath[length] = 0;

    // Exactly the capacity, so a write past it is caught.
    std::unique_ptr<char[]> directory(new char[ProgramPathCapacity]);
    std::unique_ptr<char[]> lockName(new char[ProgramPathCapacity]);
    DeriveProgramPaths(modulePath.get(), SjisSplitPath, directory.get(), lockName.get());

    const size_t directoryLength = strnlen(directory.get(), ProgramPathCapacity);
    Check(directoryLength < ProgramPathCapacity);
    Check(directoryLength >= 1 && directoryLength <= 258);
    Check(SjisEndsWithByte(directory.get(), '\\') == 1);
    // One separator is appended; a second one at the end only comes from a
    // doubled separator in the path itself.
    if (directoryLength >= 2 && IsSingleByteCharAt(directory.get(), directoryLength - 2) &&
        directory[directoryLength - 2] == '\\') {
        Check(HasDoubledSeparator(modulePath.get()));
    }
    Check(std::strlen(lockName.get()) == directoryLength);

    for (size_t i = 0; i < directoryLength;) {
        const unsigned char b = static_cast<unsigned char>(directory[i]);
        if (SjisLeadByteTable[b] && directory[i + 1] != 0) {
            Check(lockName[i] == directory[i] && lockName[i + 1] == directory[i + 1]);
            i += 2;
            continue;
        }
        Check(!(b >= 'A' && b <= 'Z') || SjisLeadByteTable[b]);
        Check(b != '/');
        Check(lockName[i] != '\\');
        Check(lockName[i] == (b == '\\' ? ':' : directory[i]));
        ++i;
    }

    // Lower-casing the result again changes nothing.
    char again[ProgramPathCapacity];
    std::memcpy(again, directory.get(), directoryLength + 1);
    SjisLowerAscii(again);
    Check(std::strcmp(again, directory.get()) == 0);
    return 0;
}
