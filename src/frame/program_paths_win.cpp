#include <stdlib.h>
#include <string.h>
#include <wchar.h>
#include <windows.h>

#include "frame/platform_text.h"
#include "frame/program_paths.h"

namespace {

static_assert(SplitDriveSize == _MAX_DRIVE && SplitDirectorySize == _MAX_DIR,
              "split buffers must match the runtime's");
static_assert(ModulePathBufferSize == MAX_PATH + 1, "module path buffer is the platform's");

// False when the folder the runtime's split gave for the narrow path is not
// the executable's real folder: read back into UTF-16, drive and directory
// must be the wide path up to and including its last separator. They are not
// when a character of the folder became '?' or a look-alike, when one of the
// file name became a separator (the yen sign is 0x5C on code page 932), or
// when the split cut or emptied an over-long directory. The file name itself
// never matters: a copy of the tool may carry any name. The 9x family has no
// wide path to compare with.
bool FolderIsTheRealOne(const char* drive, const char* directory) {
    if (!PlatformHasWideCalls()) return true;
    wchar_t widePath[ModulePathBufferSize] = {};
    const DWORD length = GetModuleFileNameW(nullptr, widePath, ModulePathBufferSize);
    if (length == 0 || length >= ModulePathBufferSize) return false;
    size_t folderLength = length;
    while (folderLength > 0 && widePath[folderLength - 1] != L'\\' && widePath[folderLength - 1] != L'/') {
        --folderLength;
    }

    char folder[SplitDriveSize + SplitDirectorySize];
    const size_t driveLength = strlen(drive);
    memcpy(folder, drive, driveLength + 1);
    memcpy(folder + driveLength, directory, strlen(directory) + 1);
    wchar_t readBack[ModulePathBufferSize] = {};
    const int readLength =
        MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, folder, -1, readBack, ModulePathBufferSize);
    // The length counts the terminator.
    return readLength > 0 && static_cast<size_t>(readLength - 1) == folderLength &&
           wmemcmp(readBack, widePath, folderLength) == 0;
}

}  // namespace

int BuildProgramPaths() {
    char modulePath[ModulePathBufferSize] = {};
    const DWORD length = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
    // A result of the whole buffer means the path was cut.
    if (length == 0 || length >= sizeof modulePath) return -1;

    // The runtime's split steps over double-byte characters by the system's
    // ANSI code page: the same lead bytes as PlatformLeadByteTable.
    char drive[SplitDriveSize];
    char directory[SplitDirectorySize];
    char name[_MAX_FNAME];
    char extension[_MAX_EXT];
    _splitpath(modulePath, drive, directory, name, extension);
    if (!FolderIsTheRealOne(drive, directory)) return -1;
    DeriveProgramPaths(drive, directory, PlatformLeadByteTable(), ProgramDirectory, DirectoryLockName);
    return 0;
}
