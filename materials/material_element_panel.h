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
#include "controls/quel_group.h"
#include "controls/quel_scroll.h"
#include "materials/material_tree.h"

#include <memory>
#include <span>
#include <vector>

class CMaterialTreeHost {
public:
    virtual ~CMaterialTreeHost() = default;
    // The kind of the selected item's parent; -1 when it has none.
    virtual int GetSelectedParentKind() const = 0;
    // Does the change on the selected item's children.
    virtual void ChangeSelectedChildren(const MaterialTreeChange& change, const CMaterialData& mat) = 0;
};

class CMaterialElementPanel : public CQuelScroll {
public:
    // The group headers of the panel's template, which fold what lies below them.
    explicit CMaterialElementPanel(std::span<const int> groupIds);
    // The dialog template the page makes the panel from.
    virtual UINT GetDialogId() const = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // The scroll base's, then the panel's own controls, then the group
    // headers reaching down to the next one.
    BOOL OnInitDialog() override;
    // Controls the template does not hold, made before the group headers
    // gather the controls below them.
    virtual void CreateOwnControls() {}

    // The selected material; null when there is none.
    static CMaterialData* CurrentMaterial();
    // The page that shows the panel; null outside one.
    CMaterialTreeHost* TreeHost() const;
    // The kind of the selected item's parent, which tells a panel serving
    // several elements which one it shows; -1 outside a page.
    int ParentKind() const;
    // The tree follows a change of the material's element.
    void ChangeTree(const MaterialTreeChange& change, const CMaterialData& mat);
    void EnableItem(int id, BOOL enable);

private:
    std::span<const int> m_groupIds;
    std::vector<std::unique_ptr<CQuelGroup>> m_groups;
};
