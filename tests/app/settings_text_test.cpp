#include "app/settings_text.h"
#include "settings_home.h"

#include <climits>

TEST(SettingsTextTest, ReadIntTokenTakesTheLeadingNumber) {
    struct Case {
        const char* name;
        const char* line;
        int value;
        const char* rest;
    } cases[] = {
        {"blanks then a negative number", "  -12 34", -12, " 34"},
        {"letter first: nothing taken", "abc 5", 0, "abc 5"},
        {"full-width space skipped",
         "\xE3\x80\x80"
         "7x",
         7, "x"},
        {"number runs into text", "12abc", 12, "abc"},
        {"empty line", "", 0, ""},
        {"tab then number at the end", "\t8", 8, ""},
    };
    for (const Case& c : cases) {
        CString line = c.line;
        EXPECT_EQ(ReadIntToken(line), c.value) << c.name;
        EXPECT_EQ(line, c.rest) << c.name;
    }
}

TEST(SettingsTextTest, ExtractTokenSplitsWordsAndQuotedText) {
    struct Case {
        const char* name;
        const char* line;
        int mode;
        const char* token;
        const char* rest;
    } cases[] = {
        {"quoted path with a blank", "=\"/opt/pov ray/bin\" more", 1, "/opt/pov ray/bin", " more"},
        {"no closing quote takes the rest", "x \"abc", 1, "abc", ""},
        {"no quote gives nothing", "abc", 1, "", "abc"},
        {"word after blanks loses one separator", "  key  value", 0, "key", " value"},
        {"full-width space separates",
         "a\xE3\x80\x80"
         "b",
         0, "a", "b"},
        {"separators only stay", " \t ", 0, "", " \t "},
    };
    for (const Case& c : cases) {
        CString line = c.line;
        EXPECT_EQ(ExtractToken(line, c.mode), c.token) << c.name;
        EXPECT_EQ(line, c.rest) << c.name;
    }
}

TEST(SettingsTextTest, NumbersConvertLikeTheCLibraryWithoutOverflow) {
    EXPECT_EQ(StringToInt(" 42x") + StringToInt("x1"), 42);
    EXPECT_EQ(StringToInt("99999999999999999999"), INT_MAX);
    EXPECT_EQ(StringToInt("-99999999999999999999"), INT_MIN);
    EXPECT_FLOAT_EQ(StringToFloat(" 0.25abc"), 0.25f);
}

using SettingsFileTest = SettingsHomeTest;

TEST_F(SettingsFileTest, DamagedFilesAreRefusedNotRead) {
    std::string error;
    EXPECT_FALSE(OpenSettingsFile(File("missing.ini"), &error));
    EXPECT_EQ(error, "") << "a missing file is no error";

    qf::test::WriteFileBytes(File("huge.ini"), std::string(2 << 20, 'x'));
    EXPECT_FALSE(OpenSettingsFile(File("huge.ini"), &error));
    EXPECT_NE(error.find("too large"), std::string::npos);

    std::filesystem::create_directory(File("folder.ini"));
    error.clear();
    EXPECT_FALSE(OpenSettingsFile(File("folder.ini"), &error));
    EXPECT_FALSE(error.empty());

    qf::test::WriteFileBytes(File("nul.ini"), std::string("ab\0cd\nnext", 10));
    auto file = OpenSettingsFile(File("nul.ini"));
    ASSERT_TRUE(file);
    EXPECT_EQ(ReadLineText(*file), "ab");
    EXPECT_EQ(ReadLineText(*file), "next") << "an unterminated last line is read";
    EXPECT_EQ(ReadLineText(*file), "");
}
