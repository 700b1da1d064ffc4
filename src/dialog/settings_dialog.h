// The dialog procedure of IDD_DIALOG1: shows CurrentSettings, stores it on OK.
#pragma once

#include <windows.h>

// Puts CurrentSettings into the controls. A radio word outside its group
// leaves the group as it is.
void FillSettingsDialog(HWND dialog);

// Returns FALSE for every message, handled or not.
INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
