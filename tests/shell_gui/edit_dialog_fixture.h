#pragma once
// A patch object with a grid cell and a bend of two curves, the document's
// commands, and the dialogs of the edit commands answered by the user.
#include "app/doc_fixture.h"
#include "resources/command_ids.h"
#include "shell/doc_commands.h"
#include "shell/recent_file_list.h"
#include "support/command_probe.h"
#include "support/model_builders.h"
#include "support/model_shapes.h"

#include <functional>
#include <optional>

// A unit grid cell (points 0-3, centred on (0.5, 0, 0.5)) and a bend of two
// open curves meeting at a right angle at (5, 0, 0): (4, 0, 0)-(5, 0, 0)
// (points 4, 5) and (5, 0, 0)-(5, 0, 1) (points 5, 6).
class EditDialogCommandsTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        obj = doc->AddPatchObject();
        obj->AppendGeometry(qf::test::MakeFlatQuadGrid(1).get(), 0);
        CPatchVertex* start = obj->AddVertex(4, 0, 0);
        CPatchVertex* joint = obj->AddVertex(5, 0, 0);
        qf::test::AddCurveThrough(*obj, {start, joint});
        qf::test::AddCurveThrough(*obj, {joint, obj->AddVertex(5, 0, 1)});
        obj->UpdateCurveHandles();
        obj->SetSelected(1);
        commands.emplace(*doc, recent);
    }
    CPatchVertex* Point(int i) { return obj->GetVertices().GetAtIndex(i); }
    void Run(UINT id) { qf::test::RunCommand(*commands, id); }
    // The user confirms the next dialog, of class Dialog, after set-up.
    template <class Dialog> void Confirm(std::function<void(Dialog&)> setUp = [](Dialog&) {}) {
        boxes.AnswerModal([setUp](qf::CModalWindow& window) {
            setUp(dynamic_cast<Dialog&>(window));
            return IDOK;
        });
    }
    // Copies the grid cell and selects the first segment of the bend.
    void CopyCellAndSelectBend() {
        Point(0)->SetSelected(1);
        Run(ID_EDIT_COPY);
        obj->SelectAllVertices(0);
        obj->GetCurves().GetAtIndex(4)->m_nodes.GetHead()->m_selected = 1;
    }

    CRecentFileList recent{4};
    std::optional<CQuelDocCommands> commands;
    CSpatchObj* obj = nullptr;
};
