#pragma once
// CQuelScroll: the base of every panel and settings page shown inside
// another window (side-bar panels, material panels, scene-setting pages,
// preference pages). It is a dialog made from a WS_CHILD template:
//
//     class CMyPanel : public CQuelScroll {
//     public:
//         BOOL Make(CWnd* page) { return CDialog::Create(IDD_MY_PANEL, page); }
//         void Refresh() override { /* load the controls from the document */ }
//     protected:
//         BOOL OnInitDialog() override { CQuelScroll::OnInitDialog(); ...; return TRUE; }
//     };
//
// The user scrolls it by dragging its background up or down with the left
// button (no scroll bar); the cursor wraps at the screen's top and bottom so
// one drag goes any distance. After every drag step and every adjustment
// that moves the content it sends WM_VSCROLL (SB_PAGEUP, 0) to its parent,
// whose handler sizes its CLevelBar from GetContentHeight, UpdateScrollLimit
// and GetScrollOffset. Enter and Escape inside it do nothing. The content
// height is the client height as made; group headers (CQuelGroup) change it
// when they fold. A derived panel that handles mouse messages itself passes
// them on to these handlers.
#include "app/window_services.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"

// The caption of a panel's hidden default button, by which group headers
// know it is no control of theirs.
constexpr const char* kEnterAbsorberCaption = "enter対策用";

class CQuelScroll : public CDialog, public CPanelServices {
public:
    CQuelScroll() : CDialog(0, nullptr) {}
    ~CQuelScroll() override;
    const char* GetRuntimeClassName() const override { return "CQuelScroll"; }

    // The owning page asks the panel to load its controls from the document.
    void Refresh() override {}

    int GetContentHeight() const { return m_contentHeight; }
    // How far the content is scrolled down: 0 at the top.
    int GetScrollOffset() const { return -m_offset; }
    // Recomputes the lowest offset from the client height, which it returns.
    int UpdateScrollLimit();
    // Keeps the content in place after the client height or the content
    // height changed (no empty band below the content, none above it).
    void ClampAfterResize();
    // Group headers grow or shrink the content by delta pixels.
    void ChangeContentHeight(int delta) { m_contentHeight += delta; }
    bool IsDragging() const { return m_dragging; }

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    void OnPaint() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;

private:
    void ScrollContent(int step);
    void NotifyParent();
    int ClientHeight() const;

    int m_lastDragY = 0;
    int m_offset = 0;
    bool m_dragging = false;
    int m_contentHeight = 0;
    int m_lowestOffset = 0;
    int m_lastClientHeight = 0;
    // Takes Enter: a hidden, disabled default button with the id IDOK.
    CButton m_enterAbsorber;
};
