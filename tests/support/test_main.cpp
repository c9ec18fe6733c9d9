// Every test run gets its own settings and desktop data folders, so no test
// reads or writes the user's real ones.
#include "support/scoped_env.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const qf::test::IsolatedUserFolders folders;
    return RUN_ALL_TESTS();
}
