// The tool's only way of telling the user something: a modal message box in
// the plain OK style, one OK button and no icon.
#pragma once

#include <windows.h>

// caption may be null for the platform's default caption.
inline void ShowMessage(HWND owner, const char* text, const char* caption) {
    MessageBoxA(owner, text, caption, MB_OK);
}
