#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/settings_record.h"

namespace {

TEST(DefaultSettings, AreTheWordsANewFileHolds) {
    // Word by word as the engine expects them: 1 where listed, 0 elsewhere,
    // and the engine words 16 and 17 at 2.
    const int32_t expected[RecordWordCount] = {1, 1, 1, 1, 1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0,
                                               2, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < RecordWordCount; ++i) EXPECT_EQ(DefaultSettings[i], expected[i]) << "word " << i;
    static_assert(RecordByteCount == 128, "the file is 128 bytes");
}

TEST(ApplyDefaultSettings, OverwritesEveryWord) {
    std::memset(CurrentSettings, 0xA5, sizeof CurrentSettings);
    ApplyDefaultSettings();
    EXPECT_EQ(std::memcmp(CurrentSettings, DefaultSettings, RecordByteCount), 0);
}

TEST(BuildSettingsFilePath, FitsTheFileNameOrRefuses) {
    struct Case {
        size_t directoryLength;
        int expected;
    };
    // 261 bytes hold 251 bytes of folder, 9 of name and the terminator.
    const Case cases[] = {{4, 0}, {250, 0}, {251, 0}, {252, -1}, {258, -1}};
    for (const Case& c : cases) {
        const std::string directory = "c:\\" + std::string(c.directoryLength - 4, 'd') + "\\";
        char out[SettingsPathBufferSize + 8];
        std::memset(out, '#', sizeof out);
        EXPECT_EQ(BuildSettingsFilePath(directory.c_str(), out, SettingsPathBufferSize), c.expected)
            << c.directoryLength;
        if (c.expected == 0) {
            EXPECT_EQ(std::string(out), directory + "vlcfg.dat");
        } else {
            EXPECT_EQ(out[0], 0) << "a refused path leaves nothing to open";
        }
        for (size_t i = SettingsPathBufferSize; i < sizeof out; ++i) ASSERT_EQ(out[i], '#') << "overflow";
    }
}

}  // namespace
