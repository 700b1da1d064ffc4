// The runtime's _splitpath, which follows the system's code page, and the
// tool's own split by the system's lead-byte table give the same program
// paths, under every code page the tests run in (VLCFG_CODE_PAGE).
#include <gtest/gtest.h>

#include <stdlib.h>
#include <windows.h>

#include <string>

#include "frame/platform_text.h"
#include "frame/program_paths.h"

namespace {

void RuntimeSplit(const char* path, char* drive, char* directory) {
    char name[_MAX_FNAME];
    char extension[_MAX_EXT];
    _splitpath(path, drive, directory, name, extension);
}

TEST(SplitAgreement, RunsUnderTheCodePageOfItsLocale) {
    const char* wanted = std::getenv("VLCFG_CODE_PAGE");
    ASSERT_NE(wanted, nullptr) << "VLCFG_CODE_PAGE is not set";
    ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(wanted)));
}

TEST(SplitAgreement, RuntimeAndTableSplitsAgree) {
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
        "C:\\\xb9" "C\xc0\xb8\\\xb3\\\\vlcfg.exe",       // 遊戲\許 in Big5
        "C:\\\xd4\xad\xc9\xf1\\vlcfg.exe",               // 原神 in GBK
        "C:\\\xc7\xd1\xb1\xb9\xbe\xee\\vlcfg.exe",       // 한국어 in UHC
        "C:\\Caf\xe9\\vlcfg.exe",                        // Café in 1252
        "C:\\\xe3\x81\x82\\\xe7\x92\xb0.exe",              // あ\環.exe in UTF-8
        "D:vlcfg.exe",
        "vlcfg.exe",
        "C:\\",
    };
    for (const char* path : paths) {
        SCOPED_TRACE(path);
        char runtimeDrive[SplitDriveSize], runtimeDirectory[SplitDirectorySize];
        char tableDrive[SplitDriveSize], tableDirectory[SplitDirectorySize];
        RuntimeSplit(path, runtimeDrive, runtimeDirectory);
        SplitPathByTable(path, PlatformLeadByteTable(), tableDrive, tableDirectory);
        EXPECT_STREQ(runtimeDrive, tableDrive);
        EXPECT_STREQ(runtimeDirectory, tableDirectory);

        char runtimeProgram[ProgramPathCapacity], runtimeLock[ProgramPathCapacity];
        char tableProgram[ProgramPathCapacity], tableLock[ProgramPathCapacity];
        DeriveProgramPaths(runtimeDrive, runtimeDirectory, PlatformLeadByteTable(), runtimeProgram, runtimeLock);
        DeriveProgramPaths(tableDrive, tableDirectory, PlatformLeadByteTable(), tableProgram, tableLock);
        EXPECT_STREQ(runtimeProgram, tableProgram);
        EXPECT_STREQ(runtimeLock, tableLock);
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
