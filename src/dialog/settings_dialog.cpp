#include "dialog/settings_dialog.h"

#include "dialog/settings_binding.h"
#include "frame/platform_text.h"
#include "frame/messages.h"
#include "resource.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

namespace {

bool IsChecked(HWND dialog, int control) { return IsDlgButtonChecked(dialog, control) == BST_CHECKED; }

// Copies the controls into CurrentSettings. A group with no checked button
// keeps its word, so a value the dialog cannot show survives.
void ReadSettingsDialog(HWND dialog) {
    for (size_t i = 0; i < SettingsBindingCount; ++i) {
        const ControlBinding& binding = SettingsBindings[i];
        int32_t& word = CurrentSettings[binding.word];
        if (binding.kind == BindingKind::CheckBox) {
            word = IsChecked(dialog, binding.firstControl) ? 1 : 0;
        } else {
            for (int index = 0; index < binding.controlCount; ++index) {
                if (IsChecked(dialog, binding.firstControl + index)) word = index;
            }
        }
    }
    CurrentSettings[Word5] = 0;
}

void OnOk(HWND dialog) {
    ReadSettingsDialog(dialog);
    // The dialog closes whether or not the save worked; a failure was shown.
    SaveSettings(SaveMode::Update);
    EndDialog(dialog, IDOK);
}

void OnReset(HWND dialog) {
    ApplyDefaultSettings();
    FillSettingsDialog(dialog);
}

void OnDirectShowClicked(HWND dialog) {
    if (!IsChecked(dialog, IDC_MOVIE_DIRECTSHOW)) {
        ShowMessage(dialog, TextDirectShowNotice, CaptionInformation);
    }
}

void OnCommand(HWND dialog, int command) {
    switch (command) {
        case IDOK: OnOk(dialog); break;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
        case IDC_RESET: OnReset(dialog); break;
        case IDC_MOVIE_DIRECTSHOW: OnDirectShowClicked(dialog); break;
        default: break;
    }
}

}  // namespace

void FillSettingsDialog(HWND dialog) {
    for (size_t i = 0; i < SettingsBindingCount; ++i) {
        const ControlBinding& binding = SettingsBindings[i];
        const int32_t value = CurrentSettings[binding.word];
        if (binding.kind == BindingKind::CheckBox) {
            // Handed over as it is; how another value than 0 or 1 shows is the platform's.
            CheckDlgButton(dialog, binding.firstControl, static_cast<UINT>(value));
        } else if (IsInGroup(binding, value)) {
            CheckRadioButton(dialog, binding.firstControl, LastControl(binding), binding.firstControl + value);
        }
    }
}

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            // Returning FALSE keeps this focus.
            SetFocus(GetDlgItem(dialog, IDOK));
            FillSettingsDialog(dialog);
            // The template marks both OK and Reset as default buttons, and the
            // dialog manager keeps the last one: Enter would reset every
            // choice. Enter confirms.
            SendMessageA(dialog, DM_SETDEFID, IDOK, 0);
            break;
        case WM_COMMAND: OnCommand(dialog, LOWORD(wParam)); break;
        default: break;
    }
    return FALSE;
}
