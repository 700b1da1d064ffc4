// The real vlcfg.exe on a system of another ANSI code page than Shift-JIS's
// 932: the dialog and every message must read as the Japanese the tool
// carries, and OK must store the same record. ctest runs this program under
// several locales; VLCFG_CODE_PAGE names the code page each one must give.
#include <gtest/gtest.h>

#include <cstdlib>

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

class CodePage : public ::testing::Test {
protected:
    void SetUp() override {
        const char* wanted = std::getenv("VLCFG_CODE_PAGE");
        ASSERT_NE(wanted, nullptr) << "VLCFG_CODE_PAGE is not set";
        // The tool inherits the locale this program was started under.
        ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(wanted))) << "the locale did not give the code page";
        folder_ = GameFolderWithTool("codepage." + std::string(wanted));
    }

    std::string folder_;
};

TEST_F(CodePage, DialogAndMessagesReadAsJapaneseAndOkStoresTheRecord) {
    WriteBytes(folder_ + "vlcfg.dat", WordsToBytes(SampleWords()));
    ToolRun tool;
    ASSERT_TRUE(tool.Start(folder_ + "vlcfg.exe"));
    HWND dialog = tool.WaitForSettingsDialog();
    ASSERT_NE(dialog, nullptr);

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

    ClickDialogButton(dialog, IDOK);
    DWORD code = 1;
    ASSERT_TRUE(tool.WaitForExit(&code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(BytesToWords(ReadBytes(folder_ + "vlcfg.dat")), StoredByOk(SampleWords()));
}

TEST_F(CodePage, CreateMessageReadsAsJapaneseWithTheDefaultCaption) {
    const std::string folder = FaultFolder("unwritable-game");
    ToolRun tool;
    ASSERT_TRUE(tool.Start(folder + "vlcfg.exe"));
    ExpectWideMessage(ExpectMessageAndExit(tool), expected::TextCreateFailed, PlatformDefaultWideCaption(), nullptr);
}

TEST_F(CodePage, TextThatIsNotShiftJisTakesTheNarrowCall) {
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
