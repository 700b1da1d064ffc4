// The runtime's _splitpath, which follows the system's code page, and the
// tool's own Shift-JIS split give the same program paths under code page 932.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <windows.h>

#include <string>

#include "frame/program_paths.h"

namespace {

void RuntimeSplit(const char* path, char* drive, char* directory) {
    char name[_MAX_FNAME];
    char extension[_MAX_EXT];
    _splitpath(path, drive, directory, name, extension);
}

TEST(SplitAgreement, RunsUnderCodePage932) { ASSERT_EQ(GetACP(), 932u); }

TEST(SplitAgreement, RuntimeAndShiftJisSplitsAgree) {
    const char* const paths[] = {
        "C:\\Games\\Title\\vlcfg.exe",
        "C:/Games/Title/vlcfg.exe",
        "C:\\Games/Mixed\\vlcfg.exe",
        "\\\\server\\share\\game\\vlcfg.exe",
        "//server/share/game/vlcfg.exe",
        "C:\\\x95\\\x8e\xa6\\vlcfg.exe",                 // 表示: second byte 0x5C
        "C:\\\x83\\\x83t\x83g\\\x95\\\\vlcfg.exe",       // ソフト, 表
        "C:\\Games\\\x95\\.exe",                         // 表.exe: 0x5C inside the name
        "C:\\\x83" "A\x83" "Z\\Title\\vlcfg.exe",        // アセ: second bytes in A-Z
        "C:\\\xb1\xb2\xdf\\vlcfg.exe",                   // half-width katakana
        "D:vlcfg.exe",
        "vlcfg.exe",
        "C:\\",
    };
    for (const char* path : paths) {
        SCOPED_TRACE(path);
        char runtimeDrive[SplitDriveSize], runtimeDirectory[SplitDirectorySize];
        char sjisDrive[SplitDriveSize], sjisDirectory[SplitDirectorySize];
        RuntimeSplit(path, runtimeDrive, runtimeDirectory);
        SjisSplitPath(path, sjisDrive, sjisDirectory);
        EXPECT_STREQ(runtimeDrive, sjisDrive);
        EXPECT_STREQ(runtimeDirectory, sjisDirectory);

        char runtimeProgram[ProgramPathCapacity], runtimeLock[ProgramPathCapacity];
        char sjisProgram[ProgramPathCapacity], sjisLock[ProgramPathCapacity];
        DeriveProgramPaths(path, RuntimeSplit, runtimeProgram, runtimeLock);
        DeriveProgramPaths(path, SjisSplitPath, sjisProgram, sjisLock);
        EXPECT_STREQ(runtimeProgram, sjisProgram);
        EXPECT_STREQ(runtimeLock, sjisLock);
    }
}

TEST(SplitAgreement, RunningExecutableGivesItsOwnFolder) {
    char modulePath[ModulePathBufferSize] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, modulePath, sizeof modulePath), 0u);
    ASSERT_EQ(BuildProgramPaths(), 0);

    std::string folder = modulePath;
    folder.erase(folder.find_last_of('\\') + 1);
    for (char& c : folder) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
    }
    EXPECT_EQ(ProgramDirectory, folder);
}

}  // namespace
