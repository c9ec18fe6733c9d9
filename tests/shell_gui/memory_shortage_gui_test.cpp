// Memory running out for real in the running program (its operator new
// refuses what goes beyond a budget): while the panes prepare an object's
// surfaces, while an import searches its patches, while a modelling command
// runs and while a tool's press records its step. The program goes on and
// says so once; the document, its undo list and its modified flag are as
// they were.
#include "app/quel_doc.h"
#include "formats/spt_format.h"
#include "platform/ui/common_dialogs.h"
#include "resources/command_ids.h"
#include "shell/object_info_edits.h"
#include "shell_gui/running_app.h"
#include "support/allocation_budget.h"
#include "support/doc_bytes.h"
#include "support/model_shapes.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using qf::test::PumpEvents;

constexpr UINT kCreateStar = 30055;
constexpr UINT kLathe = 30181;

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
    CGLPane& Pane(int i) { return Frame().GetView().GetSplitter().GetPane(i).GetFrame().GetGLPane(); }

    qf::test::TempDir files;
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

// Every one of n points joined to every other by a curve of its own: a small
// file whose patch search finds thousands of triangles.
std::string JoinedPointsSpt(int n) {
    CSpatchObj obj;
    std::vector<CPatchVertex*> points;
    for (int i = 0; i < n; ++i) {
        const float a = 2.399963f * static_cast<float>(i);
        const float y = 1.0f - 2.0f * static_cast<float>(i) / static_cast<float>(n - 1);
        const float r = std::sqrt(std::max(0.0f, 1.0f - y * y));
        points.push_back(obj.AddVertex(r * std::cos(a), y, r * std::sin(a)));
    }
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            qf::test::AddCurveThrough(obj, {points[static_cast<size_t>(i)], points[static_cast<size_t>(j)]});
    obj.UpdateCurveHandles();
    return WriteSptText({&obj});
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

TEST_F(MemoryShortageGuiTest, EachStepThatRunsOutIsTakenBackAndToldOnce) {
    struct Case {
        const char* name;
        size_t budget;
        std::function<void()> setUp;
        std::function<void()> run; // short of memory
        const char* told;          // in the one message
    };
    CPoint press;
    const Case cases[] = {
        {"an import searches the patches of a file", 512u << 10,
         [this] {
             const std::string path = files.File("joined.spt");
             qf::test::WriteFileBytes(path, JoinedPointsSpt(24));
             runner.AnswerModal(IDOK);
             runner.AnswerModal([path](qf::CModalWindow& window) {
                 return dynamic_cast<CFileDialog&>(window).AcceptPath(path.c_str()) ? IDOK : IDCANCEL;
             });
         },
         [this] { Command(ID_FILE_IMPORT_SPT); }, "\"(File) Import\""},
        {"the lathe sweeps a long profile", 2u << 20,
         [this] {
             CSpatchObj* obj = Doc().m_objects.GetTail();
             std::vector<CPatchVertex*> profile;
             for (int i = 0; i < 400; ++i)
                 profile.push_back(obj->AddVertex(1.0f + 0.001f * static_cast<float>(i), 0.01f * i, 0.0f));
             obj->SelectAllVertices(0);
             for (CPatchVertex* v : profile)
                 v->SetSelected(1);
             qf::test::AddCurveThrough(*obj, profile);
             obj->UpdateCurveHandles();
             Doc().m_settings.m_latheCount = 64;
         },
         [this] { Command(kLathe); }, "\"(Patch) Lathe\""},
        {"the translate tool's press records a large object", 128u << 10,
         [this, &press] {
             CSpatchObj* obj = Doc().m_objects.GetTail();
             CPatchVertex* point = obj->AddVertex(0.0f, 0.0f, 0.0f);
             obj->AppendGeometry(qf::test::MakeFlatQuadGrid(120).get(), 0);
             obj->SelectAllVertices(0);
             point->SetSelected(1);
             obj->ProjectVertices(Doc().m_cameras[0]);
             press = CPoint(point->m_screenX, point->m_screenY);
         },
         [this, &press] {
             // The press on the selected point finds no memory for its step;
             // the rest of the drag moves nothing.
             mouse.MoveTo(Pane(0), press);
             mouse.Down();
             for (int dx : {30, 60})
                 mouse.MoveTo(Pane(0), CPoint(press.x + dx, press.y));
             mouse.Up();
         },
         "\"(Patch) Translate\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start();
        AddEditedObject();
        c.setUp();
        Doc().RedrawPanes();
        PumpEvents(100);
        const Kept before = Now();
        const size_t asked = runner.GetRequests().size();
        runner.Answer(IDOK);
        int refusals = 0;
        {
            const qf::test::AllocationBudget budget(c.budget);
            c.run();
            PumpEvents(200);
            // Repaints after it tell nobody anything more.
            Doc().RedrawPanes();
            PumpEvents(200);
            refusals = budget.GetRefusals();
        }
        EXPECT_GT(refusals, 0) << "memory did not run out";
        ASSERT_EQ(runner.GetRequests().size(), asked + 1) << "told once";
        const std::string told = runner.GetRequests().back().text.str();
        EXPECT_NE(told.find(c.told), std::string::npos) << told;
        ExpectAsBefore(before);
        Stop();
    }
}

// Whichever allocation of a renaming notice is refused, the object tree
// shows the new name once the page gets its next notice: it is never left
// showing the old name for good. The display being behind is told once.
TEST_F(MemoryShortageGuiTest, ARenamingOfTheTreeThatRunsOutIsDoneAgainAtTheNextNotice) {
    Start();
    CSpatchObj* obj = Doc().m_objects.GetHead();
    ASSERT_NE(obj, nullptr);
    const auto notice = [this](int code) { Page().SendMessage(WM_DOC_NOTIFY, 0, code); };
    long long count = 0;
    obj->SetName("a name long enough to be allocated 0");
    {
        const qf::test::AllocationFailure counting(0);
        notice(notifyRenameTreeItems);
        count = counting.GetCount();
    }
    ASSERT_GT(count, 0);
    const size_t asked = runner.GetRequests().size();
    runner.Answer(IDOK);
    for (long long n = 1; n <= count; ++n) {
        SCOPED_TRACE("allocation " + std::to_string(n) + " of " + std::to_string(count));
        const CString name = "a name long enough to be allocated " + std::to_string(n);
        obj->SetName(name);
        bool refused = false;
        {
            const qf::test::AllocationFailure failure(n);
            notice(notifyRenameTreeItems);
            refused = failure.HasRefused();
        }
        EXPECT_TRUE(refused);
        notice(notifyRepaintPanes);
        EXPECT_EQ(Page().GetTree().GetItemText(static_cast<HTREEITEM>(obj->GetTreeItem())), name);
    }
    ASSERT_EQ(runner.GetRequests().size(), asked + 1);
    EXPECT_EQ(runner.GetRequests().back().text,
              "There was not enough memory to bring the display up to date.");
}
