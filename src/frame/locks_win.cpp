#include <windows.h>

#include "frame/locks.h"

const char StartupLockName[] = "VORLAN Config";

namespace {

constexpr int LockSlotCount = 2;
HANDLE LockSlots[LockSlotCount];

bool IsSlot(int slot) { return slot >= 0 && slot < LockSlotCount; }

}  // namespace

int CreateLockSlot(int slot, const char* name) {
    if (!IsSlot(slot)) return -1;
    SetLastError(ERROR_SUCCESS);
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name);
    if (mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        LockSlots[slot] = nullptr;
        return -1;
    }
    // A mutex that cannot be created at all leaves the slot empty and the
    // run unprotected.
    LockSlots[slot] = mutex;
    return 0;
}

int ReleaseLockSlots(int last) {
    if (!IsSlot(last)) return -1;
    for (int slot = 0; slot <= last; ++slot) {
        if (LockSlots[slot] != nullptr) {
            CloseHandle(LockSlots[slot]);
            LockSlots[slot] = nullptr;
        }
    }
    return 0;
}
