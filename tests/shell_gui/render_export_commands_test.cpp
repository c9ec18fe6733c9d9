// File > Export of the renderers' files and Help > Debug through the
// document's command routing, the dialogs answered as the user would.
#include "app/doc_fixture.h"
#include "dialogs/debug_info_dlg.h"
#include "dialogs/pov_export_dlg.h"
#include "platform/base/file_util.h"
#include "platform/ui/common_dialogs.h"
#include "resources/command_ids.h"
#include "shell/doc_commands.h"
#include "shell/recent_file_list.h"
#include "support/command_probe.h"
#include "support/model_shapes.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

class RenderExportCommandsTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        doc->DeleteAllObjects();
        commands.emplace(*doc, recent);
    }
    BOOL Enabled(UINT id) { return qf::test::IsItemEnabled(*commands, id); }
    void Run(UINT id) { qf::test::RunCommand(*commands, id); }
    void AnswerFile(const std::string& path) {
        boxes.AnswerModal([this, path](qf::CModalWindow& window) {
            auto& dialog = dynamic_cast<CFileDialog&>(window);
            filters.push_back(dialog.GetFilters()[0].second.str());
            return dialog.AcceptPath(path.c_str()) ? IDOK : IDCANCEL;
        });
    }

    CRecentFileList recent{4};
    std::optional<CQuelDocCommands> commands;
    std::vector<std::string> filters;
};

} // namespace

TEST_F(RenderExportCommandsTest, ExportsWaitForObjectsAndMegaPovStaysGrey) {
    for (UINT id :
         {ID_FILE_EXPORT_POVRAY, ID_FILE_EXPORT_RIB, ID_FILE_EXPORT_LIGHTFLOW, ID_FILE_EXPORT_MEGAPOV})
        EXPECT_FALSE(Enabled(id)) << id;
    doc->AddPatchObject()->AppendGeometry(qf::test::MakeTriangleFan(3).get(), 0);
    for (UINT id : {ID_FILE_EXPORT_POVRAY, ID_FILE_EXPORT_RIB, ID_FILE_EXPORT_LIGHTFLOW})
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_FALSE(Enabled(ID_FILE_EXPORT_MEGAPOV)) << "it would write nothing";
    EXPECT_TRUE(Enabled(ID_HELP_DEBUG));
}

TEST_F(RenderExportCommandsTest, EachExportWritesTheChosenFileAndCancelWritesNothing) {
    doc->AddPatchObject()->AppendGeometry(qf::test::MakeTriangleFan(3).get(), 0);
    boxes.AnswerModal([](qf::CModalWindow& window) {
        auto& dialog = dynamic_cast<CPovExportDlg&>(window);
        dialog.m_rendererIndex = 0;
        dialog.m_renderSetting.use_radiosity = 1;
        return IDOK;
    });
    AnswerFile(m_home.File("scene.pov"));
    Run(ID_FILE_EXPORT_POVRAY);
    const std::string scene = qf::test::ReadFileBytes(m_home.File("scene.pov"));
    EXPECT_EQ(scene.rfind("#include \"scene_obj.inc\"", 0), 0u)
        << "the first start's POV-Ray writes a separate include";
    EXPECT_NE(scene.find("radiosity"), std::string::npos) << "the dialog's radiosity switch";
    EXPECT_TRUE(qf::FileExists(m_home.File("scene_obj.inc")));

    AnswerFile(m_home.File("scene.rib"));
    Run(ID_FILE_EXPORT_RIB);
    EXPECT_NE(qf::test::ReadFileBytes(m_home.File("scene.rib")).find("Patch \"bicubic\""), std::string::npos);
    AnswerFile(m_home.File("scene.py"));
    Run(ID_FILE_EXPORT_LIGHTFLOW);
    EXPECT_NE(qf::test::ReadFileBytes(m_home.File("scene.py")).find("\"scene.tga\""), std::string::npos);
    EXPECT_EQ(filters, (std::vector<std::string>{"*.pov", "*.rib", "*.py"}));

    boxes.AnswerModal(IDCANCEL);
    Run(ID_FILE_EXPORT_POVRAY);
    EXPECT_EQ(boxes.GetModalCount(), 5) << "no file dialog after the renderer dialog was cancelled";
    AnswerFile(m_home.File("missing folder/scene.rib"));
    Run(ID_FILE_EXPORT_RIB);
    ASSERT_EQ(boxes.GetRequests().size(), 1u) << "a file that cannot be written is told";
    EXPECT_GE(boxes.GetRequests()[0].text.Find("missing folder/scene.rib"), 0);
}

TEST_F(RenderExportCommandsTest, DebugShowsTheRegisteredWindowCount) {
    Register(wndView);
    Register(wndGLPane0);
    int shown = -1;
    boxes.AnswerModal([&shown](qf::CModalWindow& window) {
        shown = dynamic_cast<CDebugInfoDlg&>(window).m_windowCount;
        return IDOK;
    });
    Run(ID_HELP_DEBUG);
    EXPECT_EQ(shown, doc->GetRegisteredWindowCount());
    EXPECT_EQ(shown, 2);
}
