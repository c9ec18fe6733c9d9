// Every dialog with number fields, run for real with keys and clicks: Enter
// in a field keeps the number typed into it, and closing with fields the
// user only visited hands back each value exactly as it came in, also one
// with more digits than its field shows or outside the field's range.
#include "app/opengl_setting.h"
#include "app/render_setting.h"
#include "app/renderer_list.h"
#include "dialogs/array_dlg.h"
#include "dialogs/connect_dlg.h"
#include "dialogs/debug_info_dlg.h"
#include "dialogs/export_setting_dlg.h"
#include "dialogs/extrude_curve_dlg.h"
#include "dialogs/material_axis_dlg.h"
#include "dialogs/mdl_setting_dlg.h"
#include "dialogs/numeric_transform_dlg.h"
#include "dialogs/paste_along_curve_dlg.h"
#include "dialogs/render_setting_dlg.h"
#include "dialogs/renderer_setting_dlg.h"
#include "dialogs/smoothness_dlg.h"
#include "dialogs/subdivide_curve_dlg.h"
#include "dialogs/undo_setting_dlg.h"
#include "dialogs/viewport_setting_dlgs.h"
#include "render_dialog_fixture.h"

#include <vector>

using namespace qf::test;

namespace {

using Values = std::vector<float>;
// Makes a dialog with its presets, runs it through `open` and returns what
// the caller reads back from it.
using OpenDialog = std::function<void(CDialog&)>;
using DialogRun = std::function<Values(const OpenDialog&)>;

CVector3 Odd(float x, float y, float z) {
    return {x, y, z};
}

Values Of(const CVector3& v) {
    return {v.GetX(), v.GetY(), v.GetZ()};
}

class NumberFieldDialogsGuiTest : public RenderDialogGuiTest {
protected:
    NumberFieldDialogsGuiTest() {
        CRendererInfo info;
        info.title = "POV-Ray 3.7";
        renderers.Add(info);
        setting.rendering_type = 1; // typed size: the size fields take input
        setting.use_anti = 1;
        setting.anti_use_jitter = 1;
    }
    static Values RenderNumbers(const CRenderSetting& rs) {
        return {float(rs.image_w),  float(rs.image_h), float(rs.aspect_x),
                float(rs.aspect_y), rs.anti_threshold, rs.anti_jitter};
    }

    CRendererList renderers;
    CRenderSetting setting;
    COpenGLSetting glSetting;
};

} // namespace

TEST_F(NumberFieldDialogsGuiTest, EnterKeepsTheNumberTypedIntoTheFocusedField) {
    struct Row {
        const char* dialog;
        int field;
        const char* typed;
        float expected;
        DialogRun run;
    };
    const Row rows[] = {
        {"render setting", 1063, "800", 800,
         [&](const OpenDialog& open) {
             CRenderSettingDlg dialog(setting, renderers);
             open(dialog);
             return Values{float(setting.image_w)};
         }},
        {"camera", 1495, "33.5", 33.5f,
         [](const OpenDialog& open) {
             CCameraSettingDlg dialog;
             open(dialog);
             return Values{dialog.m_angle};
         }},
        {"grid", 1363, "2.5", 2.5f,
         [](const OpenDialog& open) {
             CGridSettingDlg dialog;
             open(dialog);
             return Values{dialog.m_size};
         }},
        {"view", 1462, "7", 7,
         [](const OpenDialog& open) {
             CViewSettingDlg dialog;
             open(dialog);
             return Values{dialog.m_gridSize};
         }},
        {"smoothness", 1063, "6", 6,
         [](const OpenDialog& open) {
             CSmoothnessDlg dialog;
             open(dialog);
             return Values{float(dialog.m_value)};
         }},
        {"subdivide curve", 1063, "9", 9,
         [](const OpenDialog& open) {
             CSubdivideCurveDlg dialog;
             open(dialog);
             return Values{float(dialog.m_count)};
         }},
        {"extrude curve", 1519, "2.25", 2.25f,
         [](const OpenDialog& open) {
             CExtrudeCurveDlg dialog;
             open(dialog);
             return Values{dialog.m_radius};
         }},
        {"numeric transform", 1063, "12.5", 12.5f,
         [](const OpenDialog& open) {
             CNumericTransformDlg dialog;
             open(dialog);
             return Values{dialog.m_x};
         }},
        {"array", 1226, "7", 7,
         [](const OpenDialog& open) {
             CArrayDlg dialog;
             open(dialog);
             return Values{float(dialog.m_count)};
         }},
        {"connect", 1063, "45", 45,
         [](const OpenDialog& open) {
             CConnectDlg dialog;
             open(dialog);
             return Values{dialog.m_angle};
         }},
        {"undo depth", 1063, "50", 50,
         [](const OpenDialog& open) {
             CUndoSettingDlg dialog;
             open(dialog);
             return Values{float(dialog.m_depth)};
         }},
        {"paste along curve", 1058, "9", 9,
         [](const OpenDialog& open) {
             CPasteAlongCurveDlg dialog;
             dialog.m_mode = CPasteAlongCurveDlg::pasteAtSubdivisions;
             open(dialog);
             return Values{float(dialog.m_subdivision)};
         }},
        {"export setting", 1709, "2.5", 2.5f,
         [](const OpenDialog& open) {
             CExportSettingDlg dialog;
             dialog.m_mode = CExportSettingDlg::modeSubdivisionAndScale;
             open(dialog);
             return Values{dialog.m_scale};
         }},
        {"mdl setting", 1063, "250", 2.5f,
         [](const OpenDialog& open) {
             CMdlSettingDlg dialog;
             dialog.m_magnitudeMode = mdlMagnitudeCustom;
             open(dialog);
             return Values{dialog.m_roundMagnitude};
         }},
        {"material axis", 1063, "3.25", 3.25f,
         [](const OpenDialog& open) {
             CMaterialAxisDlg dialog;
             open(dialog);
             return Values{dialog.m_position.GetX()};
         }},
        {"debug info", 1464, "0.5", 0.5f,
         [&](const OpenDialog& open) {
             CDebugInfoDlg dialog(glSetting);
             open(dialog);
             return Values{glSetting.specular};
         }},
        {"renderer setting", 1679, "5", 5,
         [](const OpenDialog& open) {
             CRendererSettingDlg dialog;
             CRendererInfo info;
             info.title = "POV-Ray";
             dialog.SetInfo(info);
             open(dialog);
             return Values{float(dialog.GetInfo().output_patch_level)};
         }},
    };
    for (const Row& row : rows) {
        int result = kStillOpen;
        const Values back = row.run([&](CDialog& dialog) {
            result = Run(dialog, [&] {
                Type(dialog, row.field, row.typed);
                user.Key(WXK_RETURN);
            });
        });
        EXPECT_EQ(result, IDOK) << row.dialog;
        EXPECT_NEAR(back.at(0), row.expected, 1e-5) << row.dialog;
    }
}

TEST_F(NumberFieldDialogsGuiTest, FieldsOnlyVisitedGiveBackTheValuesTheyWereGiven) {
    struct Row {
        const char* dialog;
        std::vector<int> fields; // visited in turn; Enter closes in the last
        Values given;
        DialogRun run;
    };
    setting.image_w = 20000;
    setting.aspect_x = 40;
    setting.anti_threshold = 0.12345f;
    setting.anti_jitter = 1.5f;
    glSetting.specular = 12.5f;
    glSetting.shininess = 0.00049f;
    const Row rows[] = {
        {"render setting",
         {1063, 1462, 1681, 1682},
         RenderNumbers(setting),
         [&](const OpenDialog& open) {
             CRenderSettingDlg dialog(setting, renderers);
             open(dialog);
             return RenderNumbers(setting);
         }},
        {"camera",
         {1482, 1487, 1489, 1491, 1495},
         {12.34567f, 2000, -0.00049f, 0.1f, 0, 0, 175},
         [](const OpenDialog& open) {
             CCameraSettingDlg dialog;
             dialog.m_location = Odd(12.34567f, 2000, -0.00049f);
             dialog.m_lookAt = Odd(0.1f, 0, 0);
             dialog.m_angle = 175;
             open(dialog);
             Values back = Of(dialog.m_location);
             for (float v : Of(dialog.m_lookAt))
                 back.push_back(v);
             back.push_back(dialog.m_angle);
             return back;
         }},
        {"grid",
         {1363, 1370},
         {0.00025f, 5000},
         [](const OpenDialog& open) {
             CGridSettingDlg dialog;
             dialog.m_size = 0.00025f;
             dialog.m_count = 5000;
             open(dialog);
             return Values{dialog.m_size, float(dialog.m_count)};
         }},
        {"view",
         {1063, 1462},
         {20, 0.5f},
         [](const OpenDialog& open) {
             CViewSettingDlg dialog;
             dialog.m_resolution = 20;
             dialog.m_gridSize = 0.5f;
             open(dialog);
             return Values{float(dialog.m_resolution), dialog.m_gridSize};
         }},
        {"numeric transform",
         {1063, 1462, 1464},
         {1.23456f, 5000, -0.0001f},
         [](const OpenDialog& open) {
             CNumericTransformDlg dialog;
             dialog.m_x = 1.23456f;
             dialog.m_y = 5000;
             dialog.m_z = -0.0001f;
             open(dialog);
             return Values{dialog.m_x, dialog.m_y, dialog.m_z};
         }},
        {"extrude curve",
         {1519},
         {0.004f},
         [](const OpenDialog& open) {
             CExtrudeCurveDlg dialog;
             dialog.m_radius = 0.004f;
             open(dialog);
             return Values{dialog.m_radius};
         }},
        {"connect",
         {1063},
         {200.0625f},
         [](const OpenDialog& open) {
             CConnectDlg dialog;
             dialog.m_angle = 200.0625f;
             open(dialog);
             return Values{dialog.m_angle};
         }},
        {"material axis",
         {1063, 1462},
         {1.23456f, 1500, 0},
         [](const OpenDialog& open) {
             CMaterialAxisDlg dialog;
             dialog.m_position = Odd(1.23456f, 1500, 0);
             open(dialog);
             return Of(dialog.m_position);
         }},
        {"debug info",
         {1464, 1675},
         {12.5f, 0.00049f},
         [&](const OpenDialog& open) {
             CDebugInfoDlg dialog(glSetting);
             open(dialog);
             return Values{glSetting.specular, glSetting.shininess};
         }},
    };
    for (const Row& row : rows) {
        int result = kStillOpen;
        const Values back = row.run([&](CDialog& dialog) {
            result = Run(dialog, [&] {
                for (int id : row.fields)
                    Click(dialog, id);
                user.Key(WXK_RETURN);
            });
        });
        EXPECT_EQ(result, IDOK) << row.dialog;
        ASSERT_EQ(back.size(), row.given.size()) << row.dialog;
        for (size_t i = 0; i < back.size(); ++i)
            EXPECT_EQ(back[i], row.given[i]) << row.dialog << ", value " << i;
    }
}
