// The real vlcfg.exe on a system of another ANSI code page than Shift-JIS's
// 932: the dialog and every message must read as the Japanese the tool
// carries, and OK must store the same record. ctest runs this program under
// several locales; VLCFG_CODE_PAGE names the code page each one must give.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "expected_texts.h"
#include "frame/platform_text.h"
#include "resource.h"
#include "tool_process.h"
#include "window_probe.h"

namespace {

std::wstring FromSjis(const char* text) {
    wchar_t wide[1024] = {};
    MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, -1, wide, sizeof wide / sizeof wide[0]);
    return wide;
}

std::wstring FromUtf16(const char16_t* text) { return std::wstring(text, text + std::char_traits<char16_t>::length(text)); }

void ExpectWideMessage(const MessageBoxInfo& box, const char* text, const std::wstring& caption, HWND owner) {
    EXPECT_EQ(box.wideText, FromSjis(text));
    EXPECT_EQ(box.wideCaption, caption);
    EXPECT_EQ(box.owner, owner);
    EXPECT_TRUE(IsPlainOkBox(box));
}

BOOL CALLBACK CollectControl(HWND child, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}

// Per code page: a folder name the system spells and the Shift-JIS walk
// misreads (a trail byte in A-Z lowered, or a lead byte swallowing the
// separator after it), one the system cannot spell (none where every name is
// spelled), a name of the game's own for the tool (one the system cannot
// spell where there is one), and a tool name whose narrow form holds a
// separator (a look-alike of '\'), with the folder that narrow form names.
struct FolderNames {
    UINT codePage;
    const wchar_t* spelled;
    const wchar_t* unspellable;
    const wchar_t* toolName;
    const wchar_t* separatorName;
    const wchar_t* separatorFolder;
};

const FolderNames Folders[] = {
    // 表's second byte is 0x5C; Thai; the yen sign is 0x5C.
    {932, L"表示", L"ไทย", L"ตั้งค่า.exe", L"設定¥.exe", L"設定"},
    // é (0xE9) is a Shift-JIS lead byte; the full-width back slash is 0x5C.
    {1252, L"Café", L"ソフト", L"環境設定.exe", L"Setup＼.exe", L"Setup"},
    // 神 ends in the Shift-JIS lead byte 0xF1.
    {936, L"原神", L"ไทย", L"ตั้งค่า.exe", nullptr, nullptr},
    // 어 ends in the Shift-JIS lead byte 0xEE; the won sign is 0x5C.
    {949, L"한국어", L"ไทย", L"ตั้งค่า.exe", L"설정₩.exe", L"설정"},
    // 遊 is B9 43: a trail byte 'C'.
    {950, L"遊戲", L"ไทย", L"ตั้งค่า.exe", nullptr, nullptr},
    // Windows' UTF-8 option spells every name, Thai and Japanese together;
    // あ is E3 81 82, and 0x82 is a Shift-JIS lead byte.
    {65001, L"ไทยあ", nullptr, L"環境設定.exe", nullptr, nullptr},
};

std::string Narrow(const std::wstring& text) {
    char narrow[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

class CodePage : public ::testing::Test {
protected:
    void SetUp() override {
        const char* wanted = std::getenv("VLCFG_CODE_PAGE");
        ASSERT_NE(wanted, nullptr) << "VLCFG_CODE_PAGE is not set";
        // The tool inherits the locale this program was started under.
        ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(wanted))) << "the locale did not give the code page";
        folder_ = GameFolderWithTool("codepage." + std::string(wanted));
        names_ = std::find_if(std::begin(Folders), std::end(Folders),
                              [](const FolderNames& f) { return f.codePage == GetACP(); });
        ASSERT_NE(names_, std::end(Folders)) << "no folder names for this code page";
    }

    // An empty folder of this name in the test's folder, with a copy of the
    // tool in it; ends in a separator.
    std::wstring NamedGameFolder(const wchar_t* name) {
        const std::wstring folder = Widen(folder_) + name + L"\\";
        EXPECT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        EXPECT_TRUE(CopyFileW(Widen(BuiltToolPath()).c_str(), (folder + L"vlcfg.exe").c_str(), FALSE));
        return folder;
    }

    // A run of first in folder opens the dialog, a run of second there is
    // turned away as running, and OK stores the file in that folder.
    void ExpectOneGameFolder(const std::wstring& folder, const std::wstring& first, const std::wstring& second) {
        ToolRun firstRun;
        ASSERT_TRUE(firstRun.Start(folder + first));
        HWND dialog = firstRun.WaitForSettingsDialog();
        ASSERT_NE(dialog, nullptr) << "no dialog for " << Narrow(folder + first);

        ToolRun secondRun;
        ASSERT_TRUE(secondRun.Start(folder + second));
        ExpectWideMessage(ExpectMessageAndExit(secondRun), expected::TextAlreadyRunning,
                          FromSjis(expected::CaptionEngineSettings), nullptr);

        ClickDialogButton(dialog, IDC_START_CENTER);
        CloseWith(firstRun, dialog, IDOK);
        std::vector<int32_t> expected = DefaultWords();
        expected[1] = 0;
        expected[10] = 1;
        EXPECT_EQ(BytesToWords(ReadBytes(Narrow(folder) + "vlcfg.dat")), expected) << "the file lands in the folder";
        EXPECT_FALSE(FileExists(folder_ + "vlcfg.dat"));
    }

    // The start-path message, and no settings file beside the tool.
    void ExpectStartPathMessage(const std::wstring& tool) {
        ToolRun run;
        ASSERT_TRUE(run.Start(tool));
        ExpectWideMessage(ExpectMessageAndExit(run), expected::TextInvalidStartPath, FromSjis(expected::CaptionError),
                          nullptr);
        const std::wstring folder = tool.substr(0, tool.find_last_of(L'\\') + 1);
        EXPECT_EQ(GetFileAttributesW((folder + L"vlcfg.dat").c_str()), INVALID_FILE_ATTRIBUTES);
    }

    std::string folder_;
    const FolderNames* names_ = nullptr;
};

TEST_F(CodePage, DialogAndMessagesReadAsJapaneseAndOkStoresTheRecord) {
    WriteBytes(folder_ + "vlcfg.dat", WordsToBytes(SampleWords()));
    ToolRun tool;
    ASSERT_TRUE(tool.Start(folder_ + "vlcfg.exe"));
    HWND dialog = tool.WaitForSettingsDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(IsWindowUnicode(dialog) != FALSE, GetACP() != 932) << "the wide dialog exactly where not 932";

    EXPECT_EQ(WideWindowText(dialog), FromSjis(expected::CaptionEngineSettings));
    std::vector<HWND> controls;
    EnumChildWindows(dialog, CollectControl, reinterpret_cast<LPARAM>(&controls));
    ASSERT_EQ(controls.size(), std::size(expected::ExpectedControls));
    for (size_t i = 0; i < controls.size(); ++i) {
        const expected::ExpectedControl& want = expected::ExpectedControls[i];
        SCOPED_TRACE("control " + std::to_string(want.id));
        EXPECT_EQ(static_cast<short>(GetDlgCtrlID(controls[i])), want.id);
        EXPECT_EQ(WideWindowText(controls[i]), FromUtf16(want.text));
    }

    ToolRun second;
    ASSERT_TRUE(second.Start(folder_ + "vlcfg.exe"));
    ExpectWideMessage(ExpectMessageAndExit(second), expected::TextAlreadyRunning,
                      FromSjis(expected::CaptionEngineSettings), nullptr);

    ClickDialogButton(dialog, IDC_MOVIE_DIRECTSHOW);
    HWND box = tool.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no DirectShow notice";
    ExpectWideMessage(ReadMessageBox(box), expected::TextDirectShowNotice, FromSjis(expected::CaptionInformation),
                      dialog);
    ClickDialogButton(box, IDOK);
    ClickDialogButton(dialog, IDC_MOVIE_DIRECTSHOW);

    CloseWith(tool, dialog, IDOK);
    EXPECT_EQ(BytesToWords(ReadBytes(folder_ + "vlcfg.dat")), StoredByOk(SampleWords()));
}

TEST_F(CodePage, CreateMessageReadsAsJapaneseWithTheDefaultCaption) {
    const std::string folder = FaultFolder("unwritable-game");
    ToolRun tool;
    ASSERT_TRUE(tool.Start(folder + "vlcfg.exe"));
    ExpectWideMessage(ExpectMessageAndExit(tool), expected::TextCreateFailed, PlatformDefaultWideCaption(), nullptr);
}

TEST_F(CodePage, FolderNamedInTheSystemsOwnLettersWorksLikeAnyOther) {
    ExpectOneGameFolder(NamedGameFolder(names_->spelled), L"vlcfg.exe", L"vlcfg.exe");
}

TEST_F(CodePage, CopyUnderANameOfTheGamesOwnWorksAndSharesTheLock) {
    const std::wstring folder = NamedGameFolder(names_->spelled);
    ASSERT_TRUE(CopyFileW((folder + L"vlcfg.exe").c_str(), (folder + names_->toolName).c_str(), FALSE));
    ExpectOneGameFolder(folder, names_->toolName, L"vlcfg.exe");
}

TEST_F(CodePage, FolderTheSystemCannotSpellGetsTheStartPathMessage) {
    if (names_->unspellable == nullptr) GTEST_SKIP() << "this code page spells every name";
    ExpectStartPathMessage(NamedGameFolder(names_->unspellable) + L"vlcfg.exe");
}

TEST_F(CodePage, ToolNameWhoseNarrowFormHoldsASeparatorGetsTheStartPathMessage) {
    if (names_->separatorName == nullptr) GTEST_SKIP() << "no look-alike of a separator on this code page";
    // The folder the narrow path names exists, and the tool must neither use
    // it nor make a file in it.
    const std::wstring folder = Widen(folder_);
    const std::wstring named = folder + names_->separatorFolder + L"\\";
    ASSERT_TRUE(CreateDirectoryW(named.c_str(), nullptr));
    ASSERT_TRUE(CopyFileW(Widen(BuiltToolPath()).c_str(), (folder + names_->separatorName).c_str(), FALSE));
    ExpectStartPathMessage(folder + names_->separatorName);
    EXPECT_EQ(GetFileAttributesW((named + L"vlcfg.dat").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(CodePage, Windows98KeepsTheNarrowDialog) {
    if (GetACP() == 932) GTEST_SKIP() << "every text takes the narrow calls on this code page";
    // Wine's wide calls work whatever version it reports: only the call made
    // can be checked.
    ASSERT_TRUE(MoveFileA((folder_ + "vlcfg.exe").c_str(), (folder_ + "vlcfg-win98.exe").c_str()));
    SetWineVersionFor("vlcfg-win98.exe", "win98");
    ToolRun run;
    ASSERT_TRUE(run.Start(folder_ + "vlcfg-win98.exe"));
    HWND dialog = run.WaitForSettingsDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowUnicode(dialog));
    CloseWith(run, dialog, IDCANCEL);
}

TEST_F(CodePage, TextThatIsNotShiftJisTakesTheNarrowCall) {
    if (GetACP() == 932) GTEST_SKIP() << "every text takes the narrow calls on this code page";
    // A lead byte with no second byte cannot be converted from code page 932;
    // the whole message, caption included, then shows as MessageBoxA shows it.
    const char broken[] = "vlcfg \x81";
    MessageBoxWatch watch;
    ShowMessage(nullptr, broken, expected::CaptionError);
    MessageBoxA(nullptr, broken, expected::CaptionError, MB_OK);
    const std::vector<MessageBoxInfo> boxes = watch.Stop();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].wideText, boxes[1].wideText);
    EXPECT_EQ(boxes[0].wideCaption, boxes[1].wideCaption);
}

}  // namespace
