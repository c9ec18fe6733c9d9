#pragma once
// The material editor's tree, free of windows. Each item carries a kind code
// (MaterialTreeItem): a material at the top, below it the elements of the
// material (texture, pigment, normal, finish, interior) and below those the
// parts their type and options call for. The kind decides which panel the
// page shows for the item, and the code order is the order of an item's
// children.
//
// This file says which items exist for a material, what their texts are,
// and how the tree follows when a panel changes an element's type or
// option: a change reports what the selected item's children need (nothing,
// a rebuild, one sub-item more or less), and ApplyTreeChange does it through
// CMaterialTreeAccess, which the material page implements over its tree
// control.
#include "app/material_data.h"
#include "model/base_obj.h"
#include "platform/base/win_types.h"

#include <span>
#include <vector>

enum MaterialTreeItem {
    itemMaterial = 0,
    itemTexture = 1,
    itemPigment = 2,
    itemNormal = 3,
    itemFinish = 4,
    itemInterior = 5,
    itemSolidColor = 6,
    itemChecker = 7,
    itemHexagon = 8,
    itemBrick = 9,
    itemColorMap = 10,
    itemImageMap = 11, // the pigment's image map, or the normal's bump map
    itemInclude = 12,  // the declared name of its parent element
    itemNoisePattern = 13,
    itemNoise = 15, // the turbulence of its parent, pigment or normal
    itemBumpSize = 16,
    itemFinishSet = 17,
    itemInteriorSet = 18,
    itemPigmentMegaPov = 19,
    itemNormalMegaPov = 20,
    itemFinishMegaPov = 21,
    itemInteriorMegaPov = 22,
};

// A panel of the material page: the kind of item it shows, the keyword the
// page keeps with it, its dialog template and its id in the document's
// window registry.
struct MaterialPanelInfo {
    int kind;
    const char* keyword;
    UINT dialogId;
    int registryId;
};
// Every panel, in the order the page makes them and searches them.
std::span<const MaterialPanelInfo> MaterialPanels();
// The panel that shows items of the kind; null for a kind that has none.
const MaterialPanelInfo* FindMaterialPanel(int kind);

// The text of a material's own item: the name followed by "[Material]".
CString MaterialItemText(const CString& name);
// The text of an item of kind standing under an item of parentKind.
CString SubItemText(int kind, int parentKind);

struct MaterialTreeNode {
    CString text;
    int kind = itemMaterial;
    std::vector<MaterialTreeNode> children;
};
// What the item of an element holds (kinds 0 to 5: material, texture,
// pigment, normal, finish, interior), in code order, each with its own
// children. Items of any other kind hold nothing.
std::vector<MaterialTreeNode> ElementChildren(int elementKind, const CMaterialData& mat);

// The tree control as the editor needs it. Items are the control's handles.
class CMaterialTreeAccess {
public:
    virtual ~CMaterialTreeAccess() = default;
    // Appends an item with the text and kind as the last child of parent
    // (null: at the top level) and returns it.
    virtual ObjTreeItem InsertItem(ObjTreeItem parent, const CString& text, int kind) = 0;
    // Removes the item with everything below it.
    virtual void DeleteItem(ObjTreeItem item) = 0;
    virtual ObjTreeItem GetChildItem(ObjTreeItem item) const = 0;
    virtual ObjTreeItem GetNextSiblingItem(ObjTreeItem item) const = 0;
    virtual int GetItemKind(ObjTreeItem item) const = 0;
    // Orders the item's children by their kind codes, ascending.
    virtual void SortChildItems(ObjTreeItem item) = 0;
};

// Adds under item (of elementKind) what ElementChildren gives, sorted.
void AddElementChildren(CMaterialTreeAccess& tree, ObjTreeItem item, int elementKind,
                        const CMaterialData& mat);

// What a change of an element's type or option asks of the children of the
// element's item.
struct MaterialTreeChange {
    enum Action { none, rebuild, add, remove };
    Action action = none;
    int kind = 0; // add and remove: the sub-item's kind
    CString text; // add: its text
};
// Does the change on the children of item, the item of an element of elementKind.
void ApplyTreeChange(CMaterialTreeAccess& tree, ObjTreeItem item, int elementKind,
                     const MaterialTreeChange& change, const CMaterialData& mat);

// The type of an element (kinds 0 to 5): a material, texture, finish or
// interior is 0 or 1 (its own parameters or a declared name), a pigment 0
// to 6, a normal 0 to 2.
int GetElementType(const CMaterialData& mat, int elementKind);
// Whether the element stands for a name declared elsewhere.
bool IsDeclaredElement(const CMaterialData& mat, int elementKind);
// Stores the type the user chose. Choosing the type a material, pigment,
// normal or interior already has changes nothing; a texture's and a
// finish's items are built again in any case. Options are kept, whatever
// the type, and come back with it.
MaterialTreeChange ChooseElementType(CMaterialData& mat, int elementKind, int type);

// The switches of a material's elements that decide their items.
enum MaterialOption {
    optionUseTexture,
    optionUseInterior,
    optionUsePigment,
    optionUseNormal,
    optionUseFinish,
    optionPigmentNoise,
    optionPigmentMegaPov,
    optionNormalBumpSize,
    optionNormalNoise,
    optionNormalMegaPov,
    optionFinishMegaPov,
    optionInteriorMegaPov,
};
int GetOption(const CMaterialData& mat, MaterialOption option);
// Stores the switch (0 or 1). A section switched on or off adds or removes
// its item, except under a declared element, whose only item is "[Include]".
MaterialTreeChange SetOption(CMaterialData& mat, MaterialOption option, int on);

// The records a panel serving several elements edits, chosen by the kind of
// the selected item's parent: the declared name of the material (0), the
// texture (1), pigment (2), normal (3), finish (4) or interior (5), null for
// any other kind; the turbulence and the image map of the pigment for 2, of
// the normal for any other kind.
CString* DeclaredNameOf(CMaterialData& mat, int parentKind);
CTurbulenceData& TurbulenceOf(CMaterialData& mat, int parentKind);
CImageMapData& ImageMapOf(CMaterialData& mat, int parentKind);
