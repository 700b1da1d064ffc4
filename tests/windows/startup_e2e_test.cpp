// The whole run of the real vlcfg.exe from its start to its exit: the two
// named locks, the version gate and the start path.
#include <gtest/gtest.h>

#include <memory>

#include "expected_texts.h"
#include "resource.h"
#include "tool_process.h"
#include "window_probe.h"

namespace {

// Maps every single-byte character of text through map; double-byte
// characters (by the system's own lead-byte test) are copied whole.
template <typename Map>
std::string MapSingleBytes(const std::string& text, Map map) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size()) {
            out += text[i];
            out += text[++i];
        } else {
            out += map(text[i]);
        }
    }
    return out;
}

// The folder's lock name, worked out the way another program of the folder
// would: ASCII letters lowered, separators turned into colons.
std::string LockNameOf(const std::string& folder) {
    return MapSingleBytes(folder, [](char c) {
        if (c == '\\') return ':';
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 0x20) : c;
    });
}

// The same path with its ASCII letters in upper case.
std::string UpperCased(const std::string& path) {
    return MapSingleBytes(path, [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 0x20) : c; });
}

class StartupScenario : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = GameFolderWithTool(std::string("startup.") + info->name());
    }

    std::string Tool() const { return folder_ + "vlcfg.exe"; }

    std::string folder_;
};

void ExpectRunningMessage(const MessageBoxInfo& box) {
    EXPECT_EQ(box.text, expected::TextAlreadyRunning);
    EXPECT_EQ(box.caption, expected::CaptionEngineSettings);
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_TRUE(IsPlainOkBox(box));
}

TEST_F(StartupScenario, DirectoryLockIsHeldExactlyWhileTheDialogIsOpen) {
    const std::string lock = LockNameOf(folder_);
    EXPECT_FALSE(NameIsHeld(lock));
    ToolRun run;
    ASSERT_TRUE(run.Start(Tool()));
    HWND dialog = run.WaitForSettingsDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(NameIsHeld(lock)) << lock;
    EXPECT_FALSE(NameIsHeld("VORLAN Config")) << "the start-up lock is given up before the dialog";
    CloseWith(run, dialog, IDCANCEL);
    EXPECT_FALSE(NameIsHeld(lock));
}

TEST_F(StartupScenario, SecondCopyOfTheSameFolderIsTurnedAwayInAnyLetterCase) {
    ToolRun first;
    ASSERT_TRUE(first.Start(Tool()));
    HWND dialog = first.WaitForSettingsDialog();
    ASSERT_NE(dialog, nullptr);

    for (const std::string& path : {Tool(), UpperCased(Tool())}) {
        SCOPED_TRACE(path);
        ToolRun second;
        ASSERT_TRUE(second.Start(path));
        ExpectRunningMessage(ExpectMessageAndExit(second));
    }

    // The first copy is unharmed and saves as usual.
    ClickDialogButton(dialog, IDC_RENDER_CPU_NEAREST);
    CloseWith(first, dialog, IDOK);
    EXPECT_EQ(BytesToWords(ReadBytes(folder_ + "vlcfg.dat"))[8], 3);
}

TEST_F(StartupScenario, CopyInAnotherFolderOpensItsOwnDialog) {
    const std::string otherFolder = GameFolderWithTool("startup.other-folder");
    ToolRun first, second;
    ASSERT_TRUE(first.Start(Tool()));
    HWND firstDialog = first.WaitForSettingsDialog();
    ASSERT_NE(firstDialog, nullptr);
    ASSERT_TRUE(second.Start(otherFolder + "vlcfg.exe"));
    HWND secondDialog = second.WaitForSettingsDialog();
    ASSERT_NE(secondDialog, nullptr);
    CloseWith(second, secondDialog, IDOK);
    CloseWith(first, firstDialog, IDCANCEL);
    EXPECT_TRUE(FileExists(otherFolder + "vlcfg.dat"));
}

TEST_F(StartupScenario, ProgramHoldingTheFolderLockKeepsTheToolOut) {
    // As the game's engine may do while it runs.
    HANDLE engine = CreateMutexA(nullptr, FALSE, LockNameOf(folder_).c_str());
    ASSERT_NE(engine, nullptr);
    ToolRun run;
    ASSERT_TRUE(run.Start(Tool()));
    ExpectRunningMessage(ExpectMessageAndExit(run));
    CloseHandle(engine);
    EXPECT_FALSE(FileExists(folder_ + "vlcfg.dat")) << "a turned-away run writes nothing";
}

TEST_F(StartupScenario, HeldStartupLockEndsTheRunAtOnceAndSilently) {
    HANDLE startup = CreateMutexA(nullptr, FALSE, "VORLAN Config");
    ASSERT_NE(startup, nullptr);
    ToolRun run;
    ASSERT_TRUE(run.Start(Tool()));
    DWORD code = 1;
    const bool ended = run.WaitForExit(&code, 10000);
    CloseHandle(startup);
    ASSERT_TRUE(ended);
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(FileExists(folder_ + "vlcfg.dat"));
}

TEST_F(StartupScenario, EveryWayOfClosingFreesTheLockForAnImmediateRestart) {
    struct Way {
        const char* what;
        void (*close)(HWND dialog);
    };
    const Way ways[] = {
        {"OK", [](HWND dialog) { ClickDialogButton(dialog, IDOK); }},
        {"Cancel", [](HWND dialog) { ClickDialogButton(dialog, IDCANCEL); }},
        {"Esc", [](HWND dialog) { PostMessageA(FocusOf(dialog), WM_KEYDOWN, VK_ESCAPE, 0x00010001); }},
        {"close box", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        ToolRun run;
        ASSERT_TRUE(run.Start(Tool()));
        HWND dialog = run.WaitForSettingsDialog();
        ASSERT_NE(dialog, nullptr);
        way.close(dialog);
        DWORD code = 1;
        ASSERT_TRUE(run.WaitForExit(&code));
        EXPECT_EQ(code, 0u);
    }
    ToolRun again;
    ASSERT_TRUE(again.Start(Tool()));
    HWND dialog = again.WaitForSettingsDialog();
    ASSERT_NE(dialog, nullptr) << "the lock was left behind";
    CloseWith(again, dialog, IDCANCEL);
}

TEST_F(StartupScenario, EightCopiesAtOnceGiveExactlyOneDialog) {
    // A copy that finds the start-up lock taken ends quietly; one that finds
    // the folder's lock taken shows the message; the first to take the
    // folder's lock opens the dialog.
    constexpr int Copies = 8;
    std::unique_ptr<ToolRun> runs[Copies];
    for (auto& run : runs) {
        run.reset(new ToolRun);
        ASSERT_TRUE(run->Start(Tool()));
    }

    int dialogs = 0, messages = 0, quiet = 0;
    HWND dialog = nullptr;
    ToolRun* owner = nullptr;
    bool done[Copies] = {};
    const DWORD start = GetTickCount();
    for (int settled = 0; settled < Copies && GetTickCount() - start < 60000;) {
        for (int i = 0; i < Copies; ++i) {
            if (done[i]) continue;
            ToolRun& run = *runs[i];
            if (HWND found = run.WaitForSettingsDialog(0)) {
                ++dialogs;
                dialog = found;
                owner = &run;
                done[i] = true;
                ++settled;
            } else if (HWND box = run.WaitForMessageBox(0)) {
                ExpectRunningMessage(ReadMessageBox(box));
                ClickDialogButton(box, IDOK);
                ++messages;
                done[i] = true;
                ++settled;
            } else if (!run.IsRunning()) {
                ++quiet;
                done[i] = true;
                ++settled;
            }
        }
        Sleep(PollMilliseconds);
    }
    EXPECT_EQ(dialogs + messages + quiet, Copies) << "some copy neither ended nor showed anything";
    ASSERT_EQ(dialogs, 1);
    for (auto& run : runs) {
        if (run.get() == owner) continue;
        DWORD code = 1;
        ASSERT_TRUE(run->WaitForExit(&code));
        EXPECT_EQ(code, 0u);
    }
    CloseWith(*owner, dialog, IDOK);

    std::vector<int32_t> expected = DefaultWords();
    expected[1] = 0;
    EXPECT_EQ(ReadBytes(folder_ + "vlcfg.dat"), WordsToBytes(expected)) << "the file is intact";
}

TEST_F(StartupScenario, FolderWithDoubleByteNamesWorksEndToEnd) {
    // 表示\ソフト: both have a second byte 0x5C; フ has a second byte 't'.
    const std::string parent = FreshFolder("startup.dbcs");
    const std::string folder = parent + "\x95\\\x8e\xa6\\\x83\\\x83t\x83g\\";
    ASSERT_TRUE(CreateDirectoryA((parent + "\x95\\\x8e\xa6").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(CopyFileA(BuiltToolPath().c_str(), (folder + "vlcfg.exe").c_str(), FALSE));

    ToolRun first;
    ASSERT_TRUE(first.Start(folder + "vlcfg.exe"));
    HWND dialog = first.WaitForSettingsDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(NameIsHeld(LockNameOf(folder))) << "lock named after the whole folder";

    ToolRun second;
    ASSERT_TRUE(second.Start(UpperCased(folder) + "VLCFG.EXE"));
    ExpectRunningMessage(ExpectMessageAndExit(second));

    ClickDialogButton(dialog, IDC_START_CENTER);
    CloseWith(first, dialog, IDOK);
    EXPECT_EQ(BytesToWords(ReadBytes(folder + "vlcfg.dat"))[10], 1) << "the file lands in the folder";
    EXPECT_FALSE(FileExists(parent + "vlcfg.dat"));
    EXPECT_FALSE(FileExists(parent + "\x95\\\x8e\xa6\\vlcfg.dat"));
}

TEST_F(StartupScenario, OldestWindowsAreRefusedAndOthersReachTheDialog) {
    struct Case {
        const char* version;
        bool refused;
    };
    const Case cases[] = {
        {"win95", true}, {"nt351", true}, {"nt40", true},  {"win98", false},
        {"win2k", false}, {"winxp", false}, {"win7", false}, {"win10", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        const std::string name = std::string("vlcfg-") + c.version + ".exe";
        const std::string folder = GameFolderWithTool(std::string("startup.version-") + c.version);
        ASSERT_TRUE(MoveFileA((folder + "vlcfg.exe").c_str(), (folder + name).c_str()));
        SetWineVersionFor(name, c.version);

        ToolRun run;
        ASSERT_TRUE(run.Start(folder + name));
        if (c.refused) {
            const MessageBoxInfo box = ExpectMessageAndExit(run);
            EXPECT_EQ(box.text, expected::TextUnsupportedWindows);
            EXPECT_EQ(box.caption, expected::CaptionError);
            EXPECT_EQ(box.owner, nullptr);
            EXPECT_TRUE(IsPlainOkBox(box));
            EXPECT_FALSE(FileExists(folder + "vlcfg.dat")) << "refused before the settings are loaded";
        } else {
            HWND dialog = run.WaitForSettingsDialog();
            ASSERT_NE(dialog, nullptr);
            CloseWith(run, dialog, IDCANCEL);
            EXPECT_TRUE(FileExists(folder + "vlcfg.dat"));
        }
    }
}

}  // namespace
