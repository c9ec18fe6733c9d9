#pragma once
// The one view of the program: it fills its client area with the four-pane
// splitter and is the first target of the modelling and display commands.
// It paints nothing itself; the panes paint the scene.
#include "platform/ui/frame_wnd.h"
#include "viewport/view_splitter.h"

class CQuelDoc;

class CQuelView : public CView {
public:
    explicit CQuelView(CQuelDoc* document) : m_pDocument(document) {}
    ~CQuelView() override;
    const char* GetRuntimeClassName() const override { return "CQuelView"; }

    CQuelDoc* GetDocument() const { return m_pDocument; }
    CViewSplitter& GetSplitter() { return m_splitter; }

protected:
    // Registers the view, the main frame and the splitter, and makes the
    // document the current one for GetDoc.
    int OnCreate(LPCREATESTRUCT cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    const CommandMap& GetCommandMap() const override;

private:
    // File > Insert: the chosen parts of another document into this one.
    void OnFileInsert();
    // Model > Connect Curve.
    void OnModelConnectCurve();
    void OnUpdateModelConnectCurve(CCmdUI* ui);

    CQuelDoc* m_pDocument;
    CViewSplitter m_splitter;
};
