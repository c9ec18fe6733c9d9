#pragma once
// What every material panel shares. A panel is a CQuelScroll made hidden by
// the material page from its template, as the page's child; the page calls
// Refresh each time it shows it. A panel keeps no copy of the material:
// every handler fetches the selected material anew and does nothing when
// there is none; every stored value marks the document modified, and
// nothing is redrawn. Number fields commit when they are left (EN_KILLFOCUS)
// or stepped by their spin or slider; check boxes and radio buttons on their
// click; colour swatches after their colour dialog.
//
// A panel that changes which items an element has tells the page through
// CMaterialTreeHost, about the tree's selected item: the item of the
// element whose panel is shown.
#include "app/material_data.h"
#include "controls/quel_scroll.h"
#include "materials/material_tree.h"

#include <span>

class CMaterialTreeHost {
public:
    virtual ~CMaterialTreeHost() = default;
    // The kind of the selected item; -1 without a selection.
    virtual int GetSelectedKind() const = 0;
    // The kind of the selected item's parent; -1 when it has none.
    virtual int GetSelectedParentKind() const = 0;
    // Does the change on the selected item's children.
    virtual void ChangeSelectedChildren(const MaterialTreeChange& change, const CMaterialData& mat) = 0;
};

// A group header's English caption.
struct GroupCaption {
    int id;
    const char* english;
};

class CMaterialElementPanel : public CQuelScroll {
public:
    // The dialog template the page makes the panel from.
    virtual UINT GetDialogId() const = 0;

protected:
    // The selected material; null when there is none.
    static CMaterialData* CurrentMaterial();
    // The page that shows the panel; null outside one.
    CMaterialTreeHost* TreeHost() const;
    // The kind of the selected item's parent, which tells a panel serving
    // several elements which one it shows; -1 outside a page.
    int ParentKind() const;
    // The tree follows a change of the material's element.
    void ChangeTree(const MaterialTreeChange& change, const CMaterialData& mat);
    // In the English interface the group headers take their English captions.
    void SetEnglishCaptions(std::span<const GroupCaption> captions);
    void EnableItem(int id, BOOL enable);
};
