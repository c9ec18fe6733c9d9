#pragma once
// The view's commands run as a menu sends them, on a document made for each
// test: panes that write what they were asked to draw, dialogs answered by
// the test, and the check that an edit left one undo step which gives the
// document back byte for byte.
#include "app/doc_fixture.h"
#include "recording_pane.h"
#include "support/command_probe.h"
#include "support/doc_bytes.h"
#include "support/model_builders.h"
#include "support/model_shapes.h"
#include "viewport/model_command.h"
#include "viewport/quel_view.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>

class ViewCommandTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        for (int p = 0; p < kPaneCount; ++p)
            doc->RegisterWindow(panes[p].GetSafeHwnd(), wndGLPane0 + p);
        view.emplace(doc.get());
        obj = doc->AddPatchObject();
        obj->SetName("patch_obj_00");
        obj->SetSelected(1);
    }

    CPatchVertex* Point(int i) const { return obj->GetVertices().GetAtIndex(i); }
    void Select(std::initializer_list<int> points) const {
        for (int i : points)
            Point(i)->SetSelected(1);
    }
    void Run(UINT id) { qf::test::RunCommand(*view, id); }
    bool Enabled(UINT id) { return qf::test::IsItemEnabled(*view, id) != FALSE; }
    // What pane 0 drew since the last call.
    std::string Drawn() {
        std::string drawn = panes[0].log;
        for (RecordingPane& pane : panes)
            pane.log.clear();
        return drawn;
    }
    // The user confirms the next dialog, of class Dialog, after set-up.
    template <class Dialog> void Confirm(std::function<void(Dialog&)> setUp = [](Dialog&) {}) {
        boxes.AnswerModal([setUp](qf::CModalWindow& window) {
            setUp(dynamic_cast<Dialog&>(window));
            return IDOK;
        });
    }
    // The command changed the document and left exactly one undo step, which
    // gives the document back as it was before.
    void ExpectOneStepThatUndoes(const std::string& before) {
        EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
        EXPECT_NE(qf::test::DocumentBytes(*doc), before) << "the command changed nothing";
        doc->m_undoBuffer.Undo();
        EXPECT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(*doc)));
    }

    RecordingPane panes[kPaneCount];
    std::optional<CQuelView> view;
    CSpatchObj* obj = nullptr;
};
