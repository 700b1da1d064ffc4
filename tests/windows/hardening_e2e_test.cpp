// Damaged settings files and file-system faults, through the real vlcfg.exe:
// no crash, no hang, exit code 0, and not a byte lost that the player or
// the engine owns.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "expected_texts.h"
#include "resource.h"
#include "tool_process.h"
#include "window_probe.h"

namespace {

// What OK must write for a file of these bytes when the user changes
// nothing, worked out from the tool's behaviour: the first 128 bytes are the
// record (zero where the file is short), the four visible check boxes come
// back as 1 when they held anything but 0 (the platform shows any other value
// as checked), word 1 comes back 0 (its control does not exist), word 5 is
// cleared, radio words and engine words stay, and bytes past 128 are kept.
Bytes PredictOk(const Bytes& file) {
    Bytes image(file.begin(), file.begin() + std::min<size_t>(file.size(), 128));
    image.resize(128, 0);
    std::vector<int32_t> words = BytesToWords(image);
    for (int word : {0, 2, 3, 4}) words[word] = words[word] != 0 ? 1 : 0;
    words[1] = 0;
    words[5] = 0;
    Bytes expected = WordsToBytes(words);
    if (file.size() > 128) expected.insert(expected.end(), file.begin() + 128, file.end());
    return expected;
}

// Damaged files: any size up to 300 bytes, words in and out of every range.
Bytes DamagedFile(std::mt19937& random) {
    const size_t size = std::uniform_int_distribution<size_t>(0, 300)(random);
    Bytes file;
    while (file.size() + 4 <= size) {
        int32_t word = 0;
        switch (random() % 5) {
            case 0: word = static_cast<int32_t>(random() % 6); break;     // in range, or just past
            case 1: word = -static_cast<int32_t>(random() % 3) - 1; break;  // negative
            case 2: word = INT32_MIN; break;
            case 3: word = INT32_MAX; break;
            default: word = static_cast<int32_t>(random()); break;
        }
        const Bytes bytes = WordsToBytes({word});
        file.insert(file.end(), bytes.begin(), bytes.end());
    }
    while (file.size() < size) file.push_back(static_cast<unsigned char>(random()));
    return file;
}

// Runs the tool on the folder and closes the dialog with button.
void RunAndClose(const std::string& folder, int button) {
    ToolRun run;
    ASSERT_TRUE(run.Start(folder + "vlcfg.exe"));
    HWND dialog = run.WaitForSettingsDialog();
    ASSERT_NE(dialog, nullptr) << "no dialog";
    EXPECT_EQ(run.WaitForMessageBox(0), nullptr);
    ClickDialogButton(dialog, button);
    DWORD code = 1;
    ASSERT_TRUE(run.WaitForExit(&code)) << "the tool did not end";
    EXPECT_EQ(code, 0u);
}

TEST(DamagedFiles, CancelKeepsThemAndOkWritesWhatTheBehaviourPredicts) {
    const char* seedText = std::getenv("VLCFG_SWEEP_SEED");
    const unsigned seed = seedText ? static_cast<unsigned>(std::strtoul(seedText, nullptr, 10)) : 20261208u;
    constexpr int Files = 64;
    std::mt19937 random(seed);
    const std::string folder = GameFolderWithTool("hardening.sweep");
    for (int i = 0; i < Files; ++i) {
        const Bytes file = DamagedFile(random);
        SCOPED_TRACE("seed " + std::to_string(seed) + ", file " + std::to_string(i) + " of " +
                     std::to_string(file.size()) + " bytes (rerun with VLCFG_SWEEP_SEED)");
        WriteBytes(folder + "vlcfg.dat", file);
        RunAndClose(folder, IDCANCEL);
        ASSERT_EQ(ReadBytes(folder + "vlcfg.dat"), file) << "Cancel changed the file";
        RunAndClose(folder, IDOK);
        ASSERT_EQ(ReadBytes(folder + "vlcfg.dat"), PredictOk(file));
    }
}

struct Fault {
    const char* what;
    std::string (*prepare)();  // returns the game folder, with the tool in it
    bool dialog;               // whether the dialog opens
    const char* message;       // what is shown at start (no dialog) or after OK
    const char* program = "vlcfg.exe";
};

std::string WithTool(const std::string& folder) {
    CopyFileA(BuiltToolPath().c_str(), (folder + "vlcfg.exe").c_str(), FALSE);
    return folder;
}

const Fault Faults[] = {
    {"missing file, unwritable folder", [] { return FaultFolder("unwritable-game"); }, false,
     expected::TextCreateFailed},
    {"read-only file", [] { return WithTool(FaultFolder("readonly")); }, true, expected::TextUpdateFailed},
    {"a folder named vlcfg.dat",
     [] {
         const std::string folder = GameFolderWithTool("hardening.folder-named-like-the-file");
         CreateDirectoryA((folder + "vlcfg.dat").c_str(), nullptr);
         return folder;
     },
     false, expected::TextCreateFailed},
    {"every write fails (link to /dev/full)", [] { return WithTool(FaultFolder("devfull")); }, true,
     expected::TextUpdateFailed},
    // Renamed by the player to a shorter name, so it starts from a folder
    // where vlcfg.dat no longer fits the platform's path size.
    {"folder too deep for the file name", [] { return OnlySubfolder(FaultFolder("deep252-game")); }, false,
     expected::TextCreateFailed, "v.exe"},
    {"deepest folder a program can be started from", [] { return OnlySubfolder(FaultFolder("deep250-game")); },
     true, nullptr},
};

std::string Describe(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return "absent";
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return "folder";
    const Bytes bytes = ReadBytes(path);
    return "file of " + std::to_string(bytes.size()) + " bytes: " + std::string(bytes.begin(), bytes.end());
}

TEST(FaultTable, EachFaultGetsItsMessageAndLeavesTheFileAsItWas) {
    for (const Fault& fault : Faults) {
        SCOPED_TRACE(fault.what);
        const std::string folder = fault.prepare();
        ASSERT_FALSE(folder.empty());
        ASSERT_TRUE(FileExists(folder + fault.program));
        const std::string before = Describe(folder + "vlcfg.dat");

        ToolRun run;
        ASSERT_TRUE(run.Start(folder + fault.program));
        if (fault.dialog) {
            HWND dialog = run.WaitForSettingsDialog();
            ASSERT_NE(dialog, nullptr);
            ClickDialogButton(dialog, IDC_RENDER_CPU_NEAREST);
            ClickDialogButton(dialog, IDOK);
        }
        if (fault.message != nullptr) {
            HWND box = run.WaitForMessageBox();
            ASSERT_NE(box, nullptr) << "no message";
            ExpectFailureMessage(ReadMessageBox(box), fault.message);
            if (!fault.dialog) {
                EXPECT_EQ(run.WaitForSettingsDialog(0), nullptr) << "no dialog after this message";
            }
            ClickDialogButton(box, IDOK);
        }
        DWORD code = 1;
        ASSERT_TRUE(run.WaitForExit(&code)) << "the tool did not end";
        EXPECT_EQ(code, 0u);

        if (fault.message != nullptr) {
            EXPECT_EQ(Describe(folder + "vlcfg.dat"), before);
        } else {
            std::vector<int32_t> expected = DefaultWords();
            expected[1] = 0;
            expected[8] = 3;
            EXPECT_EQ(ReadBytes(folder + "vlcfg.dat"), WordsToBytes(expected)) << "saved in the deep folder";
        }
    }
}

}  // namespace
