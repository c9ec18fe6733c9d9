#pragma once
// A new document with the four-pane splitter on screen, 400 x 300 pixels in
// a frame, registered as the view's splitter.
#include "app/doc_fixture.h"
#include "platform_ui_gui/probe_wnd.h"
#include "viewport/view_splitter.h"

#include <optional>

class SplitterGuiTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        doc->OnNewDocument();
        frame.emplace();
        splitter.m_document = doc.get();
        ASSERT_TRUE(
            splitter.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 400, 300), &*frame, 1));
        doc->RegisterWindow(splitter.GetSafeHwnd(), wndSplitter);
        qf::test::PumpEvents(100);
    }
    void TearDown() override {
        splitter.DestroyWindow();
        frame->DestroyWindow();
        DocTest::TearDown();
    }

    static CRect PlaceIn(const CWnd& parent, const CWnd& child) {
        CRect r;
        child.GetWindowRect(&r);
        parent.ScreenToClient(&r);
        return r;
    }
    static CRect XYWH(int x, int y, int w, int h) { return CRect(x, y, x + w, y + h); }
    CRect Pane(int i) { return PlaceIn(splitter, splitter.GetPane(i)); }
    CGLPane& GLPane(int i) { return splitter.GetPane(i).GetFrame().GetGLPane(); }

    std::optional<qf::test::ProbeFrame> frame;
    CViewSplitter splitter;
    qf::test::SimulatedMouse mouse;
};
