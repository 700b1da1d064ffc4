// Where the tool's Shift-JIS texts reach the platform. On a system whose
// ANSI code page is 932 they go through the narrow calls as they are; on any
// other system the narrow calls would read them in the wrong code page, so
// they go through the wide calls instead.
#pragma once

#include <windows.h>

// True when the system's ANSI code page is 932 (Shift-JIS). Asked of the
// platform once per run.
bool PlatformReadsSjis();

// The tool's only way of telling the user something: a modal message box in
// the plain OK style, one OK button and no icon. caption may be null for the
// platform's default caption.
void ShowMessage(HWND owner, const char* text, const char* caption);

// Runs the dialog IDD_DIALOG1 modally, with no owner, and returns its result.
// On a system that does not read Shift-JIS the dialog is a wide one, so its
// controls keep the template's own UTF-16 texts.
INT_PTR RunDialog(HINSTANCE instance, DLGPROC procedure);
