// Typed transforms: the selected points of the current object moved,
// rotated, scaled, aligned or shifted by values from a dialog; arrayed
// copies of the clipboard; and the same transforms of every object chosen
// in the multi-object window, about their common centre, as one undo step.
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/align_points_dlg.h"
#include "dialogs/array_dlg.h"
#include "dialogs/numeric_transform_dlg.h"
#include "dialogs/shift_position_dlg.h"
#include "model/vertex_transform.h"
#include "viewport/model_command.h"
#include "viewport/numeric_transforms.h"
#include "viewport/quel_view.h"

namespace {

constexpr unsigned kSelectionEdit = testObject | testEditable | testSelectedVertex;

constexpr UINT kMultiShiftPosition = 30659;
constexpr UINT kMultiTranslate = 30660;
constexpr UINT kMultiScale = 30661;
constexpr UINT kMultiRotate = 30662;

std::array<float, 3> ToArray(const CVector3& v) {
    return {v.GetX(), v.GetY(), v.GetZ()};
}

CVector3 ToVector(const std::array<float, 3>& a) {
    return {a[0], a[1], a[2]};
}

// Shows the box in the dialog.
void FillBox(CShiftPositionDlg& dialog, const CVector3& maxCorner, const CVector3& minCorner) {
    dialog.m_max = ToArray(maxCorner);
    dialog.m_min = ToArray(minCorner);
    dialog.m_size = ToArray(maxCorner - minCorner);
}

// Runs the numeric dialog in the mode with the preset; the three values after OK.
bool AskNumbers(CWnd* owner, int mode, float preset, CVector3& values) {
    CNumericTransformDlg dialog(owner);
    dialog.m_mode = mode;
    dialog.m_x = dialog.m_y = dialog.m_z = preset;
    if (dialog.DoModal() != IDOK)
        return false;
    values.Set(dialog.m_x, dialog.m_y, dialog.m_z);
    return true;
}

// Rotate or scale: the selected points about the centre of their box, with
// the manual handles on them.
void TurnOrStretchSelection(CWnd* owner, int mode, const CommandTexts& texts,
                            CVertexMap (*makeMap)(const CVector3& centre, const CVector3& values)) {
    CSpatchObj* obj = TakeCurrentObject(kSelectionEdit);
    CVector3 values;
    const float preset = mode == CNumericTransformDlg::modeScale ? 1.0f : 0.0f;
    if (!obj || !AskNumbers(owner, mode, preset, values))
        return;
    RecordUndoStep(obj, texts, undoPatchGeometry);
    TransformVertices(*obj, makeMap(obj->GetSelectedCenter(), values), VertexChoice::selected);
    RepaintPanes(repaintAll);
}

} // namespace

void CQuelView::MapNumericCommands(Map& map) {
    map.OnCommand(30114, &CQuelView::OnShiftPosition)
        .OnCommand(30116, &CQuelView::OnAlignPoints)
        .OnCommand(30118, &CQuelView::OnNumericTranslate)
        .OnCommand(30122, &CQuelView::OnNumericRotate)
        .OnCommand(30124, &CQuelView::OnNumericScale)
        .OnCommand(30577, &CQuelView::OnArray)
        .OnCommand(kMultiTranslate, &CQuelView::OnMultiTranslate)
        .OnCommand(kMultiRotate, &CQuelView::OnMultiRotate)
        .OnCommand(kMultiScale, &CQuelView::OnMultiScale)
        .OnCommand(kMultiShiftPosition, &CQuelView::OnMultiShiftPosition)
        .OnUpdateCommandUIRange(kMultiShiftPosition, kMultiRotate, &CQuelView::OnUpdateMultiObject);
}

void CQuelView::OnShiftPosition() {
    CSpatchObj* obj = TakeCurrentObject(kSelectionEdit);
    if (!obj)
        return;
    CVector3 maxCorner;
    CVector3 minCorner;
    obj->GetSelectedBounds(maxCorner, minCorner);
    CShiftPositionDlg dialog(this);
    FillBox(dialog, maxCorner, minCorner);
    if (dialog.DoModal() != IDOK)
        return;
    RecordUndoStep(obj, {"(パッチ) 位置合わせ", "(Patch) Shift Position"}, undoPatchPositions);
    MoveVertices(*obj, ShiftPositionOffset(dialog.m_action, maxCorner, minCorner, dialog.m_use),
                 VertexChoice::selected);
    RepaintPanes(repaintAll);
}

void CQuelView::OnAlignPoints() {
    CSpatchObj* obj = TakeCurrentObject(kSelectionEdit);
    if (!obj)
        return;
    CVector3 maxCorner;
    CVector3 minCorner;
    obj->GetSelectedBounds(maxCorner, minCorner);
    CAlignPointsDlg dialog(this);
    dialog.m_max = ToArray(maxCorner);
    dialog.m_min = ToArray(minCorner);
    dialog.m_position = ToArray(obj->GetSelectedCenter());
    if (dialog.DoModal() != IDOK)
        return;
    RecordUndoStep(obj, {"(パッチ) 頂点を揃える", "(Patch) Align Points"}, undoPatchPositions);
    AlignSelectedVertices(*obj, ToVector(dialog.m_position), dialog.m_apply);
    RepaintPanes(repaintAll);
}

// The shortcut keys run the three numeric commands directly, so each tests
// the lock and the selection itself like every other edit.
void CQuelView::OnNumericTranslate() {
    CSpatchObj* obj = TakeCurrentObject(kSelectionEdit);
    CVector3 offset;
    if (!obj || !AskNumbers(this, CNumericTransformDlg::modeTranslate, 0.0f, offset))
        return;
    RecordUndoStep(obj, {"(パッチ) 移動(数値入力)", "(Patch) Translate"}, undoPatchPositions);
    MoveVertices(*obj, offset, VertexChoice::selected);
    RepaintPanes(repaintAll);
}

void CQuelView::OnNumericRotate() {
    TurnOrStretchSelection(this, CNumericTransformDlg::modeRotate,
                           {"(パッチ) 回転(数値入力)", "(Patch) Rotate"}, RotationAbout);
}

void CQuelView::OnNumericScale() {
    TurnOrStretchSelection(this, CNumericTransformDlg::modeScale,
                           {"(パッチ) 拡大/縮小(数値入力)", "(Patch) Scale"}, ScalingAbout);
}

void CQuelView::OnArray() {
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeCurrentObject(testObject | testEditable);
    if (!doc || !obj || doc->m_clipboardObject.GetVertices().IsEmpty())
        return;
    CArrayDlg dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    RecordUndoStep(obj, {"(編集)配列", "(Edit) Array"}, undoWholeObject);
    AppendArrayCopies(*obj, doc->m_clipboardObject,
                      {dialog.m_count, dialog.m_rotate, dialog.m_scale, dialog.m_translate});
    RepaintPanes(repaintAll);
}

void CQuelView::OnMultiTranslate() {
    RunMultiTransform(kMultiTranslate);
}

void CQuelView::OnMultiRotate() {
    RunMultiTransform(kMultiRotate);
}

void CQuelView::OnMultiScale() {
    RunMultiTransform(kMultiScale);
}

void CQuelView::OnMultiShiftPosition() {
    RunMultiTransform(kMultiShiftPosition);
}

void CQuelView::OnUpdateMultiObject(CCmdUI* ui) {
    CQuelDoc* doc = GetDoc();
    ui->Enable(doc && !CollectMultiSelectedObjects(*doc).m_objects.empty());
}

void CQuelView::RunMultiTransform(UINT command) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    const CObjectGroup group = CollectMultiSelectedObjects(*doc);
    if (group.m_objects.empty())
        return;

    CVertexMap map;
    CVector3 offset;
    bool move = true;
    CommandTexts texts{};
    if (command == kMultiShiftPosition) {
        CShiftPositionDlg dialog(this);
        FillBox(dialog, group.m_max, group.m_min);
        if (dialog.DoModal() != IDOK)
            return;
        offset = ShiftPositionOffset(dialog.m_action, group.m_max, group.m_min, dialog.m_use);
        texts = {"(複数オブジェクト) 位置合わせ", "(Multi Obj) Shift Position"};
    } else if (command == kMultiTranslate) {
        if (!AskNumbers(this, CNumericTransformDlg::modeTranslate, 0.0f, offset) || offset == CVector3())
            return;
        texts = {"(複数オブジェクト) 移動(数値入力)", "(Multi Obj) Translate"};
    } else if (command == kMultiRotate) {
        CVector3 angles;
        if (!AskNumbers(this, CNumericTransformDlg::modeRotate, 0.0f, angles) || angles == CVector3())
            return;
        map = RotationAbout(group.GetCenter(), angles);
        move = false;
        texts = {"(複数オブジェクト) 回転(数値入力)", "(Multi Obj) Rotate"};
    } else {
        CVector3 factors;
        if (!AskNumbers(this, CNumericTransformDlg::modeScale, 1.0f, factors) ||
            factors == CVector3(1.0f, 1.0f, 1.0f))
            return;
        map = ScalingAbout(group.GetCenter(), factors);
        move = false;
        texts = {"(複数オブジェクト) 拡大/縮小(数値入力)", "(Multi Obj) Scale"};
    }

    CUndoBuffer& undo = doc->m_undoBuffer;
    undo.BeginRecord();
    undo.SetDescription(texts.japanese, texts.english);
    undo.SetKind(undoManyObjects);
    for (CSpatchObj* obj : group.m_objects)
        undo.SavePatchGeometry(obj);
    for (CSpatchObj* obj : group.m_objects) {
        if (move)
            MoveVertices(*obj, offset, VertexChoice::all);
        else
            TransformVertices(*obj, map, VertexChoice::all);
    }
    RepaintPanes(repaintAll);
}
