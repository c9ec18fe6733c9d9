#pragma once
// What the document and its helpers ask of windows beyond the update message:
// one small interface per kind of window. A window class implements the ones
// that fit it beside being a message target and registers itself with the
// document; the core finds it by its registered id and asks the live target
// for the interface. Windows that are no registered target (the two modeless
// dialogs the document owns, the main window) come through CMainWindowLink.
// Tests register stand-ins that record the calls.
#include "model/base_obj.h"
#include "model/vector3.h"
#include "platform/base/message.h"
#include "platform/base/win_types.h"

#include <memory>

class CLightData;
class CMaterialData;
class CQuelDoc;

// Any registered window that the core redraws, or whose place it asks.
class CWindowServices {
public:
    virtual ~CWindowServices() = default;
    // Invalidates the whole window, erasing it, and repaints it before returning.
    virtual void RedrawNow() = 0;
    virtual BOOL IsShown() const = 0;
    virtual CRect GetScreenRect() const = 0;
};

// An OpenGL pane.
class CGLPaneServices {
public:
    virtual ~CGLPaneServices() = default;
    // Draws the visible patch objects' curves straight into the pane.
    virtual void QuickDrawCurves() = 0;
    // Draws their control points straight into the pane, when the pane shows points.
    virtual void QuickDrawVertices() = 0;
    // Draws the pane's grids straight into the pane.
    virtual void RedrawGrid() = 0;
    // Draws the control-point handles of the current object's selected curve straight into the pane.
    virtual void RedrawControlPoints() = 0;
};

// A pane's header bar.
class CPaneHeaderServices {
public:
    virtual ~CPaneHeaderServices() = default;
    // Redraws the pane letter, which shows whether its pane is the active one.
    virtual void RedrawPaneLetter() = 0;
};

// The strip of the mouse-status bar that names the tool of each button.
class CMouseAssignStripServices {
public:
    virtual ~CMouseAssignStripServices() = default;
    // Show " L : ", " R : " or " M : " and the name of the MouseMode.
    virtual void SetLeftText(int mode) = 0;
    virtual void SetRightText(int mode) = 0;
    virtual void SetMiddleText(int mode) = 0;
};

// The scene page that chooses the tools of the right and middle buttons and of the left+right chord.
class CMouseButtonPageServices {
public:
    enum Button { buttonRight, buttonMiddle, buttonBoth };
    virtual ~CMouseButtonPageServices() = default;
    // Selects the choice toolIndex (the mode + 1) for the button and shows it.
    virtual void SetButtonChoice(Button button, int toolIndex) = 0;
};

// The right command bar: three transform read-outs and the single- and
// multi-object buttons.
class CTransformBarServices {
public:
    // The read-outs, numbered as ShowTransformFeedback numbers them.
    enum Readout { readoutTranslation = 1, readoutRotation = 2, readoutScale = 3 };
    virtual ~CTransformBarServices() = default;
    virtual void SetReadoutValue(Readout which, const CVector3& value) = 0;
    virtual void SetReadoutActive(Readout which, BOOL active) = 0;
    virtual void RedrawReadouts() = 0;
    // Shows which transform set is in use and redraws both buttons.
    virtual void SetObjectModeButtons(BOOL singlePressed, BOOL multiPressed) = 0;
};

// The side-bar pages with the object, light and material trees, and the scene-setting tree.
class CObjectPageServices {
public:
    virtual ~CObjectPageServices() = default;
    // Deletes every tree item and hides the page's panels.
    virtual void ResetTree() = 0;
    // Adds the first patch object of a new document, named and shown in the tree.
    virtual void CreatePatchObject() = 0;
    // Inserts the object under its parent's item, sorted; a folder with its members.
    virtual void AddObjectTreeItem(CBaseObj* obj) = 0;
    // Appends a polygon object's item at the end of the top level and selects
    // it when nothing is selected, without reacting to that selection.
    virtual void AddPolygonItem(CBaseObj* polygon) = 0;
    // Deletes the object's item and selects the current selection again.
    virtual void RemoveObjectItem(CBaseObj* obj) = 0;
    // Selects the object's item (Root for null), which selects the object in
    // the scene and shows its panel as the user's choice would.
    virtual void SelectObjectItem(CBaseObj* obj) = 0;
    // Inserts the object's item again under its present parent and selects it.
    virtual void RefreshObjectItem(CBaseObj* obj) = 0;
};

class CLightPageServices {
public:
    virtual ~CLightPageServices() = default;
    virtual void ResetTree() = 0;
    virtual void RemoveLightItem(CLightData* light) = 0;
    // Inserts an item with the light's name at the top level, sorted, showing
    // the light's type; with select, selects it, which selects its light and
    // shows the panel.
    virtual void AddLightItem(CLightData* light, BOOL select) = 0;
    // The first visible item showing name shows newName; the top level is sorted again.
    virtual void RenameLightItem(const CString& name, const CString& newName) = 0;
};

class CMaterialPageServices {
public:
    virtual ~CMaterialPageServices() = default;
    virtual void ResetTree() = 0;
    // Inserts the material's item, sorted, with its child items; returns the item.
    virtual ObjTreeItem AddMaterialItem(CMaterialData* mat) = 0;
    virtual void RemoveMaterialItem(CMaterialData* mat) = 0;
    // Selects the item as the user's choice would: its material becomes the
    // one the panels edit, so the tree never shows another than they change.
    virtual void SelectMaterialItem(ObjTreeItem item) = 0;
    // The first visible item of the material named name shows newName; the top level is sorted again.
    virtual void RenameMaterialItem(const CString& name, const CString& newName) = 0;
};

class CScenePageServices {
public:
    virtual ~CScenePageServices() = default;
    virtual void SelectRootItem() = 0;
};

// A side-bar panel that shows values of the current object, light or material.
class CPanelServices {
public:
    virtual ~CPanelServices() = default;
    // Reads its values again.
    virtual void Refresh() = 0;
};

// The modeless knife dialog, owned by the document once created.
class CKnifeDialogServices {
public:
    virtual ~CKnifeDialogServices() = default;
    virtual void Show(BOOL show) = 0;
};

// The modeless "Select Multi Objects" dialog, owned by the document once
// created; its window dies with the object.
class CMultiObjectDialogServices {
public:
    virtual ~CMultiObjectDialogServices() = default;
    virtual HWND GetWindowHandle() const = 0;
    virtual BOOL IsShown() const = 0;
    virtual void Show(BOOL show) = 0;
    // Moves the window to the screen rectangle and repaints it.
    virtual void PlaceAt(const CRect& screenRect) = 0;
    // Fills the list with the patch and polygon objects and their selection.
    virtual void RefreshList() = 0;
    virtual void ClearList() = 0;
};

// The main window as the core needs it. The program installs it when the main
// frame exists and removes it before the frame dies; without it there is no
// current document.
class CMainWindowLink {
public:
    virtual ~CMainWindowLink() = default;
    // The frame's active document; null while it has none (while the frame is being built).
    virtual CQuelDoc* GetActiveDocument() = 0;
    // The wait cursor when on, else the arrow.
    virtual void SetBusyCursor(BOOL on) = 0;
    // Gives the keyboard focus back to the main window when another window of the program holds it.
    virtual void ReturnFocusToMainWnd() = 0;
    // The knife dialog, parented to the main window; null when it cannot be made.
    virtual std::unique_ptr<CKnifeDialogServices> CreateKnifeDialog() = 0;
    // The "Select Multi Objects" dialog, without parent; null when it cannot be made.
    virtual std::unique_ptr<CMultiObjectDialogServices> CreateMultiObjectDialog() = 0;
};
