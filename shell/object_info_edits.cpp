#include "shell/object_info_edits.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "model/mouse_modes.h"

namespace {

// What a change shows afterwards.
enum class FollowUp { none, surfacePanes, allPanes, postRepaint };

struct FieldRule {
    ObjectInfoField field;
    UndoKind kind;
    int redraw; // undoing the step repaints the four panes
    FollowUp followUp;
};

constexpr FieldRule kRules[] = {
    {ObjectInfoField::color, undoObjectInfo, 1, FollowUp::surfacePanes},
    {ObjectInfoField::show, undoObjectInfo, 1, FollowUp::allPanes},
    {ObjectInfoField::exportOn, undoObjectInfo, 0, FollowUp::none},
    {ObjectInfoField::noShadow, undoObjectInfo, 0, FollowUp::none},
    {ObjectInfoField::editDisabled, undoObjectInfo, 0, FollowUp::none},
    {ObjectInfoField::smooth, undoObjectInfoRebuild, 1, FollowUp::surfacePanes},
    {ObjectInfoField::fivePoint, undoObjectInfo, 1, FollowUp::postRepaint},
    {ObjectInfoField::seeThrough, undoObjectInfo, 1, FollowUp::surfacePanes},
    {ObjectInfoField::seeThroughAmount, undoObjectInfo, 1, FollowUp::surfacePanes},
    {ObjectInfoField::mirrorMode, undoObjectInfoRebuild, 1, FollowUp::surfacePanes},
    {ObjectInfoField::limitDistance, undoObjectInfoRebuild, 1, FollowUp::surfacePanes},
    {ObjectInfoField::limit, undoObjectInfoRebuild, 1, FollowUp::surfacePanes},
    {ObjectInfoField::mirrorAxes, undoObjectInfoRebuild, 1, FollowUp::surfacePanes},
    {ObjectInfoField::polygonize, undoObjectInfoRebuild, 1, FollowUp::postRepaint},
    {ObjectInfoField::division, undoObjectInfoRebuild, 1, FollowUp::postRepaint},
    {ObjectInfoField::polygonSmoothing, undoObjectInfoRebuild, 1, FollowUp::postRepaint},
    {ObjectInfoField::angle, undoObjectInfoRebuild, 1, FollowUp::postRepaint},
    {ObjectInfoField::subdivision, undoObjectInfoRebuild, 1, FollowUp::postRepaint},
    {ObjectInfoField::subdivisionCount, undoObjectInfoRebuild, 1, FollowUp::postRepaint},
    {ObjectInfoField::useMaterial, undoObjectInfo, 1, FollowUp::none},
    {ObjectInfoField::motionBlur, undoObjectInfo, 0, FollowUp::none},
    {ObjectInfoField::doubleIlluminate, undoObjectInfo, 0, FollowUp::none},
    {ObjectInfoField::noImage, undoObjectInfo, 0, FollowUp::none},
    {ObjectInfoField::noReflection, undoObjectInfo, 0, FollowUp::none},
    {ObjectInfoField::exportUV, undoObjectInfo, 0, FollowUp::none},
    {ObjectInfoField::hollow, undoObjectInfo, 0, FollowUp::none},
};

const FieldRule& RuleOf(ObjectInfoField field) {
    for (const FieldRule& rule : kRules)
        if (rule.field == field)
            return rule;
    return kRules[0];
}

constexpr const char* kInfoJapanese = "(オブジェクト情報) 変更";
constexpr const char* kInfoEnglish = "(Object Info) Change";

void BeginInfoStep(CQuelDoc& doc, CSpatchObj& obj, UndoKind kind, int redraw,
                   const char* japanese = kInfoJapanese, const char* english = kInfoEnglish) {
    doc.m_undoBuffer.BeginRecord(japanese, english, kind);
    doc.m_undoBuffer.SaveObjectInfo(&obj, redraw);
}

void SetField(CSpatchObj& obj, ObjectInfoField field, const CObjectInfoValues& v) {
    switch (field) {
    case ObjectInfoField::color:
        obj.SetColor(v.color);
        break;
    case ObjectInfoField::show:
        obj.SetShow(v.show);
        break;
    case ObjectInfoField::exportOn:
        obj.SetExport(v.exportOn);
        break;
    case ObjectInfoField::noShadow:
        obj.SetNoShadow(v.noShadow);
        break;
    case ObjectInfoField::editDisabled:
        obj.SetEditable(v.editDisabled ? 0 : 1);
        break;
    case ObjectInfoField::smooth:
        obj.SetSmoothing(v.smooth);
        break;
    case ObjectInfoField::fivePoint:
        obj.SetFivePointOn(v.fivePoint);
        obj.DeleteAllPatches();
        obj.SetNeedsRebuild(1);
        break;
    case ObjectInfoField::seeThrough:
        obj.SetSeeThrough(v.seeThrough);
        break;
    case ObjectInfoField::seeThroughAmount:
        obj.SetSeeThroughAmount(v.seeThroughAmount);
        break;
    case ObjectInfoField::mirrorMode:
        obj.SetMirrorMode(v.mirrorMode);
        obj.SetMirrorDirty(1);
        break;
    case ObjectInfoField::limitDistance:
        obj.SetMirrorLimit(v.limitDistance);
        obj.SetMirrorDirty(1);
        break;
    case ObjectInfoField::limit:
        obj.SetMirrorLimitDistance(v.limit);
        obj.SetMirrorDirty(1);
        break;
    case ObjectInfoField::mirrorAxes:
        for (int axis = 0; axis < 3; ++axis)
            obj.SetMirrorAxis(axis, v.mirrorAxis[static_cast<size_t>(axis)]);
        obj.SetMirrorDirty(1);
        break;
    case ObjectInfoField::polygonize:
        obj.SetPolygonize(v.polygonize);
        obj.InvalidateMesh();
        break;
    case ObjectInfoField::division:
        obj.SetDivision(v.division);
        obj.InvalidateMesh();
        break;
    case ObjectInfoField::polygonSmoothing:
        obj.SetSmoothOn(v.polygonSmoothing);
        obj.InvalidateMesh();
        break;
    case ObjectInfoField::angle:
        obj.SetSmoothAngle(v.angle);
        obj.InvalidateMesh();
        break;
    case ObjectInfoField::subdivision:
        obj.SetSubdivisionOn(v.subdivision);
        obj.InvalidateMesh();
        break;
    case ObjectInfoField::subdivisionCount:
        obj.SetSubdivisionCount(v.subdivisionCount);
        obj.InvalidateMesh();
        break;
    case ObjectInfoField::useMaterial:
        if (CTransformData* slot = obj.GetMaterialSlot(obj.GetCurrentSlot()))
            slot->m_slotOption = v.useMaterial;
        break;
    case ObjectInfoField::motionBlur:
        obj.SetMotionBlur(v.motionBlur);
        break;
    case ObjectInfoField::doubleIlluminate:
        obj.SetDoubleIlluminate(v.doubleIlluminate);
        break;
    case ObjectInfoField::noImage:
        obj.SetNoImage(v.noImage);
        break;
    case ObjectInfoField::noReflection:
        obj.SetNoReflection(v.noReflection);
        break;
    case ObjectInfoField::exportUV:
        // The export-UV switch lives in the object's otherwise unused word.
        obj.SetReservedWord(v.exportUV);
        break;
    case ObjectInfoField::hollow:
        obj.SetHollow(v.hollow);
        break;
    }
}

void RunFollowUp(const CQuelDoc& doc, FollowUp followUp) {
    switch (followUp) {
    case FollowUp::surfacePanes:
        RepaintSurfacePanes(doc);
        break;
    case FollowUp::allPanes:
        doc.RedrawPanes();
        break;
    case FollowUp::postRepaint:
        PostToRegisteredWindows(notifyRepaintPanes);
        break;
    case FollowUp::none:
        break;
    }
}

bool IsMaterialAxisTool(int mode) {
    return mode == mouseModeAxisTranslate || mode == mouseModeAxisScale || mode == mouseModeAxisRotate;
}

} // namespace

void RepaintSurfacePanes(const CQuelDoc& doc) {
    for (int pane = 0; pane < kPaneCount; ++pane)
        if (doc.m_settings.m_panes[static_cast<size_t>(pane)].m_showSurfaces == 1)
            if (auto* window = doc.FindWindowService<CWindowServices>(wndGLPane0 + pane))
                window->RedrawNow();
}

CObjectInfoValues ReadObjectInfo(const CSpatchObj& obj) {
    CObjectInfoValues v;
    v.color = obj.GetColor();
    v.name = obj.GetName();
    v.show = obj.GetShow();
    v.noShadow = obj.GetNoShadow();
    v.exportOn = obj.GetExport();
    v.editDisabled = obj.IsEditable() ? 0 : 1;
    v.smooth = obj.GetSmoothing();
    v.fivePoint = obj.GetFivePointOn();
    v.referenceName = ReferenceObjectName(obj);
    v.motionBlur = obj.GetMotionBlur();
    v.doubleIlluminate = obj.GetDoubleIlluminate();
    v.noImage = obj.GetNoImage();
    v.noReflection = obj.GetNoReflection();
    v.exportUV = obj.GetReservedWord();
    v.hollow = obj.GetHollow();
    v.layer = obj.GetCurrentSlot();
    const CTransformData* slot = obj.GetMaterialSlot(obj.GetCurrentSlot());
    v.useMaterial = slot ? slot->m_slotOption : 0;
    v.materialName = SlotMaterialName(obj);
    v.polygonize = obj.GetPolygonize();
    v.division = obj.GetDivision();
    v.angle = obj.GetSmoothAngle();
    v.subdivision = obj.GetSubdivisionOn();
    v.subdivisionCount = obj.GetSubdivisionCount();
    v.polygonSmoothing = obj.GetSmoothOn();
    v.seeThrough = obj.GetSeeThrough();
    v.seeThroughAmount = obj.GetSeeThroughAmount();
    v.mirrorMode = obj.GetMirrorMode();
    v.limitDistance = obj.GetMirrorLimit();
    for (int axis = 0; axis < 3; ++axis)
        v.mirrorAxis[static_cast<size_t>(axis)] = obj.GetMirrorAxis(axis);
    v.limit = obj.GetMirrorLimitDistance();
    return v;
}

CObjectInfoEnabling ObjectInfoEnabling(const CObjectInfoValues& v) {
    CObjectInfoEnabling e;
    e.reference = v.motionBlur != 0;
    e.division = v.polygonize != 0;
    e.polygonOptions = v.polygonize != 0;
    e.angle = v.polygonize != 0 && v.polygonSmoothing != 0;
    e.subdivisionCount = v.polygonize != 0 && v.subdivision != 0;
    e.seeThroughAmount = v.seeThrough != 0;
    e.limitCheck = v.mirrorMode == 2;
    e.limitDistance = v.mirrorMode == 2 && v.limitDistance != 0;
    e.axes = v.mirrorMode != 0;
    return e;
}

void ChangeObjectInfo(CQuelDoc& doc, CSpatchObj& obj, ObjectInfoField field,
                      const CObjectInfoValues& values) {
    const FieldRule& rule = RuleOf(field);
    BeginInfoStep(doc, obj, rule.kind, rule.redraw);
    SetField(obj, field, values);
    RunFollowUp(doc, rule.followUp);
    SetModifiedForFrame();
}

void RenameObject(CQuelDoc& doc, CSpatchObj& obj, const CString& name) {
    doc.m_undoBuffer.BeginRecord("(パッチ) 名前を変更", "(Patch) Change Name", undoObjectName);
    doc.m_undoBuffer.SaveObjectName(&obj);
    doc.m_undoBuffer.SaveNewName(name);
    obj.SetName(name);
    PostToRegisteredWindows(notifyRenameTreeItems);
    RefreshMultiObjectList();
    SetModifiedForFrame();
}

CString ReferenceObjectName(const CSpatchObj& obj) {
    const CBaseObj* partner = FindObjectOrFolderByKey(obj.GetMotionBlurTarget());
    return partner ? partner->GetName() : CString();
}

void SetReferenceObject(CQuelDoc& doc, CSpatchObj& obj, int index) {
    const CSpatchObj* partner = doc.m_objects.GetAtIndex(index);
    if (!partner)
        return;
    BeginInfoStep(doc, obj, undoObjectInfo, 0);
    obj.SetMotionBlurTarget(partner->GetKey());
    SetModifiedForFrame();
}

CString SlotMaterialName(const CBaseObj& obj) {
    const CTransformData* slot = obj.GetMaterialSlot(obj.GetCurrentSlot());
    const CMaterialData* mat = slot ? FindMaterialById(slot->m_materialId) : nullptr;
    return mat ? mat->m_name : CString();
}

void SetSlotMaterial(CQuelDoc& doc, CBaseObj& obj, int index, bool withUndo) {
    const CMaterialData* mat = doc.m_materials.GetAtIndex(index);
    CTransformData* slot = obj.GetMaterialSlot(obj.GetCurrentSlot());
    if (!mat || !slot)
        return;
    if (withUndo && obj.GetObjType() == objTypePatch)
        BeginInfoStep(doc, static_cast<CSpatchObj&>(obj), undoObjectInfo, 1);
    slot->m_materialId = mat->m_id;
    SetModifiedForFrame();
}

void SetSlotAxis(CQuelDoc& doc, CBaseObj& obj, const CVector3& position, const CVector3& scale,
                 const CVector3& rotation, bool withUndo) {
    CTransformData* slot = obj.GetMaterialSlot(obj.GetCurrentSlot());
    if (!slot)
        return;
    if (withUndo && obj.GetObjType() == objTypePatch)
        BeginInfoStep(doc, static_cast<CSpatchObj&>(obj), undoObjectInfo, 1, "(マテリアル座標) 変換",
                      "(Material Axis) Transform");
    slot->m_translation = position;
    slot->m_scale = scale;
    slot->m_rotation = rotation;
    SetModifiedForFrame();
    if (IsMaterialAxisTool(doc.m_settings.m_mouseModeLeft))
        doc.RedrawPanes();
}

void SetCurrentSlot(CQuelDoc& doc, CBaseObj& obj, int slot) {
    obj.SetCurrentSlot(slot);
    if (IsMaterialAxisTool(doc.m_settings.m_mouseModeLeft))
        doc.RedrawPanes();
}
