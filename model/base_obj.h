#pragma once
// The base of every scene object the document lists: name and identifier key,
// place in the folder hierarchy, selection, colour, the show, export and edit
// switches, the five material slots and the POV-Ray and mirror settings.
#include "model/transform_data.h"
#include "model/vector3.h"
#include "platform/base/cstring.h"

#include <array>
#include <cstdint>
#include <utility>

class CFolderObj;

// The kind an object answers to GetObjType.
enum ObjType {
    objTypePlain = -1,
    objTypePatch = 1,
    objTypePolygon = 2,
    objTypeFolder = 3,
};

// The object's item in the object page's tree, kept for the shell; the model
// never looks into it.
using ObjTreeItem = void*;

class CBaseObj {
public:
    static constexpr int materialSlotCount = 5;

    CBaseObj() = default;
    virtual ~CBaseObj() = default;
    CBaseObj(const CBaseObj&) = delete;
    CBaseObj& operator=(const CBaseObj&) = delete;

    virtual int GetObjType() const { return objTypePlain; }

    const CString& GetName() const { return m_name; }
    void SetName(const CString& name) { m_name = name; }
    const CString& GetKey() const { return m_key; }
    void SetKey(const CString& key) { m_key = key; }
    // Trades the key for key, which cannot fail.
    void SwapKey(CString& key) noexcept { std::swap(m_key, key); }
    uint32_t GetColor() const { return m_color; } // packed 0x00BBGGRR
    void SetColor(uint32_t color) { m_color = color; }
    const CString& GetParentKey() const { return m_parentKey; }

    int GetSelected() const { return m_selected; }
    void SetSelected(int v) { m_selected = v; }
    int GetMultiSelected() const { return m_multiSelected; }
    void SetMultiSelected(int v) { m_multiSelected = v; }
    int GetReservedWord() const { return m_reservedWord; }
    void SetReservedWord(int v) { m_reservedWord = v; }

    int GetMotionBlur() const { return m_motionBlur; }
    void SetMotionBlur(int v) { m_motionBlur = v; }
    // Key of the patch object or folder rendered with this one in a motion_blur block.
    const CString& GetMotionBlurTarget() const { return m_motionBlurTarget; }
    void SetMotionBlurTarget(const CString& key) { m_motionBlurTarget = key; }

    ObjTreeItem GetTreeItem() const { return m_treeItem; }
    void SetTreeItem(ObjTreeItem item) { m_treeItem = item; }

    // The four vectors carried and stored with the object (index 0..3); the
    // zero vector for another index, which Set ignores.
    CVector3 GetExtraVector(int i) const;
    void SetExtraVector(int i, const CVector3& v);

    // Slot 0..4; null for another index.
    CTransformData* GetMaterialSlot(int i);
    const CTransformData* GetMaterialSlot(int i) const;
    int GetCurrentSlot() const { return m_currentSlot; }
    // An index outside 0..4 changes nothing.
    void SetCurrentSlot(int i);

    int GetDoubleIlluminate() const { return m_doubleIlluminate; }
    void SetDoubleIlluminate(int v) { m_doubleIlluminate = v; }

    // 0 none, 1 separate mirrored copy, 2 mirrored copy joined to this one.
    int GetMirrorMode() const { return m_mirrorMode; }
    void SetMirrorMode(int v) { m_mirrorMode = v; }
    float GetMirrorLimitDistance() const { return m_mirrorLimitDistance; }
    void SetMirrorLimitDistance(float v) { m_mirrorLimitDistance = v; }
    int GetMirrorLimit() const { return m_mirrorLimit; }
    void SetMirrorLimit(int v) { m_mirrorLimit = v; }
    // Axis 0 X, 1 Y, 2 Z; 0 for another index, which Set ignores.
    int GetMirrorAxis(int i) const;
    void SetMirrorAxis(int i, int v);

    CFolderObj* GetParentFolder() const { return m_parent; }
    // Also takes the folder's key as parentKey (empty for the top level).
    void SetParentFolder(CFolderObj* folder);

    int GetShow() const { return m_showOn; }
    void SetShow(int v) { m_showOn = v; }
    int GetExport() const { return m_exportOn; }
    void SetExport(int v) { m_exportOn = v; }
    // The own switch, off as soon as any folder above is off. Drawing, picking
    // and tools use the effective show; renderers and exporters the effective export.
    int IsShownEffective() const;
    int IsExportEffective() const;

    // Editing commands and tools do nothing to an object that is not editable.
    int IsEditable() const { return m_editable; }
    void SetEditable(int v) { m_editable = v; }

    int GetNoShadow() const { return m_noShadow; }
    void SetNoShadow(int v) { m_noShadow = v; }
    int GetNoImage() const { return m_noImage; }
    void SetNoImage(int v) { m_noImage = v; }
    int GetNoReflection() const { return m_noReflection; }
    void SetNoReflection(int v) { m_noReflection = v; }
    int GetHollow() const { return m_hollow; }
    void SetHollow(int v) { m_hollow = v; }
    int GetSeeThrough() const { return m_seeThrough; }
    void SetSeeThrough(int v) { m_seeThrough = v; }
    int GetSeeThroughAmount() const { return m_seeThroughAmount; } // opacity in percent
    void SetSeeThroughAmount(int v) { m_seeThroughAmount = v; }

    // Copies what a duplicate of the object shows and renders; never the key,
    // the place in the hierarchy, the selection, the tree item or the current slot.
    void CopyAttributes(const CBaseObj& other);

    // The gizmo of the current slot's material axes, in the current OpenGL
    // modelview, shaped by the document's material-axis shape.
    void DrawMaterialAxis() const;

private:
    CString m_name = "obj";
    CString m_key;
    uint32_t m_color = 0x0000C8C8;
    CString m_parentKey;
    int m_selected = 0;
    int m_multiSelected = 0;
    int m_reservedWord = 0;
    int m_motionBlur = 0;
    CString m_motionBlurTarget;
    ObjTreeItem m_treeItem = nullptr;
    std::array<CVector3, 4> m_extraVectors{CVector3(), CVector3(), CVector3(1.0f, 1.0f, 1.0f), CVector3()};
    std::array<CTransformData, materialSlotCount> m_materialSlots;
    int m_currentSlot = 0;
    int m_doubleIlluminate = 0;
    int m_mirrorMode = 0;
    float m_mirrorLimitDistance = 0.0f;
    int m_mirrorLimit = 0;
    std::array<int, 3> m_mirrorAxis{1, 0, 0};
    CFolderObj* m_parent = nullptr; // not owned
    int m_exportOn = 1;
    int m_showOn = 1;
    int m_noShadow = 0;
    int m_noImage = 0;
    int m_noReflection = 0;
    int m_hollow = 0;
    int m_editable = 1;
    int m_seeThrough = 0;
    int m_seeThroughAmount = 50;
};
