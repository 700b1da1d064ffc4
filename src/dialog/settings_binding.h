// The one table that binds record words to the dialog's controls. The fill
// walks it to show the record; OK walks it to read the controls back.
#pragma once

#include <cstddef>

enum class BindingKind {
    CheckBox,    // word is 1 (checked) or 0
    RadioGroup,  // word is the index of the checked button in the group
};

struct ControlBinding {
    int word;          // SettingsWord
    int firstControl;  // control id; a radio group's ids are consecutive
    int controlCount;  // 1 for a check box
    BindingKind kind;
};

// In the order the dialog fills and reads them: check boxes, then groups.
extern const ControlBinding SettingsBindings[];
extern const size_t SettingsBindingCount;

// The last control id of a binding.
inline int LastControl(const ControlBinding& binding) {
    return binding.firstControl + binding.controlCount - 1;
}

// True when value selects a button of the binding's radio group.
inline bool IsInGroup(const ControlBinding& binding, long long value) {
    return value >= 0 && value < binding.controlCount;
}
