#include "window_probe.h"

#include <gtest/gtest.h>

std::string WindowText(HWND window) {
    char text[4096] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::wstring WideWindowText(HWND window) {
    wchar_t text[4096] = {};
    GetWindowTextW(window, text, sizeof text / sizeof text[0]);
    return text;
}

std::string ClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

namespace {

struct DialogSearch {
    DWORD pid;
    const char* caption;
    HWND except;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || window == search->except || !IsWindowVisible(window)) return TRUE;
    if (ClassName(window) != "#32770") return TRUE;
    if (search->caption != nullptr && WindowText(window) != search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
    auto* box = reinterpret_cast<MessageBoxInfo*>(param);
    const std::string kind = ClassName(child);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (kind == "Button") {
        box->buttons.push_back({GetDlgCtrlID(child), WindowText(child)});
    } else if (kind == "Static") {
        if ((style & SS_TYPEMASK) == SS_ICON) {
            if (SendMessageA(child, STM_GETICON, 0, 0) != 0 && IsWindowVisible(child)) box->hasIcon = true;
        } else if (IsWindowVisible(child)) {
            const std::wstring text = WideWindowText(child);
            if (!text.empty()) {
                box->text = WindowText(child);
                box->wideText = text;
            }
        }
    }
    return TRUE;
}

}  // namespace

HWND FindProcessDialog(DWORD pid, const char* caption, HWND except) {
    DialogSearch search{pid, caption, except, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForProcessDialog(DWORD pid, const char* caption, DWORD timeoutMs, HWND except) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindProcessDialog(pid, caption, except)) != nullptr; }, timeoutMs);
    return found;
}

MessageBoxInfo ReadMessageBox(HWND box) {
    MessageBoxInfo info;
    info.owner = GetWindow(box, GW_OWNER);
    info.caption = WindowText(box);
    info.wideCaption = WideWindowText(box);
    EnumChildWindows(box, CollectChild, reinterpret_cast<LPARAM>(&info));
    return info;
}

namespace {

void CALLBACK IgnoreResult(HWND, UINT, ULONG_PTR, LRESULT) {}

}  // namespace

void SyncWith(HWND window) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
}

void ClickDialogButton(HWND dialog, int id) {
    // Sent without waiting: a click may open a message box, whose modal loop
    // would hold a plain send until the box is gone. The send that follows is
    // handled after the click, or inside that box's loop.
    SendMessageCallbackA(GetDlgItem(dialog, id), BM_CLICK, 0, 0, IgnoreResult, 0);
    SyncWith(dialog);
}

void PressKey(HWND control, WORD key) {
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(control, WM_KEYDOWN, key, scanCode | 1);
    PostMessageA(control, WM_KEYUP, key, scanCode | 0xC0000001);
}

namespace {

// Asked once per test program: it shows a box of its own.
const MessageBoxInfo& DefaultCaptionProbe() {
    static const MessageBoxInfo probe = [] {
        MessageBoxWatch watch;
        MessageBoxA(nullptr, "probe", nullptr, MB_OK);
        const auto boxes = watch.Stop();
        return boxes.empty() ? MessageBoxInfo() : boxes[0];
    }();
    return probe;
}

}  // namespace

std::string PlatformDefaultCaption() { return DefaultCaptionProbe().caption; }

std::wstring PlatformDefaultWideCaption() { return DefaultCaptionProbe().wideCaption; }

bool IsPlainOkBox(const MessageBoxInfo& box) {
    return box.buttons.size() == 1 && box.buttons[0].id == IDOK && !box.hasIcon;
}

MessageBoxWatch::MessageBoxWatch() : thread_([this] { Run(); }) {}

MessageBoxWatch::~MessageBoxWatch() { Stop(); }

std::vector<MessageBoxInfo> MessageBoxWatch::Stop() {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

void MessageBoxWatch::Run() {
    const DWORD self = GetCurrentProcessId();
    while (!stopping_) {
        if (HWND box = FindProcessDialog(self, nullptr)) {
            MessageBoxInfo info = ReadMessageBox(box);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                seen_.push_back(info);
            }
            ClickDialogButton(box, IDOK);
            // Wait for it to go, so it is not counted twice.
            for (int i = 0; i < 250 && IsWindow(box) && IsWindowVisible(box); ++i) Sleep(PollMilliseconds);
        }
        Sleep(PollMilliseconds);
    }
}

void ExpectFailureMessage(const MessageBoxInfo& box, const char* text) {
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, PlatformDefaultCaption());
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_TRUE(IsPlainOkBox(box));
}

bool NameIsHeld(const std::string& name) {
    HANDLE probe = CreateMutexA(nullptr, FALSE, name.c_str());
    const bool held = probe != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    if (probe != nullptr) CloseHandle(probe);
    return held;
}
