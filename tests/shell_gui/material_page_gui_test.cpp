// The material page driven with the mouse and keys in both languages: New,
// Copy, the rename through the name dialog and Delete, each one undo step;
// choosing an item selects its material and shows its panel (none for the
// kinds without one); the material and texture panels add and remove the
// items of the sections they switch.
#include "app/undo_buffer.h"
#include "dialogs/rename_dlg.h"
#include "material_page_fixture.h"

using qf::test::PumpEvents;
using Names = std::vector<std::string>;

namespace {

constexpr int kNew = 1130;
constexpr int kCopy = 1149;
constexpr int kDelete = 1158;

// Every section and every option a panel shows.
void EverySectionWithOptions(CMaterialData& m) {
    m.m_useInterior = 1;
    CTextureData& t = m.m_texture;
    t.m_useNormal = t.m_useFinish = 1;
    t.m_pigment.m_kind = pigmentImageMap;
    t.m_pigment.m_useTurbulence = 1;
    t.m_normal.m_useTurbulence = t.m_normal.m_useBumpSize = 1;
    t.m_finish.m_megaPov = 1;
}

} // namespace

TEST_F(MaterialPageGuiTest, NewCopyRenameAndDeleteAreOneUndoStepEach) {
    for (const bool english : {false, true}) {
        Open(english);
        ClickButton(kNew);
        ClickButton(kNew);
        EXPECT_EQ(Children(nullptr), (Names{"material_00[Material]", "material_01[Material]"}));
        EXPECT_EQ(GetSelectedMaterial()->m_name, "material_01")
            << "the new material is the one the panels edit";
        EXPECT_EQ(Text(Panel(), 1030), "material_01");
        EXPECT_EQ(Buffer().GetPosition(), 2);
        Shoot("material_page_material", english);

        ClickButton(kCopy);
        EXPECT_EQ(GetSelectedMaterial()->m_name, "material_01(copy)");
        EXPECT_EQ(Buffer().GetPosition(), 3);

        // The name dialog refuses a name in use, then takes a new one.
        boxes.AnswerModal(qf::test::RealDialogWithSteps<CRenameDlg>([&](CRenameDlg& dialog) {
            EXPECT_EQ(Text(dialog, 1063), "material_01(copy)");
            user.Type(dialog, 1063, "material_00");
            EXPECT_FALSE(Enabled(dialog, IDOK)) << "another material's name";
            user.Type(dialog, 1063, "brass");
            EXPECT_TRUE(Enabled(dialog, IDOK));
            user.Click(dialog, IDOK);
        }));
        Click(Panel(), 1069);
        EXPECT_EQ(GetSelectedMaterial()->m_name, "brass");
        EXPECT_EQ(Text(Panel(), 1030), "brass");
        EXPECT_EQ(Children(nullptr),
                  (Names{"brass[Material]", "material_00[Material]", "material_01[Material]"}))
            << "the top level sorted again";
        const CUndoRecord* rename = Buffer().GetRecord(Buffer().GetPosition() - 1);
        EXPECT_EQ(rename->m_kind, undoMaterialName);
        EXPECT_EQ(Buffer().GetPosition(), 4) << "one step";
        Buffer().Undo();
        EXPECT_EQ(Children(nullptr),
                  (Names{"material_00[Material]", "material_01(copy)[Material]", "material_01[Material]"}));
        EXPECT_EQ(Text(Panel(), 1030), "material_01(copy)") << "the panel follows the undone name";

        boxes.Answer(IDYES);
        ClickButton(kDelete);
        EXPECT_EQ(boxes.GetRequests().back().text,
                  english ? "delete material_01(copy)?" : "material_01(copy)を削除しますか？");
        EXPECT_EQ(Children(nullptr), (Names{"material_00[Material]", "material_01[Material]"}));
        ASSERT_TRUE(GetSelectedMaterial()) << "the tree's selection moved on, and the material with it";
        EXPECT_EQ(MaterialItemText(GetSelectedMaterial()->m_name),
                  Tree().GetItemText(Tree().GetSelectedItem()));
        Buffer().Undo();
        EXPECT_EQ(doc->m_materials.GetCount(), 3) << "the deleted material is back";
        EXPECT_EQ(GetSelectedMaterial()->m_name, "material_01(copy)") << "and selected with its item";

        // Deleting every material leaves no panel and no level bar.
        for (int i = 0; i < 3; ++i) {
            boxes.Answer(IDYES);
            ClickButton(kDelete);
        }
        EXPECT_TRUE(Children(nullptr).empty());
        EXPECT_EQ(page->GetCurrentPanel(), nullptr);
        EXPECT_FALSE(page->GetLevelBar().IsWindowVisible());
        while (Buffer().CanUndo())
            Buffer().Undo();
        EXPECT_EQ(doc->m_materials.GetCount(), 0);
    }
    EXPECT_EQ(boxes.GetUnscriptedCount(), 0);
}

TEST_F(MaterialPageGuiTest, ChoosingAnItemSelectsItsMaterialAndShowsThePanelOfItsKind) {
    Open(true);
    CMaterialData* gold =
        Load("gold", [](CMaterialData& m) { m.m_texture.m_pigment.m_kind = pigmentChecker; });
    CMaterialData* wood = Load("wood", [](CMaterialData& m) {
        m.m_texture.m_pigment.m_megaPov = 1;
        m.m_texture.m_useFinish = 1;
    });
    ClickItem({"wood[Material]", "[Texture]", "[Finish]", "[POV-Ray]"});
    EXPECT_EQ(GetSelectedMaterial(), wood);
    EXPECT_EQ(page->GetCurrentPanel(), page->FindPanel(itemFinishSet));
    EXPECT_TRUE(page->GetLevelBar().IsWindowVisible());

    ClickItem({"gold[Material]", "[Texture]", "[Pigment]", "[Checker]"});
    EXPECT_EQ(GetSelectedMaterial(), gold) << "another material's item selects that material first";
    EXPECT_FALSE(wood->m_selected);

    ClickItem({"wood[Material]", "[Texture]", "[Pigment]", "[MegaPov]"});
    EXPECT_EQ(GetSelectedMaterial(), wood);
    EXPECT_EQ(page->GetCurrentPanel(), nullptr) << "the pigment's MegaPOV part has no panel";
    EXPECT_FALSE(page->GetLevelBar().IsWindowVisible());
    for (const auto& panel : {itemMaterial, itemPigment, itemFinishSet})
        EXPECT_FALSE(page->FindPanel(panel)->IsWindowVisible());
}

TEST_F(MaterialPageGuiTest, TheMaterialAndTexturePanelsAddAndRemoveTheirSections) {
    for (const bool english : {false, true}) {
        Open(english);
        CMaterialData* mat = Load(english ? "en" : "ja", [](CMaterialData& m) {
            m.m_texture.m_normal.m_kind = normalBumpMap;
            m.m_texture.m_normal.m_useBumpSize = 1;
        });
        const char* top = english ? "en[Material]" : "ja[Material]";
        ClickItem({top});
        CMaterialElementPanel& material = Panel();
        EXPECT_EQ(Text(material, 1478), english ? "Type" : "タイプ");
        EXPECT_EQ(Text(material, 1076), "Use Texture") << "check boxes keep their English text";

        Click(material, 1118);
        EXPECT_EQ(mat->m_useInterior, 1);
        EXPECT_EQ(Children(Item({top})), (Names{"[Texture]", "[Interior]"}));
        EXPECT_EQ(Children(Item({top, "[Interior]"})), (Names{"[POV-Ray]"}));

        Click(material, 1578);
        EXPECT_EQ(mat->m_declared, 1);
        EXPECT_EQ(Children(Item({top})), (Names{"[Include]"})) << "the whole subtree gives way to [Include]";
        EXPECT_FALSE(Enabled(material, 1076));
        EXPECT_FALSE(Enabled(material, 1118));
        Shoot("material_page_material_include", english);
        Click(material, 1577);
        EXPECT_EQ(Children(Item({top})), (Names{"[Texture]", "[Interior]"})) << "the kept flags come back";
        EXPECT_TRUE(Enabled(material, 1076));

        ClickItem({top, "[Texture]"});
        CMaterialElementPanel& texture = Panel();
        EXPECT_EQ(page->GetCurrentPanel(), page->FindPanel(itemTexture));
        EXPECT_TRUE(Checked(texture, 1071));
        Click(texture, 1073);
        EXPECT_EQ(Children(Item({top, "[Texture]"})), (Names{"[Pigment]", "[Normal]"}));
        EXPECT_EQ(Children(Item({top, "[Texture]", "[Normal]"})), (Names{"[Bump Map]", "[Bump Size]"}));
        Click(texture, 1075);
        Click(texture, 1071);
        EXPECT_EQ(Children(Item({top, "[Texture]"})), (Names{"[Normal]", "[Finish]"}));
        Click(texture, 1071);
        EXPECT_EQ(Children(Item({top, "[Texture]"})), (Names{"[Pigment]", "[Normal]", "[Finish]"}))
            << "in code order, whatever the order they came in";
        Shoot("material_page_texture", english);
        Click(texture, 1578);
        EXPECT_EQ(Children(Item({top, "[Texture]"})), (Names{"[Include]"}));
        for (int id : {1071, 1073, 1075})
            EXPECT_FALSE(Enabled(texture, id));
        EXPECT_EQ(mat->m_texture.m_useNormal, 1);
    }
}

TEST_F(MaterialPageGuiTest, WithoutASelectedMaterialThePanelsChangeNothing) {
    Open(false);
    CMaterialData* mat = Load("m");
    ClickItem({"m[Material]", "[Texture]"});
    mat->m_selected = 0;
    doc->SetModifiedFlag(FALSE);
    CMaterialElementPanel& texture = Panel();
    Click(texture, 1073);
    Click(texture, 1578);
    EXPECT_EQ(mat->m_texture.m_useNormal, 0);
    EXPECT_EQ(mat->m_texture.m_declared, 0);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(Children(Item({"m[Material]", "[Texture]"})), (Names{"[Pigment]"}));
}

TEST_F(MaterialPageGuiTest, EveryPanelShownInBothLanguages) {
    struct Shot {
        const char* name;
        std::initializer_list<const char*> path;
    };
    const Shot shots[] = {
        {"texture", {"glass[Material]", "[Texture]"}},
        {"pigment", {"glass[Material]", "[Texture]", "[Pigment]"}},
        {"image_map", {"glass[Material]", "[Texture]", "[Pigment]", "[Image Map]"}},
        {"noise", {"glass[Material]", "[Texture]", "[Pigment]", "[Noise]"}},
        {"normal", {"glass[Material]", "[Texture]", "[Normal]"}},
        {"noise_pattern", {"glass[Material]", "[Texture]", "[Normal]", "[Noise Pattern]"}},
        {"bump_size", {"glass[Material]", "[Texture]", "[Normal]", "[Bump Size]"}},
        {"finish", {"glass[Material]", "[Texture]", "[Finish]"}},
        {"finish_set", {"glass[Material]", "[Texture]", "[Finish]", "[POV-Ray]"}},
        {"finish_megapov", {"glass[Material]", "[Texture]", "[Finish]", "[MegaPov]"}},
        {"interior", {"glass[Material]", "[Interior]"}},
        {"interior_set", {"glass[Material]", "[Interior]", "[POV-Ray]"}},
        {"declared_name", {"stone[Material]", "[Include]"}},
    };
    for (const bool english : {false, true}) {
        Open(english);
        Load("glass", [](CMaterialData& m) {
            EverySectionWithOptions(m);
            m.m_texture.m_pigment.m_imageMap.m_fileName = "/maps/glass.png";
            m.m_texture.m_pigment.m_imageMap.m_fileType = filePng;
        });
        Load("stone", [](CMaterialData& m) {
            m.m_declared = 1;
            m.m_declaredName = "T_Stone";
        });
        ClickItem({"glass[Material]"});
        Shoot("material_page_material_panel", english);
        for (const Shot& shot : shots) {
            ClickItem(shot.path);
            ASSERT_TRUE(page->GetCurrentPanel()) << shot.name;
            Shoot(std::string("material_page_") + shot.name, english);
        }
    }
}
