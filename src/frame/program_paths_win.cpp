#include <stdlib.h>
#include <wchar.h>
#include <windows.h>

#include "frame/platform_text.h"
#include "frame/program_paths.h"

namespace {

// The runtime's split, which steps over double-byte characters by the
// system's ANSI code page: the same lead bytes as PlatformLeadByteTable.
void SplitWithRuntime(const char* path, const unsigned char*, char* drive, char* directory) {
    char name[_MAX_FNAME];
    char extension[_MAX_EXT];
    _splitpath(path, drive, directory, name, extension);
}

static_assert(SplitDriveSize == _MAX_DRIVE && SplitDirectorySize == _MAX_DIR,
              "split buffers must match the runtime's");
static_assert(ModulePathBufferSize == MAX_PATH + 1, "module path buffer is the platform's");

// False when the system's code page cannot spell the executable's path: the
// narrow path read back is then not the wide one (its characters became '?'
// or look-alikes), and names another folder or none. The 9x family has no
// wide path to compare with.
bool NarrowPathIsTheRealOne(const char* narrowPath) {
    if (!PlatformHasWideCalls()) return true;
    wchar_t widePath[ModulePathBufferSize] = {};
    const DWORD length = GetModuleFileNameW(nullptr, widePath, ModulePathBufferSize);
    if (length == 0 || length >= ModulePathBufferSize) return false;
    wchar_t readBack[ModulePathBufferSize] = {};
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, narrowPath, -1, readBack, ModulePathBufferSize) == 0) {
        return false;
    }
    return wcscmp(readBack, widePath) == 0;
}

}  // namespace

int BuildProgramPaths() {
    char modulePath[ModulePathBufferSize] = {};
    const DWORD length = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
    // A result of the whole buffer means the path was cut.
    if (length == 0 || length >= sizeof modulePath) return -1;
    if (!NarrowPathIsTheRealOne(modulePath)) return -1;
    DeriveProgramPaths(modulePath, SplitWithRuntime, PlatformLeadByteTable(), ProgramDirectory, DirectoryLockName);
    return 0;
}
