// The files the application keeps: the language file, the recent-file list
// and the desktop registration.
#include "platform/base/file_util.h"
#include "shell/language_file.h"
#include "shell/recent_file_list.h"
#include "shell/shell_registration.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

using qf::test::TempDir;

// Mend: the first word is read bounded, and a file that exists but cannot be
// read counts as missing, so the language is asked again.
TEST(LanguageFileTest, FirstWordEnglishExactlyChoosesEnglish) {
    const struct {
        const char* name;
        std::string contents;
        LanguageChoice expected;
    } cases[] = {
        {"english", "english", languageEnglish},
        {"english then more lines", "english\njapanese\n", languageEnglish},
        {"leading blanks", "  \n english", languageEnglish},
        {"capital E", "English", languageJapanese},
        {"japanese", "japanese", languageJapanese},
        {"empty", "", languageJapanese},
        {"an overlong word", "english" + std::string(5000, 'x'), languageJapanese},
    };
    TempDir dir;
    for (const auto& c : cases) {
        qf::test::WriteFileBytes(dir.File("lang.ini"), c.contents);
        EXPECT_EQ(ReadLanguageFile(dir.File("lang.ini")), c.expected) << c.name;
    }
    EXPECT_EQ(ReadLanguageFile(dir.File("none.ini")), languageMissing);
    std::filesystem::create_directory(dir.File("folder.ini"));
    EXPECT_EQ(ReadLanguageFile(dir.File("folder.ini")), languageMissing) << "exists but cannot be read";
}

TEST(RecentFileListTest, KeepsFourNewestFirstAcrossRuns) {
    CRecentFileList list(4);
    for (const char* path : {"/a.qfm", "/b.qfm", "/c.qfm", "/d.qfm", "/e.qfm", "/c.qfm"})
        list.Add(path);
    list.Add("/bad\nname.qfm");
    ASSERT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list[0], "/c.qfm") << "a reopened file moves up";
    EXPECT_EQ(list[1], "/e.qfm");
    EXPECT_EQ(list[3], "/b.qfm") << "the oldest dropped out";

    TempDir dir;
    ASSERT_TRUE(list.Save(dir.File("recent.ini")));
    CRecentFileList loaded(4);
    loaded.Load(dir.File("recent.ini"));
    ASSERT_EQ(loaded.GetCount(), 4);
    EXPECT_EQ(loaded[2], "/d.qfm");
    loaded.Remove(0);
    EXPECT_EQ(loaded[0], "/e.qfm");
    loaded.Load(dir.File("missing.ini"));
    EXPECT_EQ(loaded.GetCount(), 0);
}

TEST(RecentFileListTest, KeepsPathsThatWorkFromAnyFolder) {
    CRecentFileList list(4);
    const std::filesystem::path here = std::filesystem::current_path();
    list.Add("models/../scene.qfm");
    list.Add((here / "scene.qfm").string().c_str());
    ASSERT_EQ(list.GetCount(), 1) << "the same file, named two ways";
    EXPECT_EQ(list[0], (here / "scene.qfm").string().c_str());
}

TEST(ShellRegistrationTest, DesktopEntryMimeTypeAndIconsWrittenOnce) {
    TempDir data;
    constexpr const char* kRows[] = {"RR", ".B"};
    const PixelArt icon{2, 2, kRows};
    const CShellRegistration registration{data.path().string(), "/opt/my $apps/quelaform",
                                          "QuelaForm Document", ".qfm", &icon};
    ASSERT_TRUE(RegisterShellFileTypes(registration));
    const std::string desktop = qf::test::ReadFileBytes(data.File("applications/quelaform.desktop"));
    EXPECT_NE(desktop.find("Exec=\"/opt/my \\\\$apps/quelaform\" %f\n"), std::string::npos)
        << "quoted, $ escaped, escaped again as a string: " << desktop;
    EXPECT_NE(desktop.find("MimeType=application/x-quelaform;"), std::string::npos);
    const std::string mime = qf::test::ReadFileBytes(data.File("mime/packages/quelaform.xml"));
    EXPECT_NE(mime.find("<glob pattern=\"*.qfm\"/>"), std::string::npos);
    EXPECT_NE(mime.find("<comment>QuelaForm Document</comment>"), std::string::npos);
    const std::string svg = qf::test::ReadFileBytes(data.File("icons/hicolor/scalable/apps/quelaform.svg"));
    EXPECT_NE(svg.find("<rect x=\"0\" y=\"0\" width=\"2\" height=\"1\" fill=\"#ff0000\"/>"),
              std::string::npos);
    EXPECT_EQ(svg.find("x=\"0\" y=\"1\""), std::string::npos) << "transparent pixels are left out";

    // A second start finds everything in place and writes nothing.
    const auto stamp = std::filesystem::last_write_time(data.File("applications/quelaform.desktop"));
    ASSERT_TRUE(RegisterShellFileTypes(registration));
    EXPECT_EQ(std::filesystem::last_write_time(data.File("applications/quelaform.desktop")), stamp);

    CShellRegistration broken = registration;
    broken.executable = "/opt/line\nbreak";
    EXPECT_FALSE(RegisterShellFileTypes(broken));
}
