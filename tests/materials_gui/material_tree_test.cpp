// The material tree without windows: which items a material's elements
// hold and in which order, how the items follow a change of type or option
// (the options surviving every type), which items have a panel, and which
// record a panel serving several elements edits.
#include "materials/material_tree.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// A tree in memory, as the material page keeps it in its tree control.
class PlainTree : public CMaterialTreeAccess {
public:
    struct Node {
        CString text;
        int kind = 0;
        std::vector<std::unique_ptr<Node>> children;
    };

    ObjTreeItem InsertItem(ObjTreeItem parent, const CString& text, int kind) override {
        auto& children = NodeOf(parent).children;
        children.push_back(std::make_unique<Node>(Node{text, kind, {}}));
        return children.back().get();
    }
    void DeleteItem(ObjTreeItem item) override {
        Node& parent = *ParentOf(&m_root, item);
        std::erase_if(parent.children, [item](const auto& child) { return child.get() == item; });
    }
    ObjTreeItem GetChildItem(ObjTreeItem item) const override {
        const Node& node = NodeOf(item);
        return node.children.empty() ? nullptr : node.children.front().get();
    }
    ObjTreeItem GetNextSiblingItem(ObjTreeItem item) const override {
        const auto& siblings = ParentOf(const_cast<Node*>(&m_root), item)->children;
        for (size_t i = 0; i + 1 < siblings.size(); ++i)
            if (siblings[i].get() == item)
                return siblings[i + 1].get();
        return nullptr;
    }
    int GetItemKind(ObjTreeItem item) const override { return NodeOf(item).kind; }
    void SortChildItems(ObjTreeItem item) override {
        auto& children = NodeOf(item).children;
        std::stable_sort(children.begin(), children.end(),
                         [](const auto& a, const auto& b) { return a->kind < b->kind; });
    }

    // The subtree as "text{child,child{...}}", for short comparisons.
    std::string Dump(ObjTreeItem item) const {
        const Node& node = NodeOf(item);
        std::string text = node.text.str();
        if (node.children.empty())
            return text;
        text += "{";
        for (size_t i = 0; i < node.children.size(); ++i)
            text += (i ? "," : "") + Dump(node.children[i].get());
        return text + "}";
    }
    // The item of the first child of item with that kind.
    ObjTreeItem Child(ObjTreeItem item, int kind) const {
        for (const auto& child : NodeOf(item).children)
            if (child->kind == kind)
                return child.get();
        return nullptr;
    }

private:
    Node& NodeOf(ObjTreeItem item) const {
        return item ? *static_cast<Node*>(item) : const_cast<Node&>(m_root);
    }
    Node* ParentOf(Node* from, ObjTreeItem item) const {
        for (const auto& child : from->children) {
            if (child.get() == item)
                return from;
            if (Node* found = ParentOf(child.get(), item))
                return found;
        }
        return nullptr;
    }

    Node m_root;
};

// A material's top item with everything below it, as the page builds it.
ObjTreeItem AddMaterial(PlainTree& tree, const CMaterialData& mat) {
    const ObjTreeItem item = tree.InsertItem(nullptr, MaterialItemText(mat.m_name), itemMaterial);
    AddElementChildren(tree, item, itemMaterial, mat);
    return item;
}

// A material whose every element has every option on.
CMaterialData FullMaterial() {
    CMaterialData mat;
    mat.m_name = "steel";
    mat.m_useInterior = 1;
    CTextureData& texture = mat.m_texture;
    texture.m_useNormal = texture.m_useFinish = 1;
    texture.m_pigment.m_kind = pigmentChecker;
    texture.m_pigment.m_useTurbulence = texture.m_pigment.m_megaPov = 1;
    texture.m_normal.m_kind = normalBumpMap;
    texture.m_normal.m_useTurbulence = texture.m_normal.m_useBumpSize = texture.m_normal.m_megaPov = 1;
    texture.m_finish.m_megaPov = 1;
    mat.m_interior.m_megaPov = 1;
    return mat;
}

// Changes an element as its panel does and lets the tree follow.
void Choose(PlainTree& tree, ObjTreeItem element, int kind, CMaterialData& mat, int type) {
    ApplyTreeChange(tree, element, kind, ChooseElementType(mat, kind, type), mat);
}
void Switch(PlainTree& tree, ObjTreeItem element, int kind, CMaterialData& mat, MaterialOption option,
            int on) {
    ApplyTreeChange(tree, element, kind, SetOption(mat, option, on), mat);
}

} // namespace

TEST(MaterialTreeTest, ElementsHoldTheirPartsInCodeOrder) {
    PlainTree tree;
    const ObjTreeItem item = AddMaterial(tree, FullMaterial());
    EXPECT_EQ(tree.Dump(item), "steel[Material]{[Texture]{"
                               "[Pigment]{[Checker],[Noise],[MegaPov]},"
                               "[Normal]{[Bump Map],[Noise],[Bump Size],[MegaPov]},"
                               "[Finish]{[POV-Ray],[MegaPov]}},"
                               "[Interior]{[POV-Ray],[MegaPov]}}");

    CMaterialData plain;
    plain.m_name = "material_00";
    EXPECT_EQ(tree.Dump(AddMaterial(tree, plain)),
              "material_00[Material]{[Texture]{[Pigment]{[Solid Color]}}}")
        << "a new material";

    // Sections switched on in the reverse order still stand in code order.
    const ObjTreeItem texture = tree.Child(AddMaterial(tree, plain), itemTexture);
    Switch(tree, texture, itemTexture, plain, optionUsePigment, 0);
    Switch(tree, texture, itemTexture, plain, optionUseFinish, 1);
    Switch(tree, texture, itemTexture, plain, optionUsePigment, 1);
    EXPECT_EQ(tree.Dump(texture), "[Texture]{[Pigment]{[Solid Color]},[Finish]{[POV-Ray]}}");
}

TEST(MaterialTreeTest, EveryTypeOfAnElementShowsItsOwnPart) {
    struct Case {
        const char* name;
        int element;
        int type;
        const char* parts;
    };
    const Case cases[] = {
        {"solid colour", itemPigment, pigmentSolid, "[Pigment]{[Solid Color],[Noise],[MegaPov]}"},
        {"hexagon", itemPigment, pigmentHexagon, "[Pigment]{[Hexagon],[Noise],[MegaPov]}"},
        {"brick", itemPigment, pigmentBrick, "[Pigment]{[Brick],[Noise],[MegaPov]}"},
        {"colour map", itemPigment, pigmentColorMap, "[Pigment]{[Color Map],[Noise],[MegaPov]}"},
        {"image map", itemPigment, pigmentImageMap, "[Pigment]{[Image Map],[Noise],[MegaPov]}"},
        {"declared pigment", itemPigment, pigmentDeclared, "[Pigment]{[Include]}"},
        {"noise pattern", itemNormal, normalPattern,
         "[Normal]{[Noise Pattern],[Noise],[Bump Size],[MegaPov]}"},
        {"declared normal", itemNormal, normalDeclared, "[Normal]{[Include]}"},
        {"declared finish", itemFinish, 1, "[Finish]{[Include]}"},
        {"declared interior", itemInterior, 1, "[Interior]{[Include]}"},
        {"declared texture", itemTexture, 1, "[Texture]{[Include]}"},
    };
    for (const Case& c : cases) {
        CMaterialData mat = FullMaterial();
        PlainTree tree;
        const ObjTreeItem root = AddMaterial(tree, mat);
        const ObjTreeItem texture = tree.Child(root, itemTexture);
        const ObjTreeItem element = c.element == itemInterior  ? tree.Child(root, itemInterior)
                                    : c.element == itemTexture ? texture
                                                               : tree.Child(texture, c.element);
        Choose(tree, element, c.element, mat, c.type);
        EXPECT_EQ(tree.Dump(element), c.parts) << c.name;
    }
}

TEST(MaterialTreeTest, SwitchingTypesKeepsTheOptionsForTheTypeThatComesBack) {
    for (const int element : {itemPigment, itemNormal, itemFinish, itemInterior}) {
        CMaterialData mat = FullMaterial();
        PlainTree tree;
        const ObjTreeItem root = AddMaterial(tree, mat);
        const ObjTreeItem item = element == itemInterior ? tree.Child(root, itemInterior)
                                                         : tree.Child(tree.Child(root, itemTexture), element);
        const std::string before = tree.Dump(item);
        const int ownType = GetElementType(mat, element);
        const int declared = element == itemPigment  ? pigmentDeclared
                             : element == itemNormal ? normalDeclared
                                                     : 1;

        Choose(tree, item, element, mat, declared);
        EXPECT_EQ(tree.Dump(tree.GetChildItem(item)), "[Include]") << element;
        EXPECT_EQ(tree.GetNextSiblingItem(tree.GetChildItem(item)), nullptr)
            << element << ": [Include] alone";
        // An option switched while declared changes the record, not the tree.
        const MaterialOption megaPov = element == itemPigment  ? optionPigmentMegaPov
                                       : element == itemNormal ? optionNormalMegaPov
                                       : element == itemFinish ? optionFinishMegaPov
                                                               : optionInteriorMegaPov;
        Switch(tree, item, element, mat, megaPov, 0);
        Switch(tree, item, element, mat, megaPov, 1);
        EXPECT_EQ(tree.Dump(tree.GetChildItem(item)), "[Include]") << element;

        Choose(tree, item, element, mat, ownType);
        EXPECT_EQ(tree.Dump(item), before) << element << ": the options come back with the type";
    }

    // The material's own type: its two sections come back by their flags.
    CMaterialData mat = FullMaterial();
    mat.m_useTexture = 0;
    PlainTree tree;
    const ObjTreeItem root = AddMaterial(tree, mat);
    Choose(tree, root, itemMaterial, mat, 1);
    EXPECT_EQ(tree.Dump(root), "steel[Material]{[Include]}");
    Switch(tree, root, itemMaterial, mat, optionUseTexture, 1);
    EXPECT_EQ(tree.Dump(root), "steel[Material]{[Include]}") << "a declared material takes no section";
    Choose(tree, root, itemMaterial, mat, 0);
    EXPECT_EQ(tree.Dump(tree.GetChildItem(tree.GetChildItem(root))),
              "[Pigment]{[Checker],[Noise],[MegaPov]}");
    EXPECT_NE(tree.Child(root, itemInterior), nullptr);
}

TEST(MaterialTreeTest, ChoosingTheTypeAnElementHasBuildsOnlyATextureOrAFinishAgain) {
    CMaterialData mat = FullMaterial();
    for (const int element : {itemMaterial, itemPigment, itemNormal, itemInterior})
        EXPECT_EQ(ChooseElementType(mat, element, GetElementType(mat, element)).action,
                  MaterialTreeChange::none)
            << element;
    for (const int element : {itemTexture, itemFinish})
        EXPECT_EQ(ChooseElementType(mat, element, GetElementType(mat, element)).action,
                  MaterialTreeChange::rebuild)
            << element;
}

TEST(MaterialTreeTest, ASectionSwitchedOnArrivesWithItsPartsAndSwitchedOffGoesWhole) {
    CMaterialData mat;
    mat.m_name = "m";
    mat.m_texture.m_normal.m_kind = normalBumpMap;
    mat.m_texture.m_normal.m_useBumpSize = 1;
    PlainTree tree;
    const ObjTreeItem root = AddMaterial(tree, mat);
    const ObjTreeItem texture = tree.Child(root, itemTexture);
    Switch(tree, texture, itemTexture, mat, optionUseNormal, 1);
    EXPECT_EQ(tree.Dump(tree.Child(texture, itemNormal)), "[Normal]{[Bump Map],[Bump Size]}");
    Switch(tree, root, itemMaterial, mat, optionUseInterior, 1);
    EXPECT_EQ(tree.Dump(tree.Child(root, itemInterior)), "[Interior]{[POV-Ray]}");

    Switch(tree, texture, itemTexture, mat, optionUseNormal, 0);
    Switch(tree, root, itemMaterial, mat, optionUseInterior, 0);
    EXPECT_EQ(tree.Dump(root), "m[Material]{[Texture]{[Pigment]{[Solid Color]}}}");
    EXPECT_EQ(mat.m_texture.m_normal.m_useBumpSize, 1) << "the normal keeps its own options";

    // The finish's MegaPOV part comes and goes by itself.
    Switch(tree, texture, itemTexture, mat, optionUseFinish, 1);
    const ObjTreeItem finish = tree.Child(texture, itemFinish);
    Switch(tree, finish, itemFinish, mat, optionFinishMegaPov, 1);
    EXPECT_EQ(tree.Dump(finish), "[Finish]{[POV-Ray],[MegaPOV]}");
    Switch(tree, finish, itemFinish, mat, optionFinishMegaPov, 0);
    EXPECT_EQ(tree.Dump(finish), "[Finish]{[POV-Ray]}");

    // Under a declared texture the sections change only the record.
    Choose(tree, texture, itemTexture, mat, 1);
    Switch(tree, texture, itemTexture, mat, optionUseNormal, 1);
    EXPECT_EQ(tree.Dump(texture), "[Texture]{[Include]}");
    EXPECT_EQ(mat.m_texture.m_useNormal, 1);
}

TEST(MaterialTreeTest, EveryItemButTheMegaPovOnesOfPigmentNormalAndInteriorHasAPanel) {
    PlainTree tree;
    CMaterialData mat = FullMaterial();
    const ObjTreeItem root = AddMaterial(tree, mat);
    std::vector<int> withoutPanel;
    const auto walk = [&](auto&& self, ObjTreeItem item) -> void {
        if (!FindMaterialPanel(tree.GetItemKind(item)))
            withoutPanel.push_back(tree.GetItemKind(item));
        for (ObjTreeItem child = tree.GetChildItem(item); child; child = tree.GetNextSiblingItem(child))
            self(self, child);
    };
    walk(walk, root);
    EXPECT_EQ(withoutPanel, (std::vector<int>{itemPigmentMegaPov, itemNormalMegaPov, itemInteriorMegaPov}));
    EXPECT_EQ(FindMaterialPanel(14), nullptr);
    EXPECT_EQ(FindMaterialPanel(itemFinishMegaPov)->dialogId, 182u);

    // The page makes and searches the panels in this order.
    std::vector<int> order;
    for (const MaterialPanelInfo& panel : MaterialPanels())
        order.push_back(panel.kind);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 6, 7, 9, 8, 10, 11, 3, 13, 15, 16, 4, 17, 21, 5, 18, 12}));
}

TEST(MaterialTreeTest, APanelServingSeveralElementsEditsTheOneItsItemStandsUnder) {
    CMaterialData mat;
    for (int parent = itemMaterial; parent <= itemInterior; ++parent)
        *DeclaredNameOf(mat, parent) = ("name" + std::to_string(parent)).c_str();
    EXPECT_EQ(mat.m_declaredName, "name0");
    EXPECT_EQ(mat.m_texture.m_declaredName, "name1");
    EXPECT_EQ(mat.m_texture.m_pigment.m_declaredName, "name2");
    EXPECT_EQ(mat.m_texture.m_normal.m_declaredName, "name3");
    EXPECT_EQ(mat.m_texture.m_finish.m_declaredName, "name4");
    EXPECT_EQ(mat.m_interior.m_declaredName, "name5");
    EXPECT_EQ(DeclaredNameOf(mat, itemNoise), nullptr);

    EXPECT_EQ(&TurbulenceOf(mat, itemPigment), &mat.m_texture.m_pigment.m_turbulence);
    EXPECT_EQ(&TurbulenceOf(mat, itemNormal), &mat.m_texture.m_normal.m_turbulence);
    EXPECT_EQ(&ImageMapOf(mat, itemPigment), &mat.m_texture.m_pigment.m_imageMap);
    EXPECT_EQ(&ImageMapOf(mat, itemNormal), &mat.m_texture.m_normal.m_bumpMap);
    EXPECT_EQ(SubItemText(itemImageMap, itemPigment), "[Image Map]");
    EXPECT_EQ(SubItemText(itemImageMap, itemNormal), "[Bump Map]");
}
