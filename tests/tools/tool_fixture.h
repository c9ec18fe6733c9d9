#pragma once
// A document and one pane's controller driven through a stand-in pane that
// writes what it was asked into a log ("capture", "release", "repaint",
// "list", "redraw-all", "drop-list", "menu 12 34"...), so whole drags run as
// event sequences without a window.
#include "app/doc_fixture.h"
#include "tools/mouse_tool_controller.h"
#include "tools/tool_pane.h"

#include <string>
#include <vector>

class StandInPane : public CToolPane {
public:
    void CaptureMouse() override { log.push_back("capture"); }
    void ReleaseMouse() override { log.push_back("release"); }
    CSize GetClientSize() const override { return size; }
    void RepaintNow() override { log.push_back("repaint"); }
    void QuickDrawVertices() override { log.push_back("vertices"); }
    void QuickDrawCurves() override { log.push_back("curves"); }
    void ShowOverlay(const CPixelOverlay& shown) override {
        overlay = shown;
        log.push_back("overlay " + std::to_string(shown.size()));
    }
    void RedrawControlPoints() override { log.push_back("handles"); }
    void RedrawLights() override { log.push_back("lights"); }
    void BuildDisplayList() override { log.push_back("list"); }
    void RedrawAll() override { log.push_back("redraw-all"); }
    void DeleteDisplayList() override { log.push_back("drop-list"); }
    void OpenPaneMenu(CPoint client) override {
        log.push_back("menu " + std::to_string(client.x) + " " + std::to_string(client.y));
    }
    int PickTranslateHandle(const CVector3&, const CVector3&, CPoint) override { return handleUnderCursor; }
    int PickScaleHandle(const CVector3&, const CVector3&, CPoint) override { return handleUnderCursor; }
    int PickRotateHandle(const CVector3&, const CVector3&, CPoint) override { return handleUnderCursor; }
    int PickVertex(CPoint client) override {
        log.push_back("pick " + std::to_string(client.x) + " " + std::to_string(client.y));
        return vertexUnderCursor;
    }
    CCurvePoint* PickCurveSegment(CPoint client) override {
        log.push_back("pick segment " + std::to_string(client.x) + " " + std::to_string(client.y));
        return segmentUnderCursor;
    }
    CHandleState& GetHandleState() override { return handles; }

    int Count(const std::string& entry) const {
        int n = 0;
        for (const std::string& e : log)
            n += e == entry;
        return n;
    }

    std::vector<std::string> log;
    CSize size{200, 100};
    int handleUnderCursor = -1;
    int vertexUnderCursor = -1;
    CCurvePoint* segmentUnderCursor = nullptr;
    CHandleState handles;
    CPixelOverlay overlay;
};

// Pane `pane` of a document whose camera is the preset of that pane, seen
// through a 200 x 100 pixel pane whose view angle spans its width.
class ToolTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        UsePane(0);
    }
    void UsePane(int index) {
        pane = index;
        controller.SetWindow(&standIn);
        controller.SetPaneIndex(index);
        CCamera& camera = Camera();
        camera.SetPreset(index);
        camera.m_viewportWidth = standIn.size.cx;
        camera.m_viewportHeight = standIn.size.cy;
        camera.m_angleSpansWidth = 1;
    }
    CCamera& Camera() { return doc->m_cameras[static_cast<size_t>(pane)]; }
    const CUndoRecord* NewestStep() const {
        const int count = doc->m_undoBuffer.GetRecordCount();
        return count ? doc->m_undoBuffer.GetRecord(count - 1) : nullptr;
    }

    // A left drag from `from` over `to` in one move, released there.
    void LeftDrag(CPoint from, CPoint to, UINT keys = 0) {
        controller.OnLButtonDown(from.x, from.y, keys);
        controller.OnMouseMove(to.x, to.y, keys | MK_LBUTTON);
        controller.OnLButtonUp(to.x, to.y, keys);
    }

    StandInPane standIn;
    CMouseToolController controller;
    int pane = 0;
};
