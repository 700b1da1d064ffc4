#include "frame/program_paths.h"

#include <cstring>

#include "frame/sjis.h"

char ProgramDirectory[ProgramPathCapacity];
char DirectoryLockName[ProgramPathCapacity];

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Copies at most maxBytes of text, never leaving the first byte of a
// double-byte character at the end of the copy.
void CopyPrefix(char* out, const char* text, size_t length, size_t maxBytes, const unsigned char* leadBytes) {
    size_t kept = 0;
    while (kept < length) {
        const size_t next = kept + SjisCharLength(static_cast<unsigned char>(text[kept]), leadBytes);
        if (next > maxBytes) break;
        kept = next;
    }
    std::memcpy(out, text, kept);
    out[kept] = 0;
}

// drive and directory joined into out, read by leadBytes: forward slashes
// turned into back slashes, one separator at the end, ASCII letters lowered.
// Returns the length: at most 2 + 255 + 1 bytes.
size_t JoinDirectory(char* out, const char* drive, const char* directory, const unsigned char* leadBytes) {
    const size_t driveLength = std::strlen(drive);
    const size_t directoryLength = std::strlen(directory);
    std::memcpy(out, drive, driveLength);
    std::memcpy(out + driveLength, directory, directoryLength);
    size_t length = driveLength + directoryLength;
    out[length] = 0;
    SjisReplaceByte(out, '/', '\\', leadBytes);
    if (SjisEndsWithByte(out, '\\', leadBytes)) --length;
    out[length] = '\\';
    out[length + 1] = 0;
    SjisLowerAscii(out, leadBytes);
    return length + 1;
}

}  // namespace

void SplitPathByTable(const char* path, const unsigned char* leadBytes, char* drive, char* directory) {
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
        if (leadBytes[static_cast<unsigned char>(*p)]) {
            if (p[1] == 0) break;
            p += 2;
        } else {
            if (IsSeparator(*p)) end = p + 1;
            ++p;
        }
    }
    CopyPrefix(directory, rest, static_cast<size_t>(end - rest), SplitDirectorySize - 1, leadBytes);
}

void DeriveProgramPaths(const char* drive, const char* directory, const unsigned char* leadBytes,
                        char* programDirectory, char* lockName) {
    const size_t length = JoinDirectory(programDirectory, drive, directory, leadBytes);

    // The game derives the lock name from the same bytes read as Shift-JIS.
    JoinDirectory(lockName, drive, directory, SjisLeadByteTable);
    SjisReplaceByte(lockName, '\\', ':', SjisLeadByteTable);
    // Read by another code page's lead bytes, that name can still hold a
    // separator the Shift-JIS reading took for a second byte; no mutex can
    // have such a name, so the lock is named after the folder itself.
    if (SjisContainsByte(lockName, '\\', leadBytes)) {
        std::memcpy(lockName, programDirectory, length);
        lockName[length] = 0;
        SjisReplaceByte(lockName, '\\', ':', leadBytes);
    }
}
