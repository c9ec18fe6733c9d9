// The material commands on a document with recording windows: names of new
// materials and copies, one undo step each that gives back the same
// document file, what the page and the object panel are told, and when.
#include "app/undo_fixture.h"
#include "materials/material_commands.h"
#include "support/doc_bytes.h"

using qf::test::DocumentBytes;
using qf::test::SameDocumentBytes;

namespace {

class MaterialCommandsTest : public UndoTest {
protected:
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const CMaterialData* mat : doc->m_materials)
            names.push_back(mat->m_name.str());
        return names;
    }
    const CUndoRecord& NewestStep() { return *Buffer().GetRecord(Buffer().GetPosition() - 1); }
    // The page selects the material whose item it selects.
    static void Select(CMaterialData* mat) {
        for (CMaterialData* m : GetDoc()->m_materials)
            m->m_selected = m == mat;
    }
};

} // namespace

TEST_F(MaterialCommandsTest, NewMaterialsTakeTheFirstFreeNameOfTheSeries) {
    EXPECT_EQ(CreateMaterial(*doc)->m_name, "material_00");
    EXPECT_EQ(CreateMaterial(*doc)->m_name, "material_01");
    EXPECT_EQ(CreateMaterial(*doc)->m_name, "material_02") << "with material_00 and material_01 present";
    EXPECT_EQ(materialPage->calls,
              (qf::test::CallLog{"AddMaterialItem", "SelectMaterialItem", "AddMaterialItem",
                                 "SelectMaterialItem", "AddMaterialItem", "SelectMaterialItem"}));
    EXPECT_EQ(NewestStep().m_kind, undoCreateMaterial);
    EXPECT_EQ(NewestStep().m_english, "(Material) Create Material");

    // Any kind of name counts, and the series goes past nine with two digits.
    AddLight("material_03");
    for (int i = 4; i <= 9; ++i)
        AddFolder(("material_0" + std::to_string(i)).c_str());
    EXPECT_EQ(CreateMaterial(*doc)->m_name, "material_10");
    EXPECT_EQ(DuplicateNames(), "");
}

TEST_F(MaterialCommandsTest, ACopyHasEveryValueOfItsSourceUnderACopyName) {
    CMaterialData* source = AddMaterial("gold");
    source->m_texture.m_pigment.m_kind = pigmentBrick;
    source->m_texture.m_finish.m_metallic = 1.5f;
    source->m_useInterior = 1;
    Select(source);
    CMaterialData* copy = CopySelectedMaterial(*doc);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->m_name, "gold(copy)");
    EXPECT_EQ(copy->m_texture.m_pigment.m_kind, pigmentBrick);
    EXPECT_EQ(copy->m_texture.m_finish.m_metallic, 1.5f);
    EXPECT_EQ(copy->m_useInterior, 1);
    EXPECT_NE(copy->m_id, source->m_id) << "objects keep referring to the source";
    EXPECT_EQ(NewestStep().m_english, "(Material) Copy Material");
    EXPECT_EQ(NewestStep().m_kind, undoCreateMaterial);

    EXPECT_EQ(CopySelectedMaterial(*doc)->m_name, "gold(copy)01");
    EXPECT_EQ(CopySelectedMaterial(*doc)->m_name, "gold(copy)02");
}

TEST_F(MaterialCommandsTest, CopyAndDeleteWithoutASelectedMaterialTellTheUserAndChangeNothing) {
    AddMaterial("gold");
    const std::string before = DocumentBytes(*doc);
    EXPECT_EQ(CopySelectedMaterial(*doc), nullptr);
    DeleteSelectedMaterial(*doc);
    ASSERT_EQ(boxes.GetRequests().size(), 2u);
    for (const auto& box : boxes.GetRequests())
        EXPECT_EQ(box.text, "unselect material");
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));
    EXPECT_EQ(Buffer().GetPosition(), 0);
}

TEST_F(MaterialCommandsTest, DeleteAsksAndTheObjectPanelNoLongerFindsTheDeletedName) {
    CMaterialData* gold = AddMaterial("gold");
    Select(gold);
    boxes.Answer(IDNO);
    DeleteSelectedMaterial(*doc);
    EXPECT_EQ(Names(), (std::vector<std::string>{"gold"})) << "No keeps it";
    EXPECT_EQ(boxes.GetRequests().back().text, "delete gold?");

    bool goneWhenRefreshed = false;
    objectPanel->onRefresh = [&] { goneWhenRefreshed = FindMaterialByName("gold") == nullptr; };
    boxes.Answer(IDYES);
    DeleteSelectedMaterial(*doc);
    EXPECT_TRUE(Names().empty());
    EXPECT_TRUE(goneWhenRefreshed) << "the panel is refreshed after the material went";
    EXPECT_EQ(materialPage->calls.back(), "RemoveMaterialItem");
    EXPECT_EQ(NewestStep().m_kind, undoDeleteMaterial);
    EXPECT_EQ(NewestStep().m_english, "(Material) Delete Material");
}

TEST_F(MaterialCommandsTest, RenameIsOneStepThatHoldsTheOldAndTheNewName) {
    CMaterialData* gold = AddMaterial("gold");
    RenameMaterial(*doc, *gold, "brass");
    EXPECT_EQ(gold->m_name, "brass");
    const CUndoRecord& step = NewestStep();
    EXPECT_EQ(step.m_kind, undoMaterialName);
    EXPECT_EQ(step.m_japanese, "(マテリアル) 名前を変更");
    ASSERT_EQ(step.m_materials.GetCount(), 2);
    EXPECT_EQ(step.m_materials.GetAtIndex(0)->m_name, "gold");
    EXPECT_EQ(step.m_materials.GetAtIndex(1)->m_name, "brass");
    EXPECT_EQ(materialPage->calls, (qf::test::CallLog{"RenameMaterialItem gold brass"}));
    EXPECT_EQ(objectPanel->calls, (qf::test::CallLog{"Refresh"}));
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(MaterialCommandsTest, EveryCommandIsOneUndoStepThatGivesBackTheSameFile) {
    BuildMidSizeScene();
    const auto expectOneStep = [&](auto command, const char* what) {
        const std::string before = DocumentBytes(*doc);
        const int steps = Buffer().GetPosition();
        command();
        EXPECT_EQ(Buffer().GetPosition(), steps + 1) << what;
        EXPECT_FALSE(SameDocumentBytes(before, DocumentBytes(*doc))) << what;
        Buffer().Undo();
        EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc))) << what;
    };
    expectOneStep([&] { CreateMaterial(*doc); }, "new material");
    Select(FindMaterialByName("wood"));
    expectOneStep([&] { CopySelectedMaterial(*doc); }, "copy");
    expectOneStep([&] { RenameMaterial(*doc, *FindMaterialByName("wood"), "oak"); }, "rename");
    // The last material, so that the undone deletion puts it back where it was.
    Select(FindMaterialByName("glass"));
    boxes.Answer(IDYES);
    expectOneStep([&] { DeleteSelectedMaterial(*doc); }, "delete");
}
