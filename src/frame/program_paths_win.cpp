#include <stdlib.h>
#include <windows.h>

#include "frame/program_paths.h"

namespace {

// The runtime's split, which steps over double-byte characters by the
// system's ANSI code page.
void SplitWithRuntime(const char* path, char* drive, char* directory) {
    char name[_MAX_FNAME];
    char extension[_MAX_EXT];
    _splitpath(path, drive, directory, name, extension);
}

static_assert(SplitDriveSize == _MAX_DRIVE && SplitDirectorySize == _MAX_DIR,
              "split buffers must match the runtime's");
static_assert(ModulePathBufferSize == MAX_PATH + 1, "module path buffer is the platform's");

}  // namespace

int BuildProgramPaths() {
    char modulePath[ModulePathBufferSize] = {};
    const DWORD length = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
    // A result of the whole buffer means the path was cut.
    if (length == 0 || length >= sizeof modulePath) return -1;
    DeriveProgramPaths(modulePath, SplitWithRuntime, ProgramDirectory, DirectoryLockName);
    return 0;
}
