// Help > Help: the page goes to xdg-open as one argument; a missing page, a
// missing xdg-open and one that finds no browser or whose browser fails are
// each told to the user as what they are, with the page's path.
#include "app/app_state.h"
#include "platform/base/modal_runner.h"
#include "shell/help_page.h"
#include "support/gui_test.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

TEST(HelpPageGuiTest, ThePageOpensWithXdgOpenAndWhatFailsIsTold) {
    if (!qf::test::HaveDisplay())
        GTEST_SKIP() << "needs a display";
    GetAppState().m_english = 1;
    qf::test::TempDir dir;
    const std::string bin = dir.File("data folder/bin"), page = dir.File("data folder/index.html"),
                      log = dir.File("opened");
    std::filesystem::create_directories(bin);
    std::ofstream(page) << "<html></html>\n";
    // Stands in for the desktop's opener: it writes down its arguments.
    std::ofstream(bin + "/xdg-open") << "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '" << log
                                     << ".part'\n/bin/mv '" << log << ".part' '" << log << "'\n";
    std::filesystem::permissions(bin + "/xdg-open", std::filesystem::perms::owner_all);
    const std::string oldPath = std::getenv("PATH");
    qf::CScriptedModalRunner boxes;

    setenv("PATH", bin.c_str(), 1);
    EXPECT_TRUE(ShowHelpPage(page.c_str()));
    EXPECT_TRUE(qf::test::PumpUntil([&] { return std::filesystem::exists(log); }));
    EXPECT_EQ(qf::test::ReadFileBytes(log), page + "\n");
    EXPECT_FALSE(ShowHelpPage(dir.File("data folder/gone.html").c_str()));
    setenv("PATH", dir.path().c_str(), 1);
    EXPECT_FALSE(ShowHelpPage(page.c_str()));
    // An xdg-open that finds no browser ends with status 3; one whose browser
    // fails, with 4.
    const std::string failing = dir.File("failing");
    std::filesystem::create_directories(failing);
    setenv("PATH", failing.c_str(), 1);
    size_t told = boxes.GetRequests().size();
    for (const int status : {3, 4}) {
        std::ofstream(failing + "/xdg-open") << "#!/bin/sh\nexit " << status << "\n";
        std::filesystem::permissions(failing + "/xdg-open", std::filesystem::perms::owner_all);
        EXPECT_TRUE(ShowHelpPage(page.c_str())) << "it started";
        EXPECT_TRUE(qf::test::PumpUntil([&] { return boxes.GetRequests().size() == told + 1; }));
        told = boxes.GetRequests().size();
    }
    setenv("PATH", oldPath.c_str(), 1);

    ASSERT_EQ(boxes.GetRequests().size(), 4u);
    EXPECT_EQ(boxes.GetRequests()[0].text, "Can't Find Help File\n" + dir.File("data folder/gone.html"));
    EXPECT_NE(boxes.GetRequests()[1].text.Find("xdg-open (xdg-utils) could not be started"), -1);
    EXPECT_NE(boxes.GetRequests()[2].text.Find("no web browser"), -1) << "it started and found none";
    EXPECT_NE(boxes.GetRequests()[3].text.Find("status 4"), -1);
    for (size_t i = 1; i < 4; ++i)
        EXPECT_NE(boxes.GetRequests()[i].text.Find(page.c_str()), -1) << i;
}
