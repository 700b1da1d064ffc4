// The named locks against the real kernel objects.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "frame/locks.h"
#include "window_probe.h"

namespace {

std::string UniqueName(const char* what) {
    return std::string("vlcfg test ") + what + " " + std::to_string(GetCurrentProcessId());
}

TEST(Locks, FreeNameIsTakenAndHeldUntilReleased) {
    const std::string name = UniqueName("free");
    ASSERT_FALSE(NameIsHeld(name));
    EXPECT_EQ(CreateLockSlot(StartupLockSlot, name.c_str()), 0);
    EXPECT_TRUE(NameIsHeld(name));
    EXPECT_EQ(ReleaseLockSlots(StartupLockSlot), 0);
    EXPECT_FALSE(NameIsHeld(name));
}

TEST(Locks, NameHeldElsewhereIsReportedTakenAndNotKept) {
    const std::string name = UniqueName("held");
    HANDLE other = CreateMutexA(nullptr, FALSE, name.c_str());
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(CreateLockSlot(DirectoryLockSlot, name.c_str()), -1);
    CloseHandle(other);
    EXPECT_FALSE(NameIsHeld(name)) << "the slot must not keep a handle to a taken lock";
    EXPECT_EQ(ReleaseLockSlots(DirectoryLockSlot), 0);
}

TEST(Locks, ReleasingTheDirectorySlotReleasesBoth) {
    const std::string startup = UniqueName("startup");
    const std::string directory = UniqueName("directory");
    ASSERT_EQ(CreateLockSlot(StartupLockSlot, startup.c_str()), 0);
    ASSERT_EQ(CreateLockSlot(DirectoryLockSlot, directory.c_str()), 0);
    EXPECT_EQ(ReleaseLockSlots(StartupLockSlot), 0);
    EXPECT_FALSE(NameIsHeld(startup));
    EXPECT_TRUE(NameIsHeld(directory)) << "releasing slot 0 leaves slot 1";
    EXPECT_EQ(ReleaseLockSlots(DirectoryLockSlot), 0);
    EXPECT_FALSE(NameIsHeld(directory));
    EXPECT_EQ(ReleaseLockSlots(DirectoryLockSlot), 0) << "empty slots are skipped";
}

TEST(Locks, SlotsOutsideTheTwoAreRefused) {
    const std::string name = UniqueName("bad slot");
    for (int slot : {-1, 2, 7}) {
        EXPECT_EQ(CreateLockSlot(slot, name.c_str()), -1) << slot;
        EXPECT_EQ(ReleaseLockSlots(slot), -1) << slot;
    }
    EXPECT_FALSE(NameIsHeld(name));
}

TEST(Locks, NameThatCannotBeAMutexCountsAsFree) {
    // An event of the same name makes the creation fail; the run goes on.
    const std::string name = UniqueName("event");
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, name.c_str());
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(CreateLockSlot(StartupLockSlot, name.c_str()), 0);
    CloseHandle(event);
    // The slot stayed empty: nothing of that name is left open, so a new
    // event of it is a new one.
    HANDLE again = CreateEventA(nullptr, TRUE, FALSE, name.c_str());
    EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << "the slot kept a handle";
    CloseHandle(again);
    EXPECT_EQ(ReleaseLockSlots(StartupLockSlot), 0);
}

}  // namespace
