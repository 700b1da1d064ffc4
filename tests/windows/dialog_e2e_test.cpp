// The settings dialog of the real vlcfg.exe, driven as a player would drive
// it, with the settings file checked byte for byte afterwards.
#include <gtest/gtest.h>

#include <set>

#include "expected_texts.h"
#include "resource.h"
#include "tool_process.h"
#include "window_probe.h"

namespace {

const int AllButtons[] = {
    IDC_RENDER_GPU_BICUBIC, IDC_RENDER_GPU_BILINEAR, IDC_RENDER_CPU_BILINEAR, IDC_RENDER_CPU_NEAREST,
    IDC_FS_RES_CHANGE,      IDC_FS_RES_KEEP,         IDC_FS_SCALE_INSCRIBED,  IDC_FS_SCALE_CIRCUMSCRIBED,
    IDC_FS_SCALE_FIT,       IDC_FS_SCALE_NONE,       IDC_DBLCLK_MAXIMIZE,     IDC_DBLCLK_RESET,
    IDC_START_LAST,         IDC_START_CENTER,        IDC_CPU_SSE,             IDC_CPU_SSE2,
    IDC_CPU_MULTICORE,      IDC_MOVIE_DIRECTSHOW,
};

// What the dialog shows with the default record.
const std::set<int> DefaultView = {IDC_RENDER_GPU_BILINEAR, IDC_FS_RES_CHANGE, IDC_FS_SCALE_INSCRIBED,
                                   IDC_DBLCLK_MAXIMIZE,     IDC_START_LAST,    IDC_CPU_SSE,
                                   IDC_CPU_SSE2,            IDC_CPU_MULTICORE, IDC_MOVIE_DIRECTSHOW};

std::set<int> CheckedButtons(HWND dialog) {
    std::set<int> checked;
    for (int id : AllButtons) {
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) checked.insert(id);
    }
    return checked;
}

class DialogScenario : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = GameFolderWithTool(std::string("dialog.") + info->name());
    }

    std::string SettingsPath() const { return folder_ + "vlcfg.dat"; }
    void WriteSettings(const Bytes& bytes) { WriteBytes(SettingsPath(), bytes); }
    Bytes Settings() const { return ReadBytes(SettingsPath()); }

    // Starts the tool and waits for its dialog.
    HWND Open(ToolRun& run) {
        EXPECT_TRUE(run.Start(folder_ + "vlcfg.exe"));
        HWND dialog = run.WaitForSettingsDialog();
        EXPECT_NE(dialog, nullptr) << "no settings dialog appeared";
        return dialog;
    }
    HWND Open() { return Open(run_); }

    void ExpectCleanExit(ToolRun& run) {
        DWORD code = 1;
        ASSERT_TRUE(run.WaitForExit(&code)) << "the tool did not end";
        EXPECT_EQ(code, 0u);
    }
    void ExpectCleanExit() { ExpectCleanExit(run_); }

    // Presses a button of the dialog and expects the run to end with 0.
    void Finish(HWND dialog, int button) {
        ClickDialogButton(dialog, button);
        ExpectCleanExit();
    }

    void ExpectNoMessageBox() { EXPECT_EQ(run_.WaitForMessageBox(QuietPeriod), nullptr); }

    std::string folder_;
    ToolRun run_;
};

TEST_F(DialogScenario, NewFolderOpensWithTheDefaultsAndFocusOnOk) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), expected::CaptionEngineSettings);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
    EXPECT_EQ(CheckedButtons(dialog), DefaultView);
    // The focus shows once the dialog has been activated after its first display.
    EXPECT_EQ(WaitForFocusOtherThan(dialog, nullptr), GetDlgItem(dialog, IDOK));

    // Centred on the screen.
    RECT area;
    GetWindowRect(dialog, &area);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR((area.left + area.right) / 2, screenWidth / 2, 2);
    EXPECT_NEAR((area.top + area.bottom) / 2, screenHeight / 2, 2);

    Finish(dialog, IDCANCEL);
    EXPECT_EQ(Settings(), WordsToBytes(DefaultWords())) << "created with the defaults at start";
}

TEST_F(DialogScenario, ShowsTheRecordOfTheFile) {
    struct Case {
        const char* what;
        Bytes file;
        std::set<int> shown;
    };
    std::vector<int32_t> render7 = DefaultWords();
    render7[8] = 7;
    const Case cases[] = {
        {"empty file: first buttons, no check box", {},
         {IDC_FS_RES_CHANGE, IDC_FS_SCALE_INSCRIBED, IDC_RENDER_GPU_BICUBIC, IDC_DBLCLK_MAXIMIZE, IDC_START_LAST}},
        {"40 bytes: word 10 and later are zero", WordsToBytes({0, 0, 1, 0, 1, 0, 1, 3, 2, 1}),
         {IDC_CPU_SSE, IDC_CPU_MULTICORE, IDC_FS_RES_KEEP, IDC_FS_SCALE_NONE, IDC_RENDER_CPU_BILINEAR,
          IDC_DBLCLK_RESET, IDC_START_LAST}},
        {"every choice set", WordsToBytes({1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1}),
         {IDC_MOVIE_DIRECTSHOW, IDC_CPU_SSE2, IDC_FS_RES_CHANGE, IDC_FS_SCALE_CIRCUMSCRIBED,
          IDC_RENDER_GPU_BICUBIC, IDC_DBLCLK_MAXIMIZE, IDC_START_CENTER}},
        {"drawing method 7: none selected", WordsToBytes(render7),
         {IDC_FS_RES_CHANGE, IDC_FS_SCALE_INSCRIBED, IDC_DBLCLK_MAXIMIZE, IDC_START_LAST, IDC_CPU_SSE,
          IDC_CPU_SSE2, IDC_CPU_MULTICORE, IDC_MOVIE_DIRECTSHOW}},
        {"negative words select nothing", WordsToBytes({0, 0, 0, 0, 0, 0, -1, -1, -1, -1, -1}), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteSettings(c.file);
        ToolRun run;
        HWND dialog = Open(run);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(CheckedButtons(dialog), c.shown);
        ClickDialogButton(dialog, IDCANCEL);
        ExpectCleanExit(run);
        EXPECT_EQ(Settings(), c.file) << "Cancel leaves the file as it was";
    }
}

TEST_F(DialogScenario, OkWithoutChangesRewritesTheRecordWithWords1And5Cleared) {
    Bytes file = WordsToBytes(SampleWords());
    const Bytes tail = {0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0x7F, 0x80, 0xFF};
    file.insert(file.end(), tail.begin(), tail.end());
    WriteSettings(file);

    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    Finish(dialog, IDOK);

    Bytes expectedFile = WordsToBytes(StoredByOk(SampleWords()));
    expectedFile.insert(expectedFile.end(), tail.begin(), tail.end());
    EXPECT_EQ(Settings(), expectedFile) << "bytes past the record stay";
}

TEST_F(DialogScenario, ChoicesAreWrittenAsTheirIndexInTheGroup) {
    struct Row {
        std::vector<int> clicks;
        int32_t resolution, scaling, render, doubleClick, placement;
        int32_t directShow, sse, sse2, multiCore;
    };
    // Starting from the defaults; a click on a check box toggles it.
    const Row rows[] = {
        {{IDC_FS_RES_KEEP, IDC_FS_SCALE_NONE, IDC_RENDER_CPU_NEAREST, IDC_DBLCLK_RESET, IDC_START_CENTER,
          IDC_CPU_SSE, IDC_CPU_MULTICORE},
         1, 3, 3, 1, 1, 1, 0, 1, 0},
        {{IDC_FS_SCALE_FIT, IDC_RENDER_CPU_BILINEAR, IDC_CPU_SSE2}, 0, 2, 2, 0, 0, 1, 1, 0, 1},
        {{IDC_FS_SCALE_CIRCUMSCRIBED, IDC_RENDER_GPU_BICUBIC, IDC_FS_RES_KEEP, IDC_FS_RES_CHANGE}, 0, 1, 0, 0, 0, 1, 1, 1, 1},
        {{IDC_RENDER_CPU_NEAREST, IDC_RENDER_GPU_BILINEAR, IDC_FS_SCALE_INSCRIBED}, 0, 0, 1, 0, 0, 1, 1, 1, 1},
    };
    int rowNumber = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE("row " + std::to_string(rowNumber++));
        WriteSettings(WordsToBytes(DefaultWords()));
        ToolRun run;
        HWND dialog = Open(run);
        ASSERT_NE(dialog, nullptr);
        for (int id : row.clicks) ClickDialogButton(dialog, id);
        EXPECT_EQ(run.WaitForMessageBox(0), nullptr);
        ClickDialogButton(dialog, IDOK);
        ExpectCleanExit(run);

        std::vector<int32_t> expected = DefaultWords();
        expected[0] = row.directShow;
        expected[1] = 0;
        expected[2] = row.sse;
        expected[3] = row.sse2;
        expected[4] = row.multiCore;
        expected[6] = row.resolution;
        expected[7] = row.scaling;
        expected[8] = row.render;
        expected[9] = row.doubleClick;
        expected[10] = row.placement;
        EXPECT_EQ(BytesToWords(Settings()), expected);
    }
}

TEST_F(DialogScenario, EnterConfirmsWhereverTheFocusIs) {
    struct Row {
        const char* what;
        std::vector<int> clicks;  // the focus ends on the last one clicked
        std::vector<std::pair<int, int32_t>> changed;
    };
    const Row rows[] = {
        {"right after opening, on OK", {}, {}},
        {"on a radio button", {IDC_CPU_SSE, IDC_RENDER_GPU_BICUBIC}, {{2, 1}, {8, 0}}},
        {"on a check box", {IDC_FS_SCALE_FIT, IDC_CPU_SSE2}, {{3, 0}, {7, 2}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        WriteSettings(WordsToBytes(SampleWords()));
        ToolRun run;
        HWND dialog = Open(run);
        ASSERT_NE(dialog, nullptr);
        for (int id : row.clicks) ClickDialogButton(dialog, id);
        PressKey(WaitForFocusOtherThan(dialog, nullptr), VK_RETURN);
        ExpectCleanExit(run);

        std::vector<int32_t> expected = StoredByOk(SampleWords());
        for (const auto& change : row.changed) expected[change.first] = change.second;
        EXPECT_EQ(BytesToWords(Settings()), expected) << "the choices stay and engine words keep their values";
    }
}

TEST_F(DialogScenario, TabVisitsEveryStopAndSpaceTogglesCheckBoxesUntilEscCancels) {
    WriteSettings(WordsToBytes(SampleWords()));
    const Bytes before = Settings();
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    HWND focus = WaitForFocusOtherThan(dialog, nullptr);
    ASSERT_EQ(focus, GetDlgItem(dialog, IDOK));

    // From OK in template order: the buttons, the checked radio button of
    // each group (the sample's choices), the check boxes, and OK again.
    const int stops[] = {IDCANCEL,          IDC_RESET,         IDC_RENDER_CPU_NEAREST, IDC_FS_RES_KEEP,
                         IDC_FS_SCALE_FIT,  IDC_DBLCLK_RESET,  IDC_START_CENTER,       IDC_CPU_SSE,
                         IDC_CPU_SSE2,      IDC_CPU_MULTICORE, IDC_MOVIE_DIRECTSHOW,   IDOK};
    for (int stop : stops) {
        SCOPED_TRACE("Tab to " + std::to_string(stop));
        PressKey(focus, VK_TAB);
        focus = WaitForFocusOtherThan(dialog, focus);
        ASSERT_EQ(GetDlgCtrlID(focus), stop);
        if (stop < IDC_CPU_SSE || stop > IDC_MOVIE_DIRECTSHOW) continue;  // not a check box

        const UINT was = IsDlgButtonChecked(dialog, stop);
        PressKey(focus, VK_SPACE);
        EXPECT_TRUE(WaitUntil([&] { return IsDlgButtonChecked(dialog, stop) != was; }, DialogTimeout))
            << "Space toggles the check box";
        if (stop == IDC_MOVIE_DIRECTSHOW) {
            HWND box = run_.WaitForMessageBox();
            ASSERT_NE(box, nullptr) << "clearing DirectShow by Space shows the notice";
            EXPECT_EQ(ReadMessageBox(box).text, expected::TextDirectShowNotice);
            ClickDialogButton(box, IDOK);
        } else {
            EXPECT_EQ(run_.WaitForMessageBox(0), nullptr);
        }
        ASSERT_EQ(WaitForFocusOtherThan(dialog, nullptr), focus) << "the focus stays on the check box";
    }

    PressKey(focus, VK_ESCAPE);
    ExpectCleanExit();
    EXPECT_EQ(Settings(), before) << "Esc cancels";
}

TEST_F(DialogScenario, ValueOutsideItsGroupSurvivesOkUntilTheUserPicks) {
    std::vector<int32_t> words = DefaultWords();
    words[8] = 7;
    words[7] = 4;
    WriteSettings(WordsToBytes(words));
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    ClickDialogButton(dialog, IDC_FS_SCALE_FIT);  // picks a scaling; leaves the drawing method
    Finish(dialog, IDOK);
    const std::vector<int32_t> saved = BytesToWords(Settings());
    EXPECT_EQ(saved[8], 7);
    EXPECT_EQ(saved[7], 2);
}

TEST_F(DialogScenario, OkNormalisesCheckBoxWords) {
    std::vector<int32_t> words = DefaultWords();
    const int32_t odd[] = {0, 1, 2, -1, 5};
    for (int i = 0; i < 5; ++i) words[i == 1 ? 0 : i] = odd[i];
    WriteSettings(WordsToBytes(words));
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    Finish(dialog, IDOK);
    const std::vector<int32_t> saved = BytesToWords(Settings());
    EXPECT_EQ(saved[0], 1) << "1 stays checked";
    EXPECT_EQ(saved[1], 0);
    for (int i = 2; i <= 4; ++i) EXPECT_TRUE(saved[i] == 0 || saved[i] == 1) << "word " << i << " = " << saved[i];
}

TEST_F(DialogScenario, ClearingDirectShowShowsTheNoticeEveryTime) {
    WriteSettings(WordsToBytes(DefaultWords()));
    const Bytes before = Settings();
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        ClickDialogButton(dialog, IDC_MOVIE_DIRECTSHOW);  // clears it
        HWND box = run_.WaitForMessageBox();
        ASSERT_NE(box, nullptr) << "no notice";
        const MessageBoxInfo notice = ReadMessageBox(box);
        EXPECT_EQ(notice.caption, expected::CaptionInformation);
        EXPECT_EQ(notice.text, expected::TextDirectShowNotice);
        EXPECT_EQ(notice.owner, dialog);
        EXPECT_TRUE(IsPlainOkBox(notice));
        ClickDialogButton(box, IDOK);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_MOVIE_DIRECTSHOW), static_cast<UINT>(BST_UNCHECKED));

        ClickDialogButton(dialog, IDC_MOVIE_DIRECTSHOW);  // sets it again: no notice
        ExpectNoMessageBox();
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_MOVIE_DIRECTSHOW), static_cast<UINT>(BST_CHECKED));
    }

    ClickDialogButton(dialog, IDC_MOVIE_DIRECTSHOW);
    HWND box = run_.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    ClickDialogButton(box, IDOK);
    ClickDialogButton(dialog, IDC_RESET);  // sets it without a notice
    ExpectNoMessageBox();
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_MOVIE_DIRECTSHOW), static_cast<UINT>(BST_CHECKED));

    Finish(dialog, IDCANCEL);
    EXPECT_EQ(Settings(), before);
}

TEST_F(DialogScenario, ResetShowsTheDefaultsAndOkWritesThemAll) {
    WriteSettings(WordsToBytes(SampleWords()));
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    ClickDialogButton(dialog, IDC_RESET);
    EXPECT_EQ(CheckedButtons(dialog), DefaultView);
    EXPECT_EQ(BytesToWords(Settings()), SampleWords()) << "Reset alone writes nothing";
    Finish(dialog, IDOK);

    std::vector<int32_t> expected = DefaultWords();
    expected[1] = 0;
    EXPECT_EQ(BytesToWords(Settings()), expected) << "engine words take their defaults too";
}

TEST_F(DialogScenario, EveryWayOfCancellingLeavesTheFileAsItWas) {
    struct Way {
        const char* what;
        void (*dismiss)(HWND dialog);
    };
    const Way ways[] = {
        {"Cancel button", [](HWND dialog) { ClickDialogButton(dialog, IDCANCEL); }},
        {"Esc key", [](HWND dialog) { PostMessageA(FocusOf(dialog), WM_KEYDOWN, VK_ESCAPE, 0x00010001); }},
        {"close box", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        WriteSettings(WordsToBytes(SampleWords()));
        const Bytes before = Settings();
        ToolRun run;
        HWND dialog = Open(run);
        ASSERT_NE(dialog, nullptr);
        ClickDialogButton(dialog, IDC_RESET);
        ClickDialogButton(dialog, IDC_RENDER_CPU_NEAREST);
        way.dismiss(dialog);
        ExpectCleanExit(run);
        EXPECT_EQ(Settings(), before);
    }
}

TEST_F(DialogScenario, ReadOnlyFileShowsTheUpdateMessageAndStillCloses) {
    const std::string folder = FaultFolder("readonly");
    CopyFileA(BuiltToolPath().c_str(), (folder + "vlcfg.exe").c_str(), FALSE);
    const Bytes before = ReadBytes(folder + "vlcfg.dat");
    ASSERT_EQ(before.size(), 128u);

    ASSERT_TRUE(run_.Start(folder + "vlcfg.exe"));
    HWND dialog = run_.WaitForSettingsDialog();
    ASSERT_NE(dialog, nullptr);
    ClickDialogButton(dialog, IDC_RENDER_CPU_NEAREST);
    ClickDialogButton(dialog, IDOK);
    HWND box = run_.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no failure message";
    ExpectFailureMessage(ReadMessageBox(box), expected::TextUpdateFailed);
    ClickDialogButton(box, IDOK);
    ExpectCleanExit();
    EXPECT_EQ(ReadBytes(folder + "vlcfg.dat"), before);
    DeleteFileA((folder + "vlcfg.exe").c_str());
}

TEST_F(DialogScenario, UnwritableFolderShowsTheCreateMessageAndNoDialog) {
    const std::string folder = FaultFolder("unwritable-game");
    ASSERT_TRUE(FileExists(folder + "vlcfg.exe")) << "made by the fault-file fixture";
    ASSERT_TRUE(run_.Start(folder + "vlcfg.exe"));
    HWND box = run_.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no failure message";
    ExpectFailureMessage(ReadMessageBox(box), expected::TextCreateFailed);
    ClickDialogButton(box, IDOK);
    ExpectCleanExit();
    EXPECT_FALSE(FileExists(folder + "vlcfg.dat"));
}

}  // namespace
