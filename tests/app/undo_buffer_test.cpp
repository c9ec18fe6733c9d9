// The undo list: how records are opened, kept, dropped and cleared, the
// depth, the Edit menu's text, and what the save operations and
// ReduceToPositions keep.
#include "support/doc_bytes.h"
#include "undo_fixture.h"

using qf::test::PointsOf;

namespace {

// n records described "edit 1" ... "edit n", of no kind, so that Undo only moves back.
void RecordEdits(CUndoBuffer& buffer, int first, int last) {
    for (int i = first; i <= last; ++i) {
        buffer.BeginRecord();
        buffer.SetDescription(CString("編集 ") + IntToString(i), CString("edit ") + IntToString(i));
    }
}

std::vector<std::string> Descriptions(const CUndoBuffer& buffer) {
    std::vector<std::string> texts;
    for (int i = 0; i < buffer.GetRecordCount(); ++i)
        texts.push_back(buffer.GetRecord(i)->m_english.str());
    return texts;
}

} // namespace

class UndoBufferTest : public UndoTest {};

TEST_F(UndoBufferTest, TheNewestRecordsUpToTheMaximumAreKept) {
    EXPECT_EQ(Buffer().GetMaxLevels(), 15);
    RecordEdits(Buffer(), 1, 16);
    EXPECT_EQ(Buffer().GetRecordCount(), 15);
    EXPECT_EQ(Buffer().GetPosition(), 15);
    EXPECT_EQ(Buffer().GetRecord(0)->m_english, "edit 2");
    EXPECT_EQ(Buffer().GetRecord(14)->m_english, "edit 16");
}

TEST_F(UndoBufferTest, AnEditAfterUndoDiscardsTheUndoneRecords) {
    RecordEdits(Buffer(), 1, 5);
    for (int i = 0; i < 3; ++i)
        Buffer().Undo();
    EXPECT_EQ(Buffer().GetPosition(), 2);
    EXPECT_EQ(Buffer().GetRecordCount(), 5) << "undone records stay until the next edit";
    RecordEdits(Buffer(), 6, 6);
    EXPECT_EQ(Descriptions(Buffer()), (std::vector<std::string>{"edit 1", "edit 2", "edit 6"}));
    EXPECT_EQ(Buffer().GetPosition(), 3);
}

TEST_F(UndoBufferTest, LoweringTheMaximumDropsTheOldestRecordsAtOnce) {
    RecordEdits(Buffer(), 1, 10);
    for (int i = 0; i < 8; ++i)
        Buffer().Undo();
    Buffer().SetMaxLevels(3);
    EXPECT_EQ(Descriptions(Buffer()), (std::vector<std::string>{"edit 8", "edit 9", "edit 10"}));
    EXPECT_EQ(Buffer().GetPosition(), 0);
    EXPECT_FALSE(Buffer().CanUndo()) << "every kept record was undone";
    EXPECT_EQ(Buffer().GetUndoMenuText(), "&Undo");

    // Raising it keeps what is there; lowering it again drops the oldest.
    RecordEdits(Buffer(), 11, 12);
    Buffer().SetMaxLevels(20);
    EXPECT_EQ(Descriptions(Buffer()), (std::vector<std::string>{"edit 11", "edit 12"}));
    RecordEdits(Buffer(), 13, 15);
    Buffer().SetMaxLevels(2);
    EXPECT_EQ(Descriptions(Buffer()), (std::vector<std::string>{"edit 14", "edit 15"}));
    EXPECT_EQ(Buffer().GetPosition(), 2);
}

TEST_F(UndoBufferTest, DepthZeroRecordsNothingAndNoSaveLandsInAnotherStep) {
    CSpatchObj* obj = AddObject("patch_obj_00", 1);
    RecordEdits(Buffer(), 1, 2);
    Buffer().SetMaxLevels(-4);
    EXPECT_EQ(Buffer().GetMaxLevels(), 0) << "a negative depth counts as 0";
    EXPECT_EQ(Buffer().GetRecordCount(), 0);

    Doc().SetModifiedFlag(FALSE);
    Record(undoObjectName, "(パッチ) 名前を変更", "(Patch) Change Name");
    Buffer().SaveObjectName(obj);
    Buffer().ReduceToPositions();
    EXPECT_TRUE(Doc().IsModified()) << "the command still marks the document modified";
    EXPECT_EQ(Buffer().GetRecordCount(), 0);
    EXPECT_EQ(Buffer().GetUndoMenuText(), "&Undo");
    Buffer().Undo();

    // Once a record was undone, a stray save does not reach it either.
    Buffer().SetMaxLevels(1);
    Record(undoKindNone, "編集", "edit");
    Buffer().Undo();
    Buffer().SaveObjectName(obj);
    Buffer().SetKind(undoCreateObject);
    ASSERT_EQ(Buffer().GetRecordCount(), 1);
    EXPECT_TRUE(Buffer().GetRecord(0)->m_objects.IsEmpty());
    EXPECT_EQ(Buffer().GetRecord(0)->m_kind, undoKindNone);
}

TEST_F(UndoBufferTest, MenuTextNamesTheStepUndoWouldTakeBackInTheInterfaceLanguage) {
    const auto menuIn = [this](int english) {
        GetAppState().m_english = english;
        return Buffer().GetUndoMenuText();
    };
    EXPECT_EQ(menuIn(0), "元に戻す(&U)");
    EXPECT_EQ(menuIn(1), "&Undo");
    Record(undoKindNone, "(パッチ) 移動", "(Patch) Translate");
    Record(undoKindNone, "(ライト) ライトを作成", "(Light) Create Light");
    EXPECT_EQ(menuIn(0), "元に戻す(&U) (ライト) ライトを作成");
    EXPECT_EQ(menuIn(1), "&Undo (Light) Create Light");
    Buffer().Undo();
    EXPECT_EQ(menuIn(1), "&Undo (Patch) Translate");
    EXPECT_EQ(menuIn(0), "元に戻す(&U) (パッチ) 移動");
    Buffer().Undo();
    EXPECT_EQ(menuIn(0), "元に戻す(&U)");
}

TEST_F(UndoBufferTest, BeginRecordMarksTheDocumentModifiedAndANewDocumentStartsWithoutRecords) {
    Doc().SetModifiedFlag(FALSE);
    RecordEdits(Buffer(), 1, 3);
    EXPECT_TRUE(Doc().IsModified());
    Buffer().SetMaxLevels(7);
    Doc().m_createDefaultObject = 0;
    Doc().OnNewDocument();
    EXPECT_EQ(Buffer().GetRecordCount(), 0);
    EXPECT_FALSE(Buffer().CanUndo());
    EXPECT_EQ(Buffer().GetMaxLevels(), 7) << "the depth is a setting, not part of the scene";

    RecordEdits(Buffer(), 1, 2);
    Buffer().Clear();
    EXPECT_EQ(Buffer().GetRecordCount(), 0);
    EXPECT_EQ(Buffer().GetPosition(), 0);
    EXPECT_EQ(Buffer().GetMaxLevels(), 7);
}

TEST_F(UndoBufferTest, ReduceToPositionsKeepsOnlyThePointsOfAOnePointTranslate) {
    BuildMidSizeScene();
    CSpatchObj* obj = FindObjectByName("patch_obj_00");
    Record(undoWholeObject, "(パッチ) 移動", "(Patch) Translate");
    Buffer().SaveWholePatchObject(obj);
    Buffer().ReduceToPositions();

    const CUndoRecord& record = *Buffer().GetRecord(0);
    EXPECT_EQ(record.m_kind, undoPatchPositions);
    EXPECT_EQ(record.m_english, "(Patch) Translate");
    const CSpatchObj& saved = *record.m_objects.GetHead();
    EXPECT_TRUE(saved.GetCurves().IsEmpty());
    EXPECT_TRUE(saved.GetPatches().IsEmpty());
    EXPECT_TRUE(saved.GetFivePatches().IsEmpty());
    EXPECT_TRUE(saved.GetVertices().IsEmpty()) << "the points are kept compact, not as a copy";
    ASSERT_EQ(record.m_points.size(), 1u);
    const CSavedPoints& points = *record.m_points.front();
    ASSERT_EQ(points.Count(), obj->GetVertices().GetCount());
    int i = 0;
    for (const CPatchVertex* live : obj->GetVertices()) {
        EXPECT_EQ(points.Position(i), static_cast<const CVector3&>(*live));
        EXPECT_EQ(points.Selected(i), live->m_selected);
        EXPECT_EQ(points.Visible(i), live->m_visible);
        EXPECT_EQ(points.FivePoint(i), live->m_fivePoint);
        ++i;
    }

    // It now restores as a positions record.
    const auto before = Snapshot();
    PointsOf(*obj)[6]->Set(4.0f, 4.0f, 4.0f);
    obj->UpdateCurveHandles();
    Buffer().Undo();
    EXPECT_TRUE(SameScene(before, Snapshot()));
}

TEST_F(UndoBufferTest, ReduceToPositionsLeavesOtherRecordsWhole) {
    CSpatchObj* obj = AddObject("patch_obj_00", 2);
    struct Case {
        const char* what;
        int kind;
        const char* japanese;
        bool keepWhole;
    };
    // The Add Point record is known by its mark, whatever its menu text says.
    for (const Case& c : {Case{"an Add Point drag", undoWholeObject, "(パッチ) 移動", true},
                          Case{"a positions record", undoPatchPositions, "(パッチ) 移動", false},
                          Case{"a geometry record", undoPatchGeometry, "(パッチ) 回転", false}}) {
        Record(c.kind, c.japanese, "(Patch)");
        if (c.keepWhole)
            Buffer().KeepWhole();
        Buffer().SaveWholePatchObject(obj);
        Buffer().ReduceToPositions();
        const CUndoRecord& record = *Buffer().GetRecord(Buffer().GetRecordCount() - 1);
        EXPECT_EQ(record.m_kind, c.kind) << c.what;
        EXPECT_EQ(record.m_objects.GetHead()->GetCurves().GetCount(), 6) << c.what;
    }
    // Without an open record (the step was undone) there is nothing to reduce.
    Record(undoWholeObject, "(パッチ) 移動", "(Patch) Translate");
    Buffer().SaveWholePatchObject(obj);
    Buffer().Undo();
    Buffer().ReduceToPositions();
    EXPECT_EQ(Buffer().GetRecord(Buffer().GetRecordCount() - 1)->m_kind, undoWholeObject);
}

TEST_F(UndoBufferTest, SaveOperationsKeepNamesKeysAndParentsNotPointersIntoTheScene) {
    BuildMidSizeScene();
    CSpatchObj* obj = FindObjectByName("patch_obj_03");
    Record(undoParentChange, "親オブジェクト変更", "Change Parent Object");
    Buffer().SaveParentChange(obj, nullptr);
    Record(undoDeleteObject, "(パッチ) オブジェクトを削除", "(Patch) Delete Object");
    Buffer().SaveWholePatchObject(obj);
    Doc().DeleteObject(obj);

    const CObjList<CBaseObj>& parents = Buffer().GetRecord(0)->m_baseObjects;
    ASSERT_EQ(parents.GetCount(), 3);
    EXPECT_EQ(parents.GetAtIndex(0)->GetName(), "patch_obj_03");
    EXPECT_EQ(parents.GetAtIndex(0)->GetKey(), "spatch_obj3");
    EXPECT_EQ(parents.GetAtIndex(1)->GetName(), "group_02");
    EXPECT_EQ(parents.GetAtIndex(1)->GetKey(), "folder3");
    EXPECT_EQ(parents.GetAtIndex(2)->GetKey(), "") << "the top level";

    // The object is gone; its copy stands on its own.
    const CUndoRecord& deletion = *Buffer().GetRecord(1);
    EXPECT_EQ(deletion.m_parentKey, "folder3");
    const CSpatchObj& copy = *deletion.m_objects.GetHead();
    EXPECT_EQ(copy.GetName(), "patch_obj_03");
    EXPECT_EQ(copy.GetKey(), "spatch_obj3");
    EXPECT_EQ(copy.GetParentFolder(), nullptr);
    EXPECT_EQ(copy.GetVertices().GetCount(), 16);
    for (const CCurve* curve : copy.GetCurves())
        for (const CCurvePoint* node : curve->m_nodes)
            EXPECT_NE(copy.GetVertices().Find(node->m_vertex), nullptr);
}

// What an edit that runs out of memory leaves: the steps it began taken back,
// the records their BeginRecord removed given back, in their places.
TEST_F(UndoBufferTest, AHoldGivesTheListBackAsItWasWithTheDocumentOfEachStepBegunSince) {
    struct Case {
        const char* name;
        int undone;    // of the three edits before the hold
        int maxLevels; // the list is full at 3
        int steps;     // each moves the points
        bool takeBack; // else the steps changed nothing and are dropped
    };
    const Case cases[] = {
        {"steps push the oldest records out", 0, 3, 2, true},
        {"a step removes the undone records", 2, 15, 1, true},
        {"a step that changed nothing removes both", 1, 3, 1, false},
        {"no step was begun", 1, 3, 0, true},
    };
    CSpatchObj* obj = AddObject("patch_obj_00", 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Buffer().Clear();
        Buffer().SetMaxLevels(15);
        RecordEdits(Buffer(), 1, 3);
        for (int i = 0; i < c.undone; ++i)
            Buffer().Undo();
        Buffer().SetMaxLevels(c.maxLevels);
        Doc().SetModifiedFlag(FALSE);
        const std::vector<std::string> steps = Descriptions(Buffer());
        const int position = Buffer().GetPosition();
        const std::string bytes = qf::test::DocumentBytes(Doc());
        {
            CUndoHold hold(Buffer());
            for (int i = 0; i < c.steps; ++i) {
                Record(undoPatchPositions);
                Buffer().SavePatchPositions(obj);
                if (c.takeBack)
                    for (CPatchVertex* v : obj->GetVertices())
                        v->SetX(v->GetX() + 1.0f);
            }
            if (c.takeBack)
                EXPECT_EQ(hold.TakeBack(), c.steps > 0);
            else
                hold.Drop();
        }
        EXPECT_EQ(Descriptions(Buffer()), steps);
        EXPECT_EQ(Buffer().GetPosition(), position);
        EXPECT_FALSE(Doc().IsModified());
        EXPECT_TRUE(qf::test::SameDocumentBytes(bytes, qf::test::DocumentBytes(Doc())));
    }
}
