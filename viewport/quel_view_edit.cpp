// The view's commands that edit the current patch object. Each records one
// undo step before it changes the object; Extrude, Lathe and Text, which may
// find nothing to do, record a copy taken before only when they changed it.
#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "app/quel_doc.h"
#include "dialogs/extrude_curve_dlg.h"
#include "dialogs/five_point_patch_dlg.h"
#include "dialogs/numeric_transform_dlg.h"
#include "dialogs/subdivide_curve_dlg.h"
#include "dialogs/text_dlg.h"
#include "model/curve_tool.h"
#include "model/glyph_source.h"
#include "viewport/model_command.h"
#include "viewport/quel_view.h"

#include <algorithm>
#include <iterator>

namespace {

// An edit that runs one operation of the patch object.
struct PatternCommand {
    UINT id;
    unsigned tests;
    UndoKind kind;
    CommandTexts texts;
    int (*operation)(CSpatchObj& obj);
    RepaintRule repaint;
};

constexpr unsigned kSelectionEdit = testObjectOrMessage | testSelectedVertex | testEditable;
constexpr unsigned kCurveEdit = testObjectOrMessage | testSelectedCurve | testEditable;

constexpr PatternCommand kPatternCommands[] = {
    {30010,
     kSelectionEdit,
     undoPatchGeometry,
     {"(パッチ) X反転", "(Patch) Flip X"},
     [](CSpatchObj& o) { return o.FlipX(); },
     repaintAll},
    {30011,
     kSelectionEdit,
     undoPatchGeometry,
     {"(パッチ) Y反転", "(Patch) Flip Y"},
     [](CSpatchObj& o) { return o.FlipY(); },
     repaintAll},
    {30012,
     kSelectionEdit,
     undoPatchGeometry,
     {"(パッチ) Z反転", "(Patch) Flip Z"},
     [](CSpatchObj& o) { return o.FlipZ(); },
     repaintAll},
    {30015,
     kSelectionEdit,
     undoPatchPositions,
     {"(パッチ) 可視/不可視を変更", "(Patch) Toggle Invisibility"},
     [](CSpatchObj& o) { return o.ToggleVisibleSelected(); },
     repaintShape},
    {30187,
     kCurveEdit,
     undoWholeObject,
     {"(パッチ) カーブを削除", "(Patch) Delete Edge"},
     [](CSpatchObj& o) { return o.DeleteSelectedSegment(); },
     repaintAll},
    {30214,
     kSelectionEdit,
     undoWholeObject,
     {"(パッチ) 頂点を削除", "(Patch) Delete Select Points"},
     [](CSpatchObj& o) { return o.DeleteSelectedVertices(); },
     repaintAll},
    {30189,
     kSelectionEdit,
     undoPatchCurves,
     {"(パッチ) カーブを鋭角にする", "(Patch) Peak"},
     [](CSpatchObj& o) { return o.SetSharp(1), 1; },
     repaintCurves},
    {30191,
     kSelectionEdit,
     undoPatchCurves,
     {"(パッチ) カーブを丸くする", "(Patch) Round"},
     [](CSpatchObj& o) { return o.SetSharp(0), 1; },
     repaintCurves},
    {30595,
     kCurveEdit,
     undoWholeObject,
     {"(パッチ) 選択したカーブを削除", "(Patch) Delete Select Curve"},
     [](CSpatchObj& o) { return CCurveTool(&o).DeleteSelectedCurve(); },
     repaintCurves},
    {30596,
     kCurveEdit,
     undoPatchCurves,
     {"(パッチ) 選択したカーブを通るカーブを鋭角にする", "(Patch) Peak (Around Select Curve)"},
     [](CSpatchObj& o) { return CCurveTool(&o).SharpenCrossingCurves(); },
     repaintCurves},
    {30597,
     kCurveEdit,
     undoPatchCurves,
     {"(パッチ) 選択したカーブを通るカーブを鈍角にする", "(Patch) Round (Around Select Curve)"},
     [](CSpatchObj& o) { return CCurveTool(&o).SmoothCrossingCurves(); },
     repaintCurves},
};
constexpr UINT kDeleteSelectedPoints = 30214;

const PatternCommand* FindPatternCommand(UINT id) {
    const auto* c = std::find_if(std::begin(kPatternCommands), std::end(kPatternCommands),
                                 [id](const PatternCommand& p) { return p.id == id; });
    return c != std::end(kPatternCommands) ? c : nullptr;
}

// Extrude and Lathe: the operation runs on the object; only when it changed
// the object is its step kept and are the panes repainted.
template <class Operation>
void RunCopyFirst(CSpatchObj* obj, const CommandTexts& texts, Operation operation) {
    CQuelDoc* doc = GetDoc();
    if (!obj || !doc)
        return;
    if (RecordWholeObjectStep(doc->m_undoBuffer, *obj, texts.japanese, texts.english,
                              [&] { return operation(*obj) != 0; }))
        RepaintPanes(repaintAll);
}

} // namespace

void CQuelView::MapEditCommands(Map& map) {
    for (const PatternCommand& c : kPatternCommands)
        if (c.id != kDeleteSelectedPoints)
            map.OnCommandRange(c.id, c.id, &CQuelView::OnModelCommand);
    map.OnCommand(kDeleteSelectedPoints, &CQuelView::DeleteSelectedPoints)
        .OnCommand(30185, &CQuelView::OnClone)
        .OnCommand(30183, &CQuelView::OnExtrude)
        .OnCommand(30181, &CQuelView::OnLathe)
        .OnCommand(30565, &CQuelView::OnResetControlPoints)
        .OnCommand(30737, &CQuelView::OnFivePointPermission)
        .OnCommand(30549, &CQuelView::OnSubdivideCurve)
        .OnCommand(30131, &CQuelView::OnExtrudeAlongCurve)
        .OnCommand(30174, &CQuelView::OnCreatePoint)
        .OnCommand(30532, &CQuelView::OnText);
}

void CQuelView::OnModelCommand(UINT id) {
    const PatternCommand* command = FindPatternCommand(id);
    if (!command)
        return;
    CSpatchObj* obj = TakeCurrentObject(command->tests);
    if (!obj)
        return;
    RecordUndoStep(obj, command->texts, command->kind);
    command->operation(*obj);
    RepaintPanes(command->repaint);
}

void CQuelView::DeleteSelectedPoints() {
    OnModelCommand(kDeleteSelectedPoints);
}

void CQuelView::OnClone() {
    CSpatchObj* obj = TakeCurrentObject(kSelectionEdit);
    if (!obj)
        return;
    RecordUndoStep(obj, {"(パッチ) 複製", "(Patch) Clone"}, undoWholeObject);
    CSpatchObj copy;
    obj->CopySelectionTo(&copy);
    obj->SelectAllVertices(0);
    const int first = obj->GetVertices().GetCount();
    obj->AppendGeometry(&copy, 0);
    SelectAppendedVertices(*obj, first);
    RepaintPanes(repaintAll);
    // The copy lies on its original: the user drags it off at once.
    SetMouseMode(mouseModeTranslate, 1);
}

void CQuelView::OnExtrude() {
    RunCopyFirst(TakeCurrentObject(testObject | testEditable), {"(パッチ) 押し出し", "(Patch) Extrude"},
                 [](CSpatchObj& obj) {
                     CLeftButtonModes modes;
                     return obj.Extrude(modes);
                 });
}

void CQuelView::OnLathe() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    const int steps = doc->m_settings.m_latheCount;
    RunCopyFirst(TakeCurrentObject(testObject | testEditable), {"(パッチ) 回転体作成", "(Patch) Lathe"},
                 [steps](CSpatchObj& obj) { return obj.CreateLathe(steps); });
}

void CQuelView::OnResetControlPoints() {
    CSpatchObj* obj = TakeCurrentObject(testObject | testSelectedVertex | testEditable);
    if (!obj)
        return;
    RecordUndoStep(obj, {"(パッチ) CPをリセットする", "(Patch) Reset CP"}, undoPatchCurves);
    const CCurve* selectedCurve = obj->GetSelectedCurve();
    for (CCurve* curve : obj->GetCurves()) {
        if (selectedCurve && curve != selectedCurve)
            continue;
        for (CCurvePoint* node : curve->m_nodes)
            if (node->m_vertex && node->m_vertex->m_selected)
                node->m_manualIn = node->m_manualOut = 0;
    }
    obj->UpdateCurveHandles();
    RepaintPanes(repaintAll);
}

void CQuelView::OnFivePointPermission() {
    CSpatchObj* obj = TakeCurrentObject(kSelectionEdit);
    if (!obj)
        return;
    CFivePointPatchDlg dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    RecordUndoStep(obj, {"(パッチ) 5点パッチの有効・無効を変更", "(Patch) Toggle 5patch "},
                   undoPatchPositions);
    obj->SetFivePointFlag(dialog.GetAction());
    PostToRegisteredWindows(notifyRepaintPanes);
}

void CQuelView::OnSubdivideCurve() {
    CSpatchObj* obj = TakeCurrentObject(testObject | testEditable | testSelectedCurve);
    if (!obj)
        return;
    CSubdivideCurveDlg dialog(this);
    dialog.m_count = 3;
    dialog.m_onlySelectedPart = 1;
    if (dialog.DoModal() != IDOK)
        return;
    RecordUndoStep(obj, {"(パッチ) 選択されたカーブを分割", "(Patch) Subdivide Select Curve"},
                   undoWholeObject);
    obj->SubdivideSelectedCurve(dialog.m_count, dialog.m_onlySelectedPart);
    RepaintPanes(repaintAll);
}

void CQuelView::OnExtrudeAlongCurve() {
    CSpatchObj* obj = TakeCurrentObject(testObject | testSelectedCurve | testEditable);
    if (!obj)
        return;
    CExtrudeCurveDlg dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    RecordUndoStep(obj, {"(パッチ) 選択されたカーブに沿って円を押し出す", "(Patch) Extrude(select curve)"},
                   undoWholeObject);
    obj->ExtrudeCircleAlongCurve(dialog.m_radius);
    RepaintPanes(repaintAll);
}

void CQuelView::OnCreatePoint() {
    CSpatchObj* obj = TakeCurrentObject(testObject | testEditable);
    if (!obj)
        return;
    CNumericTransformDlg dialog(this);
    dialog.m_mode = CNumericTransformDlg::modeCreatePoint;
    if (dialog.DoModal() != IDOK)
        return;
    RecordUndoStep(obj, {"(パッチ) 頂点を作成", "(Patch) Create Point"}, undoWholeObject);
    obj->AddVertex(dialog.m_x, dialog.m_y, dialog.m_z);
    RepaintPanes(repaintNewVertex);
}

void CQuelView::OnText() {
    CSpatchObj* obj = TakeCurrentObject(testObject | testEditable);
    if (!obj)
        return;
    CTextDlg dialog(this);
    dialog.m_text = "text";
    if (dialog.DoModal() != IDOK)
        return;
    if (dialog.m_fontName.IsEmpty()) {
        if (IsEnglish())
            MessageBox(GetSafeHwnd(), "Select Font", "ERROR", MB_OK);
        else
            MessageBox(GetSafeHwnd(), "フォントを選択してください", "エラー", MB_OK);
        return;
    }
    if (dialog.m_text.IsEmpty())
        return;
    // A size of 0 or below would put every outline point on the origin.
    const float size = dialog.m_pointSize > 0 ? static_cast<float>(dialog.m_pointSize) : 1.0f;
    CTextFontStyle style;
    style.italic = dialog.m_font.lfItalic;
    style.charSet = dialog.m_font.lfCharSet;
    if (!RecordWholeObjectStep(GetDoc()->m_undoBuffer, *obj, "(パッチ) テキスト", "(Patch) Text", [&] {
            return obj->CreateTextOutline(dialog.m_text, dialog.m_fontName, style, size) != 0;
        })) {
        ShowMessage(msgCreateFailed);
        return;
    }
    RepaintPanes(repaintAll);
}
