// The system's dialogs shown for real through the wx runner, answered with
// the keyboard.
#include "probe_wnd.h"

#include "platform/ui/common_dialogs.h"
#include "platform/ui/resource_lookup.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/display.h>

using qf::test::PumpEvents;

namespace {

// Presses the keys once the modal window is up. Without a window manager
// the keyboard follows the pointer, and the window is centred on its owner,
// which the tests centre on the screen.
void PressWhenShown(std::initializer_list<int> keys) {
    wxTheApp->CallAfter([keys = std::vector<int>(keys)] {
        PumpEvents(400);
        wxUIActionSimulator sim;
        const wxRect screen = wxDisplay(0u).GetGeometry();
        sim.MouseMove(screen.x + screen.width / 2, screen.y + screen.height / 2);
        PumpEvents(100);
        for (const int key : keys) {
            sim.Char(key);
            PumpEvents(100);
        }
    });
}

} // namespace

TEST(CommonDialogsGuiTest, MessageBoxesAnswerFromTheKeyboard) {
    CWxModalRunner runner;
    qf::test::ProbeFrame owner(nullptr, CRect(600, 400, 1000, 800));
    PressWhenShown({WXK_ESCAPE});
    EXPECT_EQ(MessageBox(owner.GetSafeHwnd(), "削除しますか?", "quelaForm", MB_YESNO | MB_ICONQUESTION), IDNO)
        << "Escape answers No";
    PressWhenShown({WXK_RETURN});
    EXPECT_EQ(MessageBox(owner.GetSafeHwnd(), "Saved.", "quelaForm", MB_OK | MB_ICONINFORMATION), IDOK);
}

TEST(CommonDialogsGuiTest, TheColourDialogStartsFromTheColourItIsGiven) {
    CWxModalRunner runner;
    qf::test::ProbeFrame owner(nullptr, CRect(600, 400, 1000, 800));
    CColorDialog dialog(RGB(10, 120, 230), CC_FULLOPEN, &owner);
    PressWhenShown({WXK_ESCAPE});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetColor(), RGB(10, 120, 230)) << "Cancel keeps the colour";
}

TEST(CommonDialogsTest, FilterPatternsAreTrimmedAndTakeTheirUpperCaseTwin) {
    EXPECT_EQ(GtkFilterPatterns("*.gif; *.tga;*.png "), "*.gif;*.GIF;*.tga;*.TGA;*.png;*.PNG");
    EXPECT_EQ(GtkFilterPatterns("*.*"), "*.*");
    EXPECT_EQ(GtkFilterPatterns(" ; "), "");
}
