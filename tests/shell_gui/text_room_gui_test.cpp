// Room for texts in the running program, in both languages: the render
// settings show every text whole, the tool tabs' Japanese captions stay
// clear of the tabs' bottom line, the command bars are black only behind
// their buttons, and GTK never finds a control given less than its minimum.
#include "running_app.h"
#include "text_room.h"

#include "resources/command_ids.h"

#include <string>
#include <vector>

using qf::test::CutTexts;
using qf::test::PumpEvents;
using qf::test::SaveScreenPicture;

namespace {

bool Dark(COLORREF colour) {
    return GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 300;
}

class TextRoomGuiTest : public qf::test::RunningAppGuiTest {
protected:
    // The caption pixels of the tool tabs on the row just above the tabs' bottom line.
    int CaptionPixelsOnTheBottomLine() {
        CTabStrip& tabs = Frame().GetToolDialogBar().GetTabDialog().GetTabStrip();
        const CPixelImage image = CaptureClientImage(tabs);
        const int row = image.height - 2 - 1; // the strip draws its line 2 pixels inside
        int dark = 0;
        for (int tab = 0; tab < tabs.GetItemCount(); ++tab) {
            const TabPlace place = tabs.GetItemPlace(tab);
            for (int x = place.x + 10; x < place.x + place.width - 10 && x < image.width; ++x)
                dark += Dark(image.At(x, row)) ? 1 : 0;
        }
        return dark;
    }
};

} // namespace

TEST_F(TextRoomGuiTest, TextsShowWholeAndTheBarsAreBlackOnlyBehindTheirButtons) {
    for (const ResourceLanguage language : {ResourceLanguage::Japanese, ResourceLanguage::English}) {
        const std::string suffix = language == ResourceLanguage::Japanese ? "_ja.png" : "_en.png";
        qf::test::CapturedStderr errors;
        Start(language);

        RunNextDialog([&](CDialog& dialog) {
            EXPECT_EQ(CutTexts(dialog), std::vector<std::string>{});
            EXPECT_FALSE(SaveScreenPicture(dialog, "render_setting" + suffix).empty());
        });
        Command(ID_RENDER_SETTING);

        if (language == ResourceLanguage::Japanese) {
            EXPECT_EQ(CaptionPixelsOnTheBottomLine(), 0);
        }

        Command(ID_WINDOW_MENU_LEFT);
        Command(ID_WINDOW_MENU_RIGHT);
        PumpEvents(150);
        EXPECT_FALSE(SaveScreenPicture(Frame(), "command_bars" + suffix).empty());
        for (CDialog* bar : {static_cast<CDialog*>(&Frame().GetCommandBar().GetDialog()),
                             static_cast<CDialog*>(&Frame().GetCommandBar2().GetDialog())}) {
            const CPixelImage image = CaptureClientImage(*bar);
            CRect first;
            bar->GetWindow(GW_CHILD)->GetRectInParent(&first);
            EXPECT_TRUE(Dark(image.At(image.width / 2, first.bottom))) << "black between the buttons";
            EXPECT_FALSE(Dark(image.At(image.width / 2, image.height - 1))) << "no black strip below them";
        }
        // Hidden again, so that the next start begins as this one did.
        Command(ID_WINDOW_MENU_LEFT);
        Command(ID_WINDOW_MENU_RIGHT);
        Stop();
        EXPECT_EQ(errors.Text().find("gtk_box_gadget_distribute"), std::string::npos);
    }
}
