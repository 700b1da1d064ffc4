// Where the tool's Shift-JIS texts reach the platform, and what the platform
// makes of narrow strings. On a system whose ANSI code page is 932 the texts
// go through the narrow calls as they are; on any other system the narrow
// calls would read them in the wrong code page, so they go through the wide
// calls instead, except on the Windows 9x family, whose wide calls are stubs.
#pragma once

#include <windows.h>

// True where the wide calls work: every system but the Windows 9x family
// (95, 98, ME). Asked of the platform once per run.
bool PlatformHasWideCalls();

// The lead-byte table of the system's ANSI code page: Shift-JIS's where that
// is 932, the system's own ranges elsewhere (none on a single-byte code page).
// Filled once per run.
const unsigned char* PlatformLeadByteTable();

// The tool's only way of telling the user something: a modal message box in
// the plain OK style, one OK button and no icon. caption may be null for the
// platform's default caption.
void ShowMessage(HWND owner, const char* text, const char* caption);

// Runs the dialog IDD_DIALOG1 modally, with no owner, and returns its result.
// Where the texts take the wide calls the dialog is a wide one, so its
// controls keep the template's own UTF-16 texts.
INT_PTR RunDialog(HINSTANCE instance, DLGPROC procedure);
