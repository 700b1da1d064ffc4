// Identifiers shared by vlcfg.rc and the code. Plain defines, so the resource
// compiler and platform-free code can both include this file.
#pragma once

#define IDC_STATIC -1

// Executable resources
#define IDI_VLCFG 10001

// Push buttons (IDOK 1 and IDCANCEL 2 are the platform's)
#define IDC_RESET 3

// Drawing method of the game screen
#define IDC_RENDER_GPU_BICUBIC 1042
#define IDC_RENDER_GPU_BILINEAR 1043
#define IDC_RENDER_CPU_BILINEAR 1044
#define IDC_RENDER_CPU_NEAREST 1045

// Full screen: resolution
#define IDC_FS_RES_CHANGE 1036
#define IDC_FS_RES_KEEP 1037

// Full screen: enlargement
#define IDC_FS_SCALE_INSCRIBED 1038
#define IDC_FS_SCALE_CIRCUMSCRIBED 1039
#define IDC_FS_SCALE_FIT 1040
#define IDC_FS_SCALE_NONE 1041

// Title-bar double-click
#define IDC_DBLCLK_MAXIMIZE 1046
#define IDC_DBLCLK_RESET 1047

// Window position and size at start
#define IDC_START_LAST 1048
#define IDC_START_CENTER 1049

// CPU features
#define IDC_CPU_SSE 1032
#define IDC_CPU_SSE2 1033
#define IDC_CPU_MULTICORE 1034

// Movie playback
#define IDC_MOVIE_GROUP 1029
#define IDC_MOVIE_DIRECTSHOW 1035

// Bound to a record word but absent from the template: reads as unchecked.
#define IDC_FLAG1031 1031
