// Every test run gets its own settings folder, so no test reads or writes the
// user's real settings.
#include "support/temp_dir.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qf::test::TempDir home;
    setenv("QUELAFORM_HOME", home.path().c_str(), 1);
    return RUN_ALL_TESTS();
}
