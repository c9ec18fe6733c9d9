#include "platform/base/c_locale.h"
#include "platform/base/cstring.h"

#include <clocale>
#include <gtest/gtest.h>

TEST(CStringTest, SlicesClampOutOfRangeArguments) {
    const CString s("patch_obj_00");
    EXPECT_EQ(s.Left(5), "patch");
    EXPECT_EQ(s.Left(100), s);
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Mid(6), "obj_00");
    EXPECT_EQ(s.Mid(6, 3), "obj");
    EXPECT_EQ(s.Mid(10, 50), "00");
    EXPECT_EQ(s.Mid(50), "");
    EXPECT_EQ(s.Right(2), "00");
    EXPECT_EQ(s.Right(99), s);
    EXPECT_EQ(s.GetAt(99), '\0');
}

TEST(CStringTest, FindAndReplace) {
    CString s("a_b_c");
    EXPECT_EQ(s.Find('_'), 1);
    EXPECT_EQ(s.Find('_', 2), 3);
    EXPECT_EQ(s.Find("c"), 4);
    EXPECT_EQ(s.Find("x"), -1);
    EXPECT_EQ(s.Find('_', 99), -1);
    EXPECT_EQ(s.ReverseFind('_'), 3);
    EXPECT_EQ(s.Replace("_", "--"), 2);
    EXPECT_EQ(s, "a--b--c");
    EXPECT_EQ(s.Replace("", "x"), 0);
    CString overlapping("aaa");
    EXPECT_EQ(overlapping.Replace("aa", "b"), 1);
    EXPECT_EQ(overlapping, "ba");
}

TEST(CStringTest, CaseAndTrimTouchOnlyAscii) {
    CString s("  Pa ッチ\r\n");
    s.Trim();
    EXPECT_EQ(s, "Pa ッチ");
    s.MakeUpper();
    EXPECT_EQ(s, "PA ッチ");
    s.MakeLower();
    EXPECT_EQ(s, "pa ッチ");
    EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);
    EXPECT_LT(CString("abc").Compare("abd"), 0);
    EXPECT_TRUE(CString("a") < CString("b"));
}

class GermanLocale {
public:
    GermanLocale() {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8"})
            if (std::setlocale(LC_ALL, name)) {
                m_ok = true;
                break;
            }
    }
    ~GermanLocale() { std::setlocale(LC_ALL, "C"); }
    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
};

TEST(NumericLocaleTest, FormatAndParseIgnoreTheUsersLocale) {
    GermanLocale german;
    if (!german.ok())
        GTEST_SKIP() << "de_DE.UTF-8 locale is not installed (scripts/install-deps generates it)";
    char native[32];
    std::snprintf(native, sizeof native, "%.1f", 1.5);
    ASSERT_STREQ(native, "1,5") << "the German locale should be active for this test";

    CString s;
    s.Format("%f %g %.3f %d", 0.5, 1e-5, -2.25, 42);
    EXPECT_EQ(s, "0.500000 1e-05 -2.250 42");
    EXPECT_EQ(qf::FormatC("%g", 1234567.0), "1.23457e+06");

    double d = 0;
    EXPECT_TRUE(qf::ParseDouble(" 1.5\r\n", d));
    EXPECT_DOUBLE_EQ(d, 1.5);
    EXPECT_FALSE(qf::ParseDouble("1,5", d)) << "a comma never parses as a decimal point";
    EXPECT_DOUBLE_EQ(d, 1.5);
}

TEST(NumericLocaleTest, ParseReportsWhatIsLeft) {
    int i = 7;
    std::string_view rest;
    EXPECT_TRUE(qf::ParseInt("12 34", i, &rest));
    EXPECT_EQ(i, 12);
    EXPECT_EQ(rest, " 34");
    EXPECT_FALSE(qf::ParseInt("12x", i));
    EXPECT_FALSE(qf::ParseInt("", i));
    EXPECT_FALSE(qf::ParseInt("99999999999", i)) << "out of int range";
    EXPECT_EQ(i, 12);
    float f = 0;
    EXPECT_TRUE(qf::ParseFloat("-0.25", f));
    EXPECT_FLOAT_EQ(f, -0.25f);
}
