#include "app/core_settings.h"
#include "settings_home.h"

#include <initializer_list>
#include <string>
#include <utility>

class CoreSettingsTest : public SettingsHomeTest {
protected:
    // quel.ini as a first start writes it (CP932), in UTF-8.
    static std::string DefaultText() {
        std::string text;
        EXPECT_TRUE(qf::Cp932ToUtf8(DefaultBytes(), text));
        return text;
    }
    static std::string DefaultBytes() {
        return qf::test::ReadFileBytes((qf::test::DataDir() / "settings/quel_default.ini").string());
    }
    // The default file with each piece of text replaced, put in place as quel.ini.
    void PutEdited(std::initializer_list<std::pair<std::string, std::string>> edits) {
        std::string text = DefaultText();
        for (const auto& [from, to] : edits) {
            const size_t at = text.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            text.replace(at, from.size(), to);
        }
        Put("quel.ini", text);
    }
    CCoreSettings ReadBack() {
        CCoreSettings s;
        std::string error;
        EXPECT_TRUE(CQuelIniFile(s).Read(&error)) << error;
        return s;
    }
};

TEST_F(CoreSettingsTest, FirstReadWritesTheDefaultsInCp932WithJapaneseNames) {
    CCoreSettings s;
    ASSERT_TRUE(CQuelIniFile(s).Read());
    EXPECT_EQ(Bytes("quel.ini"), DefaultBytes());
    EXPECT_NE(DefaultText().find("[マウス設定]\n左 303\n"), std::string::npos);
}

TEST_F(CoreSettingsTest, WriteReadWriteKeepsEveryByte) {
    CCoreSettings s;
    s.m_bgColor = RGB(1, 2, 3);
    s.m_povRayPath = "/opt/pov ray/bin/povray";
    s.m_megaPovPath = "";
    s.m_rendribPath = "/usr/local/bmrt/レンダー";
    s.m_pythonPath = "  /usr/bin/python3  ";
    s.m_megaPovVersion = 0.7f;
    s.m_mouseModeRight = 801;
    s.m_mouseModeMiddle = -1;
    for (int i = 0; i < 4; ++i) {
        s.m_panes[i].m_curveResolution = s.m_panes[i].m_surfaceResolution = 6 + 2 * i;
        s.m_panes[i].m_gridSpacing = 2.5f + i;
        s.m_panes[i].m_gridLock = {i, 1, 0};
    }
    s.m_cameraRotateSpeed = 2.25f;
    s.m_imageHeight = 1080;
    s.m_outputFileType = 3;
    s.m_moveReverse = 1;
    ASSERT_TRUE(CQuelIniFile(s).Write());
    const std::string first = Bytes("quel.ini");

    CCoreSettings back = ReadBack();
    EXPECT_EQ(back.m_megaPovPath, "") << "an empty line is an empty path";
    EXPECT_EQ(back.m_pythonPath, "  /usr/bin/python3  ") << "a path is the whole line";
    EXPECT_EQ(back.m_panes[3].m_gridLock[0], 3);
    ASSERT_TRUE(CQuelIniFile(back).Write());
    EXPECT_EQ(Bytes("quel.ini"), first);
}

TEST_F(CoreSettingsTest, SmoothnessAndGridSpacingAreAdjustedOnReading) {
    struct Case {
        const char* curve;
        const char* spacing;
        int smoothness;
        float gridSpacing;
    };
    const Case cases[] = {
        {"3", "0.500", 4, 1.0f},         {"25", "1.000", 20, 1.0f},   {"1", "3.000", 2, 3.0f},
        {"0", "1.000", 2, 1.0f},         {"-3", "-2.000", 2, 1.0f},   {"8", "1.250", 8, 1.25f},
        {"2147483647", "nan", 20, 1.0f}, {"19", "5000", 20, 1000.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.curve);
        const std::string pane =
            "<<ウィンドウC>>\n頂点を描画 1\nカーブを描画 1\n面を描画 0\nライト 0\n曲線の滑らかさ ";
        PutEdited({{pane + "4\n曲面の滑らかさ 4\nグリッド_数 10\nグリッド_間隔 1.000",
                    pane + c.curve + "\n曲面の滑らかさ 14\nグリッド_数 10\nグリッド_間隔 " + c.spacing}});
        const CCoreSettings s = ReadBack();
        EXPECT_EQ(s.m_panes[2].m_curveResolution, c.smoothness);
        EXPECT_EQ(s.m_panes[2].m_surfaceResolution, c.smoothness) << "the surface follows the curves";
        EXPECT_FLOAT_EQ(s.m_panes[2].m_gridSpacing, c.gridSpacing);
    }
}

TEST_F(CoreSettingsTest, OtherValuesAreReadIntoTheRangesTheirDialogsOffer) {
    PutEdited({
        {"グリッド_数 10", "グリッド_数 0"},
        {"回転体 8\n頂点の大きさ 4.000\nカメラの回転スピード 5.000\n頂点の選択オプション 2",
         "回転体 5000000\n頂点の大きさ nan\nカメラの回転スピード 99\n頂点の選択オプション 7"},
        {"[レンダリング設定]\n640\n480\n0.300\n1.000\n0\n3\n",
         "[レンダリング設定]\n-5\n2147483647\n-inf\nnan\n2\n99\n"},
    });
    const CCoreSettings s = ReadBack();
    EXPECT_EQ(s.m_panes[0].m_gridCount, 1);
    EXPECT_EQ(s.m_latheCount, 100);
    EXPECT_FLOAT_EQ(s.m_vertexSize, 1.0f);
    EXPECT_FLOAT_EQ(s.m_cameraRotateSpeed, 10.0f);
    EXPECT_EQ(s.m_vertexSelectOption, 2) << "a choice outside the list takes its default";
    EXPECT_EQ(s.m_imageWidth, 1);
    EXPECT_EQ(s.m_imageHeight, 10000);
    EXPECT_FLOAT_EQ(s.m_antiThreshold, 0.0f);
    EXPECT_FLOAT_EQ(s.m_jitterAmount, 0.0f);
    EXPECT_EQ(s.m_antiSamplingMethod, 0);
    EXPECT_EQ(s.m_antiDepth, 6);
}

TEST_F(CoreSettingsTest, OlderCrlfFileWithFivePathsEndingAfterTheOtherSettings) {
    Put("quel.ini",
        "＊このファイルを変更しないでください\r\n\r\n"
        "[カラー設定]\r\nbg_color 10 20 30\r\nunselect_obj_color 1 1 1\r\nselect_obj_color 2 2 2\r\n"
        "unselect_vertex_color 3 3 3\r\nselect_vertex_color 4 4 4\r\ninvisible_color 5 5 5\r\n"
        "grid_color 6 6 6\r\nmaterial_axis_color 7 7 7\r\n\r\n"
        "[パス設定]\r\nC:\\pov ray\\pvengine.exe\r\n\r\n標準レンダラー 0\r\nMegaPovのバージョン 0.500\r\n"
        "C:\\bmrt\\rendrib.exe\r\n\r\n"
        "[マウス設定]\r\n左 300\r\n右 1\r\n中央 3\r\n左右同時 2\r\n\r\n"
        "[描画設定]\r\n<<ウィンドウA>>\r\n頂点を描画 0\r\nカーブを描画 1\r\n面を描画 1\r\nライト 1\r\n"
        "曲線の滑らかさ 6\r\n曲面の滑らかさ 6\r\nグリッド_数 5\r\nグリッド_間隔 2.000\r\n\r\n"
        "[その他の設定]\r\n回転体 16\r\n頂点の大きさ 3.000\r\nカメラの回転スピード 1.500\r\n"
        "頂点の選択オプション 1\r\n");
    const CCoreSettings s = ReadBack();
    const CCoreSettings defaults;
    EXPECT_EQ(s.m_materialAxisColor, RGB(7, 7, 7));
    EXPECT_EQ(s.m_povRayPath, "C:\\pov ray\\pvengine.exe");
    EXPECT_EQ(s.m_megaPovPath, "");
    EXPECT_FLOAT_EQ(s.m_megaPovVersion, 0.5f);
    EXPECT_EQ(s.m_rendribPath, "C:\\bmrt\\rendrib.exe");
    EXPECT_EQ(s.m_bmrtFolder, defaults.m_bmrtFolder);
    EXPECT_EQ(s.m_pythonPath, defaults.m_pythonPath);
    EXPECT_EQ(s.m_mouseModeBoth, 2);
    EXPECT_EQ(s.m_panes[0].m_gridCount, 5);
    EXPECT_EQ(s.m_panes[1].m_gridCount, 10) << "the section ends after pane A";
    EXPECT_EQ(s.m_vertexSelectOption, 1);
    EXPECT_EQ(s.m_imageWidth, defaults.m_imageWidth);
    EXPECT_EQ(s.m_manipulatorShown, 1);
}

// Regression: a missing optional section used to make the sections after it be skipped.
TEST_F(CoreSettingsTest, SectionsAfterAMissingOptionalSectionAreStillRead) {
    std::string text = DefaultText();
    const size_t render = text.find("[レンダリング設定]");
    text.erase(render, text.find("[描画設定2]") - render);
    text.replace(text.find("ズーム反転 0"), std::string("ズーム反転 0").size(), "ズーム反転 1");
    text.replace(text.rfind("下絵 0"), std::string("下絵 0").size(), "下絵 1");
    Put("quel.ini", text);
    const CCoreSettings s = ReadBack();
    EXPECT_EQ(s.m_panes[3].m_showUnderlay, 1);
    EXPECT_EQ(s.m_zoomReverse, 1);
}

TEST_F(CoreSettingsTest, DamagedValuesKeepTheirDefaultsAndTheRestIsRead) {
    PutEdited({
        {"左 303\n右 0", "左 317xyz\n右 abc"},
        {"bg_color 227 227 203", "bg_color 9 nine 9"},
        {"\n[マウス設定]", "\n" + std::string(100000, 'w') + " 5\n[マウス設定]"},
    });
    const CCoreSettings s = ReadBack();
    EXPECT_EQ(s.m_mouseModeLeft, 317) << "text after a number is ignored";
    EXPECT_EQ(s.m_mouseModeRight, 0);
    EXPECT_EQ(s.m_mouseModeMiddle, 2);
    EXPECT_EQ(s.m_bgColor, RGB(227, 227, 203));
    EXPECT_EQ(s.m_unselectObjColor, RGB(196, 163, 133));
}

TEST_F(CoreSettingsTest, APathWithALineBreakIsRefusedAndTheOldFileKept) {
    CCoreSettings s;
    ASSERT_TRUE(CQuelIniFile(s).Write());
    s.m_lightflowFolder = "/opt/light\nflow";
    s.m_latheCount = 99;
    std::string error;
    EXPECT_FALSE(CQuelIniFile(s).Write(&error));
    EXPECT_NE(error.find("line break"), std::string::npos) << error;
    EXPECT_EQ(Bytes("quel.ini"), DefaultBytes());
}
