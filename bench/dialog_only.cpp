// The tool's dialog procedure over the default record, with none of the
// tool's start-up around it (no locks, version gate, common-controls call or
// settings file). Beside the bare program and vlcfg.exe it tells how much of
// the difference between them the dialog procedure makes. It also times the
// procedure's WM_INITDIALOG and leaves the microseconds in a property of the
// dialog for the benchmark to read. The benchmark only ends it with Cancel.
#include <windows.h>

#include <cstdint>

#include "bench_names.h"
#include "dialog/settings_dialog.h"
#include "settings/settings_record.h"

namespace {

INT_PTR CALLBACK TimedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG) return SettingsDialogProc(dialog, message, wParam, lParam);
    LARGE_INTEGER frequency, before, after;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&before);
    const INT_PTR result = SettingsDialogProc(dialog, message, wParam, lParam);
    QueryPerformanceCounter(&after);
    const uintptr_t microseconds =
        static_cast<uintptr_t>((after.QuadPart - before.QuadPart) * 1000000 / frequency.QuadPart);
    SetPropA(dialog, InitDialogTimeProperty, reinterpret_cast<HANDLE>(microseconds));
    return result;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ApplyDefaultSettings();
    DialogBoxParamA(instance, "IDD_DIALOG1", nullptr, TimedDialogProc, 0);
    return 0;
}
