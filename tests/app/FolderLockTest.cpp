#include "core/app/FolderLock.h"
#include "support/ChildProcess.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// The claim of a copy that ended without giving it up (a crash) does not
// block the next start.
TEST(FolderLock, ACrashedCopysClaimIsTakenOver)
{
    TestFolder folder;
    const pid_t child = startChild([&folder] {
        FolderLock crashing(folder.path());
        if (crashing.claim())
            _exit(0); // ends holding the claim, as a crash does
        return 1;
    });
    ASSERT_EQ(waitForExit(child), 0);
    ASSERT_TRUE(folder.exists(u"Horonami.lock"_qs));
    FolderLock next(folder.path());
    EXPECT_TRUE(next.claim());
}

// The claim runs on its own thread: a second claim on the folder waits for
// the first to answer and is refused, and the folder is free again once the
// first claim ends.
TEST(FolderLock, ASecondClaimIsRefusedUntilTheFirstEnds)
{
    TestFolder folder;
    {
        const FolderLock first(folder.path());
        ASSERT_TRUE(first.claim());
        const FolderLock second(folder.path());
        EXPECT_FALSE(second.claim());
    }
    EXPECT_FALSE(folder.exists(u"Horonami.lock"_qs));
    const FolderLock again(folder.path());
    EXPECT_TRUE(again.claim());
}

} // namespace
