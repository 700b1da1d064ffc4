// Loading and saving vlcfg.dat on real files, through the real runtime.
#include <gtest/gtest.h>

#include <cstring>

#include "expected_texts.h"
#include "frame/program_paths.h"
#include "frame/sjis.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "test_files.h"
#include "window_probe.h"

namespace {

std::vector<int32_t> Record() { return std::vector<int32_t>(CurrentSettings, CurrentSettings + RecordWordCount); }

// Bytes 0, 1, 2, ... as a file's content.
Bytes Counting(size_t size, unsigned char first = 0) {
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(first + i);
    return bytes;
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "." + info->name();
        for (char& c : name) {
            if (c == '/') c = '_';
        }
        UseFolder(FreshFolder(name));
        // As at start-up: nothing is in the record before the load.
        std::memset(CurrentSettings, 0, sizeof CurrentSettings);
    }

    // The tool's own derivation puts the folder in ProgramDirectory.
    void UseFolder(const std::string& folder) {
        folder_ = folder;
        char drive[SplitDriveSize], directory[SplitDirectorySize];
        SplitPathByTable((folder + "vlcfg.exe").c_str(), SjisLeadByteTable, drive, directory);
        DeriveProgramPaths(drive, directory, SjisLeadByteTable, ProgramDirectory, DirectoryLockName);
    }

    std::string FilePath() const { return folder_ + "vlcfg.dat"; }

    std::string folder_;
};

// A failed operation shows exactly one plain OK box with no owner, the
// platform's default caption and the given text.
void ExpectFailureBox(const std::vector<MessageBoxInfo>& boxes, const char* text) {
    ASSERT_EQ(boxes.size(), 1u);
    ExpectFailureMessage(boxes[0], text);
}

TEST_F(SettingsFileTest, MissingFileIsCreatedWithTheDefaults) {
    MessageBoxWatch watch;
    EXPECT_EQ(LoadSettings(), 0);
    EXPECT_TRUE(watch.Stop().empty());
    EXPECT_EQ(Record(), DefaultWords());
    EXPECT_EQ(ReadBytes(FilePath()), WordsToBytes(DefaultWords()));
}

TEST_F(SettingsFileTest, ExistingFileIsReadAsItStandsWithFlag1031Forced) {
    struct Case {
        const char* what;
        Bytes file;
    };
    std::vector<int32_t> full(32);
    for (int i = 0; i < 32; ++i) full[i] = -1000 * i - 7;
    full[1] = 0;
    full[8] = 9;  // a drawing method the dialog cannot show
    const Case cases[] = {
        {"empty", {}},
        {"40 bytes", Counting(40, 1)},
        {"42 bytes", Counting(42, 1)},
        {"128 bytes", WordsToBytes(full)},
        {"200 bytes", Counting(200, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(FilePath(), c.file);
        std::memset(CurrentSettings, 0, sizeof CurrentSettings);

        MessageBoxWatch watch;
        ASSERT_EQ(LoadSettings(), 0);
        EXPECT_TRUE(watch.Stop().empty());

        // The words the file covers, zero beyond it, then word 1 forced to 1.
        Bytes image = c.file;
        image.resize(RecordByteCount, 0);
        std::vector<int32_t> expected = BytesToWords(image);
        expected[1] = 1;
        EXPECT_EQ(Record(), expected);
        EXPECT_EQ(ReadBytes(FilePath()), c.file) << "loading must not write";
    }
}

TEST_F(SettingsFileTest, FortyTwoByteFileGivesWordTenItsTwoLowBytes) {
    Bytes file = Counting(42);
    file[40] = 0x34;
    file[41] = 0x12;
    WriteBytes(FilePath(), file);
    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(CurrentSettings[StartupPlacement], 0x1234);
    EXPECT_EQ(CurrentSettings[EngineWords], 0);
}

TEST_F(SettingsFileTest, SaveReplacesTheFirst128BytesAndKeepsTheRest) {
    const Bytes file = Counting(200, 0x40);
    WriteBytes(FilePath(), file);
    ASSERT_EQ(LoadSettings(), 0);
    CurrentSettings[RenderMethod] = 3;
    CurrentSettings[31] = -2;

    MessageBoxWatch watch;
    EXPECT_EQ(SaveSettings(SaveMode::Update), 0);
    EXPECT_TRUE(watch.Stop().empty());

    Bytes expected = WordsToBytes(Record());
    expected.insert(expected.end(), file.begin() + 128, file.end());
    EXPECT_EQ(ReadBytes(FilePath()), expected);
}

TEST_F(SettingsFileTest, OutOfRangeWordSurvivesLoadAndSave) {
    std::vector<int32_t> words = DefaultWords();
    words[RenderMethod] = 9;
    WriteBytes(FilePath(), WordsToBytes(words));
    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(CurrentSettings[RenderMethod], 9);
    ASSERT_EQ(SaveSettings(SaveMode::Update), 0);
    EXPECT_EQ(BytesToWords(ReadBytes(FilePath()))[RenderMethod], 9);
}

TEST_F(SettingsFileTest, UnwritableFolderRefusesCreationWithTheCreateMessage) {
    UseFolder(FaultFolder("unwritable"));
    MessageBoxWatch watch;
    EXPECT_EQ(LoadSettings(), -1);
    ExpectFailureBox(watch.Stop(), expected::TextCreateFailed);
    EXPECT_FALSE(FileExists(FilePath()));
}

TEST_F(SettingsFileTest, ReadOnlyFileLoadsButRefusesTheUpdate) {
    UseFolder(FaultFolder("readonly"));
    const Bytes before = ReadBytes(FilePath());
    ASSERT_EQ(before, Counting(128));

    MessageBoxWatch loadWatch;
    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_TRUE(loadWatch.Stop().empty());
    CurrentSettings[UseSse] = 0;

    MessageBoxWatch saveWatch;
    EXPECT_EQ(SaveSettings(SaveMode::Update), -1);
    ExpectFailureBox(saveWatch.Stop(), expected::TextUpdateFailed);
    EXPECT_EQ(ReadBytes(FilePath()), before);
    EXPECT_EQ(CurrentSettings[UseSse], 0) << "the record keeps the user's choices";
}

TEST_F(SettingsFileTest, FailedWriteIsReportedNotTakenForSuccess) {
    // Opens for writing; every write fails.
    UseFolder(FaultFolder("devfull"));
    ApplyDefaultSettings();
    const struct {
        SaveMode mode;
        const char* text;
    } modes[] = {{SaveMode::Create, expected::TextCreateFailed}, {SaveMode::Update, expected::TextUpdateFailed}};
    for (const auto& m : modes) {
        SCOPED_TRACE(static_cast<int>(m.mode));
        MessageBoxWatch watch;
        EXPECT_EQ(SaveSettings(m.mode), -1);
        ExpectFailureBox(watch.Stop(), m.text);
    }
}

TEST_F(SettingsFileTest, FolderNamedLikeTheFileIsRefused) {
    ASSERT_TRUE(CreateDirectoryA(FilePath().c_str(), nullptr));
    MessageBoxWatch loadWatch;
    EXPECT_EQ(LoadSettings(), -1);
    ExpectFailureBox(loadWatch.Stop(), expected::TextCreateFailed);

    MessageBoxWatch saveWatch;
    EXPECT_EQ(SaveSettings(SaveMode::Update), -1);
    ExpectFailureBox(saveWatch.Stop(), expected::TextUpdateFailed);
}

TEST_F(SettingsFileTest, DeepFolderWorksWhileTheFilePathFits) {
    const std::string folder = OnlySubfolder(FaultFolder("deep250"));
    ASSERT_EQ(folder.size(), 250u);
    UseFolder(folder);
    ASSERT_EQ(std::strlen(ProgramDirectory), 250u);
    MessageBoxWatch watch;
    EXPECT_EQ(LoadSettings(), 0);
    EXPECT_TRUE(watch.Stop().empty());
    EXPECT_EQ(ReadBytes(FilePath()), WordsToBytes(DefaultWords()));
}

TEST_F(SettingsFileTest, FilePathTooLongForItsBufferIsRefusedWithTheMessageOfTheMode) {
    const std::string folder = OnlySubfolder(FaultFolder("deep252"));
    ASSERT_EQ(folder.size(), 252u);
    UseFolder(folder);
    ASSERT_EQ(std::strlen(ProgramDirectory), 252u);

    MessageBoxWatch loadWatch;
    EXPECT_EQ(LoadSettings(), -1);
    ExpectFailureBox(loadWatch.Stop(), expected::TextCreateFailed);

    MessageBoxWatch saveWatch;
    EXPECT_EQ(SaveSettings(SaveMode::Update), -1);
    ExpectFailureBox(saveWatch.Stop(), expected::TextUpdateFailed);

    EXPECT_FALSE(FileExists(FilePath()));
}

}  // namespace
