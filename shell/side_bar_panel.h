#pragma once
// What the object page's panels share: the reload when names change or the
// scene was merged or undone, and the dialogs behind their rename and
// material-slot buttons.
#include "controls/quel_scroll.h"

#include <initializer_list>

class CBaseObj;

class CSideBarPanel : public CQuelScroll {
public:
    // The page passes on every document notification: codes 1 and 300
    // reload the panel out of sight, so that a hidden panel does not flash
    // into view; the others mean nothing to a panel.
    void OnDocNotify(WPARAM wParam, LPARAM code);

protected:
    // Enables or disables the controls of the ids.
    void EnableControls(std::initializer_list<int> ids, bool on);
    // The name dialog preset with name; true, with the name typed, on OK.
    bool AskNewName(const CString& name, CString& newName);
    // The material picker, then the current slot's material; true on OK.
    bool ChooseSlotMaterial(CBaseObj& obj, bool withUndo);
    // The material-axis dialog of the current slot, its vectors taken on OK.
    void EditSlotAxis(CBaseObj& obj, bool withUndo);
};
