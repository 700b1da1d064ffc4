#include "frame/program_paths.h"

#include <cstring>

#include "frame/sjis.h"

char ProgramDirectory[ProgramPathCapacity];
char DirectoryLockName[ProgramPathCapacity];

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Copies at most maxBytes of text, never leaving the first byte of a
// double-byte character at the end of the copy.
void CopySjisPrefix(char* out, const char* text, size_t length, size_t maxBytes) {
    size_t kept = 0;
    while (kept < length) {
        const size_t next = kept + SjisCharLength(static_cast<unsigned char>(text[kept]));
        if (next > maxBytes) break;
        kept = next;
    }
    std::memcpy(out, text, kept);
    out[kept] = 0;
}

}  // namespace

void SjisSplitPath(const char* path, char* drive, char* directory) {
    const char* rest = path;
    drive[0] = 0;
    if (path[0] != 0 && path[1] == ':') {
        drive[0] = path[0];
        drive[1] = ':';
        drive[2] = 0;
        rest = path + 2;
    }

    const char* end = rest;
    const char* p = rest;
    while (*p != 0) {
        if (SjisLeadByteTable[static_cast<unsigned char>(*p)]) {
            if (p[1] == 0) break;
            p += 2;
        } else {
            if (IsSeparator(*p)) end = p + 1;
            ++p;
        }
    }
    CopySjisPrefix(directory, rest, static_cast<size_t>(end - rest), SplitDirectorySize - 1);
}

void DeriveProgramPaths(const char* modulePath, PathSplitFunction split, char* programDirectory,
                        char* lockName) {
    char drive[SplitDriveSize];
    char directory[SplitDirectorySize];
    split(modulePath, drive, directory);

    // At most 2 + 255 bytes, plus the separator appended below.
    char joined[SplitDriveSize + SplitDirectorySize + 1];
    const size_t driveLength = std::strlen(drive);
    const size_t directoryLength = std::strlen(directory);
    std::memcpy(joined, drive, driveLength);
    std::memcpy(joined + driveLength, directory, directoryLength + 1);

    SjisReplaceByte(joined, '/', '\\');
    size_t length = driveLength + directoryLength;
    if (SjisEndsWithByte(joined, '\\')) --length;
    joined[length] = '\\';
    joined[length + 1] = 0;

    std::memcpy(programDirectory, joined, length + 2);
    SjisLowerAscii(programDirectory);
    std::memcpy(lockName, programDirectory, length + 2);
    SjisReplaceByte(lockName, '\\', ':');
}
