// Rendering in the running program, first start and all: the pane menu's
// render, a dragged render region and the material preview go through
// povray while the interface keeps running; a missing renderer is named; the
// pane's own picture reaches the clipboard; the underlay command loads a
// bitmap and refuses a damaged one.
#include "app/app_state.h"
#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "app/quel_doc.h"
#include "dialogs/background_image_dlg.h"
#include "platform/base/file_util.h"
#include "platform/ui/resource_lookup.h"
#include "platform/ui/screen_image.h"
#include "platform_ui_gui/probe_wnd.h"
#include "platform_ui_gui/screen_picture.h"
#include "resources/command_ids.h"
#include "shell/main_frame.h"
#include "shell/quel_app.h"
#include "support/gui_modal.h"
#include "support/image.h"
#include "support/model_shapes.h"
#include "support/run_program.h"
#include "support/scoped_env.h"
#include "viewport/gl_pane.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>

using namespace qf::test;

namespace {

class RenderCommandsGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveDisplay())
            GTEST_SKIP() << "no display";
        std::filesystem::create_directories(m_output);
        // English, so the language question does not come.
        WriteFileBytes(m_folders.Settings().File("quel_resource_type.ini"), "english");
        app = std::make_unique<CQuelApp>();
        ASSERT_TRUE(app->InitInstance({"quelaform"}));
        PumpEvents(200);
        doc = app->GetDocument();
        CSpatchObj* fan = doc->AddPatchObject();
        fan->SetName("fan");
        fan->AppendGeometry(MakeTriangleFan(6).get(), 0);
        CLightData* light = doc->AddLight();
        light->m_location = {5, 10, -10};
        doc->m_render.output_folder = CString(m_output.string());
        doc->m_render.rendering_type = 1;
        doc->m_render.image_w = 160;
        doc->m_render.image_h = 120;
        doc->m_render.preview_render_camera = 1;
        doc->m_cameras[1].m_eye = CVector3(0.0f, 2.5f, -4.0f);
        RedrawAllPanes();
        PumpEvents(100);
    }
    void TearDown() override {
        if (app) {
            app->ExitInstance();
            app.reset();
        }
        GetAppState() = CQuelAppState();
        SetResourceLanguage(ResourceLanguage::Japanese);
    }

    CMainFrame& Frame() { return *app->GetMainFrame(); }
    CGLPane& Pane(int index) { return Frame().GetView().GetSplitter().GetPane(index).GetFrame().GetGLPane(); }
    void Command(UINT id) { Frame().SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    std::string Output(const char* name) const { return (m_output / name).string(); }
    // The picture povray writes, once it is whole; the event loop runs meanwhile.
    bool AwaitPicture(const std::string& path, Image& image) {
        return PumpUntil([&] { return LoadPng(path, image); }, 60000);
    }

    // povray keeps its picture on screen, top left, until it is clicked. The
    // first pixel of the area showing the colour is returned, or (-1, -1).
    template <class Colour> static CPoint FindOnScreen(const CRect& area, Colour isColour) {
        const Image shot = ToTestImage(CaptureScreenArea(area));
        for (int y = 0; y < shot.height; y += 2)
            for (int x = 0; x < shot.width; x += 2)
                if (isColour(shot.At(x, y)))
                    return CPoint(area.left + x, area.top + y);
        return CPoint(-1, -1);
    }
    // Clicks the picture away where it shows the colour, so that later tests
    // find the screen clear.
    template <class Colour> void DismissRendererWindow(const CRect& area, Colour isColour) {
        CPoint at(-1, -1);
        if (!PumpUntil([&] { return (at = FindOnScreen(area, isColour)).x >= 0; }, 10000))
            return;
        // A click that comes before the renderer waits for one is lost: click until it goes.
        for (int attempt = 0; attempt < 20; ++attempt) {
            mouse.Sim().MouseMove(at.x, at.y);
            PumpEvents(100);
            mouse.Sim().MouseClick();
            if (PumpUntil([&] { return FindOnScreen(area, isColour).x < 0; }, 500))
                return;
        }
    }

    qf::CScriptedModalRunner runner;
    std::unique_ptr<CQuelApp> app;
    CQuelDoc* doc = nullptr;
    SimulatedMouse mouse;

private:
    IsolatedUserFolders m_folders;
    std::filesystem::path m_output = OutputDir() / "render_commands";
};

} // namespace

TEST_F(RenderCommandsGuiTest, PaneMenuRenderAndADraggedRegionGoThroughPovray) {
    if (!IsOnPath("povray"))
        GTEST_SKIP() << "povray is not installed";
    ASSERT_EQ(doc->m_renderers.GetCount(), 1) << "a first start defines the POV-Ray on the PATH";
    EXPECT_EQ(doc->m_renderers.GetAt(0)->path, "povray");
    // povray itself, told not to wait for a click once the picture is shown.
    const TempDir dir;
    const std::string povray = dir.File("povray-no-pause");
    WriteFileBytes(povray, "#!/bin/sh\nexec povray \"$@\" -P\n");
    chmod(povray.c_str(), 0700);
    doc->m_renderers.GetAt(0)->path = CString(povray);
    doc->m_render.output_filename = "pane";
    std::filesystem::remove(Output("pane.png"));
    Command(ID_VIEW_RENDER_POVRAY);
    EXPECT_FALSE(doc->IsModified());
    Image whole;
    ASSERT_TRUE(AwaitPicture(Output("pane.png"), whole)) << "povray wrote no picture";
    EXPECT_EQ(whole.width, 160);
    EXPECT_GT(CountPixelsNot(whole, 0x969696, 12), 160 * 120 / 50) << "the fan is in the picture";
    EXPECT_TRUE(runner.GetRequests().empty());

    // The render-part tool on the left button, dragged over the left half of pane B.
    SetMouseMode(mouseModeRenderParts, 1);
    doc->m_render.output_filename = "region";
    std::filesystem::remove(Output("region.png"));
    CGLPane& pane = Pane(1);
    CRect client;
    pane.GetClientRect(&client);
    mouse.MoveTo(pane, CPoint(2, 2));
    mouse.Down();
    mouse.MoveTo(pane, CPoint(client.Width() / 4, client.Height() / 2));
    EXPECT_FALSE(SaveScreenPicture(Frame(), "render_region_drag.png").empty());
    mouse.MoveTo(pane, CPoint(client.Width() / 2, client.Height() + 40));
    mouse.Up();
    Image region;
    ASSERT_TRUE(AwaitPicture(Output("region.png"), region));
    int left = 0;
    int right = 0;
    for (int y = 0; y < region.height; ++y)
        for (int x = 0; x < region.width; ++x)
            (x < 80 ? left : right) += region.At(x, y) != 0;
    EXPECT_GT(left, 70 * 110) << "the region is rendered";
    EXPECT_EQ(right, 0) << "nothing right of the region";
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, mouseModeTranslate);
}

TEST_F(RenderCommandsGuiTest, MaterialPreviewShowsTheMaterialOnScreen) {
    if (!IsOnPath("povray"))
        GTEST_SKIP() << "povray is not installed";
    CMaterialData* material = doc->AddMaterial();
    material->m_selected = 1;
    material->m_texture.m_pigment.m_colors[0].m_color = RGB(255, 0, 0);
    // The first preview of a first start renders with the active renderer at once.
    EXPECT_EQ(doc->m_previewRender.renderer_index, doc->m_render.renderer_index);
    Command(ID_MATERIAL_PREVIEW_RENDER);
    EXPECT_EQ(runner.GetRequests().size(), 0u) << "nothing asked";
    // povray shows the picture in a window of its own: red pixels appear on the screen.
    // The preview window, 200 pixels square, comes up at the top left.
    const CRect window(0, 0, 200, 200);
    const auto isRed = [](uint32_t c) {
        return (c >> 16) > 150 && ((c >> 8) & 0xFF) < 60 && (c & 0xFF) < 60;
    };
    int red = 0;
    PumpUntil(
        [&] {
            const Image shot = ToTestImage(CaptureScreenArea(window));
            red = 0;
            for (int y = 0; y < shot.height; ++y)
                for (int x = 0; x < shot.width; ++x)
                    red += isRed(shot.At(x, y));
            return red > 200 * 200 / 4;
        },
        60000);
    SavePng((OutputDir() / "render_material_preview.png").string(),
            ToTestImage(CaptureScreenArea(CRect(0, 0, 800, 600))));
    EXPECT_GT(red, 200 * 200 / 4) << "the red sphere is shown";
    DismissRendererWindow(window, isRed);
}

TEST_F(RenderCommandsGuiTest, AMissingRendererIsNamedAndTheDocumentStaysAsItWas) {
    doc->m_renderers.GetAt(0)->path = "/opt/nowhere/povray";
    doc->SetModifiedFlag(FALSE);
    Command(ID_VIEW_RENDER_POVRAY);
    ASSERT_EQ(runner.GetRequests().size(), 1u);
    EXPECT_GE(runner.GetRequests()[0].text.Find("/opt/nowhere/povray"), 0)
        << runner.GetRequests()[0].text.str();
    EXPECT_EQ(runner.GetRequests()[0].text.Find("fail to render"), 0);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(RenderCommandsGuiTest, ClipboardGetsThePanesOwnPictureNotAWindowOverIt) {
    SetActivePane(1);
    CGLPane& pane = Pane(1);
    PumpEvents(100);
    const Image onScreen = ToTestImage(CaptureClientImage(pane));
    // A window lying over the pane is not part of its picture.
    CRect paneRect;
    pane.GetWindowRect(&paneRect);
    {
        ProbeFrame cover(
            nullptr, CRect(paneRect.left + 10, paneRect.top + 10, paneRect.left + 190, paneRect.top + 120));
        EXPECT_GT(CompareImages(ToTestImage(CaptureClientImage(pane)), onScreen, 2,
                                (OutputDir() / "diff-covered-pane.png").string())
                      .share,
                  0.01)
            << "the screen shows the window over the pane";
        Command(ID_VIEW_SAVE_CLIPBOARD);
    }
    wxClipboardLocker lock;
    ASSERT_FALSE(!lock);
    wxBitmapDataObject data;
    ASSERT_TRUE(wxTheClipboard->GetData(data));
    const wxImage back = data.GetBitmap().ConvertToImage();
    ASSERT_EQ(back.GetWidth(), onScreen.width);
    ASSERT_EQ(back.GetHeight(), onScreen.height);
    Image copied{back.GetWidth(), back.GetHeight(), {}};
    copied.rgb.assign(back.GetData(), back.GetData() + back.GetWidth() * back.GetHeight() * 3);
    SavePng((OutputDir() / "render_commands_clipboard.png").string(), copied);
    const ImageDiff diff = CompareImages(copied, onScreen, 2, (OutputDir() / "diff-clipboard.png").string());
    EXPECT_LT(diff.share, 0.001) << "the clipboard holds what the pane shows";
}

TEST_F(RenderCommandsGuiTest, UnderlayCommandLoadsABitmapAndRefusesADamagedOne) {
    if (!IsOnPath("convert"))
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    const TempDir dir;
    const std::string good = dir.File("sketch.bmp");
    const std::string log = (OutputDir() / "render_commands_convert.log").string();
    ASSERT_EQ(
        RunProgram({"convert", "-size", "64x32", "xc:orange", "-type", "TrueColor", "BMP3:" + good}, log), 0);
    const std::string damaged = dir.File("damaged.bmp");
    WriteFileBytes(damaged, ReadFileBytes(good).substr(0, 200));
    doc->m_settings.m_panes[2].m_showUnderlay = 1;
    runner.AnswerModal([&](qf::CModalWindow& window) {
        auto& dialog = dynamic_cast<CBackgroundImageDlg&>(window);
        dialog.m_entries[1].path = CString(good);
        dialog.m_entries[1].scale[0] = dialog.m_entries[1].scale[1] = 0.3f;
        dialog.m_entries[0].path = CString(damaged);
        return IDOK;
    });
    Command(ID_PANE_UNDERLAY);
    EXPECT_EQ(doc->m_underlays[1].IsTextureReady(), 1);
    EXPECT_EQ(doc->m_underlays[0].IsTextureReady(), 0);
    ASSERT_EQ(runner.GetRequests().size(), 1u) << "the damaged file is told";
    EXPECT_GE(runner.GetRequests()[0].text.Find(damaged.c_str()), 0);
    PumpEvents(200);
    EXPECT_FALSE(SaveScreenPicture(Frame(), "render_commands_underlay.png").empty());
    const Image front = ToTestImage(CaptureClientImage(Pane(2)));
    EXPECT_GT(front.width * front.height / 50, 0);
    int orange = 0;
    for (int y = 0; y < front.height; ++y)
        for (int x = 0; x < front.width; ++x)
            orange += front.At(x, y) == 0xFFA500;
    EXPECT_GT(orange, 100) << "the front pane shows the underlay";
}
