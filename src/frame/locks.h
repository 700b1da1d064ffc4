// The two named locks. A lock counts as taken while any process holds a
// handle to a mutex of its name: the mutexes are never owned or waited on.
#pragma once

constexpr int StartupLockSlot = 0;    // shared by every copy of the tool
constexpr int DirectoryLockSlot = 1;  // named after the program directory

extern const char StartupLockName[];

// Creates or opens the named mutex into slot. 0 when the name was free (or
// could not be created at all); -1 when it already existed, the slot then
// stays empty, or when slot is not 0 or 1.
int CreateLockSlot(int slot, const char* name);

// Closes every held slot from 0 to last. -1 when last is not 0 or 1.
int ReleaseLockSlots(int last);
