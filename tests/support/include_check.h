#pragma once
// Checks that the sources of a folder include nothing from the layers above it.
#include "support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qf::test {

// folder is a source folder of the repository ("model", "app"); every
// #include line of its .h and .cpp files is checked against the forbidden
// pieces of text ("<wx/", "\"platform/ui/").
inline void ExpectNoIncludesOf(const std::string& folder, const std::vector<std::string>& forbidden) {
    const std::filesystem::path path = DataDir().parent_path().parent_path() / folder;
    ASSERT_TRUE(std::filesystem::is_directory(path)) << path;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(path)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp")
            continue;
        ++files;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            if (line.rfind("#include", 0) != 0)
                continue;
            for (const std::string& f : forbidden)
                EXPECT_EQ(line.find(f), std::string::npos)
                    << entry.path().filename() << ":" << number << ": " << line;
        }
    }
    EXPECT_GT(files, 0);
}

} // namespace qf::test
