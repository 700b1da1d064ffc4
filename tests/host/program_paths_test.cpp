#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frame/program_paths.h"

namespace {

struct PathCase {
    const char* modulePath;
    const char* programDirectory;
    const char* lockName;
};

const PathCase PathCases[] = {
    {"C:\\Games\\Title\\vlcfg.exe", "c:\\games\\title\\", "c::games:title:"},
    {"\\\\server\\share\\game\\vlcfg.exe", "\\\\server\\share\\game\\", "::server:share:game:"},
    {"C:/Games/Title/vlcfg.exe", "c:\\games\\title\\", "c::games:title:"},
    {"c:\\games\\title\\VLCFG.EXE", "c:\\games\\title\\", "c::games:title:"},
    {"C:\\GAMES\\TITLE\\vlcfg.exe", "c:\\games\\title\\", "c::games:title:"},
    // 表示: the 0x5C of 表 is not a separator
    {"Z:\\tmp\\\x95\\\x8e\xa6\\vlcfg.exe", "z:\\tmp\\\x95\\\x8e\xa6\\", "z::tmp:\x95\\\x8e\xa6:"},
    // ソフト\表 as the last folders
    {"C:\\\x83\\\x83t\x83g\\\x95\\\\vlcfg.exe", "c:\\\x83\\\x83t\x83g\\\x95\\\\", "c::\x83\\\x83t\x83g:\x95\\:"},
    // 表.exe: the name's 0x5C does not end the folder
    {"C:\\Games\\\x95\\.exe", "c:\\games\\", "c::games:"},
    // アセ: second bytes 0x41 and 0x5A are not letters
    {"C:\\\x83" "A\x83" "Z\\vlcfg.exe", "c:\\\x83" "A\x83" "Z\\", "c::\x83" "A\x83" "Z:"},
    {"C:\\\xb1\xb2\\vlcfg.exe", "c:\\\xb1\xb2\\", "c::\xb1\xb2:"},
    {"D:vlcfg.exe", "d:\\", "d::"},
    {"vlcfg.exe", "\\", ":"},
    {"C:\\vlcfg.exe", "c:\\", "c::"},
};

TEST(DeriveProgramPaths, GivesTheFolderAndItsLockName) {
    for (const PathCase& c : PathCases) {
        char programDirectory[ProgramPathCapacity];
        char lockName[ProgramPathCapacity];
        DeriveProgramPaths(c.modulePath, SjisSplitPath, programDirectory, lockName);
        EXPECT_STREQ(programDirectory, c.programDirectory) << c.modulePath;
        EXPECT_STREQ(lockName, c.lockName) << c.modulePath;
    }
}

TEST(DeriveProgramPaths, LetterCaseOfTheStartDoesNotChangeTheLock) {
    char lower[ProgramPathCapacity], upper[ProgramPathCapacity], scratch[ProgramPathCapacity];
    DeriveProgramPaths("c:\\game\\\x95\\\x8e\xa6\\vlcfg.exe", SjisSplitPath, scratch, lower);
    DeriveProgramPaths("C:\\GAME\\\x95\\\x8e\xa6\\VLCFG.EXE", SjisSplitPath, scratch, upper);
    EXPECT_STREQ(lower, upper);
}

TEST(SjisSplitPath, CutsALongFolderWithoutSplittingACharacter) {
    struct Case {
        size_t asciiBefore;  // bytes of 'a' before a run of 表
        size_t expectedLength;
    };
    // 255 bytes at most; a double-byte character that would straddle the cut
    // is dropped whole.
    const Case cases[] = {{1, 254}, {2, 255}, {300, 255}};
    for (const Case& c : cases) {
        std::string path = "C:\\" + std::string(c.asciiBefore, 'a');
        while (path.size() < 400) path += "\x95\\";
        path += "\\vlcfg.exe";
        char drive[SplitDriveSize], directory[SplitDirectorySize];
        SjisSplitPath(path.c_str(), drive, directory);
        EXPECT_STREQ(drive, "C:");
        EXPECT_EQ(std::strlen(directory), c.expectedLength) << c.asciiBefore;
        EXPECT_EQ(std::string(directory), path.substr(2, c.expectedLength));
    }
}

TEST(DeriveProgramPaths, LongestFolderFitsWithOneSeparator) {
    // Drive 2 + folder 255 + separator: the 258 bytes the buffers are made for.
    const std::string path = "C:\\" + std::string(300, 'x') + "\\vlcfg.exe";
    char programDirectory[ProgramPathCapacity], lockName[ProgramPathCapacity];
    DeriveProgramPaths(path.c_str(), SjisSplitPath, programDirectory, lockName);
    const std::string result = programDirectory;
    EXPECT_EQ(result.size(), 258u);
    EXPECT_EQ(result.substr(0, 3), "c:\\");
    EXPECT_EQ(result.back(), '\\');
    EXPECT_EQ(result.find_first_not_of('x', 3), 257u);
}

}  // namespace
