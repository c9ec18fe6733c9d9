// The program's start, new and with a document from the command line: each
// of the four panes draws its picture once, nothing is drawn after that, and
// the picture is the one a repaint gives.
#include "platform/ui/screen_image.h"
#include "shell_gui/running_app_fixture.h"
#include "support/model_shapes.h"
#include "support/temp_dir.h"

using qf::test::PumpEvents;

TEST_F(RunningAppGuiTest, StartUpDrawsEachPaneOnceAndThePictureIsComplete) {
    qf::test::TempDir folder;
    const std::string path = folder.File("grid.qfm");
    {
        CQuelDoc doc;
        doc.AddPatchObject(qf::test::MakeFlatQuadGrid(6))->SetName("grid");
        doc.m_settings.m_panes[1].m_showSurfaces = 1;
        ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    }
    for (const bool withDocument : {false, true}) {
        SCOPED_TRACE(withDocument ? "document on the command line" : "new document");
        if (!withDocument)
            runner.AnswerModal(IDCANCEL); // the language, asked at the first start only
        std::vector<CString> arguments{"quelaform"};
        if (withDocument)
            arguments.emplace_back(path.c_str());
        app = std::make_unique<CQuelApp>();
        ASSERT_TRUE(app->InitInstance(arguments));
        qf::test::PumpUntil([&] { return Frame().GetNativeWindow()->IsShownOnScreen(); });
        PumpEvents(500);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(Pane(i).GetPictureCount(), 1) << "pane " << i;

        for (int i = 0; i < 4; ++i) {
            const CPixelImage first = CaptureClientImage(Pane(i));
            EXPECT_EQ(Pane(i).GetPictureCount(), 1) << "pane " << i << " drew again on its own";
            Pane(i).RedrawNow();
            const CPixelImage repainted = CaptureClientImage(Pane(i));
            ASSERT_GT(first.width, 0);
            EXPECT_TRUE(first.width == repainted.width && first.rgb == repainted.rgb)
                << "pane " << i << " shows what a repaint draws";
        }
        app->ExitInstance();
        app.reset();
    }
}
