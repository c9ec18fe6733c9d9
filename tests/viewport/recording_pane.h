#pragma once
// An OpenGL pane stand-in for the repaint rules.
#include "support/recording_window.h"
#include "viewport/model_command.h"

#include <string>

// A pane that writes what it was asked to draw: "full", "curves", "vertices", "grid", "axes".
class RecordingPane : public qf::test::RecordingWindow, public CWindowServices, public CPaneQuickDraws {
public:
    void RedrawNow() override { log += "full "; }
    BOOL IsShown() const override { return TRUE; }
    CRect GetScreenRect() const override { return CRect(); }
    void QuickDrawCurves() override { log += "curves "; }
    void QuickDrawVertices() override { log += "vertices "; }
    void RedrawControlPoints() override {}
    void RedrawGrid() override { log += "grid "; }
    void RedrawCoordinateAxes() override { log += "axes "; }
    std::string log;
};
