// Starting the built vlcfg.exe the way a player does, and watching it.
#pragma once

#include <windows.h>

#include <string>

#include "test_files.h"
#include "window_probe.h"

// Bounds of every wait, in milliseconds.
constexpr DWORD DialogTimeout = 20000;
constexpr DWORD ExitTimeout = 20000;
constexpr DWORD QuietPeriod = 700;  // how long "nothing appears" is watched

// Windows path of the built vlcfg.exe (VLCFG_EXE).
std::string BuiltToolPath();

// A fresh game folder with a copy of the tool in it; ends in a separator.
std::string GameFolderWithTool(const std::string& name);

// One run of the tool. The destructor ends a run that is still going.
class ToolRun {
public:
    ToolRun() = default;
    ~ToolRun();
    ToolRun(const ToolRun&) = delete;
    ToolRun& operator=(const ToolRun&) = delete;

    // Starts exePath with its own folder as the current one; a narrow path
    // is in the system's code page.
    bool Start(const std::string& exePath);
    bool Start(const std::wstring& exePath);

    // The settings dialog, once it is shown; null after the timeout.
    HWND WaitForSettingsDialog(DWORD timeoutMs = DialogTimeout);

    // A message box of this run (any dialog but the settings dialog).
    HWND WaitForMessageBox(DWORD timeoutMs = DialogTimeout);

    // True when the run ended in time; its exit code goes to code.
    bool WaitForExit(DWORD* code, DWORD timeoutMs = ExitTimeout);

    bool IsRunning() const;
    DWORD Pid() const { return info_.dwProcessId; }
    DWORD ThreadId() const { return info_.dwThreadId; }

private:
    PROCESS_INFORMATION info_ = {};
    HWND settingsDialog_ = nullptr;
};

// True when hwnd is the settings dialog (it has the drawing-method buttons).
bool IsSettingsDialog(HWND hwnd);

// The control that has the keyboard focus in the thread of window.
HWND FocusOf(HWND window);

// The focus in the thread of window once it is on a control other than from
// (any control when from is null); what it is after the timeout otherwise.
HWND WaitForFocusOtherThan(HWND window, HWND from, DWORD timeoutMs = DialogTimeout);

// Presses button on the settings dialog of run and expects the run to end
// with 0.
void CloseWith(ToolRun& run, HWND dialog, int button);

// Wine reports the version (win98, winxp, ...) set for a program's file name;
// each copy of the tool that needs one gets a name of its own, so no other
// run sees the change.
void SetWineVersionFor(const std::string& exeName, const char* version);

// Waits for the message box of a run that must show one and no dialog,
// answers it with OK and expects the run to end with 0. Returns what the box
// said.
MessageBoxInfo ExpectMessageAndExit(ToolRun& run);
