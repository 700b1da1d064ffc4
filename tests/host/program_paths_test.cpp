#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "frame/program_paths.h"
#include "frame/sjis.h"

namespace {

// Lead-byte tables of other systems, from the ranges the platform reports.
struct LeadBytes {
    unsigned char table[LeadByteTableSize];
    explicit LeadBytes(std::initializer_list<unsigned char> ranges) {
        FillLeadByteTable(table, ranges.begin(), ranges.size());
    }
};
const LeadBytes Cp950({0x81, 0xFE, 0, 0});  // Traditional Chinese (Big5); 936 and 949 alike
const LeadBytes NoLeadBytes({0, 0});        // 1252 and the other single-byte ones, 65001 (UTF-8)

// The tool's derivation from an executable's path on a system whose lead
// bytes are leadBytes.
void Derive(const char* modulePath, const unsigned char* leadBytes, char* programDirectory, char* lockName) {
    char drive[SplitDriveSize], directory[SplitDirectorySize];
    SplitPathByTable(modulePath, leadBytes, drive, directory);
    DeriveProgramPaths(drive, directory, leadBytes, programDirectory, lockName);
}

struct PathCase {
    const char* modulePath;
    const char* programDirectory;
    const char* lockName;
    const unsigned char* leadBytes = SjisLeadByteTable;  // the system's
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
    // Other systems: the folder as the system reads it; the lock name as
    // Shift-JIS reads it, unless that reading keeps a separator.
    // 遊戲 (950): the trail byte 'C' stays; the lock name lowers it.
    {"C:\\Games\\\xb9" "C\xc0\xb8\\vlcfg.exe", "c:\\games\\\xb9" "C\xc0\xb8\\", "c::games:\xb9" "c\xc0\xb8:", Cp950.table},
    // 下載 (950): the Shift-JIS lead byte 0xFC would swallow the separator.
    {"C:\\Games\\\xa4U\xb8\xfc\\vlcfg.exe", "c:\\games\\\xa4U\xb8\xfc\\", "c::games:\xa4U\xb8\xfc:", Cp950.table},
    // 許 (950): a trail byte 0x5C is part of the character.
    {"C:\\\xb3\\\\vlcfg.exe", "c:\\\xb3\\\\", "c::\xb3::", Cp950.table},
    // Café (1252): é is a Shift-JIS lead byte.
    {"C:\\Caf\xe9\\vlcfg.exe", "c:\\caf\xe9\\", "c::caf\xe9:", NoLeadBytes.table},
    // Привет in UTF-8: its last byte is a Shift-JIS lead byte.
    {"C:\\\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82\\vlcfg.exe",
     "c:\\\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82\\", "c::\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82:",
     NoLeadBytes.table},
};

TEST(DeriveProgramPaths, GivesTheFolderAndItsLockName) {
    for (const PathCase& c : PathCases) {
        char programDirectory[ProgramPathCapacity];
        char lockName[ProgramPathCapacity];
        Derive(c.modulePath, c.leadBytes, programDirectory, lockName);
        EXPECT_STREQ(programDirectory, c.programDirectory) << c.modulePath;
        EXPECT_STREQ(lockName, c.lockName) << c.modulePath;
    }
}

TEST(DeriveProgramPaths, LetterCaseOfTheStartDoesNotChangeTheLock) {
    char lower[ProgramPathCapacity], upper[ProgramPathCapacity], scratch[ProgramPathCapacity];
    Derive("c:\\game\\\x95\\\x8e\xa6\\vlcfg.exe", SjisLeadByteTable, scratch, lower);
    Derive("C:\\GAME\\\x95\\\x8e\xa6\\VLCFG.EXE", SjisLeadByteTable, scratch, upper);
    EXPECT_STREQ(lower, upper);
}

TEST(SplitPathByTable, CutsALongFolderWithoutSplittingACharacter) {
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
        SplitPathByTable(path.c_str(), SjisLeadByteTable, drive, directory);
        EXPECT_STREQ(drive, "C:");
        EXPECT_EQ(std::strlen(directory), c.expectedLength) << c.asciiBefore;
        EXPECT_EQ(std::string(directory), path.substr(2, c.expectedLength));
    }
}

TEST(DeriveProgramPaths, LongestFolderFitsWithOneSeparator) {
    // Drive 2 + folder 255 + separator: the 258 bytes the buffers are made for.
    const std::string path = "C:\\" + std::string(300, 'x') + "\\vlcfg.exe";
    char programDirectory[ProgramPathCapacity], lockName[ProgramPathCapacity];
    Derive(path.c_str(), SjisLeadByteTable, programDirectory, lockName);
    const std::string result = programDirectory;
    EXPECT_EQ(result.size(), 258u);
    EXPECT_EQ(result.substr(0, 3), "c:\\");
    EXPECT_EQ(result.back(), '\\');
    EXPECT_EQ(result.find_first_not_of('x', 3), 257u);
}

}  // namespace
