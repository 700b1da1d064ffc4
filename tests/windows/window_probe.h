// Finding, reading and answering the tool's windows the way a user sees
// them, through the real window manager.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

constexpr UINT PollMilliseconds = 20;

// The window's text, in the tool's narrow code page.
std::string WindowText(HWND window);
// The window's text as UTF-16, whatever the code page.
std::wstring WideWindowText(HWND window);
std::string ClassName(HWND window);

// A visible top-level dialog window (class #32770) of process pid whose
// caption is caption (any caption when null), other than except.
HWND FindProcessDialog(DWORD pid, const char* caption, HWND except = nullptr);

// Asks done() every PollMilliseconds until it answers true or timeoutMs have
// passed; true when it did.
template <typename Done>
bool WaitUntil(Done done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(PollMilliseconds);
    }
}

// FindProcessDialog, retried until it finds one or timeoutMs have passed.
HWND WaitForProcessDialog(DWORD pid, const char* caption, DWORD timeoutMs, HWND except = nullptr);

struct ButtonInfo {
    int id;
    std::string text;
};

// A message box as the user sees it.
struct MessageBoxInfo {
    HWND owner = nullptr;
    std::string caption;
    std::string text;
    std::wstring wideCaption;
    std::wstring wideText;
    std::vector<ButtonInfo> buttons;
    bool hasIcon = false;
};

MessageBoxInfo ReadMessageBox(HWND box);

// Presses a dialog's button as a click would, and returns once the click has
// been handled or has opened a message box.
void ClickDialogButton(HWND dialog, int id);

// Returns once window's thread has handled what was sent to it before.
void SyncWith(HWND window);

// Presses and releases key on control, as a keyboard does: the messages are
// posted, so a dialog's modal loop hands them to the dialog manager. Returns
// at once; posted messages come after sent ones, so SyncWith does not wait
// for them.
void PressKey(HWND control, WORD key);

// The caption MessageBoxA gives a box that has none of its own.
std::string PlatformDefaultCaption();
std::wstring PlatformDefaultWideCaption();

// Whether some process holds a handle to an object of this name, asked the
// way another program would.
bool NameIsHeld(const std::string& name);

// Expects the tool's file-failure message: the text, no owner, the
// platform's default caption, the plain OK style.
void ExpectFailureMessage(const MessageBoxInfo& box, const char* text);

// True when box is a message box in the tool's plain style: one OK button,
// no icon.
bool IsPlainOkBox(const MessageBoxInfo& box);

// Answers, with OK, every message box this process shows while it lives,
// and keeps what each said. Destroying it stops the watch.
class MessageBoxWatch {
public:
    MessageBoxWatch();
    ~MessageBoxWatch();
    MessageBoxWatch(const MessageBoxWatch&) = delete;
    MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

    // Stops watching and returns the boxes seen, in order.
    std::vector<MessageBoxInfo> Stop();

private:
    void Run();

    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::vector<MessageBoxInfo> seen_;
    std::thread thread_;
};
