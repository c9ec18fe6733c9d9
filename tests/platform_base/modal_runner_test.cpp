#include "platform/base/modal_runner.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>
#include <optional>

using qf::CScriptedModalRunner;

TEST(ModalRunnerTest, ScriptedRunnerAnswersInOrderKeepsEveryQuestionAndGivesTheOuterOneBack) {
    qf::test::RecordingWindow owner;
    CScriptedModalRunner outer;
    outer.Answer(IDNO);
    {
        std::optional<CScriptedModalRunner> inner(std::in_place);
        inner->Answer(IDYES);
        EXPECT_EQ(MessageBox(owner.GetSafeHwnd(), "delete cube?", "check", MB_YESNO | MB_ICONQUESTION),
                  IDYES);
        ASSERT_EQ(inner->GetRequests().size(), 1u);
        const qf::CModalRequest& box = inner->GetRequests()[0];
        EXPECT_EQ(box.owner, owner.GetSafeHwnd());
        EXPECT_EQ(box.text, "delete cube?");
        EXPECT_EQ(box.caption, "check");
        EXPECT_EQ(box.type, MB_YESNO | MB_ICONQUESTION);
    }
    EXPECT_EQ(MessageBox(HWND{}, "Replace OK?", "check", MB_YESNO), IDNO);
    EXPECT_EQ(outer.GetRequests().size(), 1u);
    EXPECT_EQ(outer.GetUnscriptedCount(), 0);
    EXPECT_TRUE(owner.received.empty()) << "a box is no message to its owner";
}

TEST(ModalRunnerTest, UnansweredBoxesChangeNothing) {
    const std::pair<UINT, int> cases[] = {
        {MB_OK | MB_ICONERROR, IDOK},
        {MB_OKCANCEL, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, IDNO},
        {MB_YESNOCANCEL, IDCANCEL},
    };
    for (const auto& [type, answer] : cases) {
        {
            CScriptedModalRunner runner;
            EXPECT_EQ(MessageBox(HWND{}, "text", "caption", type), answer) << type;
            EXPECT_EQ(runner.GetUnscriptedCount(), 1);
        }
        // With no runner at all the box goes to the error stream.
        EXPECT_EQ(MessageBox(HWND{}, "text", "caption", type), answer) << type;
    }
}
