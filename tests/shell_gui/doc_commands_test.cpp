// Edit > Copy, Cut and Paste through the document's clipboard object, and
// the items they enable.
#include "app/doc_fixture.h"
#include "resources/command_ids.h"
#include "shell/doc_commands.h"
#include "shell/recent_file_list.h"
#include "support/command_probe.h"
#include "support/model_shapes.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

class DocCommandsTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        obj = doc->AddPatchObject();
        obj->AppendGeometry(qf::test::MakeFlatQuadGrid(1).get(), 0);
        // A second piece, a curve of two points beside the grid.
        CPatchVertex* a = obj->AddVertex(5, 0, 0);
        CPatchVertex* b = obj->AddVertex(6, 0, 0);
        qf::test::AddCurveThrough(*obj, {a, b});
        obj->SetSelected(1);
        commands.emplace(*doc, recent);
    }
    BOOL Enabled(UINT id) { return qf::test::IsItemEnabled(*commands, id); }
    void Run(UINT id) { qf::test::RunCommand(*commands, id); }
    int SelectedFrom(int first) {
        int index = 0, selected = 0;
        for (const CPatchVertex* v : obj->GetVertices())
            if (index++ >= first && v->m_selected)
                ++selected;
        return selected;
    }

    CRecentFileList recent{4};
    std::optional<CQuelDocCommands> commands;
    CSpatchObj* obj = nullptr;
};

} // namespace

TEST_F(DocCommandsTest, CopyWithoutSelectionLeavesNothingToPaste) {
    EXPECT_FALSE(Enabled(ID_EDIT_COPY));
    Run(ID_EDIT_COPY);
    EXPECT_TRUE(doc->m_clipboardObject.GetVertices().IsEmpty());
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    EXPECT_FALSE(Enabled(ID_EDIT_REDO)) << "Redo is always grey";
}

TEST_F(DocCommandsTest, CutTakesTheWholeConnectedPieceAndPasteSelectsOnlyTheNewPoints) {
    obj->GetVertices().GetAtIndex(0)->SetSelected(1);
    ASSERT_TRUE(Enabled(ID_EDIT_CUT));
    Run(ID_EDIT_CUT);
    EXPECT_EQ(doc->m_clipboardObject.GetVertices().GetCount(), 4) << "the grid cell the point belongs to";
    EXPECT_EQ(obj->GetVertices().GetCount(), 2) << "the other piece stays";
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);

    ASSERT_TRUE(Enabled(ID_EDIT_PASTE));
    for (int paste = 1; paste <= 2; ++paste) {
        const int before = obj->GetVertices().GetCount();
        Run(ID_EDIT_PASTE);
        EXPECT_EQ(obj->GetVertices().GetCount(), before + 4) << "paste " << paste;
        EXPECT_EQ(SelectedFrom(0), 4) << "only the pasted points are selected";
        EXPECT_EQ(SelectedFrom(before), 4);
    }
    Run(ID_EDIT_UNDO);
    EXPECT_EQ(obj->GetVertices().GetCount(), 6) << "one paste undone";
}

TEST_F(DocCommandsTest, PasteAtSelectionCentresThePastedPoints) {
    obj->GetVertices().GetAtIndex(0)->SetSelected(1);
    Run(ID_EDIT_COPY);
    obj->SelectAllVertices(0);
    obj->GetVertices().GetAtIndex(4)->SetSelected(1);
    obj->GetVertices().GetAtIndex(5)->SetSelected(1);
    Run(ID_EDIT_PASTE_AT_SELECTION);
    // The copied unit cell is centred on (0.5, 0, 0.5); the selection on (5.5, 0, 0).
    const CPatchVertex* first = obj->GetVertices().GetAtIndex(6);
    EXPECT_FLOAT_EQ(first->GetX(), 5.0f);
    EXPECT_FLOAT_EQ(first->GetZ(), -0.5f);
    EXPECT_EQ(SelectedFrom(6), 4);
}

TEST_F(DocCommandsTest, NonEditableObjectIsNotCutAndSaysSo) {
    obj->GetVertices().GetAtIndex(0)->SetSelected(1);
    obj->SetEditable(0);
    boxes.Answer(IDOK);
    Run(ID_EDIT_CUT);
    EXPECT_EQ(obj->GetVertices().GetCount(), 6);
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);
    EXPECT_EQ(boxes.GetRequests().size(), 1u);
}
