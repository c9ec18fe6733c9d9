#include "materials/material_tree.h"

#include <algorithm>

namespace {

constexpr MaterialPanelInfo kPanels[] = {
    {itemMaterial, "material", 171, 344},
    {itemTexture, "texture", 176, 345},
    {itemPigment, "pigment", 172, 346},
    {itemSolidColor, "solid_color", 162, 350},
    {itemChecker, "checker", 163, 351},
    {itemBrick, "brick", 177, 353},
    {itemHexagon, "hexagon", 164, 352},
    {itemColorMap, "color_map", 170, 354},
    {itemImageMap, "image_map", 179, 355},
    {itemNormal, "normal", 173, 347},
    {itemNoisePattern, "noise_pattern", 161, 356},
    {itemNoise, "noise", 165, 358},
    {itemBumpSize, "bump_size", 180, 359},
    {itemFinish, "finish", 174, 348},
    {itemFinishSet, "finish_set", 178, 360},
    {itemFinishMegaPov, "finish_megapov", 182, 365},
    {itemInterior, "interior", 166, 349},
    {itemInteriorSet, "interior", 167, 361},
    {itemInclude, "interior", 181, 362},
};

// The items of a pigment's types 0 to 6.
constexpr int kPigmentTypeItems[] = {itemSolidColor, itemChecker,  itemHexagon, itemBrick,
                                     itemColorMap,   itemImageMap, itemInclude};
// The items of a normal's types 0 to 2.
constexpr int kNormalTypeItems[] = {itemNoisePattern, itemImageMap, itemInclude};

MaterialTreeNode Node(int kind, int parentKind) {
    return {SubItemText(kind, parentKind), kind, {}};
}

// A node with the children its element holds.
MaterialTreeNode ElementNode(int kind, int parentKind, const CMaterialData& mat) {
    MaterialTreeNode node = Node(kind, parentKind);
    node.children = ElementChildren(kind, mat);
    return node;
}

// The item of a type; -1 for a type outside the table, which shows none.
int TypeItem(std::span<const int> items, int type) {
    return type >= 0 && type < static_cast<int>(items.size()) ? items[static_cast<size_t>(type)] : -1;
}

void InsertNodes(CMaterialTreeAccess& tree, ObjTreeItem parent, const std::vector<MaterialTreeNode>& nodes) {
    for (const MaterialTreeNode& node : nodes) {
        const ObjTreeItem item = tree.InsertItem(parent, node.text, node.kind);
        InsertNodes(tree, item, node.children);
    }
}

void DeleteChildren(CMaterialTreeAccess& tree, ObjTreeItem item) {
    while (ObjTreeItem child = tree.GetChildItem(item))
        tree.DeleteItem(child);
}

// The field of an element's type; M is CMaterialData, const or not.
template <class M> auto& TypeField(M& mat, int elementKind) {
    auto& texture = mat.m_texture;
    switch (elementKind) {
    case itemTexture:
        return texture.m_declared;
    case itemPigment:
        return texture.m_pigment.m_kind;
    case itemNormal:
        return texture.m_normal.m_kind;
    case itemFinish:
        return texture.m_finish.m_declared;
    case itemInterior:
        return mat.m_interior.m_declared;
    default:
        return mat.m_declared;
    }
}

template <class M> auto& OptionField(M& mat, MaterialOption option) {
    auto& texture = mat.m_texture;
    switch (option) {
    case optionUseTexture:
        return mat.m_useTexture;
    case optionUseInterior:
        return mat.m_useInterior;
    case optionUsePigment:
        return texture.m_usePigment;
    case optionUseNormal:
        return texture.m_useNormal;
    case optionUseFinish:
        return texture.m_useFinish;
    case optionPigmentNoise:
        return texture.m_pigment.m_useTurbulence;
    case optionPigmentMegaPov:
        return texture.m_pigment.m_megaPov;
    case optionNormalBumpSize:
        return texture.m_normal.m_useBumpSize;
    case optionNormalNoise:
        return texture.m_normal.m_useTurbulence;
    case optionNormalMegaPov:
        return texture.m_normal.m_megaPov;
    case optionFinishMegaPov:
        return texture.m_finish.m_megaPov;
    case optionInteriorMegaPov:
        return mat.m_interior.m_megaPov;
    }
    return mat.m_useTexture;
}

MaterialTreeChange Rebuild() {
    MaterialTreeChange change;
    change.action = MaterialTreeChange::rebuild;
    return change;
}

// A section item that a switch adds or removes.
MaterialTreeChange SectionChange(int on, int kind, int parentKind) {
    if (on)
        return {MaterialTreeChange::add, kind, SubItemText(kind, parentKind)};
    return {MaterialTreeChange::remove, kind, {}};
}

} // namespace

std::span<const MaterialPanelInfo> MaterialPanels() {
    return kPanels;
}

const MaterialPanelInfo* FindMaterialPanel(int kind) {
    for (const MaterialPanelInfo& panel : kPanels)
        if (panel.kind == kind)
            return &panel;
    return nullptr;
}

CString MaterialItemText(const CString& name) {
    return name.str() + "[Material]";
}

CString SubItemText(int kind, int parentKind) {
    switch (kind) {
    case itemTexture:
        return "[Texture]";
    case itemPigment:
        return "[Pigment]";
    case itemNormal:
        return "[Normal]";
    case itemFinish:
        return "[Finish]";
    case itemInterior:
        return "[Interior]";
    case itemSolidColor:
        return "[Solid Color]";
    case itemChecker:
        return "[Checker]";
    case itemHexagon:
        return "[Hexagon]";
    case itemBrick:
        return "[Brick]";
    case itemColorMap:
        return "[Color Map]";
    case itemImageMap:
        return parentKind == itemPigment ? "[Image Map]" : "[Bump Map]";
    case itemInclude:
        return "[Include]";
    case itemNoisePattern:
        return "[Noise Pattern]";
    case itemNoise:
        return "[Noise]";
    case itemBumpSize:
        return "[Bump Size]";
    case itemFinishSet:
    case itemInteriorSet:
        return "[POV-Ray]";
    case itemPigmentMegaPov:
    case itemNormalMegaPov:
    case itemFinishMegaPov:
    case itemInteriorMegaPov:
        return "[MegaPov]";
    default:
        return "";
    }
}

std::vector<MaterialTreeNode> ElementChildren(int elementKind, const CMaterialData& mat) {
    std::vector<MaterialTreeNode> items;
    if (elementKind < itemMaterial || elementKind > itemInterior)
        return items;
    if (IsDeclaredElement(mat, elementKind)) {
        items.push_back(Node(itemInclude, elementKind));
        return items;
    }
    const CTextureData& texture = mat.m_texture;
    auto addIf = [&](int on, int kind) {
        if (on && kind >= 0)
            items.push_back(ElementNode(kind, elementKind, mat));
    };
    switch (elementKind) {
    case itemMaterial:
        addIf(mat.m_useTexture, itemTexture);
        addIf(mat.m_useInterior, itemInterior);
        break;
    case itemTexture:
        addIf(texture.m_usePigment, itemPigment);
        addIf(texture.m_useNormal, itemNormal);
        addIf(texture.m_useFinish, itemFinish);
        break;
    case itemPigment:
        addIf(1, TypeItem(kPigmentTypeItems, texture.m_pigment.m_kind));
        addIf(texture.m_pigment.m_useTurbulence, itemNoise);
        addIf(texture.m_pigment.m_megaPov, itemPigmentMegaPov);
        break;
    case itemNormal:
        addIf(1, TypeItem(kNormalTypeItems, texture.m_normal.m_kind));
        addIf(texture.m_normal.m_useTurbulence, itemNoise);
        addIf(texture.m_normal.m_useBumpSize, itemBumpSize);
        addIf(texture.m_normal.m_megaPov, itemNormalMegaPov);
        break;
    case itemFinish:
        addIf(1, itemFinishSet);
        addIf(texture.m_finish.m_megaPov, itemFinishMegaPov);
        break;
    case itemInterior:
        addIf(1, itemInteriorSet);
        addIf(mat.m_interior.m_megaPov, itemInteriorMegaPov);
        break;
    default:
        break;
    }
    std::stable_sort(items.begin(), items.end(), [](const MaterialTreeNode& a, const MaterialTreeNode& b) {
        return static_cast<unsigned>(a.kind) < static_cast<unsigned>(b.kind);
    });
    return items;
}

void AddElementChildren(CMaterialTreeAccess& tree, ObjTreeItem item, int elementKind,
                        const CMaterialData& mat) {
    InsertNodes(tree, item, ElementChildren(elementKind, mat));
    tree.SortChildItems(item);
}

void ApplyTreeChange(CMaterialTreeAccess& tree, ObjTreeItem item, int elementKind,
                     const MaterialTreeChange& change, const CMaterialData& mat) {
    switch (change.action) {
    case MaterialTreeChange::none:
        break;
    case MaterialTreeChange::rebuild:
        DeleteChildren(tree, item);
        AddElementChildren(tree, item, elementKind, mat);
        break;
    case MaterialTreeChange::add: {
        const ObjTreeItem added = tree.InsertItem(item, change.text, change.kind);
        tree.SortChildItems(item);
        AddElementChildren(tree, added, change.kind, mat);
        break;
    }
    case MaterialTreeChange::remove:
        for (ObjTreeItem child = tree.GetChildItem(item); child; child = tree.GetNextSiblingItem(child))
            if (tree.GetItemKind(child) == change.kind) {
                tree.DeleteItem(child);
                break;
            }
        break;
    }
}

int GetElementType(const CMaterialData& mat, int elementKind) {
    return TypeField(mat, elementKind);
}

bool IsDeclaredElement(const CMaterialData& mat, int elementKind) {
    const int type = GetElementType(mat, elementKind);
    switch (elementKind) {
    case itemPigment:
        return type == pigmentDeclared;
    case itemNormal:
        return type == normalDeclared;
    default:
        return type == 1;
    }
}

MaterialTreeChange ChooseElementType(CMaterialData& mat, int elementKind, int type) {
    int& field = TypeField(mat, elementKind);
    const bool always = elementKind == itemTexture || elementKind == itemFinish;
    if (field == type && !always)
        return {};
    field = type;
    return Rebuild();
}

int GetOption(const CMaterialData& mat, MaterialOption option) {
    return OptionField(mat, option);
}

MaterialTreeChange SetOption(CMaterialData& mat, MaterialOption option, int on) {
    OptionField(mat, option) = on;
    switch (option) {
    case optionUseTexture:
    case optionUseInterior:
        if (IsDeclaredElement(mat, itemMaterial))
            return {};
        return SectionChange(on, option == optionUseTexture ? itemTexture : itemInterior, itemMaterial);
    case optionUsePigment:
    case optionUseNormal:
    case optionUseFinish:
        if (IsDeclaredElement(mat, itemTexture))
            return {};
        return SectionChange(on, itemPigment + (option - optionUsePigment), itemTexture);
    case optionFinishMegaPov: {
        if (IsDeclaredElement(mat, itemFinish))
            return {};
        MaterialTreeChange change = SectionChange(on, itemFinishMegaPov, itemFinish);
        // The finish panel's own spelling; a rebuild spells it as the other elements do.
        if (on)
            change.text = "[MegaPOV]";
        return change;
    }
    case optionPigmentNoise:
    case optionPigmentMegaPov:
        return Rebuild();
    case optionNormalBumpSize:
    case optionNormalNoise:
    case optionNormalMegaPov:
        return Rebuild();
    case optionInteriorMegaPov:
        return Rebuild();
    }
    return {};
}

CString* DeclaredNameOf(CMaterialData& mat, int parentKind) {
    switch (parentKind) {
    case itemMaterial:
        return &mat.m_declaredName;
    case itemTexture:
        return &mat.m_texture.m_declaredName;
    case itemPigment:
        return &mat.m_texture.m_pigment.m_declaredName;
    case itemNormal:
        return &mat.m_texture.m_normal.m_declaredName;
    case itemFinish:
        return &mat.m_texture.m_finish.m_declaredName;
    case itemInterior:
        return &mat.m_interior.m_declaredName;
    default:
        return nullptr;
    }
}

CTurbulenceData& TurbulenceOf(CMaterialData& mat, int parentKind) {
    return parentKind == itemPigment ? mat.m_texture.m_pigment.m_turbulence
                                     : mat.m_texture.m_normal.m_turbulence;
}

CImageMapData& ImageMapOf(CMaterialData& mat, int parentKind) {
    return parentKind == itemPigment ? mat.m_texture.m_pigment.m_imageMap : mat.m_texture.m_normal.m_bumpMap;
}
