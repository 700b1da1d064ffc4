#include "frame/platform_text.h"

namespace {

constexpr UINT SjisCodePage = 932;

// Long enough for every message of the tool; a longer text fails the
// conversion and takes the narrow call.
constexpr int WideMessageCapacity = 512;

// -1 until the platform has been asked.
int ReadsSjis = -1;

// text as UTF-16 in out; false when it cannot be converted whole.
bool SjisToWide(const char* text, wchar_t* out, int capacity) {
    return MultiByteToWideChar(SjisCodePage, MB_ERR_INVALID_CHARS, text, -1, out, capacity) > 0;
}

}  // namespace

bool PlatformReadsSjis() {
    if (ReadsSjis < 0) ReadsSjis = GetACP() == SjisCodePage ? 1 : 0;
    return ReadsSjis == 1;
}

void ShowMessage(HWND owner, const char* text, const char* caption) {
    if (!PlatformReadsSjis()) {
        wchar_t wideText[WideMessageCapacity];
        wchar_t wideCaption[WideMessageCapacity];
        if (SjisToWide(text, wideText, WideMessageCapacity) &&
            (caption == nullptr || SjisToWide(caption, wideCaption, WideMessageCapacity))) {
            MessageBoxW(owner, wideText, caption == nullptr ? nullptr : wideCaption, MB_OK);
            return;
        }
    }
    MessageBoxA(owner, text, caption, MB_OK);
}

INT_PTR RunDialog(HINSTANCE instance, DLGPROC procedure) {
    if (PlatformReadsSjis()) return DialogBoxParamA(instance, "IDD_DIALOG1", nullptr, procedure, 0);
    return DialogBoxParamW(instance, L"IDD_DIALOG1", nullptr, procedure, 0);
}
