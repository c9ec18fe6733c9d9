#include "platform/base/codepage.h"
#include "platform/base/file_util.h"
#include "platform/base/text_file.h"

#include "support/temp_dir.h"

#include <clocale>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using qf::CTextFileReader;
using qf::CTextFileWriter;
using qf::TextEncoding;

TEST(CodepageTest, RoundTripsAndRefuses) {
    std::string bytes, text;
    ASSERT_TRUE(qf::Utf8ToCp932("マウス設定 ~\\", bytes));
    EXPECT_EQ(bytes.back(), '\\') << "0x5C stays a backslash";
    ASSERT_TRUE(qf::Cp932ToUtf8(bytes, text));
    EXPECT_EQ(text, "マウス設定 ~\\");
    text = "unchanged";
    EXPECT_FALSE(qf::Cp932ToUtf8(std::string("\x83", 1), text)) << "a lone lead byte";
    EXPECT_EQ(text, "unchanged");
    EXPECT_FALSE(qf::IsCp932Representable("\xE4\xB8")) << "broken UTF-8";
    EXPECT_FALSE(qf::IsCp932Representable("한국어")) << "Hangul has no CP932 form";
    EXPECT_TRUE(qf::IsCp932Representable("①髙"));
}

TEST(TextFileTest, ReadsCrlfLinesAndWordsWithBounds) {
    std::string cp932;
    ASSERT_TRUE(qf::Utf8ToCp932("[マウス]\r\nspeed 1.5\r\n\r\nlast", cp932));
    auto in = CTextFileReader::FromText(cp932);
    CString line;
    ASSERT_TRUE(in.ReadLine(line));
    EXPECT_EQ(line, "[マウス]");
    ASSERT_TRUE(in.ReadLine(line));
    EXPECT_EQ(line, "speed 1.5");
    ASSERT_TRUE(in.ReadLine(line));
    EXPECT_EQ(line, "");
    ASSERT_TRUE(in.ReadLine(line)) << "an unterminated last line is still read";
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(in.ReadLine(line));

    auto words = CTextFileReader::FromText("abcdefgh 12 x3 -0.5\n", TextEncoding::Utf8);
    CString w;
    ASSERT_TRUE(words.ReadWord(w, 4));
    EXPECT_EQ(w, "abcd") << "an overlong word is cut";
    int i = 0;
    EXPECT_TRUE(words.ReadInt(i));
    EXPECT_EQ(i, 12);
    EXPECT_FALSE(words.ReadInt(i)) << "x3 is not a number";
    EXPECT_EQ(i, 12);
    float f = 0;
    EXPECT_TRUE(words.ReadFloat(f));
    EXPECT_EQ(f, -0.5f);
    EXPECT_FALSE(words.ReadWord(w));

    auto damaged = CTextFileReader::FromText("\xFF 7");
    EXPECT_FALSE(damaged.ReadInt(i)) << "an undecodable word is not passed over";
    EXPECT_TRUE(damaged.ReadInt(i));
    EXPECT_EQ(i, 7);
}

TEST(TextFileTest, CutNeverLeavesHalfACharacter) {
    std::string cp932;
    ASSERT_TRUE(qf::Utf8ToCp932("アイウ", cp932)); // six bytes
    auto in = CTextFileReader::FromText(cp932);
    CString line;
    ASSERT_TRUE(in.ReadLine(line, 3));
    EXPECT_EQ(line, "ア");
}

TEST(TextFileTest, WriterFormatsInCAndReplacesOnlyWhenWhole) {
    qf::test::TempDir dir;
    const std::string path = dir.File("quel_opengl.ini");
    const char* old = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    {
        CTextFileWriter out(path);
        out.Printf("%s %f\n", "曲線", 0.5);
        EXPECT_TRUE(out.Close());
    }
    std::setlocale(LC_NUMERIC, "C");
    std::string expected;
    ASSERT_TRUE(qf::Utf8ToCp932("曲線 0.500000\n", expected));
    EXPECT_EQ(qf::test::ReadFileBytes(path), expected);
    if (!old)
        std::cout << "(de_DE.UTF-8 not installed; the C-locale check ran in the C locale)\n";

    CTextFileWriter bad(path);
    bad.Write("ok\n");
    bad.Write("한국어");
    EXPECT_FALSE(bad.Close());
    EXPECT_FALSE(bad.GetError().empty());
    EXPECT_EQ(qf::test::ReadFileBytes(path), expected) << "a failed write leaves the old file";

    CTextFileReader missing(dir.File("nothing.ini"));
    EXPECT_FALSE(missing.IsOpen());
}

// Files that go together are written beside their places first: one that is
// never committed leaves no trace, and the old file stays until the rename.
TEST(TextFileTest, StagedFilesArriveOnlyWhenCommitted) {
    qf::test::TempDir dir;
    const std::string kept = dir.File("scene.pov");
    qf::test::WriteFileBytes(kept, "old\n");
    {
        CTextFileWriter scene(kept, TextEncoding::Utf8);
        scene.Write("new\n");
        CTextFileWriter include(dir.File("scene_obj.inc"), TextEncoding::Utf8);
        include.Write("objects\n");
        qf::CStagedFile staged;
        qf::CStagedFile abandoned;
        ASSERT_TRUE(scene.Stage(staged));
        ASSERT_TRUE(include.Stage(abandoned));
        EXPECT_EQ(qf::test::ReadFileBytes(kept), "old\n") << "staged, not yet in place";
        EXPECT_TRUE(staged.Commit());
    }
    EXPECT_EQ(qf::test::ReadFileBytes(kept), "new\n");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"scene.pov"}) << "the abandoned one left nothing";
}

TEST(PathsTest, SettingsFolderFollowsTheEnvironment) {
    qf::test::TempDir dir;
    const std::string saved = std::getenv("QUELAFORM_HOME") ? std::getenv("QUELAFORM_HOME") : "";
    setenv("QUELAFORM_HOME", dir.File("home/q").c_str(), 1);
    EXPECT_EQ(qf::SettingsDir(), dir.File("home/q"));
    EXPECT_TRUE(qf::GetFileStatus(dir.File("home/q")).isDirectory) << "created on first use";
    unsetenv("QUELAFORM_HOME");
    setenv("XDG_CONFIG_HOME", dir.File("xdg").c_str(), 1);
    EXPECT_EQ(qf::SettingsDir(), dir.File("xdg/quelaform"));
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", dir.File("user").c_str(), 1);
    EXPECT_EQ(qf::SettingsDir(), dir.File("user/.config/quelaform"));
    setenv("QUELAFORM_HOME", saved.c_str(), 1);

    const std::string temp = qf::TempDir();
    EXPECT_TRUE(qf::GetFileStatus(temp).isDirectory);
    EXPECT_EQ(qf::TempDir(), temp) << "one private folder per run";
    struct stat st {};
    ASSERT_EQ(stat(temp.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 077, 0u) << "nobody else may read or plant files there";

    qf::test::WriteFileBytes(dir.File("f"), "12345");
    qf::FileStatus status = qf::GetFileStatus(dir.File("f"));
    EXPECT_TRUE(status.exists);
    EXPECT_EQ(status.size, 5u);
    EXPECT_GT(status.modified, 0);
    EXPECT_FALSE(qf::FileExists(dir.File("g")));
}
