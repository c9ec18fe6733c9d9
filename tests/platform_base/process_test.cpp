// Programs start from an argument vector, without a shell and without being
// waited for; a program that cannot start is reported with its name.
#include "platform/base/process.h"
#include "support/temp_dir.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace qf::test;

namespace {

// Waits up to ten seconds for the file to exist with content.
std::string AwaitFile(const std::string& path) {
    for (int i = 0; i < 1000; ++i) {
        std::error_code ec;
        if (std::filesystem::file_size(path, ec) > 0 && !ec)
            return ReadFileBytes(path);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
}

} // namespace

TEST(ProcessTest, ProgramsThatCannotStartAreReportedByName) {
    std::string error;
    EXPECT_FALSE(qf::StartProcess({"/no/such/renderer"}, &error));
    EXPECT_NE(error.find("/no/such/renderer"), std::string::npos) << error;
    EXPECT_FALSE(qf::StartProcess({"quelaform-no-such-program-on-path"}, &error));
    EXPECT_NE(error.find("quelaform-no-such-program-on-path"), std::string::npos) << error;
    EXPECT_FALSE(qf::StartProcess({}, &error));
    EXPECT_FALSE(qf::StartProcess({""}, &error));

    TempDir dir;
    const std::string plain = dir.File("not executable");
    WriteFileBytes(plain, "#!/bin/sh\n");
    EXPECT_FALSE(qf::StartProcess({plain}, &error));
    EXPECT_NE(error.find(plain), std::string::npos) << error;
}

TEST(ProcessTest, ArgumentsArriveWholeAndTheCallerDoesNotWait) {
    TempDir dir;
    const std::string fifo = dir.File("gate");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string out = dir.File("args");
    // The program blocks until the test opens the gate, which it can only do
    // once StartProcess has returned: a start that waited would never return.
    ASSERT_TRUE(qf::StartProcess({"/bin/sh", "-c", "read line < \"$1\"; printf '%s|' \"$@\" > \"$2\"", "sh",
                                  fifo, out, "a b", "$HOME;`x`"}));
    const int gate = open(fifo.c_str(), O_WRONLY);
    ASSERT_GE(gate, 0);
    ASSERT_EQ(write(gate, "go\n", 3), 3);
    close(gate);
    EXPECT_EQ(AwaitFile(out), fifo + "|" + out + "|a b|$HOME;`x`|");
}
