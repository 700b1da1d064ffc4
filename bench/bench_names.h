// Names the benchmark's programs share.
#pragma once

// A dialog property: how long its procedure took over WM_INITDIALOG, in
// microseconds, for programs that time it.
constexpr char InitDialogTimeProperty[] = "BenchInitDialogMicroseconds";
