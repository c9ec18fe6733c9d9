#pragma once
// The free functions through which all code reaches the current document, the
// application's language and status text, the selected object, light and
// material, the window registry and its update broadcast, and a few text and
// number helpers. They keep no state: each looks the document up anew.
// Without a document the lookups return null and the rest does nothing.
#include "app/doc_ids.h"
#include "app/window_services.h"
#include "model/vector3.h"
#include "platform/base/cstring.h"
#include "platform/base/message.h"
#include "platform/base/win_types.h"

class CBaseObj;
class CFolderObj;
class CLightData;
class CMaterialData;
class CPolygonObj;
class CQuelDoc;
class CSpatchObj;

// The main window's active document; while it has none, the document the view
// stored in the application state; null without a main window.
CQuelDoc* GetDoc();
// From now on the patch model finds the current document through GetDoc.
void InstallModelDocumentAccessor();
// 1 for the English interface, 0 for the Japanese one.
int IsEnglish();
void SetModified();
inline void SetModifiedForFrame() {
    SetModified();
}
inline void SetModifiedForPanels() {
    SetModified();
}
// Stores the text and sends notifyShowStatusText, which makes the status strip show it.
void SetStatusText(const CString& text);

// The first element of its list that matches, or null.
CSpatchObj* GetSelectedObject();
CPolygonObj* GetSelectedPolygonObject();
CFolderObj* GetSelectedFolder();
CLightData* GetSelectedLight();
CMaterialData* GetSelectedMaterial();
CMaterialData* FindMaterialById(int id);
CSpatchObj* FindObjectByName(const CString& name);
CFolderObj* FindFolderByName(const CString& name);
CLightData* FindLightByName(const CString& name);
CMaterialData* FindMaterialByName(const CString& name);
// The selected patch object, else polygon object, else folder.
CBaseObj* GetSelectedItem();
// The patch object, else the folder, with that identifier key; null for an empty key.
CBaseObj* FindObjectOrFolderByKey(const CString& key);

// Names are unique across patch objects, lights, materials, polygon objects and folders.
BOOL IsNameInUse(const CString& name);
// A free name for a copy: name(copy)01, (copy)02 ...; a copy of a copy counts on.
CString MakeCopyName(const CString& name);
// name(copy) while it is free, else name(copy)01, (copy)02 ...: the copies
// of lights and materials.
CString MakeItemCopyName(const CString& name);
// The first free name of the series prefix00, prefix01 ... prefix09, prefix10, prefix11 ...
CString MakeSeriesName(const CString& prefix);
// Each patch object's, or folder's, list position into its tree index.
void NumberObjects();
void NumberFolders();

// The live window registered first under id in the current document, as the
// service the caller needs; null when there is none, its window died or it
// does not provide the service.
CMessageTarget* FindRegisteredTarget(int id);
template <class Service> Service* FindWindowService(int id) {
    return dynamic_cast<Service*>(FindRegisteredTarget(id));
}
// WM_DOC_NOTIFY with lParam code and wParam value to every live registered
// window but except, in registry order; a window registered twice gets it
// twice. Send delivers before returning, Post after the current command.
void SendToRegisteredWindows(int code, HWND except = HWND{}, WPARAM value = 0);
void PostToRegisteredWindows(int code, HWND except = HWND{}, WPARAM value = 0);
// How many repaint requests (notifyRepaintPanes) have been posted so far.
// Each posted request carries its number as its value, so that a pane that
// has drawn its whole picture since the request was posted knows that the
// picture already shows what the request was for.
WPARAM PostedRepaintCount();
// Repaints the four OpenGL panes now.
void RedrawAllPanes();
// Makes pane the active one and redraws the pane letters.
void SetActivePane(int pane);
// Shows value in a read-out of the right command bar (1 translation, 2
// rotation, 3 scale), which becomes the only active one.
void ShowTransformFeedback(const CVector3& value, int which);
// No read-out is active any more.
void ClearTransformFeedback(int which);
// Refills the "Select Multi Objects" list while that dialog is shown.
void RefreshMultiObjectList();
void ReturnFocusToMainWnd();
void SetBusyCursor(BOOL on);

enum MessageKind {
    msgNoObject = 1,
    msgNoMaterial = 2,
    msgNoLight = 3,
    msgDeleteObject = 4, // asks; the item is the object's name
    msgDeleteMaterial = 5,
    msgDeleteLight = 6,
    msgNotEditable = 7,
    msgReplace = 8, // asks
    msgCreateFailed = 9,
};
// The window that owns the program's message boxes: registered window 5,
// else the main window; the null handle when neither lives.
HWND MessageOwner();
// Shows the bilingual box of the kind over registered window 5 (over the main
// window when that one died). IDYES or IDNO for the asking kinds, else 1; any
// other kind shows nothing.
int ShowMessage(int kind, const CString& itemName = CString());

// "%0.<decimals>f" in the C locale, however long the text.
CString FormatFloat(float value, int decimals);
CString IntToString(int value);
double DegToRad(float degrees);
double RadToDeg(float radians);
// text without its first (fromStart) or last count bytes; empty when count
// exceeds the text, unchanged for a negative count.
CString TrimStringChars(const CString& text, int count, BOOL fromStart);
// The user's desktop folder (the XDG desktop directory, else ~/Desktop when it
// exists), else an empty text.
CString GetDesktopFolderPath();

// The colour of an object's wires in the panes, by the document's object colour mode.
COLORREF GetObjectWireColor(const CBaseObj* obj);
// The opacity in percent of an object's surface, by the document's alpha mode.
int GetObjectSurfaceAlpha(const CBaseObj* obj);
