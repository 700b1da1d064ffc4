// Watches a copy of vlcfg.exe that was started from Linux with a path at the
// platform's limits, and checks what it shows:
//
//   start_path_probe.exe refused NAME   the start-path message, then OK
//   start_path_probe.exe dialog NAME    the settings dialog, then Cancel
//
// NAME is the file name of the tool's copy.
//
// Exits 0 when the tool showed what was expected.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>

#include "expected_texts.h"
#include "tool_process.h"
#include "window_probe.h"

namespace {

DWORD FindToolProcess(const char* name, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32 entry = {};
        entry.dwSize = sizeof entry;
        DWORD found = 0;
        for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry)) {
            if (_stricmp(entry.szExeFile, name) == 0) found = entry.th32ProcessID;
        }
        CloseHandle(snapshot);
        if (found) return found;
        Sleep(PollMilliseconds);
    } while (GetTickCount() - start < timeoutMs);
    return 0;
}

int Fail(const char* what) {
    std::fprintf(stderr, "start_path_probe: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Fail("usage: start_path_probe.exe refused|dialog NAME");
    const bool refused = std::strcmp(argv[1], "refused") == 0;
    const DWORD pid = FindToolProcess(argv[2], DialogTimeout);
    if (pid == 0) return Fail("the tool did not start");

    HWND window = WaitForProcessDialog(pid, nullptr, DialogTimeout);
    if (window == nullptr) return Fail("the tool showed nothing");
    if (!refused) {
        if (!IsSettingsDialog(window)) return Fail("expected the settings dialog, got a message");
        ClickDialogButton(window, IDCANCEL);
        return 0;
    }
    if (IsSettingsDialog(window)) {
        ClickDialogButton(window, IDCANCEL);
        return Fail("expected the start-path message, got the settings dialog");
    }
    const MessageBoxInfo box = ReadMessageBox(window);
    ClickDialogButton(window, IDOK);
    if (box.text != expected::TextInvalidStartPath) return Fail("wrong text");
    if (box.caption != expected::CaptionError) return Fail("wrong caption");
    if (box.owner != nullptr) return Fail("the message has an owner");
    if (!IsPlainOkBox(box)) return Fail("not a plain OK box");
    std::printf("start_path_probe: saw the start-path message\n");
    return 0;
}
