// The model sits below the mesh, application and window layers: it includes
// none of their headers and nothing of the toolkit.
#include "support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

TEST(ModelBoundaryTest, IncludesNothingFromTheLayersAbove) {
    const std::filesystem::path folder = qf::test::DataDir().parent_path().parent_path() / "model";
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    const std::string forbidden[] = {"<wx/", "\"wx/", "\"mesh/", "\"app/", "\"platform/ui/", "\"viewport/"};
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
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
