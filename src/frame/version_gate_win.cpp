#include <windows.h>

#include "frame/version_gate.h"
#include "frame/version_table.h"

static_assert(sizeof(OSVERSIONINFOA) == 148, "the query takes the plain structure");

int ClassifyWindowsVersion() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return -1;
    return OsKindFromBuild(info.dwBuildNumber);
}
