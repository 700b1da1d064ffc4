// The tool's entry and its whole run, on one thread.
#include <windows.h>
#include <commctrl.h>

#include "dialog/settings_dialog.h"
#include "frame/locks.h"
#include "frame/platform_text.h"
#include "frame/messages.h"
#include "frame/program_paths.h"
#include "frame/version_gate.h"
#include "frame/version_table.h"
#include "settings/settings_file.h"

namespace {

HINSTANCE ProgramInstance;

void RunSettingsTool() {
    InitCommonControls();

    // A failed query (-1) is seen as 255 and passes.
    const uint8_t osKind = static_cast<uint8_t>(ClassifyWindowsVersion());
    if (IsRefusedOsKind(osKind)) {
        ShowMessage(nullptr, TextUnsupportedWindows, CaptionError);
        return;
    }

    if (LoadSettings() != 0) return;

    // Saving, if any, has happened inside the dialog.
    RunDialog(ProgramInstance, SettingsDialogProc);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Another copy is between its start and its directory check: end quietly.
    if (CreateLockSlot(StartupLockSlot, StartupLockName) != 0) return 0;

    if (BuildProgramPaths() != 0) {
        ShowMessage(nullptr, TextInvalidStartPath, CaptionError);
        ReleaseLockSlots(StartupLockSlot);
        return 0;
    }

    if (CreateLockSlot(DirectoryLockSlot, DirectoryLockName) != 0) {
        ShowMessage(nullptr, TextAlreadyRunning, CaptionEngineSettings);
        ReleaseLockSlots(StartupLockSlot);
        return 0;
    }
    ReleaseLockSlots(StartupLockSlot);

    ProgramInstance = instance;
    RunSettingsTool();
    ReleaseLockSlots(DirectoryLockSlot);
    return 0;
}
