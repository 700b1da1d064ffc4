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
// as the only separator, ending in one separator; read by the system's lead
// bytes, so it names the folder the executable is in.
extern char ProgramDirectory[ProgramPathCapacity];

// The name of the folder's lock, shared with the game's engine: the folder
// read as Shift-JIS, with every single-byte back slash turned into a colon.
// On a system of code page 932 that is ProgramDirectory with colons; on
// another one, where that reading would leave a back slash in the name,
// ProgramDirectory with colons instead.
extern char DirectoryLockName[ProgramPathCapacity];

// Splits path into its drive (SplitDriveSize bytes) and directory
// (SplitDirectorySize bytes), stepping over double-byte characters by
// leadBytes; name and extension are discarded. The same result as the
// runtime's split on a system whose lead bytes those are.
void SplitPathByTable(const char* path, const unsigned char* leadBytes, char* drive, char* directory);

// Derives the program directory and the lock name from the drive and
// directory a split gave for the executable's path, on a system whose
// lead-byte table is leadBytes. Both outputs are ProgramPathCapacity bytes.
void DeriveProgramPaths(const char* drive, const char* directory, const unsigned char* leadBytes,
                        char* programDirectory, char* lockName);

// Fills ProgramDirectory and DirectoryLockName from the running executable.
// 0 on success; -1 when the executable's path cannot be obtained whole, or
// when the folder its narrow form names is not the executable's own (the
// system's code page cannot spell the folder, or a character of the file
// name became a separator). The file name itself may be anything.
int BuildProgramPaths();
