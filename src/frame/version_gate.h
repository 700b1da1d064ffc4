// The Windows version gate.
#pragma once

// The OsKind code of the running system; -1 when its version cannot be
// queried.
int ClassifyWindowsVersion();
