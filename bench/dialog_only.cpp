// The tool's dialog procedure over the default record, with none of the
// tool's start-up around it (no locks, version gate, common-controls call or
// settings file). Beside the bare program and vlcfg.exe it tells how much of
// the difference between them the dialog procedure makes. The benchmark only
// ends it with Cancel.
#include <windows.h>

#include "dialog/settings_dialog.h"
#include "settings/settings_record.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ApplyDefaultSettings();
    DialogBoxParamA(instance, "IDD_DIALOG1", nullptr, SettingsDialogProc, 0);
    return 0;
}
