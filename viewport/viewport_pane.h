#pragma once
// One viewport pane of the splitter and the frame inside it, which stacks
// the pane's header bar above its OpenGL window. The pane index 0..3 given
// at creation reaches both. Pane i is registered under wndViewportPane0 + i
// and its frame under wndPaneFrame0 + i.
#include "viewport/gl_pane.h"
#include "viewport/pane_header.h"

class CQuelDoc;

class CPaneFrame : public CWnd {
public:
    const char* GetRuntimeClassName() const override { return "CPaneFrame"; }

    // Makes the OpenGL window and the header bar and registers them with the
    // frame itself; the frame's window exists already.
    void SetPaneIndex(int index, CQuelDoc* doc);
    // The OpenGL window fills the frame below the header.
    void RecalcLayout();

    CGLPane& GetGLPane() { return m_glPane; }
    CPaneHeaderDialog& GetHeader() { return m_header; }

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnPaint() override;

private:
    int m_headerHeight = 15;
    CPaneHeaderDialog m_header;
    CGLPane m_glPane;
};

class CViewportPane : public CWnd {
public:
    ~CViewportPane() override;
    const char* GetRuntimeClassName() const override { return "CViewportPane"; }

    void SetPaneIndex(int index, CQuelDoc* doc);
    CPaneFrame& GetFrame() { return m_frame; }

    int m_layoutMode = paneOwnQuadrant;
    // The splitter shows exactly the panes with this set at the end of a divider drag.
    int m_visible = 1;

protected:
    int OnCreate(LPCREATESTRUCT cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    CPaneFrame m_frame;
};
