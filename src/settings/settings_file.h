// Loading and saving vlcfg.dat in the program directory.
#pragma once

// Picks the message of a failed save: Create while a missing file is made at
// start-up, Update while the user's changes are stored.
enum class SaveMode { Create = 0, Update = 1 };

// Writes CurrentSettings over the first 128 bytes of the file, creating it
// when absent; later bytes stay. 0 on success; -1, after telling the user,
// when the file cannot be opened or the record was not written whole.
int SaveSettings(SaveMode mode);

// Reads CurrentSettings from the file, or applies the defaults and creates the
// file when it cannot be opened. 0 when the run may go on, -1 when it must
// stop (the user has been told).
int LoadSettings();
