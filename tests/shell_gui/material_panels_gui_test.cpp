// The element panels driven with the mouse and keys: types and options
// rebuild the element's items and keep the options; number fields store
// what their range allows; the "All" boxes, the colour swatches, the
// gradient axes, the pattern fields, the image file types, the declared
// names; each element keeps its own records.
#include "controls/color_button.h"
#include "dialogs/rename_dlg.h"
#include "material_page_fixture.h"
#include "platform/ui/common_dialogs.h"

using Names = std::vector<std::string>;

namespace {

// A material with every section, as a document may bring it.
void EverySection(CMaterialData& m) {
    m.m_useInterior = 1;
    m.m_texture.m_useNormal = m.m_texture.m_useFinish = 1;
}

} // namespace

TEST_F(MaterialPageGuiTest, TypePanelsRebuildTheirItemsAndKeepTheirOptions) {
    Open(true);
    CMaterialData* mat = Load("m", [](CMaterialData& m) {
        EverySection(m);
        m.m_texture.m_finish.m_megaPov = 1;
    });
    CPigmentData& pigment = mat->m_texture.m_pigment;

    ClickItem({"m[Material]", "[Texture]", "[Pigment]"});
    CMaterialElementPanel& pigmentPanel = Panel();
    EXPECT_EQ(Text(pigmentPanel, 1481), "MegaPOV Option");
    EXPECT_FALSE(Enabled(pigmentPanel, 1079)) << "the MegaPOV option is always greyed";
    Click(pigmentPanel, 1127);
    Click(pigmentPanel, 1151);
    const auto pigmentItems = [&] { return Children(Item({"m[Material]", "[Texture]", "[Pigment]"})); };
    EXPECT_EQ(pigmentItems(), (Names{"[Checker]", "[Noise]"}));
    Click(pigmentPanel, 1141);
    EXPECT_EQ(pigment.m_kind, pigmentColorMap);
    EXPECT_EQ(pigmentItems(), (Names{"[Color Map]", "[Noise]"})) << "the noise stays";
    Click(pigmentPanel, 1147);
    EXPECT_EQ(pigmentItems(), (Names{"[Include]"}));
    EXPECT_FALSE(Enabled(pigmentPanel, 1151));
    EXPECT_EQ(pigment.m_useTurbulence, 1);
    Click(pigmentPanel, 1143);
    EXPECT_EQ(pigmentItems(), (Names{"[Image Map]", "[Noise]"}));

    ClickItem({"m[Material]", "[Texture]", "[Normal]"});
    CMaterialElementPanel& normalPanel = Panel();
    Click(normalPanel, 1153);
    const auto normalItems = [&] { return Children(Item({"m[Material]", "[Texture]", "[Normal]"})); };
    EXPECT_EQ(normalItems(), (Names{"[Noise Pattern]", "[Bump Size]"}));
    Click(normalPanel, 1579);
    EXPECT_EQ(normalItems(), (Names{"[Include]"}));
    EXPECT_FALSE(Enabled(normalPanel, 1153));
    EXPECT_FALSE(Enabled(normalPanel, 1155));
    Click(normalPanel, 1578);
    EXPECT_EQ(normalItems(), (Names{"[Bump Map]", "[Bump Size]"}))
        << "the bump size comes back with the type";

    // A finish that came with its MegaPOV option shows it, checked and greyed.
    const auto finishItems = [&] { return Children(Item({"m[Material]", "[Texture]", "[Finish]"})); };
    EXPECT_EQ(finishItems(), (Names{"[POV-Ray]", "[MegaPov]"}));
    ClickItem({"m[Material]", "[Texture]", "[Finish]"});
    CMaterialElementPanel& finishPanel = Panel();
    EXPECT_TRUE(Checked(finishPanel, 1079));
    EXPECT_FALSE(Enabled(finishPanel, 1079));
    Click(finishPanel, 1578);
    EXPECT_EQ(finishItems(), (Names{"[Include]"}));
    Click(finishPanel, 1577);
    EXPECT_EQ(finishItems(), (Names{"[POV-Ray]", "[MegaPov]"}));

    ClickItem({"m[Material]", "[Interior]"});
    Click(Panel(), 1578);
    EXPECT_EQ(Children(Item({"m[Material]", "[Interior]"})), (Names{"[Include]"}));
    EXPECT_EQ(mat->m_interior.m_declared, 1);
}

TEST_F(MaterialPageGuiTest, FinishValuesAreClampedAndTheAllBoxesAndSwatchesSetThreeComponents) {
    Open(true);
    CMaterialData* mat = Load("m", [](CMaterialData& m) {
        EverySection(m);
        m.m_texture.m_finish.m_brilliance = 3.0f;
        m.m_texture.m_finish.m_useIrid = 1;
        m.m_texture.m_finish.m_iridThickness = 0.75f;
    });
    CFinishData& finish = mat->m_texture.m_finish;
    ClickItem({"m[Material]", "[Texture]", "[Finish]", "[POV-Ray]"});
    CMaterialElementPanel& panel = Panel();
    EXPECT_EQ(Text(panel, 1196), "3.000") << "the brilliance of the material";

    Enter(panel, 1162, "1.5");
    EXPECT_EQ(finish.m_specular, 1.0f);
    EXPECT_EQ(Text(panel, 1162), "1.000");
    Enter(panel, 1171, "0");
    EXPECT_FLOAT_EQ(finish.m_roughness, 0.001f);
    EXPECT_TRUE(doc->IsModified());

    Click(panel, 1194);
    Enter(panel, 1185, "0.5");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(finish.m_ambient[i], 0.5f) << i;
    EXPECT_EQ(Text(panel, 1182), "0.500");
    EXPECT_EQ(Text(panel, 1188), "0.500");
    EXPECT_EQ(dynamic_cast<CColorButton&>(*panel.GetDlgItem(1195)).GetColor(), RGB(127, 127, 127));
    Click(panel, 1194);
    Enter(panel, 1188, "0.2");
    EXPECT_EQ(finish.m_ambient[0], 0.5f) << "without All, one component";
    EXPECT_FLOAT_EQ(finish.m_ambient[2], 0.2f);

    boxes.AnswerModal([](qf::CModalWindow& window) {
        dynamic_cast<CColorDialog&>(window).SetColor(RGB(255, 0, 51));
        return IDOK;
    });
    Click(panel, 1195);
    EXPECT_EQ(finish.m_ambient[0], 1.0f);
    EXPECT_EQ(finish.m_ambient[1], 0.0f);
    EXPECT_FLOAT_EQ(finish.m_ambient[2], 0.2f);
    EXPECT_EQ(Text(panel, 1188), "0.200");

    // The reflection waits for its switch.
    EXPECT_FALSE(Enabled(panel, 1199));
    EXPECT_FALSE(Enabled(panel, 1210));
    Click(panel, 1211);
    EXPECT_EQ(finish.m_useReflection, 1);
    EXPECT_TRUE(Enabled(panel, 1199));
    EXPECT_TRUE(Enabled(panel, 1210));

    Click(panel, 1225);
    EXPECT_EQ(finish.m_useIrid, 0);
    for (int id : {1221, 1227, 1420, 1421, 1424})
        EXPECT_FALSE(Enabled(panel, id)) << id;
    EXPECT_EQ(finish.m_iridThickness, 0.75f) << "the value stays in the record";
}

TEST_F(MaterialPageGuiTest, MegaPovAndInteriorValuesStayInTheirRanges) {
    Open(false);
    CMaterialData* mat = Load("m", [](CMaterialData& m) {
        EverySection(m);
        m.m_texture.m_finish.m_megaPov = 1;
        m.m_texture.m_finish.m_useReflectionType = 1;
    });
    ClickItem({"m[Material]", "[Texture]", "[Finish]", "[MegaPov]"});
    CMaterialElementPanel& megaPov = Panel();
    EXPECT_EQ(page->GetCurrentPanel(), page->FindPanel(itemFinishMegaPov));
    Enter(megaPov, 1093, "5");
    EXPECT_EQ(mat->m_texture.m_finish.m_reflectionType, 1) << "0 or 1";
    EXPECT_FALSE(Enabled(megaPov, 1084));
    Click(megaPov, 1081);
    EXPECT_TRUE(Enabled(megaPov, 1084));
    Enter(megaPov, 1084, "-250");
    EXPECT_EQ(mat->m_texture.m_finish.m_blinn[0], -100.0f);

    ClickItem({"m[Material]", "[Interior]", "[POV-Ray]"});
    CMaterialElementPanel& interior = Panel();
    Enter(interior, 1469, "9");
    EXPECT_EQ(mat->m_interior.m_ior, 5.0f);
    EXPECT_FALSE(Enabled(interior, 1576));
    Click(interior, 1472);
    EXPECT_TRUE(Enabled(interior, 1576));
    Enter(interior, 1576, "250000");
    EXPECT_EQ(mat->m_interior.m_fadeDistance, 100000.0f);
}

TEST_F(MaterialPageGuiTest, NoisePatternAndBumpSizeEditTheirOwnRecords) {
    Open(true);
    CMaterialData* mat = Load("m", [](CMaterialData& m) {
        EverySection(m);
        m.m_texture.m_pigment.m_useTurbulence = 1;
        m.m_texture.m_normal.m_useTurbulence = 1;
        m.m_texture.m_normal.m_useBumpSize = 1;
    });
    CTurbulenceData& pigmentNoise = mat->m_texture.m_pigment.m_turbulence;
    CTurbulenceData& normalNoise = mat->m_texture.m_normal.m_turbulence;

    ClickItem({"m[Material]", "[Texture]", "[Pigment]", "[Noise]"});
    Enter(Panel(), 1427, "0");
    Enter(Panel(), 1439, "400");
    Choose(Panel(), 1145, waveSine);
    EXPECT_EQ(pigmentNoise.m_octaves, 1);
    EXPECT_EQ(pigmentNoise.m_phase, 360.0f);
    EXPECT_EQ(pigmentNoise.m_waveType, waveSine);
    ClickItem({"m[Material]", "[Texture]", "[Normal]", "[Noise]"});
    EXPECT_EQ(Text(Panel(), 1427), "6") << "the normal's own turbulence";
    Enter(Panel(), 1420, "2.5");
    EXPECT_EQ(normalNoise.m_turbulence[0], 2.5f);
    EXPECT_EQ(pigmentNoise.m_turbulence[0], 0.0f);
    EXPECT_EQ(normalNoise.m_octaves, 6);

    ClickItem({"m[Material]", "[Texture]", "[Normal]", "[Noise Pattern]"});
    CMaterialElementPanel& pattern = Panel();
    Choose(pattern, 1052, patternSpiral2);
    EXPECT_EQ(mat->m_texture.m_normal.m_pattern.m_pattern, patternSpiral2);
    EXPECT_TRUE(Enabled(pattern, 1135));
    EXPECT_TRUE(Enabled(pattern, 1054));
    for (int id : {1061, 1074, 1154, 1163, 1214, 1272, 1276})
        EXPECT_FALSE(Enabled(pattern, id)) << id;
    Enter(pattern, 1135, "80");
    EXPECT_EQ(mat->m_texture.m_normal.m_pattern.m_spiralArms, 50);

    Choose(pattern, 1052, patternGradient);
    EXPECT_TRUE(Enabled(pattern, 1276));
    Click(pattern, 1276);
    EXPECT_TRUE(Checked(pattern, 1276)) << "the only axis stays checked";
    EXPECT_EQ(mat->m_texture.m_normal.m_pattern.m_gradient[2], 1);
    Click(pattern, 1214);
    Click(pattern, 1276);
    EXPECT_FALSE(Checked(pattern, 1276)) << "another axis is on";
    const int* axes = mat->m_texture.m_normal.m_pattern.m_gradient;
    EXPECT_EQ((std::vector<int>{axes[0], axes[1], axes[2]}), (std::vector<int>{1, 0, 0}));

    ClickItem({"m[Material]", "[Texture]", "[Normal]", "[Bump Size]"});
    Enter(Panel(), 1078, "200");
    EXPECT_EQ(mat->m_texture.m_normal.m_bumpSize, 100.0f);
}

TEST_F(MaterialPageGuiTest, TheImageMapTypeFollowsTheExtensionAndAnUnreadableFileIsRefused) {
    Open(true);
    CMaterialData* mat = Load("m", [](CMaterialData& m) {
        EverySection(m);
        m.m_texture.m_pigment.m_kind = pigmentImageMap;
        m.m_texture.m_normal.m_kind = normalBumpMap;
    });
    const auto chooseFile = [&](const char* path) {
        boxes.AnswerModal([path](qf::CModalWindow& window) {
            return dynamic_cast<CFileDialog&>(window).AcceptPath(path) ? IDOK : IDCANCEL;
        });
        Click(Panel(), 1230);
    };
    CImageMapData& image = mat->m_texture.m_pigment.m_imageMap;
    ClickItem({"m[Material]", "[Texture]", "[Pigment]", "[Image Map]"});
    EXPECT_EQ(Text(Panel(), 1475), "Image");
    chooseFile("/maps/Wood.PNG");
    EXPECT_EQ(image.m_fileName, "/maps/Wood.PNG");
    EXPECT_EQ(image.m_fileType, filePng);
    EXPECT_EQ(Text(Panel(), 1030), "/maps/Wood.PNG");

    for (const char* photo : {"/maps/photo.jpg", "/maps/photo.jpeg"}) {
        chooseFile(photo);
        EXPECT_EQ(image.m_fileName, "/maps/Wood.PNG") << photo << " is refused";
        EXPECT_EQ(image.m_fileType, filePng);
        ASSERT_FALSE(boxes.GetRequests().empty());
        EXPECT_NE(boxes.GetRequests().back().text.Find("gif, tga, iff, ppm, pgm, png, bmp"), -1)
            << "the message names the types POV-Ray reads";
    }
    Choose(Panel(), 1145, mapCylindrical);
    Choose(Panel(), 1240, 2);
    Click(Panel(), 1247);
    EXPECT_EQ(image.m_mapType, mapCylindrical);
    EXPECT_EQ(image.m_interpolate, 2);
    EXPECT_EQ(image.m_once, 1);

    ClickItem({"m[Material]", "[Texture]", "[Normal]", "[Bump Map]"});
    EXPECT_EQ(Text(Panel(), 1030), "") << "the normal's own bump map";
    chooseFile("/maps/bumps.bmp");
    Click(Panel(), 1251);
    const CImageMapData& bump = mat->m_texture.m_normal.m_bumpMap;
    EXPECT_EQ(bump.m_fileType, fileSys);
    EXPECT_EQ(bump.m_useIndex, 1);
    EXPECT_EQ(image.m_fileName, "/maps/Wood.PNG");
    EXPECT_EQ(image.m_useIndex, 0);
}

TEST_F(MaterialPageGuiTest, ADeclaredNameTakesAnyTextForItsOwnElement) {
    Open(false);
    CMaterialData* mat = Load("m", [](CMaterialData& m) {
        EverySection(m);
        m.m_texture.m_pigment.m_kind = pigmentDeclared;
        m.m_texture.m_finish.m_declared = 1;
    });
    ClickItem({"m[Material]", "[Texture]", "[Finish]", "[Include]"});
    boxes.AnswerModal(qf::test::RealDialogWithSteps<CRenameDlg>([&](CRenameDlg& dialog) {
        user.Type(dialog, 1063, "m");
        EXPECT_TRUE(Enabled(dialog, IDOK)) << "a name in use is no matter here";
        user.Click(dialog, IDOK);
    }));
    Click(Panel(), 1475);
    EXPECT_EQ(mat->m_texture.m_finish.m_declaredName, "m");
    EXPECT_EQ(Text(Panel(), 1063), "m");
    EXPECT_EQ(Buffer().GetPosition(), 0) << "no undo step";

    ClickItem({"m[Material]", "[Texture]", "[Pigment]", "[Include]"});
    EXPECT_EQ(Text(Panel(), 1063), "") << "the pigment's own name";
    EXPECT_EQ(mat->m_texture.m_pigment.m_declaredName, "");
}
