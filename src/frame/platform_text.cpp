#include "frame/platform_text.h"

#include "frame/sjis.h"

namespace {

constexpr UINT SjisCodePage = 932;

// Long enough for every message of the tool; a longer text fails the
// conversion and takes the narrow call.
constexpr int WideMessageCapacity = 512;

// -1 until the platform has been asked.
int ReadsSjis = -1;
int HasWideCalls = -1;

// The system's own table, where its code page is not 932.
unsigned char SystemLeadBytes[LeadByteTableSize];
const unsigned char* LeadBytes = nullptr;

bool PlatformReadsSjis() {
    if (ReadsSjis < 0) ReadsSjis = GetACP() == SjisCodePage ? 1 : 0;
    return ReadsSjis == 1;
}

// The one place that decides between the narrow and the wide text calls.
bool TextTakesNarrowCalls() { return PlatformReadsSjis() || !PlatformHasWideCalls(); }

// text as UTF-16 in out; false when it cannot be converted whole.
bool SjisToWide(const char* text, wchar_t* out, int capacity) {
    return MultiByteToWideChar(SjisCodePage, MB_ERR_INVALID_CHARS, text, -1, out, capacity) > 0;
}

}  // namespace

bool PlatformHasWideCalls() {
    // The 9x family sets the high bit of the version.
    if (HasWideCalls < 0) HasWideCalls = (GetVersion() & 0x80000000u) == 0 ? 1 : 0;
    return HasWideCalls == 1;
}

const unsigned char* PlatformLeadByteTable() {
    if (LeadBytes == nullptr) {
        CPINFO info;
        if (PlatformReadsSjis() || !GetCPInfo(CP_ACP, &info)) {
            LeadBytes = SjisLeadByteTable;
        } else {
            FillLeadByteTable(SystemLeadBytes, info.LeadByte, sizeof info.LeadByte);
            LeadBytes = SystemLeadBytes;
        }
    }
    return LeadBytes;
}

void ShowMessage(HWND owner, const char* text, const char* caption) {
    if (!TextTakesNarrowCalls()) {
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
    if (TextTakesNarrowCalls()) return DialogBoxParamA(instance, "IDD_DIALOG1", nullptr, procedure, 0);
    return DialogBoxParamW(instance, L"IDD_DIALOG1", nullptr, procedure, 0);
}
