#include "shell/pane_commands.h"

#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "app/quel_doc.h"
#include "dialogs/viewport_setting_dlgs.h"
#include "platform/ui/frame_wnd.h"
#include "tools/view_history.h"
#include "viewport/model_command.h"

#include <algorithm>
#include <iterator>

namespace {

enum Button { buttonLeft, buttonMiddle, buttonRight, buttonBoth };

struct ModeCommand {
    UINT id;
    Button button;
    int mode;
};

// The camera drag each command gives a mouse button.
constexpr ModeCommand kModeCommands[] = {
    {30058, buttonLeft, mouseModeCameraRotate1},     {30064, buttonLeft, mouseModeCameraRotate2},
    {30056, buttonLeft, mouseModeCameraPan},         {30026, buttonLeft, mouseModeCameraZoom},
    {30053, buttonLeft, mouseModeCameraAngle},       {30030, buttonLeft, mouseModeCameraLocationX},
    {30033, buttonLeft, mouseModeCameraLocationY},   {30036, buttonLeft, mouseModeCameraLocationZ},
    {30040, buttonLeft, mouseModeCameraLookAtX},     {30047, buttonLeft, mouseModeCameraLookAtY},
    {30050, buttonLeft, mouseModeCameraLookAtZ},     {30729, buttonLeft, mouseModeCameraDolly},
    {30176, buttonMiddle, mouseModeCameraRotate1},   {30178, buttonMiddle, mouseModeCameraRotate2},
    {30168, buttonMiddle, mouseModeCameraPan},       {30166, buttonMiddle, mouseModeCameraZoom},
    {30164, buttonMiddle, mouseModeCameraAngle},     {30157, buttonMiddle, mouseModeCameraLocationX},
    {30158, buttonMiddle, mouseModeCameraLocationY}, {30159, buttonMiddle, mouseModeCameraLocationZ},
    {30160, buttonMiddle, mouseModeCameraLookAtX},   {30161, buttonMiddle, mouseModeCameraLookAtY},
    {30162, buttonMiddle, mouseModeCameraLookAtZ},   {30198, buttonRight, mouseModeCameraRotate1},
    {30199, buttonRight, mouseModeCameraRotate2},    {30197, buttonRight, mouseModeCameraPan},
    {30195, buttonRight, mouseModeCameraZoom},       {30192, buttonRight, mouseModeCameraAngle},
    {30180, buttonRight, mouseModeCameraLocationX},  {30182, buttonRight, mouseModeCameraLocationY},
    {30184, buttonRight, mouseModeCameraLocationZ},  {30186, buttonRight, mouseModeCameraLookAtX},
    {30188, buttonRight, mouseModeCameraLookAtY},    {30190, buttonRight, mouseModeCameraLookAtZ},
    {30200, buttonRight, mouseModePopupMenu},        {30530, buttonBoth, mouseModeCameraRotate1},
    {30531, buttonBoth, mouseModeCameraRotate2},     {30529, buttonBoth, mouseModeCameraPan},
    {30528, buttonBoth, mouseModeCameraZoom},        {30527, buttonBoth, mouseModeCameraAngle},
    {30521, buttonBoth, mouseModeCameraLocationX},   {30522, buttonBoth, mouseModeCameraLocationY},
    {30523, buttonBoth, mouseModeCameraLocationZ},   {30524, buttonBoth, mouseModeCameraLookAtX},
    {30525, buttonBoth, mouseModeCameraLookAtY},     {30526, buttonBoth, mouseModeCameraLookAtZ},
};

// What a pane shows again after one of its switches changed.
enum class ShowAgain {
    vertices,   // drawn over the picture when switched on, else a repaint
    curves,     // the same
    axes,       // the same
    grid,       // the same
    repaint,    // always a repaint
    whenShaded, // a repaint when the pane shows surfaces
};

struct ShowCommand {
    UINT id;
    int CPaneDisplaySettings::*flag;
    ShowAgain again;
};

constexpr UINT kShowVertices = 30027;
constexpr UINT kShowCurves = 30031;
constexpr UINT kShowSurfaces = 30034;
constexpr ShowCommand kShowCommands[] = {
    {kShowVertices, &CPaneDisplaySettings::m_showVertices, ShowAgain::vertices},
    {kShowCurves, &CPaneDisplaySettings::m_showCurves, ShowAgain::curves},
    {kShowSurfaces, &CPaneDisplaySettings::m_showSurfaces, ShowAgain::repaint},
    {30077, &CPaneDisplaySettings::m_showAxes, ShowAgain::axes},
    {30193, &CPaneDisplaySettings::m_showGrid, ShowAgain::grid},
    {30112, &CPaneDisplaySettings::m_showGridXY, ShowAgain::grid},
    {30120, &CPaneDisplaySettings::m_showGridXZ, ShowAgain::grid},
    {30115, &CPaneDisplaySettings::m_showGridYZ, ShowAgain::grid},
    {30581, &CPaneDisplaySettings::m_showUnderlay, ShowAgain::repaint},
    {30038, &CPaneDisplaySettings::m_useLighting, ShowAgain::whenShaded},
};
// Shown as polygons: always grey, checked by the pane's flag.
constexpr UINT kShowAsPolygon = 30736;

// The preview lights: the default lights, the scene's, the selected one.
constexpr UINT kLightSources[] = {30638, 30639, 30640};

constexpr UINT kLockAll = 30542;
constexpr UINT kLockNone = 30543;
constexpr UINT kLockAxes[] = {30544, 30545, 30546};

constexpr UINT kDisableRotate = 30727;
constexpr UINT kSyncRedraw = 30588;

constexpr UINT kTopView = 30020;
constexpr UINT kFrontView = 30022;
constexpr UINT kSideView = 30024;
constexpr UINT kOrtho = 30016;
constexpr UINT kPerspective = 30018;
// Save and Load of memo cameras 1 to 4 alternate from here.
constexpr UINT kFirstMemo = 30083;
constexpr int kMemoCount = 4;
constexpr UINT kLookAtSelection = 30082;
constexpr UINT kLookAtObject = 30091;
constexpr UINT kLookAtAll = 30092;
constexpr UINT kViewUndo = 30571;
constexpr UINT kViewRedo = 30572;
constexpr UINT kCameraSetting = 30045;
constexpr UINT kGridSetting = 30081;
constexpr UINT kViewSetting = 30734;
constexpr UINT kOpenGLSetting = 30594;

template <class Entry, std::size_t N> const Entry* FindEntry(const Entry (&table)[N], UINT id) {
    const auto* e =
        std::find_if(std::begin(table), std::end(table), [id](const Entry& c) { return c.id == id; });
    return e != std::end(table) ? e : nullptr;
}

template <std::size_t N> int IndexOf(const UINT (&ids)[N], UINT id) {
    const auto* e = std::find(std::begin(ids), std::end(ids), id);
    return e != std::end(ids) ? static_cast<int>(e - std::begin(ids)) : -1;
}

int ActivePane(const CQuelDoc& doc) {
    return std::clamp(doc.m_activePane, 0, kPaneCount - 1);
}

CPaneDisplaySettings& ActiveShow(CQuelDoc& doc) {
    return doc.m_settings.m_panes[static_cast<size_t>(ActivePane(doc))];
}

CCamera& ActiveCamera(CQuelDoc& doc) {
    return doc.m_cameras[static_cast<size_t>(ActivePane(doc))];
}

void RedrawActivePane(const CQuelDoc& doc) {
    if (auto* window = doc.FindWindowService<CWindowServices>(wndGLPane0 + ActivePane(doc)))
        window->RedrawNow();
}

// The pane's picture after a switch changed: what was switched on is drawn
// over it, what was switched off needs a repaint.
void ShowPaneAgain(const CQuelDoc& doc, ShowAgain again, bool on) {
    auto* pane = doc.FindWindowService<CPaneQuickDraws>(wndGLPane0 + ActivePane(doc));
    if (!on || !pane) {
        RedrawActivePane(doc);
        return;
    }
    switch (again) {
    case ShowAgain::vertices:
        pane->QuickDrawVertices();
        break;
    case ShowAgain::curves:
        pane->QuickDrawCurves();
        break;
    case ShowAgain::axes:
        pane->RedrawCoordinateAxes();
        break;
    case ShowAgain::grid:
        pane->RedrawGrid();
        break;
    default:
        RedrawActivePane(doc);
    }
}

int& ModeOf(CQuelDoc& doc, Button button) {
    switch (button) {
    case buttonMiddle:
        return doc.m_settings.m_mouseModeMiddle;
    case buttonRight:
        return doc.m_settings.m_mouseModeRight;
    case buttonBoth:
        return doc.m_settings.m_mouseModeBoth;
    default:
        return doc.m_settings.m_mouseModeLeft;
    }
}

int* DocumentToggle(CQuelDoc& doc, UINT id) {
    if (id == kDisableRotate)
        return &doc.m_disableRotate;
    if (id == kSyncRedraw)
        return &doc.m_settings.m_syncRedraw;
    return nullptr;
}

// The camera changes of the pane menu: the camera before them goes onto the
// active pane's view history, and the pane shows the new one.
template <class Change> void ChangeCamera(CQuelDoc& doc, Change change) {
    PushViewHistory(doc, ActivePane(doc));
    change(ActiveCamera(doc));
    RedrawActivePane(doc);
}

void ShowAxisView(bool (CCamera::*isView)() const, void (CCamera::*setView)()) {
    CQuelDoc* doc = GetDoc();
    if (!doc || (ActiveCamera(*doc).*isView)())
        return;
    ChangeCamera(*doc, [setView](CCamera& camera) { (camera.*setView)(); });
}

void SetProjection(int projection) {
    if (CQuelDoc* doc = GetDoc())
        ChangeCamera(*doc, [projection](CCamera& camera) { camera.m_projection = projection; });
}

} // namespace

const CommandMap& CPaneCommands::GetCommandMap() const {
    static const CommandMap map = [&base = CCmdTarget::GetCommandMap()] {
        CommandMapFor<CPaneCommands> m(base);
        for (const ModeCommand& c : kModeCommands)
            m.OnCommandRange(c.id, c.id, &CPaneCommands::OnMouseMode)
                .OnUpdateCommandUI(c.id, &CPaneCommands::OnUpdateMouseMode);
        for (const ShowCommand& c : kShowCommands)
            m.OnCommandRange(c.id, c.id, &CPaneCommands::OnShowToggle)
                .OnUpdateCommandUI(c.id, &CPaneCommands::OnUpdateShowToggle);
        m.OnCommandRange(kShowAsPolygon, kShowAsPolygon, &CPaneCommands::OnShowToggle)
            .OnUpdateCommandUI(kShowAsPolygon, &CPaneCommands::OnUpdateShowToggle);
        for (const UINT id : kLightSources)
            m.OnCommandRange(id, id, &CPaneCommands::OnLightSource)
                .OnUpdateCommandUI(id, &CPaneCommands::OnUpdateLightSource);
        m.OnCommandRange(kLockAll, kLockAxes[2], &CPaneCommands::OnGridLock)
            .OnUpdateCommandUIRange(kLockAll, kLockAxes[2], &CPaneCommands::OnUpdateGridLock);
        for (const UINT id : {kDisableRotate, kSyncRedraw})
            m.OnCommandRange(id, id, &CPaneCommands::OnDocumentToggle)
                .OnUpdateCommandUI(id, &CPaneCommands::OnUpdateDocumentToggle);
        for (const UINT id : {kTopView, kFrontView, kSideView})
            m.OnCommandRange(id, id, &CPaneCommands::OnAxisView)
                .OnUpdateCommandUI(id, &CPaneCommands::OnUpdateAxisView);
        for (const UINT id : {kOrtho, kPerspective})
            m.OnCommandRange(id, id, &CPaneCommands::OnProjection)
                .OnUpdateCommandUI(id, &CPaneCommands::OnUpdateProjection);
        m.OnCommandRange(kFirstMemo, kFirstMemo + 2 * kMemoCount - 1, &CPaneCommands::OnMemoCamera)
            .OnCommand(kLookAtSelection, &CPaneCommands::OnLookAtSelection)
            .OnUpdateCommandUI(kLookAtSelection, &CPaneCommands::OnUpdateLookAtSelection)
            .OnUpdateCommandUI(kLookAtObject, &CPaneCommands::OnUpdateNeverEnabled)
            .OnUpdateCommandUI(kLookAtAll, &CPaneCommands::OnUpdateNeverEnabled)
            .OnCommand(kViewUndo, &CPaneCommands::OnViewUndo)
            .OnUpdateCommandUI(kViewUndo, &CPaneCommands::OnUpdateViewUndo)
            .OnCommand(kViewRedo, &CPaneCommands::OnViewRedo)
            .OnUpdateCommandUI(kViewRedo, &CPaneCommands::OnUpdateViewRedo)
            .OnCommand(kCameraSetting, &CPaneCommands::OnCameraSetting)
            .OnCommand(kGridSetting, &CPaneCommands::OnGridSetting)
            .OnCommand(kViewSetting, &CPaneCommands::OnViewSetting)
            .OnCommand(kOpenGLSetting, &CPaneCommands::OnOpenGLSetting);
        return CommandMap(m);
    }();
    return map;
}

void CPaneCommands::OnMouseMode(UINT id) {
    const ModeCommand* c = FindEntry(kModeCommands, id);
    if (!c)
        return;
    switch (c->button) {
    case buttonLeft:
        SetMouseMode(c->mode, 1);
        break;
    case buttonRight:
        SetMouseMode(c->mode, 0);
        break;
    case buttonMiddle:
        SetMiddleMouseMode(c->mode);
        break;
    case buttonBoth:
        SetBothButtonsMode(c->mode);
        break;
    }
}

void CPaneCommands::OnUpdateMouseMode(CCmdUI* ui) {
    CQuelDoc* doc = GetDoc();
    const ModeCommand* c = FindEntry(kModeCommands, ui->m_nID);
    ui->SetCheck(doc && c && ModeOf(*doc, c->button) == c->mode);
}

void CPaneCommands::OnShowToggle(UINT id) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    if (id == kShowAsPolygon) {
        int& flag = doc->m_showAsPolygon[static_cast<size_t>(ActivePane(*doc))];
        flag = flag ? 0 : 1;
        RedrawActivePane(*doc);
        return;
    }
    const ShowCommand* c = FindEntry(kShowCommands, id);
    if (!c)
        return;
    CPaneDisplaySettings& show = ActiveShow(*doc);
    int& flag = show.*(c->flag);
    flag = flag ? 0 : 1;
    if (c->again == ShowAgain::whenShaded) {
        if (show.m_showSurfaces)
            RedrawActivePane(*doc);
        return;
    }
    ShowPaneAgain(*doc, c->again, flag != 0);
}

void CPaneCommands::OnUpdateShowToggle(CCmdUI* ui) {
    CQuelDoc* doc = GetDoc();
    if (ui->m_nID == kShowAsPolygon) {
        ui->Enable(FALSE);
        ui->SetCheck(doc && doc->m_showAsPolygon[static_cast<size_t>(ActivePane(*doc))]);
        return;
    }
    const ShowCommand* c = FindEntry(kShowCommands, ui->m_nID);
    ui->SetCheck(doc && c && ActiveShow(*doc).*(c->flag) != 0);
}

void CPaneCommands::OnLightSource(UINT id) {
    CQuelDoc* doc = GetDoc();
    const int source = IndexOf(kLightSources, id);
    if (!doc || source < 0)
        return;
    doc->m_lightSource[static_cast<size_t>(ActivePane(*doc))] = source;
    if (ActiveShow(*doc).m_useLighting)
        RedrawActivePane(*doc);
}

void CPaneCommands::OnUpdateLightSource(CCmdUI* ui) {
    CQuelDoc* doc = GetDoc();
    ui->SetCheck(doc && doc->m_lightSource[static_cast<size_t>(ActivePane(*doc))] ==
                            IndexOf(kLightSources, ui->m_nID));
}

void CPaneCommands::OnGridLock(UINT id) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    std::array<int, 3>& lock = ActiveShow(*doc).m_gridLock;
    if (id == kLockAll || id == kLockNone) {
        lock.fill(id == kLockAll ? 1 : 0);
        return;
    }
    const int axis = IndexOf(kLockAxes, id);
    if (axis >= 0)
        lock[static_cast<size_t>(axis)] = lock[static_cast<size_t>(axis)] ? 0 : 1;
}

void CPaneCommands::OnUpdateGridLock(CCmdUI* ui) {
    CQuelDoc* doc = GetDoc();
    const int axis = IndexOf(kLockAxes, ui->m_nID);
    ui->SetCheck(doc && axis >= 0 && ActiveShow(*doc).m_gridLock[static_cast<size_t>(axis)] != 0);
}

void CPaneCommands::OnDocumentToggle(UINT id) {
    CQuelDoc* doc = GetDoc();
    if (int* flag = doc ? DocumentToggle(*doc, id) : nullptr)
        *flag = *flag ? 0 : 1;
}

void CPaneCommands::OnUpdateDocumentToggle(CCmdUI* ui) {
    CQuelDoc* doc = GetDoc();
    const int* flag = doc ? DocumentToggle(*doc, ui->m_nID) : nullptr;
    ui->SetCheck(flag && *flag != 0);
}

void CPaneCommands::ShowTopView() {
    ShowAxisView(&CCamera::IsTopView, &CCamera::SetTopView);
}

void CPaneCommands::ShowFrontView() {
    ShowAxisView(&CCamera::IsFrontView, &CCamera::SetFrontView);
}

void CPaneCommands::ShowSideView() {
    ShowAxisView(&CCamera::IsSideView, &CCamera::SetSideView);
}

void CPaneCommands::OnAxisView(UINT id) {
    if (id == kTopView)
        ShowTopView();
    else if (id == kFrontView)
        ShowFrontView();
    else if (id == kSideView)
        ShowSideView();
}

void CPaneCommands::OnUpdateAxisView(CCmdUI* ui) {
    CQuelDoc* doc = GetDoc();
    if (!doc) {
        ui->SetCheck(0);
        return;
    }
    const CCamera& camera = ActiveCamera(*doc);
    const UINT id = ui->m_nID;
    ui->SetCheck((id == kTopView && camera.IsTopView()) || (id == kFrontView && camera.IsFrontView()) ||
                 (id == kSideView && camera.IsSideView()));
}

void CPaneCommands::ToggleProjection() {
    if (CQuelDoc* doc = GetDoc())
        SetProjection(ActiveCamera(*doc).m_projection == CCamera::parallel ? CCamera::perspective
                                                                           : CCamera::parallel);
}

void CPaneCommands::OnProjection(UINT id) {
    SetProjection(id == kOrtho ? CCamera::parallel : CCamera::perspective);
}

void CPaneCommands::OnUpdateProjection(CCmdUI* ui) {
    CQuelDoc* doc = GetDoc();
    const int wanted = ui->m_nID == kOrtho ? CCamera::parallel : CCamera::perspective;
    ui->SetCheck(doc && ActiveCamera(*doc).m_projection == wanted);
}

void CPaneCommands::LoadMemoCamera(int index) {
    CQuelDoc* doc = GetDoc();
    if (!doc || index < 0 || index >= kMemoCount)
        return;
    const CCamera& memo = doc->m_memoCameras[static_cast<size_t>(index)];
    ChangeCamera(*doc, [&memo](CCamera& camera) { camera = memo; });
}

void CPaneCommands::SaveMemoCamera(int index) {
    CQuelDoc* doc = GetDoc();
    if (doc && index >= 0 && index < kMemoCount)
        doc->m_memoCameras[static_cast<size_t>(index)] = ActiveCamera(*doc);
}

void CPaneCommands::OnMemoCamera(UINT id) {
    const int step = static_cast<int>(id - kFirstMemo);
    if (step % 2)
        LoadMemoCamera(step / 2);
    else
        SaveMemoCamera(step / 2);
}

void CPaneCommands::OnLookAtSelection() {
    CQuelDoc* doc = GetDoc();
    const CSpatchObj* obj = GetSelectedObject();
    if (!doc || !obj)
        return;
    const CVector3 centre = obj->GetSelectedCenter();
    ChangeCamera(*doc, [&centre](CCamera& camera) { camera.m_target = centre; });
}

void CPaneCommands::OnUpdateLookAtSelection(CCmdUI* ui) {
    const CSpatchObj* obj = GetSelectedObject();
    ui->Enable(obj && obj->CountSelectedVertices() > 0);
}

void CPaneCommands::OnUpdateNeverEnabled(CCmdUI* ui) {
    ui->Enable(FALSE);
}

void CPaneCommands::OnViewUndo() {
    CQuelDoc* doc = GetDoc();
    if (doc && UndoViewHistory(*doc, ActivePane(*doc)))
        RedrawActivePane(*doc);
}

void CPaneCommands::OnUpdateViewUndo(CCmdUI* ui) {
    CQuelDoc* doc = GetDoc();
    ui->Enable(doc && doc->m_viewHistory[static_cast<size_t>(ActivePane(*doc))].m_backCount > 0);
}

void CPaneCommands::OnViewRedo() {
    CQuelDoc* doc = GetDoc();
    if (doc && RedoViewHistory(*doc, ActivePane(*doc)))
        RedrawActivePane(*doc);
}

void CPaneCommands::OnUpdateViewRedo(CCmdUI* ui) {
    CQuelDoc* doc = GetDoc();
    ui->Enable(doc && doc->m_viewHistory[static_cast<size_t>(ActivePane(*doc))].m_forwardCount > 0);
}

void CPaneCommands::OnCameraSetting() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    CCameraSettingDlg dialog(AfxGetMainWnd());
    const CCamera& camera = ActiveCamera(*doc);
    dialog.m_location = camera.m_eye;
    dialog.m_lookAt = camera.m_target;
    dialog.m_angle = camera.m_angle;
    if (dialog.DoModal() != IDOK)
        return;
    ChangeCamera(*doc, [&dialog](CCamera& c) {
        c.m_eye = dialog.m_location;
        c.m_target = dialog.m_lookAt;
        c.m_angle = dialog.m_angle;
    });
}

void CPaneCommands::OnGridSetting() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    CGridSettingDlg dialog(AfxGetMainWnd());
    const CPaneDisplaySettings& active = ActiveShow(*doc);
    dialog.m_size = active.m_gridSpacing;
    dialog.m_count = active.m_gridCount;
    dialog.m_lock = active.m_gridLock;
    if (dialog.DoModal() != IDOK)
        return;
    const int activePane = ActivePane(*doc);
    for (int pane = 0; pane < kPaneCount; ++pane) {
        if (pane != activePane && !dialog.m_allPanes)
            continue;
        CPaneDisplaySettings& show = doc->m_settings.m_panes[static_cast<size_t>(pane)];
        show.m_gridSpacing = dialog.m_size;
        show.m_gridCount = dialog.m_count;
        show.m_gridLock = dialog.m_lock;
        const bool showsGrid = show.m_showGrid || show.m_showGridXY || show.m_showGridXZ || show.m_showGridYZ;
        if (showsGrid)
            if (auto* window = doc->FindWindowService<CWindowServices>(wndGLPane0 + pane))
                window->RedrawNow();
    }
}

void CPaneCommands::OnViewSetting() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    CViewSettingDlg dialog(AfxGetMainWnd());
    dialog.LoadFromView(ActivePane(*doc));
    if (dialog.DoModal() == IDOK)
        dialog.StoreToView();
}

void CPaneCommands::OnOpenGLSetting() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    COpenGLSettingDlg dialog(AfxGetMainWnd());
    dialog.LoadFrom(doc->m_openGLSetting);
    if (dialog.DoModal() != IDOK)
        return;
    dialog.StoreTo(doc->m_openGLSetting);
    doc->RedrawPanes();
}
