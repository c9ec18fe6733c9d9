// File > Export > Pygmalion up to the writing: the export settings, the
// document's fill option, the save dialog and the object to write.
#include "app/doc_fixture.h"
#include "dialogs/export_setting_dlg.h"
#include "platform/ui/common_dialogs.h"
#include "shell/pygmalion_export.h"
#include "support/model_shapes.h"

#include <gtest/gtest.h>

namespace {

class PygmalionExportTest : public DocTest {
protected:
    // The user's choices: the scope and fill, then the file (none: cancelled).
    std::optional<CPygmalionExportTarget> Choose(int scope, BOOL fill, const char* file) {
        boxes.AnswerModal([=](qf::CModalWindow& window) {
            auto& settings = dynamic_cast<CExportSettingDlg&>(window);
            EXPECT_EQ(settings.m_mode, CExportSettingDlg::modeScopeAndSurfaces);
            settings.m_scope = scope;
            settings.m_createAllSurfaces = fill;
            return IDOK;
        });
        boxes.AnswerModal([this, file](qf::CModalWindow& window) {
            auto& dialog = dynamic_cast<CFileDialog&>(window);
            EXPECT_EQ(dialog.GetFilters()[0], (std::pair<CString, CString>("Pygmalion(*.pyg)", "*.pyg")));
            return file && dialog.AcceptPath(m_home.File(file).c_str()) ? IDOK : IDCANCEL;
        });
        return ChoosePygmalionExport(*doc);
    }
};

} // namespace

TEST_F(PygmalionExportTest, TheCurrentObjectOrAllObjectsMergedGoToTheChosenFile) {
    for (int n : {1, 2})
        doc->AddPatchObject()->AppendGeometry(qf::test::MakeFlatQuadGrid(n).get(), 0);
    CSpatchObj* current = doc->m_objects.GetAtIndex(1);
    current->SetSelected(1);

    std::optional<CPygmalionExportTarget> target = Choose(exportSelectedObject, TRUE, "one");
    ASSERT_TRUE(target);
    EXPECT_EQ(target->object, current);
    EXPECT_EQ(target->path, m_home.File("one.pyg").c_str());
    EXPECT_EQ(doc->m_pygmalionFill, 1);

    target = Choose(exportAllObjects, FALSE, "all.pyg");
    ASSERT_TRUE(target && target->object == target->merged.get());
    EXPECT_EQ(target->object->GetVertices().GetCount(), 4 + 9);
    EXPECT_EQ(doc->m_pygmalionFill, 0);

    EXPECT_FALSE(Choose(exportAllObjects, TRUE, nullptr)) << "no file chosen";
    EXPECT_EQ(doc->m_pygmalionFill, 1) << "the confirmed settings are kept";

    current->SetSelected(0);
    boxes.Answer(IDOK);
    EXPECT_FALSE(Choose(exportSelectedObject, TRUE, "none"));
    ASSERT_EQ(boxes.GetRequests().size(), 1u);
    EXPECT_EQ(boxes.GetRequests()[0].text, "unselect obj");
    EXPECT_EQ(boxes.GetModalCount(), 7) << "no file asked for without a current object";
}
