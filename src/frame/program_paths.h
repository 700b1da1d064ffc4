// The program directory and the directory lock name, derived once at start
// from the executable's own path.
#pragma once

#include <cstddef>

// Drive (2) + directory (at most 255) + one appended separator + terminator
// fit with room to spare.
constexpr size_t ProgramPathCapacity = 288;

// The executable's path is fetched into a buffer of the platform's path size.
constexpr size_t ModulePathBufferSize = 261;

// Output sizes of a path split, as the runtime's _splitpath defines them.
constexpr size_t SplitDriveSize = 3;
constexpr size_t SplitDirectorySize = 256;

// Drive and directory of the executable, ASCII letters lower-cased, back slash
// as the only separator, ending in one separator.
extern char ProgramDirectory[ProgramPathCapacity];

// ProgramDirectory with every single-byte back slash turned into a colon.
extern char DirectoryLockName[ProgramPathCapacity];

// Splits path into its drive (SplitDriveSize bytes) and directory
// (SplitDirectorySize bytes); name and extension are discarded.
typedef void (*PathSplitFunction)(const char* path, char* drive, char* directory);

// A split that steps over double-byte characters by SjisLeadByteTable: the
// same result as the runtime's split on a system whose ANSI code page is 932.
void SjisSplitPath(const char* path, char* drive, char* directory);

// Derives the program directory and the lock name from the executable's path.
// Both outputs are ProgramPathCapacity bytes.
void DeriveProgramPaths(const char* modulePath, PathSplitFunction split, char* programDirectory,
                        char* lockName);

// Fills ProgramDirectory and DirectoryLockName from the running executable.
// 0 on success; -1 when the executable's path cannot be obtained whole.
int BuildProgramPaths();
