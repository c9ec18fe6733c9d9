// The run file POV-Ray is started with: its lines, the output types, the
// region in image pixels, and the values the renderer would misread.
#include "render/pov_ini_setting.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace qf::test;

TEST(PovIniSettingTest, FullRenderWritesTheOptionsInOrder) {
    CPovIniSetting ini;
    ini.m_inputFile = "/w/quel_pov.pov";
    ini.m_outputToFile = 1;
    ini.m_outputFile = "/home/u/Desktop/untitled.png";
    ini.m_outputAlpha = 1;
    ini.m_libraryPaths[0] = "/w";
    ini.m_libraryPaths[3] = "/lib";
    ini.m_antialias = 1;
    EXPECT_EQ(ini.GetText(), "Input_File_Name=\"/w/quel_pov.pov\"\n"
                             "Width=640\nHeight=400\nDisplay=1\nPause_When_Done=on\nOutput_to_File=1\n"
                             "Output_File_Name=\"/home/u/Desktop/untitled.png\"\nOutput_File_Type=N\n"
                             "Output_Alpha=on\n"
                             "Antialias=on\nSampling_Method=2\nAntialias_Threshold=0.300\nJitter=0\n"
                             "Jitter_Amount=1.000\nAntialias_Depth=1\n"
                             "Library_Path=\"/w\"\nLibrary_Path=\"/lib\"\n");

    CPovIniSetting preview;
    preview.m_display = 0;
    preview.m_antiThreshold = 0.05f;
    const std::string text = preview.GetText();
    EXPECT_EQ(text.find("Output_File_Name"), std::string::npos) << "no output block without a file";
    EXPECT_EQ(text.find("Pause_When_Done"), std::string::npos);
    EXPECT_EQ(text.find("Start_Column"), std::string::npos) << "a full render has no region";
    EXPECT_EQ(text.find("Radiosity"), std::string::npos) << "POV-Ray 3.7 refuses Radiosity=on";
    EXPECT_NE(text.find("Antialias=off\n"), std::string::npos);
    EXPECT_NE(text.find("Antialias_Threshold=0.050\n"), std::string::npos) << "0.05 must not become 0.1";
}

TEST(PovIniSettingTest, OutputTypesUseLettersLinuxPovRayAccepts) {
    const struct {
        int type;
        const char* letter;
    } cases[] = {{1, "B"}, {2, "N"}, {3, "P"}, {4, "C"}, {5, "T"}, {0, ""}, {6, ""}, {-1, ""}};
    for (const auto& c : cases)
        EXPECT_STREQ(PovOutputTypeLetter(c.type), c.letter) << c.type;
}

TEST(PovIniSettingTest, RegionPixelsAreOneBasedAndScaledToTheImage) {
    const struct {
        const char* name;
        int left, top, right, bottom, paneW, paneH, imageW, imageH;
        CImageRegion expected;
    } cases[] = {
        {"the whole pane", 0, 0, 200, 100, 200, 100, 200, 100, {1, 1, 200, 100}},
        {"a pane region at its own size", 10, 20, 30, 40, 200, 100, 200, 100, {11, 21, 30, 40}},
        {"twice the pane size", 10, 20, 30, 40, 200, 100, 400, 200, {21, 41, 60, 80}},
        {"half the pane size rounds outwards", 11, 21, 31, 41, 200, 100, 100, 50, {6, 11, 16, 21}},
        {"a click without motion", 50, 50, 50, 50, 200, 100, 200, 100, {51, 51, 51, 51}},
        {"an end of 1 would mean the whole width", 0, 0, 1, 1, 200, 100, 200, 100, {1, 1, 2, 2}},
        {"beyond the pane", -5, -5, 300, 300, 200, 100, 200, 100, {1, 1, 200, 100}},
        {"a pane without size", 0, 0, 0, 0, 0, 0, 64, 48, {1, 1, 2, 2}},
    };
    for (const auto& c : cases) {
        const CImageRegion r =
            ScaleRegionToImage(c.left, c.top, c.right, c.bottom, c.paneW, c.paneH, c.imageW, c.imageH);
        EXPECT_EQ(r.startColumn, c.expected.startColumn) << c.name;
        EXPECT_EQ(r.startRow, c.expected.startRow) << c.name;
        EXPECT_EQ(r.endColumn, c.expected.endColumn) << c.name;
        EXPECT_EQ(r.endRow, c.expected.endRow) << c.name;
    }
}

TEST(PovIniSettingTest, RegionRenderWritesTheFourLinesAndShowsThePicture) {
    TempDir dir;
    CPovIniSetting ini;
    ini.m_runFilePath = dir.File("quel_ini.ini");
    ini.m_display = 0;
    ini.SetRegion({3, 4, 5, 6});
    ASSERT_TRUE(ini.WriteRegion());
    const std::string text = ReadFileBytes(ini.m_runFilePath);
    EXPECT_NE(text.find("Display=1\n"), std::string::npos);
    EXPECT_NE(text.find("Start_Column=3\nStart_Row=4\nEnd_Column=5\nEnd_Row=6\n"), std::string::npos) << text;
}

TEST(PovIniSettingTest, NamesThatCannotStandBetweenQuotesAreRefused) {
    TempDir dir;
    CPovIniSetting ini;
    ini.m_runFilePath = dir.File("quel_ini.ini");
    ini.m_outputFile = "/home/u/a\"b.png";
    std::string error;
    EXPECT_FALSE(ini.Write(&error));
    EXPECT_NE(error.find("a\"b.png"), std::string::npos) << error;
    ini.m_outputFile = "/home/u/ok.png";
    ini.m_libraryPaths[1] = "/line\nbreak";
    EXPECT_FALSE(ini.Write(&error));
    EXPECT_FALSE(std::filesystem::exists(ini.m_runFilePath)) << "nothing is written";
    ini.m_libraryPaths[1] = "/with blank;and semicolon";
    EXPECT_TRUE(ini.Write(&error)) << error;
}
