#pragma once
// What the object information panel does to the selected patch object, free
// of windows: the values its controls show, which controls are enabled, and
// each control's change of the object as one undo step ("(Object Info)
// Change") followed by the repaint the change needs. Also the material-slot
// operations the object and polygon panels share.
#include "model/vector3.h"
#include "platform/base/cstring.h"
#include "platform/base/win_types.h"

#include <array>

class CBaseObj;
class CQuelDoc;
class CSpatchObj;

// The panel's values, one per control, as its dialog data exchange holds them.
struct CObjectInfoValues {
    CString name;
    COLORREF color = 0;
    int show = 0;
    int exportOn = 0;
    int noShadow = 0;
    int editDisabled = 0;
    int smooth = 0;
    int fivePoint = 0;
    int seeThrough = 0;
    int seeThroughAmount = 0;
    int mirrorMode = -1; // 0 none, 1 separated, 2 connected
    int limitDistance = 0;
    float limit = 0.0f;
    std::array<int, 3> mirrorAxis{};
    int polygonize = 0;
    int division = 1;
    int polygonSmoothing = 0;
    float angle = 0.0f;
    int subdivision = 0;
    int subdivisionCount = 4;
    int layer = -1; // the current material slot
    int useMaterial = 0;
    CString materialName;
    int doubleIlluminate = 0;
    int noImage = 0;
    int noReflection = 0;
    int exportUV = 0;
    int hollow = 0;
    int motionBlur = 0;
    CString referenceName;
};

// What the panel shows for obj.
CObjectInfoValues ReadObjectInfo(const CSpatchObj& obj);

// The controls that depend on others.
struct CObjectInfoEnabling {
    bool reference = false;        // the reference object's button: motion blur on
    bool division = false;         // polygonizing on
    bool polygonOptions = false;   // polygon smoothing and subdivision checks
    bool angle = false;            // polygonizing with smoothing
    bool subdivisionCount = false; // polygonizing with subdivision
    bool seeThroughAmount = false;
    bool limitCheck = false;    // connected mirror
    bool limitDistance = false; // connected mirror with the limit on
    bool axes = false;          // any mirror
};
CObjectInfoEnabling ObjectInfoEnabling(const CObjectInfoValues& values);

enum class ObjectInfoField {
    color,
    show,
    exportOn,
    noShadow,
    editDisabled,
    smooth,
    fivePoint,
    seeThrough,
    seeThroughAmount,
    mirrorMode,
    limitDistance,
    limit,
    mirrorAxes,
    polygonize,
    division,
    polygonSmoothing,
    angle,
    subdivision,
    subdivisionCount,
    useMaterial,
    motionBlur,
    doubleIlluminate,
    noImage,
    noReflection,
    exportUV,
    hollow,
};

// One change of the panel: one undo step of the field's kind that remembers
// whether undoing it repaints, the field of obj set from values, the repaint
// the field needs, the document modified.
void ChangeObjectInfo(CQuelDoc& doc, CSpatchObj& obj, ObjectInfoField field, const CObjectInfoValues& values);

// Renames the object as one undo step and tells the tree, the panels and the multi-object list.
void RenameObject(CQuelDoc& doc, CSpatchObj& obj, const CString& name);
// The motion-blur partner: the patch object at index of the document's list, as one undo step.
void SetReferenceObject(CQuelDoc& doc, CSpatchObj& obj, int index);
// The name of obj's motion-blur partner; empty when there is none.
CString ReferenceObjectName(const CSpatchObj& obj);

// The material slots. withUndo records one "(Object Info) Change" (or
// "(Material Axis) Transform") step for a patch object; the polygon panel's
// changes record none. Each marks the document modified.
// The material of the current slot: the material at index of the document's list.
void SetSlotMaterial(CQuelDoc& doc, CBaseObj& obj, int index, bool withUndo);
// The material axis of the current slot.
void SetSlotAxis(CQuelDoc& doc, CBaseObj& obj, const CVector3& position, const CVector3& scale,
                 const CVector3& rotation, bool withUndo);
// Chooses the current slot (nothing is recorded), repainting the panes when
// the left button has a material-axis tool.
void SetCurrentSlot(CQuelDoc& doc, CBaseObj& obj, int slot);
// The name of the current slot's material; empty when it names none.
CString SlotMaterialName(const CBaseObj& obj);

// Repaints the panes that show surfaces, now.
void RepaintSurfacePanes(const CQuelDoc& doc);
