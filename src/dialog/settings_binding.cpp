#include "dialog/settings_binding.h"

#include "resource.h"
#include "settings/settings_record.h"

const ControlBinding SettingsBindings[] = {
    {UseDirectShow, IDC_MOVIE_DIRECTSHOW, 1, BindingKind::CheckBox},
    {Flag1031, IDC_FLAG1031, 1, BindingKind::CheckBox},
    {UseSse, IDC_CPU_SSE, 1, BindingKind::CheckBox},
    {UseSse2, IDC_CPU_SSE2, 1, BindingKind::CheckBox},
    {UseMultiCore, IDC_CPU_MULTICORE, 1, BindingKind::CheckBox},
    {FullscreenResolution, IDC_FS_RES_CHANGE, 2, BindingKind::RadioGroup},
    {FullscreenScaling, IDC_FS_SCALE_INSCRIBED, 4, BindingKind::RadioGroup},
    {RenderMethod, IDC_RENDER_GPU_BICUBIC, 4, BindingKind::RadioGroup},
    {TitleBarDoubleClick, IDC_DBLCLK_MAXIMIZE, 2, BindingKind::RadioGroup},
    {StartupPlacement, IDC_START_LAST, 2, BindingKind::RadioGroup},
};

const size_t SettingsBindingCount = sizeof SettingsBindings / sizeof SettingsBindings[0];
