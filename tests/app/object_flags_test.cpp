// The all / only-selected switches of the patch objects.
#include "app/object_flags.h"
#include "doc_fixture.h"
#include "support/model_shapes.h"

using namespace qf::test;

class ObjectFlagsTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        for (const char* name : {"a", "b", "c"}) {
            CSpatchObj* obj = doc->AddPatchObject();
            obj->SetName(name);
            obj->AppendGeometry(MakeTriangleFan(3).get(), 0);
        }
        panel = &Register(wndObjectPanel1);
    }
    std::vector<int> Flags(int (CBaseObj::*get)() const) const {
        std::vector<int> flags;
        for (const CSpatchObj* obj : doc->m_objects)
            flags.push_back((obj->*get)());
        return flags;
    }
    RecordingDocWindow* panel = nullptr;
};

TEST_F(ObjectFlagsTest, OfferedOnlyWithASelectionAmongSeveralObjects) {
    EXPECT_FALSE(CanSetObjectFlags(*doc)) << "nothing selected";
    doc->m_objects.GetAtIndex(1)->SetSelected(1);
    EXPECT_TRUE(CanSetObjectFlags(*doc));
    doc->DeleteObject(doc->m_objects.GetAtIndex(0));
    doc->DeleteObject(doc->m_objects.GetAtIndex(1));
    EXPECT_FALSE(CanSetObjectFlags(*doc)) << "one object";
}

TEST_F(ObjectFlagsTest, EachSwitchFollowsTheSelectionOrGoesOn) {
    doc->m_objects.GetAtIndex(1)->SetSelected(1);
    const struct {
        ObjectFlag flag;
        int (CBaseObj::*get)() const;
    } switches[] = {{ObjectFlag::editable, &CBaseObj::IsEditable},
                    {ObjectFlag::exported, &CBaseObj::GetExport},
                    {ObjectFlag::shown, &CBaseObj::GetShow}};
    for (const auto& s : switches) {
        SetObjectFlags(*doc, s.flag, true);
        EXPECT_EQ(Flags(s.get), (std::vector<int>{0, 1, 0}));
        SetObjectFlags(*doc, s.flag, false);
        EXPECT_EQ(Flags(s.get), (std::vector<int>{1, 1, 1}));
    }
    EXPECT_EQ(std::count(panel->calls.begin(), panel->calls.end(), "Refresh"), 6)
        << "the panel shows the new values";
}

TEST_F(ObjectFlagsTest, OnlyShowingRedrawsThePanesAndShowAllOnlyWhenSomethingAppears) {
    doc->m_objects.GetAtIndex(0)->SetSelected(1);
    EXPECT_FALSE(SetObjectFlags(*doc, ObjectFlag::editable, true));
    EXPECT_FALSE(SetObjectFlags(*doc, ObjectFlag::shown, false)) << "everything was shown already";
    EXPECT_TRUE(SetObjectFlags(*doc, ObjectFlag::shown, true));
    EXPECT_TRUE(SetObjectFlags(*doc, ObjectFlag::shown, false)) << "two objects come back";
    CSpatchObj* empty = doc->AddPatchObject();
    empty->SetShow(0);
    EXPECT_FALSE(SetObjectFlags(*doc, ObjectFlag::shown, false)) << "an object without points shows nothing";
}
