// File > Export and File > Import of the exchange formats through the
// document's command routing, with the dialogs answered as the user would:
// which items are enabled, which settings each format asks for, and what
// the dialogs' answers do.
#include "app/doc_fixture.h"
#include "dialogs/export_setting_dlg.h"
#include "dialogs/import_settings_dlg.h"
#include "dialogs/mdl_setting_dlg.h"
#include "platform/ui/common_dialogs.h"
#include "resources/command_ids.h"
#include "shell/doc_commands.h"
#include "shell/recent_file_list.h"
#include "support/command_probe.h"
#include "support/model_shapes.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

class ExchangeCommandsTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        doc->DeleteAllObjects();
        commands.emplace(*doc, recent);
    }
    BOOL Enabled(UINT id) { return qf::test::IsItemEnabled(*commands, id); }
    void Run(UINT id) { qf::test::RunCommand(*commands, id); }

    // The export settings dialog answered with OK after edit changed it; the
    // mode it was opened in is kept.
    template <class Edit> void AnswerSettings(Edit edit) {
        boxes.AnswerModal([this, edit](qf::CModalWindow& window) {
            auto& settings = dynamic_cast<CExportSettingDlg&>(window);
            modes.push_back(settings.m_mode);
            edit(settings);
            return IDOK;
        });
    }
    void AnswerFile(const std::string& name) {
        boxes.AnswerModal([this, name](qf::CModalWindow& window) {
            auto& dialog = dynamic_cast<CFileDialog&>(window);
            filters.push_back(dialog.GetFilters()[0].second.str());
            return dialog.AcceptPath(m_home.File(name).c_str()) ? IDOK : IDCANCEL;
        });
    }

    CRecentFileList recent{4};
    std::optional<CQuelDocCommands> commands;
    std::vector<int> modes;
    std::vector<std::string> filters;
};

} // namespace

TEST_F(ExchangeCommandsTest, ExportItemsWaitForObjectsAndImportsAndUnsupportedFormatsDoNot) {
    for (UINT id : {ID_FILE_EXPORT_SPT, ID_FILE_EXPORT_MQO, ID_FILE_EXPORT_DXF, ID_FILE_EXPORT_X})
        EXPECT_FALSE(Enabled(id)) << id;
    for (UINT id : {ID_FILE_IMPORT_SPT, ID_FILE_IMPORT_MQO})
        EXPECT_TRUE(Enabled(id)) << id;
    doc->AddPolygonObject();
    EXPECT_TRUE(Enabled(ID_FILE_EXPORT_MQO)) << "a polygon object is enough for Metasequoia";
    EXPECT_FALSE(Enabled(ID_FILE_EXPORT_DXF));
    doc->AddPatchObject();
    for (UINT id : {ID_FILE_EXPORT_SPT, ID_FILE_EXPORT_MQO, ID_FILE_EXPORT_DXF, ID_FILE_EXPORT_X})
        EXPECT_TRUE(Enabled(id)) << id;
    for (UINT id : {ID_FILE_EXPORT_TRUESPACE, ID_FILE_EXPORT_LIGHTWAVE5, ID_FILE_EXPORT_LIGHTWAVE6,
                    ID_FILE_IMPORT_PYGMALION})
        EXPECT_FALSE(Enabled(id)) << id;
}

TEST_F(ExchangeCommandsTest, EachExportAsksForItsSettingsAndFileAndWritesIt) {
    CSpatchObj* box = doc->AddPatchObject();
    box->AppendGeometry(qf::test::MakeFlatQuadGrid(2).get(), 0);
    box->SetSelected(1);

    AnswerSettings([](CExportSettingDlg& s) { s.m_subdivision = 2; });
    AnswerFile("grid.dxf");
    Run(ID_FILE_EXPORT_DXF);
    AnswerSettings([](CExportSettingDlg& s) { s.m_scale = 10.0f; });
    AnswerFile("grid");
    Run(ID_FILE_EXPORT_MQO);
    AnswerSettings([](CExportSettingDlg&) {});
    AnswerFile("grid.x");
    Run(ID_FILE_EXPORT_X);
    AnswerFile("grid.spt");
    Run(ID_FILE_EXPORT_SPT);

    EXPECT_EQ(modes,
              (std::vector<int>{CExportSettingDlg::modeSubdivision,
                                CExportSettingDlg::modeSubdivisionAndScale, CExportSettingDlg::modeScope}));
    EXPECT_EQ(filters, (std::vector<std::string>{"*.dxf", "*.mqo", "*.x", "*.spt"}));
    const std::string dxf = qf::test::ReadFileBytes(m_home.File("grid.dxf"));
    EXPECT_NE(dxf.find("3DFACE"), std::string::npos);
    const std::string mqo = qf::test::ReadFileBytes(m_home.File("grid.mqo"));
    EXPECT_NE(mqo.find("\t\t20.0000 0.0000 -20.0000\n"), std::string::npos) << "scaled by 10";
    EXPECT_TRUE(qf::test::ReadFileBytes(m_home.File("grid.x")).starts_with("xof 0302txt 0064\n"));
    EXPECT_TRUE(qf::test::ReadFileBytes(m_home.File("grid.spt")).starts_with("sPatches\n"));
    EXPECT_EQ(boxes.GetUnscriptedCount(), 0);
}

TEST_F(ExchangeCommandsTest, ImportsTakeTheChosenFileAndTheLayerColours) {
    CSpatchObj* grid = doc->AddPatchObject();
    grid->AppendGeometry(qf::test::MakeFlatQuadGrid(1).get(), 0);
    AnswerFile("grid.spt");
    Run(ID_FILE_EXPORT_SPT);
    AnswerSettings([](CExportSettingDlg&) {});
    AnswerFile("grid.mqo");
    Run(ID_FILE_EXPORT_MQO);

    boxes.AnswerModal([](qf::CModalWindow& window) {
        auto& settings = dynamic_cast<CImportSettingsDlg&>(window);
        settings.m_layerColors.fill(0x00123456);
        return IDOK;
    });
    AnswerFile("grid.spt");
    Run(ID_FILE_IMPORT_SPT);
    AnswerFile("grid.mqo");
    Run(ID_FILE_IMPORT_MQO);

    ASSERT_EQ(doc->m_objects.GetCount(), 3);
    EXPECT_EQ(doc->m_objects.GetAtIndex(1)->GetName(), "grid[Layer1]");
    EXPECT_EQ(doc->m_objects.GetAtIndex(1)->GetColor(), 0x00123456u);
    EXPECT_EQ(doc->m_objects.GetAtIndex(2)->GetVertices().GetCount(), 4);
    EXPECT_EQ(doc->m_undoBuffer.GetPosition(), 2);

    boxes.AnswerModal(IDCANCEL);
    Run(ID_FILE_IMPORT_SPT);
    EXPECT_EQ(doc->m_objects.GetCount(), 3) << "cancelled in the settings";
    EXPECT_EQ(boxes.GetUnscriptedCount(), 0);
}

TEST_F(ExchangeCommandsTest, SecondFormatsEnableByTheirOwnRulesAndRunTheirDialogs) {
    EXPECT_TRUE(Enabled(ID_FILE_IMPORT_MDL));
    for (UINT id : {ID_FILE_EXPORT_MDL, ID_FILE_EXPORT_OBJ, ID_FILE_EXPORT_PYGMALION})
        EXPECT_FALSE(Enabled(id)) << id;
    CSpatchObj* grid = doc->AddPatchObject();
    grid->AppendGeometry(qf::test::MakeFlatQuadGrid(1).get(), 0);
    EXPECT_TRUE(Enabled(ID_FILE_EXPORT_MDL));
    EXPECT_FALSE(Enabled(ID_FILE_EXPORT_OBJ)) << "OBJ and Pygmalion write the selected object";
    EXPECT_FALSE(Enabled(ID_FILE_EXPORT_PYGMALION));
    grid->SetSelected(1);
    EXPECT_TRUE(Enabled(ID_FILE_EXPORT_OBJ));
    EXPECT_TRUE(Enabled(ID_FILE_EXPORT_PYGMALION));
    for (UINT id : {ID_FILE_IMPORT_OBJ, ID_FILE_EXPORT_VRML, ID_FILE_EXPORT_RRT, ID_FILE_IMPORT_LWO})
        EXPECT_FALSE(Enabled(id)) << id << " stays disabled";

    boxes.AnswerModal([](qf::CModalWindow& window) {
        auto& settings = dynamic_cast<CMdlSettingDlg&>(window);
        settings.m_magnitudeMode = mdlMagnitudeCustom;
        settings.m_roundMagnitude = 2.0f;
        return IDOK;
    });
    AnswerFile("grid.mdl");
    Run(ID_FILE_EXPORT_MDL);
    AnswerSettings([](CExportSettingDlg& s) { s.m_subdivision = 2; });
    AnswerFile("grid.obj");
    Run(ID_FILE_EXPORT_OBJ);
    AnswerSettings([](CExportSettingDlg& s) { s.m_createAllSurfaces = TRUE; });
    AnswerFile("grid.pyg");
    Run(ID_FILE_EXPORT_PYGMALION);
    AnswerFile("grid.mdl");
    Run(ID_FILE_IMPORT_MDL);

    EXPECT_EQ(modes, (std::vector<int>{CExportSettingDlg::modeSubdivisionAndScope,
                                       CExportSettingDlg::modeScopeAndSurfaces}));
    EXPECT_EQ(filters, (std::vector<std::string>{"*.mdl", "*.obj", "*.pyg", "*.mdl"}));
    EXPECT_NE(qf::test::ReadFileBytes(m_home.File("grid.mdl")).find("0 0 2.00000\n"), std::string::npos);
    const std::string obj = qf::test::ReadFileBytes(m_home.File("grid.obj"));
    EXPECT_TRUE(obj.starts_with("# exported by quelaForm\n\no " + grid->GetName().str() + "\n")) << obj;
    size_t faces = 0;
    for (size_t at = obj.find("\nf "); at != std::string::npos; at = obj.find("\nf ", at + 1))
        ++faces;
    EXPECT_EQ(faces, 4u) << "four quads at subdivision 2";
    EXPECT_TRUE(qf::test::ReadFileBytes(m_home.File("grid.pyg"))
                    .starts_with("PYG\nversion1.0\n# comment line \n4 4 1"));
    ASSERT_EQ(doc->m_objects.GetCount(), 2);
    EXPECT_EQ(doc->m_objects.GetTail()->GetName(), "grid");
    EXPECT_EQ(doc->m_undoBuffer.GetPosition(), 1);
    EXPECT_EQ(boxes.GetUnscriptedCount(), 0);
}
