// Classifying Windows by its build number, and the band of systems the tool
// refuses: Windows 95, NT 3.5 and NT 4.
#pragma once

#include <cstdint>

// The OsKind code for the low 16 bits of buildNumber; 255 for any build not
// in the table.
int OsKindFromBuild(uint32_t buildNumber);

// True for the codes of the refused systems (0 < code < 20).
bool IsRefusedOsKind(uint8_t code);
