// The view's commands that choose the left-button tool, switch the transform
// axes and set display options kept in the document. None records an undo step.
#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "app/quel_doc.h"
#include "model/mouse_modes.h"
#include "platform/ui/wnd.h"
#include "viewport/model_command.h"
#include "viewport/quel_view.h"

#include <algorithm>
#include <iterator>

namespace {

// A command id and the document value it stands for.
struct IdValue {
    UINT id;
    int value;
};

// The tool each command puts on the left button.
constexpr IdValue kLeftTools[] = {
    {30137, mouseModeSelect},
    {30043, mouseModeLasso},
    {30663, mouseModeSelectCurve},
    {30165, mouseModeTranslate},
    {30141, mouseModeScale},
    {30145, mouseModeRotate},
    {30175, mouseModeAddPoint},
    {30179, mouseModeCurveWeight},
    {30177, mouseModeNoise},
    {30514, mouseModeTranslateMulti},
    {30516, mouseModeScaleMulti},
    {30515, mouseModeRotateMulti},
    {30212, mouseModeFreeHand},
    {30563, mouseModeTranslateCP},
    {30564, mouseModeTranslateCP2},
    {30664, mouseModeKnife},
    {30578, mouseModeAxisTranslate},
    {30579, mouseModeAxisScale},
    {30580, mouseModeAxisRotate},
    {30554, 500},
    {30551, 502},
    {30552, 503},
    {30553, 504},
    {30559, mouseModeLightTranslate},
    {30561, mouseModeLightRotate},
    {30560, mouseModeLightScale},
    {30562, mouseModeLightSelect},
    {30196, mouseModeRenderWindow},
    {30194, mouseModeRenderParts},
};

// The axis switch each command toggles: 30070 and its twins show a check
// mark; 30094 and its twins (reached by shortcut keys) are disabled during a drag.
constexpr IdValue kAxisChecks[] = {{30070, 0}, {30072, 1}, {30074, 2}};
constexpr IdValue kAxisKeys[] = {{30094, 0}, {30095, 1}, {30096, 2}};

constexpr IdValue kAxisShapes[] = {
    {30583, axisShapePlane}, {30584, axisShapeSphere}, {30585, axisShapeCylinder}, {30586, axisShapeTorus}};
constexpr UINT kManipulator = 30587;

// Polygon edit modes: vertex, edge (never enabled), surface.
constexpr IdValue kPolygonModes[] = {{30589, 0}, {30590, 1}, {30591, 2}};
constexpr UINT kEdgeMode = 30590;

constexpr UINT kShowFivePoint = 30738;
constexpr UINT kShowInvisible = 30739;

template <std::size_t N> int ValueOf(const IdValue (&table)[N], UINT id) {
    const auto* e =
        std::find_if(std::begin(table), std::end(table), [id](const IdValue& v) { return v.id == id; });
    return e != std::end(table) ? e->value : -1;
}

template <std::size_t N, class Fn>
void MapEach(CommandMapFor<CQuelView>& map, const IdValue (&table)[N], void (CQuelView::*command)(UINT),
             Fn update) {
    for (const IdValue& e : table)
        map.OnCommandRange(e.id, e.id, command).OnUpdateCommandUI(e.id, update);
}

} // namespace

void CQuelView::MapToolCommands(Map& map) {
    MapEach(map, kLeftTools, &CQuelView::OnLeftTool, &CQuelView::OnUpdateLeftTool);
    MapEach(map, kAxisChecks, &CQuelView::OnToggleAxis, &CQuelView::OnUpdateAxisCheck);
    MapEach(map, kAxisKeys, &CQuelView::OnToggleAxis, &CQuelView::OnUpdateAxisDuringDrag);
    MapEach(map, kAxisShapes, &CQuelView::OnMaterialAxisShape, &CQuelView::OnUpdateMaterialAxisShape);
    MapEach(map, kPolygonModes, &CQuelView::OnPolygonEditMode, &CQuelView::OnUpdatePolygonEditMode);
    map.OnCommand(kManipulator, &CQuelView::OnToggleManipulator)
        .OnUpdateCommandUI(kManipulator, &CQuelView::OnUpdateManipulator)
        .OnCommand(kShowFivePoint, &CQuelView::OnShowFivePointVertices)
        .OnCommand(kShowInvisible, &CQuelView::OnShowInvisibleVertices);
}

void CQuelView::OnLeftTool(UINT id) {
    const int tool = ValueOf(kLeftTools, id);
    if (tool >= 0)
        SetMouseMode(tool, 1);
}

void CQuelView::OnUpdateLeftTool(CCmdUI* ui) {
    const CQuelDoc* doc = GetDoc();
    ui->SetCheck(doc && doc->m_settings.m_mouseModeLeft == ValueOf(kLeftTools, ui->m_nID));
}

void CQuelView::OnToggleAxis(UINT id) {
    CQuelDoc* doc = GetDoc();
    int axis = ValueOf(kAxisChecks, id);
    if (axis < 0)
        axis = ValueOf(kAxisKeys, id);
    if (doc && axis >= 0)
        doc->m_axisEnabled[static_cast<size_t>(axis)] = doc->m_axisEnabled[static_cast<size_t>(axis)] ? 0 : 1;
}

void CQuelView::OnUpdateAxisCheck(CCmdUI* ui) {
    const CQuelDoc* doc = GetDoc();
    const int axis = ValueOf(kAxisChecks, ui->m_nID);
    ui->SetCheck(doc && axis >= 0 && doc->m_axisEnabled[static_cast<size_t>(axis)] != 0);
}

void CQuelView::OnUpdateAxisDuringDrag(CCmdUI* ui) {
    EnableByRule(ui, enableWithoutDrag);
}

void CQuelView::OnToggleManipulator() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    doc->m_settings.m_manipulatorShown = doc->m_settings.m_manipulatorShown ? 0 : 1;
    RepaintPanes(repaintAll);
}

void CQuelView::OnUpdateManipulator(CCmdUI* ui) {
    const CQuelDoc* doc = GetDoc();
    ui->SetCheck(doc && doc->m_settings.m_manipulatorShown != 0);
}

void CQuelView::OnMaterialAxisShape(UINT id) {
    CQuelDoc* doc = GetDoc();
    const int shape = ValueOf(kAxisShapes, id);
    if (!doc || shape < 0)
        return;
    doc->m_materialAxisShape = shape;
    // The gizmo shows only while a material-axis tool is on the left button.
    if (IsAxisMode(doc->m_settings.m_mouseModeLeft))
        RepaintPanes(repaintAll);
}

void CQuelView::OnUpdateMaterialAxisShape(CCmdUI* ui) {
    const CQuelDoc* doc = GetDoc();
    ui->SetCheck(doc && doc->m_materialAxisShape == ValueOf(kAxisShapes, ui->m_nID));
}

void CQuelView::OnPolygonEditMode(UINT id) {
    CQuelDoc* doc = GetDoc();
    const int mode = ValueOf(kPolygonModes, id);
    if (!doc || mode < 0)
        return;
    doc->m_polygonEditMode = mode;
    RepaintPanes(repaintAll);
}

void CQuelView::OnUpdatePolygonEditMode(CCmdUI* ui) {
    const CQuelDoc* doc = GetDoc();
    ui->SetCheck(doc && doc->m_polygonEditMode == ValueOf(kPolygonModes, ui->m_nID));
    if (ui->m_nID == kEdgeMode)
        ui->Enable(FALSE);
}

void CQuelView::OnShowFivePointVertices() {
    if (GetSelectedObject())
        PostToRegisteredWindows(notifyDrawFivePointVertices);
}

void CQuelView::OnShowInvisibleVertices() {
    if (GetSelectedObject())
        PostToRegisteredWindows(notifyDrawInvisibleVertices);
}
