#include "tool_process.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "resource.h"

std::string BuiltToolPath() {
    const char* path = std::getenv("VLCFG_EXE");
    return path ? path : "";
}

std::string GameFolderWithTool(const std::string& name) {
    const std::string folder = FreshFolder(name);
    CopyFileA(BuiltToolPath().c_str(), (folder + "vlcfg.exe").c_str(), FALSE);
    return folder;
}

ToolRun::~ToolRun() {
    if (info_.hProcess != nullptr) {
        if (IsRunning()) {
            TerminateProcess(info_.hProcess, 99);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
}

bool ToolRun::Start(const std::string& exePath) { return Start(Widen(exePath)); }

bool ToolRun::Start(const std::wstring& exePath) {
    const std::wstring folder = exePath.substr(0, exePath.find_last_of(L'\\') + 1);
    std::wstring commandLine = L"\"" + exePath + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &info_) != 0;
}

bool IsSettingsDialog(HWND hwnd) { return GetDlgItem(hwnd, IDC_RENDER_GPU_BICUBIC) != nullptr; }

HWND ToolRun::WaitForSettingsDialog(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND found = FindProcessDialog(Pid(), nullptr);
        if (found != nullptr && IsSettingsDialog(found)) return settingsDialog_ = found;
        if (found != nullptr) {
            // Another dialog first; look past it.
            HWND other = FindProcessDialog(Pid(), nullptr, found);
            if (other != nullptr && IsSettingsDialog(other)) return settingsDialog_ = other;
        }
        if (GetTickCount() - start >= timeoutMs || !IsRunning()) return nullptr;
        Sleep(PollMilliseconds);
    }
}

HWND ToolRun::WaitForMessageBox(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND found = FindProcessDialog(Pid(), nullptr, settingsDialog_);
        if (found != nullptr && !IsSettingsDialog(found)) return found;
        if (GetTickCount() - start >= timeoutMs || !IsRunning()) return nullptr;
        Sleep(PollMilliseconds);
    }
}

bool ToolRun::WaitForExit(DWORD* code, DWORD timeoutMs) {
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(info_.hProcess, code);
    return true;
}

bool ToolRun::IsRunning() const {
    return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

HWND WaitForFocusOtherThan(HWND window, HWND from, DWORD timeoutMs) {
    HWND focus = nullptr;
    WaitUntil([&] { return (focus = FocusOf(window)) != nullptr && focus != from; }, timeoutMs);
    return focus;
}

MessageBoxInfo ExpectMessageAndExit(ToolRun& run) {
    MessageBoxInfo info;
    HWND box = run.WaitForMessageBox();
    EXPECT_NE(box, nullptr) << "no message appeared";
    if (box == nullptr) return info;
    info = ReadMessageBox(box);
    EXPECT_EQ(run.WaitForSettingsDialog(0), nullptr) << "a message run must show no dialog";
    ClickDialogButton(box, IDOK);
    DWORD code = 1;
    EXPECT_TRUE(run.WaitForExit(&code));
    EXPECT_EQ(code, 0u);
    return info;
}

void CloseWith(ToolRun& run, HWND dialog, int button) {
    ClickDialogButton(dialog, button);
    DWORD code = 1;
    ASSERT_TRUE(run.WaitForExit(&code));
    EXPECT_EQ(code, 0u);
}

void SetWineVersionFor(const std::string& exeName, const char* version) {
    HKEY key = nullptr;
    const std::string path = "Software\\Wine\\AppDefaults\\" + exeName;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                   static_cast<DWORD>(strlen(version) + 1));
    RegCloseKey(key);
}
