#pragma once
// The one view of the program: it fills its client area with the four-pane
// splitter and is the first target of the modelling and display commands.
// It paints nothing itself; the panes paint the scene. Its commands follow
// the pattern of model_command.h and keep no state between them; their
// handlers are public because the shortcut keys run them directly. The
// command handlers live in one file per subject: quel_view_tools.cpp (tools,
// axis switches, display options), quel_view_select.cpp, quel_view_edit.cpp,
// quel_view_shapes.cpp and quel_view_numeric.cpp.
#include "platform/ui/frame_wnd.h"
#include "viewport/view_splitter.h"

class CQuelDoc;
struct CommandTexts;

class CQuelView : public CView {
public:
    explicit CQuelView(CQuelDoc* document) : m_pDocument(document) {}
    ~CQuelView() override;
    const char* GetRuntimeClassName() const override { return "CQuelView"; }

    CQuelDoc* GetDocument() const { return m_pDocument; }
    CViewSplitter& GetSplitter() { return m_splitter; }

    // Left-button tools, axis switches and display options; id is the command's.
    void OnLeftTool(UINT id);
    void OnToggleAxis(UINT id);
    void OnToggleManipulator();
    void OnMaterialAxisShape(UINT id);
    void OnPolygonEditMode(UINT id);
    void OnShowFivePointVertices();
    void OnShowInvisibleVertices();

    // The Select menu.
    void OnSelectAll();
    void DeselectAllPoints();
    void OnInvertSelection();
    void SelectConnectedPoints();
    void OnSelectOnCurve();
    void OnSelectInvisible();
    void OnHideSelection();
    void OnShowAllHidden();
    void SelectCurve();
    void OnSelectFivePoint();

    // Edits of the current object: the ones that run one operation of the
    // patch object (flips, visibility, deletions, peak and round) by id, and
    // the ones with steps or a dialog of their own.
    void OnModelCommand(UINT id);
    void DeleteSelectedPoints();
    void OnClone();
    void OnExtrude();
    void OnLathe();
    void OnResetControlPoints();
    void OnFivePointPermission();
    void OnSubdivideCurve();
    void OnExtrudeAlongCurve();
    void OnCreatePoint();
    void OnText();

    // The Insert submenu: a shape file of the Clip Shapes folder, by id, or the star.
    void OnClipShape(UINT id);
    void OnStar();
    // Reads the whole shape file and, when it holds together, merges it into
    // the current object as its only selection, as one undo step with the
    // command's texts; a missing or damaged file is reported and changes
    // nothing. TRUE when the shape was inserted.
    BOOL InsertClipShape(const CString& path, const CommandTexts& texts);

    // Typed transforms of the selected points, the array of clipboard copies
    // and the transforms of several objects.
    void OnShiftPosition();
    void OnAlignPoints();
    void OnNumericTranslate();
    void OnNumericRotate();
    void OnNumericScale();
    void OnArray();
    void OnMultiTranslate();
    void OnMultiRotate();
    void OnMultiScale();
    void OnMultiShiftPosition();

protected:
    // Registers the view, the main frame and the splitter, and makes the
    // document the current one for GetDoc.
    int OnCreate(LPCREATESTRUCT cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    const CommandMap& GetCommandMap() const override;

private:
    using Map = CommandMapFor<CQuelView>;
    static void MapToolCommands(Map& map);
    static void MapSelectCommands(Map& map);
    static void MapEditCommands(Map& map);
    static void MapShapeCommands(Map& map);
    static void MapNumericCommands(Map& map);
    // quel_view_render.cpp: the render of the preview pane.
    static void MapRenderCommands(Map& map);
    void OnRenderPovRay();

    void OnUpdateLeftTool(CCmdUI* ui);
    void OnUpdateAxisCheck(CCmdUI* ui);
    void OnUpdateAxisDuringDrag(CCmdUI* ui);
    void OnUpdateManipulator(CCmdUI* ui);
    void OnUpdateMaterialAxisShape(CCmdUI* ui);
    void OnUpdatePolygonEditMode(CCmdUI* ui);
    // Enables the item by the update rule the view's table gives its id.
    void OnUpdateByRule(CCmdUI* ui);
    void OnUpdateMultiObject(CCmdUI* ui);

    // The multi-object transform of the command id.
    void RunMultiTransform(UINT command);

    // File > Insert: the chosen parts of another document into this one.
    void OnFileInsert();
    // Model > Connect Curve.
    void OnModelConnectCurve();
    void OnUpdateModelConnectCurve(CCmdUI* ui);

    CQuelDoc* m_pDocument;
    CViewSplitter m_splitter;
};
