// Memory running out for real in the running program (its operator new
// refuses what goes beyond a budget) while the panes prepare an object's
// surfaces: the program goes on and says so once; the document, its undo
// list and its modified flag are as they were.
#include "app/quel_doc.h"
#include "shell/object_info_edits.h"
#include "shell_gui/running_app.h"
#include "support/allocation_budget.h"
#include "support/doc_bytes.h"
#include "support/model_shapes.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using qf::test::PumpEvents;

constexpr UINT kCreateStar = 30055;

class MemoryShortageGuiTest : public qf::test::RunningAppGuiTest {
protected:
    // What running out of memory must leave as it was.
    struct Kept {
        std::string bytes;
        std::vector<std::string> steps; // undo descriptions, oldest first
        int position = 0;
        BOOL modified = FALSE;
    };
    Kept Now() {
        Kept now{qf::test::DocumentBytes(Doc()), {}, Doc().m_undoBuffer.GetPosition(), Doc().IsModified()};
        for (int i = 0; i < Doc().m_undoBuffer.GetRecordCount(); ++i)
            now.steps.push_back(Doc().m_undoBuffer.GetRecord(i)->m_english.str());
        return now;
    }
    void ExpectAsBefore(const Kept& before) {
        const Kept after = Now();
        EXPECT_TRUE(qf::test::SameDocumentBytes(before.bytes, after.bytes));
        EXPECT_EQ(after.steps, before.steps);
        EXPECT_EQ(after.position, before.position);
        EXPECT_EQ(after.modified, before.modified);
    }

    // A selected object the modelling commands work on, with two undo steps
    // made by a command; the list holds no more, so that a third pushes the
    // first out.
    CSpatchObj* AddEditedObject() {
        for (CSpatchObj* other : Doc().m_objects)
            other->SetSelected(0);
        CSpatchObj* obj = Doc().AddPatchObject();
        obj->SetName("edited");
        obj->SetSelected(1);
        Command(kCreateStar);
        Command(kCreateStar);
        Doc().m_undoBuffer.SetMaxLevels(2);
        return obj;
    }

    void ShowSurfaces(int on) {
        for (CPaneDisplaySettings& pane : Doc().m_settings.m_panes)
            pane.m_showSurfaces = on;
    }
};

// An object of n x n four-sided patches shown through a display mesh whose
// subdivision needs far more memory than the budget leaves.
CSpatchObj* AddSubdividedGrid(CQuelDoc& doc, const char* name, int n) {
    CSpatchObj* obj = doc.AddPatchObject(qf::test::MakeFlatQuadGrid(n));
    obj->SetName(name);
    obj->SetPolygonize(1);
    obj->SetDivision(8);
    obj->SetSubdivisionOn(1);
    obj->SetSubdivisionCount(16);
    return obj;
}

} // namespace

TEST_F(MemoryShortageGuiTest, SurfacesLeftOutAreToldOnceAndTriedAgainOnceTheirObjectChanges) {
    Start();
    AddEditedObject();
    ShowSurfaces(0);
    CSpatchObj* obj = AddSubdividedGrid(Doc(), "subdivided", 8);
    PumpEvents(100);
    const Kept before = Now();
    const size_t asked = runner.GetRequests().size();
    runner.Answer(IDOK);
    const qf::test::AllocationBudget budget(8u << 20);
    ShowSurfaces(1);
    for (int paint = 0; paint < 3; ++paint) {
        Doc().RedrawPanes();
        PumpEvents(100);
    }
    EXPECT_GT(budget.GetRefusals(), 0) << "memory did not run out";
    ASSERT_EQ(runner.GetRequests().size(), asked + 1) << "told once";
    const std::string told = runner.GetRequests().back().text.str();
    EXPECT_NE(told.find("\"subdivided\""), std::string::npos) << told;
    EXPECT_NE(told.find("Subdivision Surface"), std::string::npos) << told;
    EXPECT_EQ(obj->GetMeshCache(), nullptr);
    ExpectAsBefore(before);

    // Without subdivision its display mesh needs little memory.
    CObjectInfoValues values = ReadObjectInfo(*obj);
    values.subdivision = 0;
    ChangeObjectInfo(Doc(), *obj, ObjectInfoField::subdivision, values);
    PumpEvents(200);
    EXPECT_NE(obj->GetMeshCache(), nullptr) << "the display mesh is built now";
    EXPECT_EQ(runner.GetRequests().size(), asked + 1);
}
