// A number typed into a side-bar panel in the running program reaches the
// item the panel showed while it was typed, whichever way the user leaves
// the field: another item of the same kind or of another kind, another tab,
// a click into a pane, or Ctrl+S. Pointing at fields and visiting them
// without typing changes nothing.
#include "running_app.h"

#include "app/light_data.h"
#include "platform/base/file_util.h"
#include "platform/ui/common_dialogs.h"
#include "resources/command_ids.h"
#include "shell/light_commands.h"

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using qf::test::PumpEvents;

namespace {

using Path = std::vector<std::string>;

enum class Leave { sameKind, otherKind, otherTab, pane, save };

// One field of one kind of panel: the item it is typed for (A), an item of
// the same kind (B) and one of another kind, the value the field stands for
// in A (first) and in B, and how A gets its value back when the panel's
// edits are no undo steps.
struct FieldCase {
    const char* name;
    int tab;
    Path a;
    Path b;
    Path other;
    int field;
    const char* typed;
    double expected;
    std::function<double(bool first)> value;
    std::function<void(double)> restore; // empty: one undo step takes the edit back
};

class PanelCommitGuiTest : public qf::test::RunningAppGuiTest {
protected:
    void SetUp() override {
        Start();
        // Tall enough that the fields used here show without scrolling.
        Frame().MoveWindow(0, 0, 1400, 1150);
        PumpEvents(200);
    }

    CPanelTabDlg& Host() { return Frame().GetSideBar().GetPanelHost(); }
    CTreeCtrl& TreeOf(int tab) {
        switch (tab) {
        case CPanelTabDlg::tabLight:
            return Host().GetLightPage().GetTree();
        case CPanelTabDlg::tabMaterial:
            return Host().GetMaterialPage().GetTree();
        case CPanelTabDlg::tabScene:
            return Host().GetScenePage().GetTree();
        default:
            return Page().GetTree();
        }
    }
    // The panel the tab's page shows now.
    CWnd* ShownPanel(int tab) {
        switch (tab) {
        case CPanelTabDlg::tabLight:
            return &Host().GetLightPage().GetPanel();
        case CPanelTabDlg::tabMaterial:
            return Host().GetMaterialPage().GetCurrentPanel();
        case CPanelTabDlg::tabScene:
            return Host().GetScenePage().GetCurrentPage();
        default: {
            const char* names[] = {"", "Patch", "Polygon", "Group"};
            return Page().GetCurrentPanel() ? Page().FindPanel(names[Page().GetCurrentPanel()]) : nullptr;
        }
        }
    }
    // The first item, anywhere, with the path's first text, then down its children.
    static HTREEITEM Find(CTreeCtrl& tree, HTREEITEM from, const Path& path) {
        for (HTREEITEM item = from; item; item = tree.GetNextSiblingItem(item)) {
            if (tree.GetItemText(item) == path.front().c_str()) {
                HTREEITEM found = item;
                for (size_t i = 1; found && i < path.size(); ++i) {
                    found = tree.GetChildItem(found);
                    while (found && tree.GetItemText(found) != path[i].c_str())
                        found = tree.GetNextSiblingItem(found);
                }
                if (found)
                    return found;
            }
            if (HTREEITEM below = Find(tree, tree.GetChildItem(item), path))
                return below;
        }
        return nullptr;
    }
    void ClickTab(int tab) {
        CRect r;
        ASSERT_TRUE(Host().GetTabCtrl().GetItemRect(tab, &r));
        Click(Host().GetTabCtrl(), CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        PumpEvents(50);
    }
    void ClickItem(int tab, const Path& path) {
        CTreeCtrl& tree = TreeOf(tab);
        const HTREEITEM item = Find(tree, tree.GetRootItem(), path);
        ASSERT_TRUE(item) << path.back();
        tree.EnsureVisible(item);
        PumpEvents(80);
        CRect r;
        ASSERT_TRUE(tree.GetItemRect(item, &r, TRUE));
        Click(tree, CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        PumpEvents(50);
    }
    // Replaces the field's text with keys, leaving the focus in it.
    void Type(CWnd& field, const char* text) {
        Click(field, CPoint(8, 6));
        mouse.Sim().Char('a', wxMOD_CONTROL);
        PumpEvents(30);
        mouse.Sim().Text(text);
        PumpEvents(50);
    }
    CWnd& Pane(int i) { return Frame().GetView().GetSplitter().GetPane(i).GetFrame().GetGLPane(); }
};

CMaterialData* AddMaterial(CQuelDoc& doc, CMaterialPage& page, const std::string& name, int pigmentKind) {
    CMaterialData* m = doc.AddMaterial();
    m->m_name = name.c_str();
    m->m_useInterior = 1;
    CTextureData& t = m->m_texture;
    t.m_useNormal = t.m_useFinish = 1;
    t.m_finish.m_megaPov = 1;
    t.m_finish.m_useBlinn = 1;
    t.m_pigment.m_kind = pigmentKind;
    t.m_pigment.m_useTurbulence = 1;
    t.m_pigment.m_colors[0].m_color = RGB(10, 20, 30);
    t.m_normal.m_useBumpSize = 1;
    t.m_normal.m_pattern.m_pattern = patternSpiral2;
    page.AddMaterialItem(m);
    return m;
}

} // namespace

TEST_F(PanelCommitGuiTest, ATypedNumberReachesTheItemItWasTypedForHoweverTheFieldIsLeft) {
    CQuelDoc& doc = Doc();
    // Two patch objects and two polygon objects, each pair with the field in use; a folder.
    CSpatchObj* objects[2] = {GetSelectedObject(), nullptr};
    Page().CreatePatchObject();
    objects[1] = GetSelectedObject();
    for (CSpatchObj* obj : objects)
        obj->SetSeeThrough(1);
    CFolderObj* folder = doc.AddFolder();
    folder->SetName("group_00");
    Page().AddObjectTreeItem(folder);
    CPolygonObj* polygons[2] = {doc.AddPolygonObject(), doc.AddPolygonObject()};
    for (int i = 0; i < 2; ++i) {
        polygons[i]->SetName(i ? "poly_b" : "poly_a");
        polygons[i]->SetSmooth(1);
        polygons[i]->SetSmoothingAngle(60.0f);
        Page().AddPolygonItem(polygons[i]);
    }
    CLightData* lights[2] = {CreateLight(doc), CreateLight(doc)};
    // A pair of materials for each pigment kind with a colour entry; the first pair also for the rest.
    std::vector<std::pair<CMaterialData*, CMaterialData*>> materials;
    for (const int kind : {pigmentColorMap, pigmentSolid, pigmentChecker, pigmentHexagon, pigmentBrick}) {
        const std::string name = "m" + std::to_string(kind);
        materials.emplace_back(AddMaterial(doc, Host().GetMaterialPage(), name + "a", kind),
                               AddMaterial(doc, Host().GetMaterialPage(), name + "b", kind));
    }
    doc.m_hdr.m_use = 1;
    // Save goes to the document's own file without asking.
    const std::string file = (std::filesystem::path(qf::SettingsPath("")) / "commit.qfm").string();
    runner.AnswerModal([&](qf::CModalWindow& window) {
        EXPECT_TRUE(dynamic_cast<CFileDialog&>(window).AcceptPath(file.c_str()));
        return IDOK;
    });
    Command(ID_FILE_SAVE);

    const auto material = [&](size_t pair, bool first) -> CMaterialData& {
        return first ? *materials[pair].first : *materials[pair].second;
    };
    const auto materialPath = [&](size_t pair, bool first, Path below) {
        below.insert(below.begin(), std::string(material(pair, first).m_name.str()) + "[Material]");
        return below;
    };
    std::vector<FieldCase> cases = {
        {"object",
         CPanelTabDlg::tabObject,
         {"patch_obj_00"},
         {"patch_obj_01"},
         {"group_00"},
         1712,
         "77",
         77,
         [&](bool first) { return objects[first ? 0 : 1]->GetSeeThroughAmount(); }},
        {"polygon",
         CPanelTabDlg::tabObject,
         {"poly_a"},
         {"poly_b"},
         {"patch_obj_00"},
         1650,
         "33.5",
         33.5,
         [&](bool first) { return polygons[first ? 0 : 1]->GetSmoothingAngle(); },
         [&](double v) { polygons[0]->SetSmoothingAngle(static_cast<float>(v)); }},
        {"light",
         CPanelTabDlg::tabLight,
         {"light_00"},
         {"light_01"},
         {},
         1532,
         "3.5",
         3.5,
         [&](bool first) { return lights[first ? 0 : 1]->m_location.GetX(); }},
        {"global_settings",
         CPanelTabDlg::tabScene,
         {"global_settings"},
         {"radiosity"},
         {"Scene Setting"},
         1278,
         "20",
         20,
         [&](bool first) { return first ? doc.m_globalSettings.m_maxTraceLevel : doc.m_radiosity.m_count; },
         [&](double v) { doc.m_globalSettings.m_maxTraceLevel = static_cast<int>(v); }},
        {"radiosity",
         CPanelTabDlg::tabScene,
         {"radiosity"},
         {"global_settings"},
         {"Configulation"},
         1226,
         "150",
         150,
         [&](bool first) { return first ? doc.m_radiosity.m_count : doc.m_globalSettings.m_maxTraceLevel; },
         [&](double v) { doc.m_radiosity.m_count = static_cast<int>(v); }},
        {"image_based_lighting",
         CPanelTabDlg::tabScene,
         {"Image Based Lighting"},
         {"global_settings"},
         {"POV-Ray Setting"},
         1063,
         "4.5",
         4.5,
         [&](bool first) { return first ? doc.m_hdr.m_center[0] : doc.m_globalSettings.m_maxTraceLevel; },
         [&](double v) { doc.m_hdr.m_center[0] = static_cast<float>(v); }},
    };
    // Each material element panel with number fields, a field of it and the
    // record's value (none: the red of the pigment's first colour).
    struct MaterialField {
        const char* name;
        size_t pair;
        Path below;
        int field;
        const char* typed;
        double expected;
        float& (*value)(CMaterialData&);
    };
    const MaterialField materialFields[] = {
        {"color_map", 0, {"[Texture]", "[Pigment]", "[Color Map]"}, 1021, "200", 200, nullptr},
        {"solid_color", 1, {"[Texture]", "[Pigment]", "[Solid Color]"}, 1021, "200", 200, nullptr},
        {"checker", 2, {"[Texture]", "[Pigment]", "[Checker]"}, 1021, "200", 200, nullptr},
        {"hexagon", 3, {"[Texture]", "[Pigment]", "[Hexagon]"}, 1021, "200", 200, nullptr},
        {"brick", 4, {"[Texture]", "[Pigment]", "[Brick]"}, 1021, "200", 200, nullptr},
        {"noise",
         0,
         {"[Texture]", "[Pigment]", "[Noise]"},
         1420,
         "2.5",
         2.5,
         [](CMaterialData& m) -> float& { return m.m_texture.m_pigment.m_turbulence.m_turbulence[0]; }},
        {"noise_pattern",
         0,
         {"[Texture]", "[Normal]", "[Noise Pattern]"},
         1054,
         "0.75",
         0.75,
         [](CMaterialData& m) -> float& { return m.m_texture.m_normal.m_pattern.m_bumpDepth; }},
        {"bump_size",
         0,
         {"[Texture]", "[Normal]", "[Bump Size]"},
         1078,
         "7",
         7,
         [](CMaterialData& m) -> float& { return m.m_texture.m_normal.m_bumpSize; }},
        {"finish",
         0,
         {"[Texture]", "[Finish]", "[POV-Ray]"},
         1162,
         "0.7",
         0.7,
         [](CMaterialData& m) -> float& { return m.m_texture.m_finish.m_specular; }},
        {"finish_megapov",
         0,
         {"[Texture]", "[Finish]", "[MegaPov]"},
         1084,
         "-50",
         -50,
         [](CMaterialData& m) -> float& { return m.m_texture.m_finish.m_blinn[0]; }},
        {"interior",
         0,
         {"[Interior]", "[POV-Ray]"},
         1469,
         "1.33",
         1.33,
         [](CMaterialData& m) -> float& { return m.m_interior.m_ior; }},
    };
    for (const MaterialField& f : materialFields) {
        // The other kind: the other material's own item.
        cases.push_back({f.name, CPanelTabDlg::tabMaterial, materialPath(f.pair, true, f.below),
                         materialPath(f.pair, false, f.below), materialPath(f.pair, false, {}), f.field,
                         f.typed, f.expected,
                         [&, f](bool first) -> double {
                             CMaterialData& m = material(f.pair, first);
                             return f.value ? f.value(m)
                                            : GetRValue(m.m_texture.m_pigment.m_colors[0].m_color);
                         },
                         [&, f](double v) {
                             CMaterialData& m = material(f.pair, true);
                             if (f.value)
                                 f.value(m) = static_cast<float>(v);
                             else
                                 m.m_texture.m_pigment.m_colors[0].m_color = RGB(static_cast<int>(v), 20, 30);
                         }});
    }

    for (const FieldCase& c : cases) {
        for (const Leave leave :
             {Leave::sameKind, Leave::otherKind, Leave::otherTab, Leave::pane, Leave::save}) {
            if (leave == Leave::otherKind && c.other.empty())
                continue; // the light page holds lights only
            SCOPED_TRACE(std::string(c.name) + " left by way " + std::to_string(static_cast<int>(leave)));
            if (Host().GetTabCtrl().GetCurSel() != c.tab)
                ClickTab(c.tab);
            ClickItem(c.tab, c.b);
            ClickItem(c.tab, c.a);
            CWnd* panel = ShownPanel(c.tab);
            ASSERT_TRUE(panel && panel->GetDlgItem(c.field));
            const double before = c.value(true);
            const double other = c.value(false);
            ASSERT_NE(before, c.expected);
            const int steps = doc.m_undoBuffer.GetPosition();
            doc.SetModifiedFlag(FALSE);
            Type(*panel->GetDlgItem(c.field), c.typed);

            switch (leave) {
            case Leave::sameKind:
                ClickItem(c.tab, c.b);
                break;
            case Leave::otherKind:
                ClickItem(c.tab, c.other);
                break;
            case Leave::otherTab:
                ClickTab(c.tab == CPanelTabDlg::tabScene ? CPanelTabDlg::tabObject : CPanelTabDlg::tabScene);
                break;
            case Leave::pane:
                Click(Pane(1));
                break;
            case Leave::save:
                mouse.Sim().Char('S', wxMOD_CONTROL);
                // The document was unmodified before the typing: saved means
                // committed and then written.
                EXPECT_TRUE(qf::test::PumpUntil([&] {
                    return std::abs(c.value(true) - c.expected) < 1e-4 && !doc.IsModified();
                })) << "Ctrl+S commits and saves from the field";
                break;
            }
            EXPECT_NEAR(c.value(true), c.expected, 1e-4) << "the item it was typed for";
            EXPECT_EQ(c.value(false), other) << "the other item";
            if (c.restore) {
                EXPECT_EQ(doc.m_undoBuffer.GetPosition(), steps) << "these edits are no undo steps";
                EXPECT_TRUE(leave == Leave::save || doc.IsModified());
                c.restore(before);
            } else {
                const bool oneStep = doc.m_undoBuffer.GetPosition() == steps + 1;
                EXPECT_TRUE(oneStep) << "one undo step";
                if (oneStep) {
                    Command(ID_EDIT_UNDO);
                    EXPECT_EQ(c.value(true), before) << "which takes it back";
                }
            }
            if (Host().GetTabCtrl().GetCurSel() != c.tab)
                ClickTab(c.tab);
        }
    }
}

TEST_F(PanelCommitGuiTest, PointingAtAndVisitingFieldsChangesNothing) {
    CSpatchObj* obj = GetSelectedObject();
    obj->SetPolygonize(1);
    obj->SetSmoothOn(1);
    obj->SetSmoothAngle(45.25f);
    Page().CreatePatchObject();
    CLightData* light = CreateLight(Doc());
    light->m_location = CVector3(1.23456f, 2.5f, 3.5f);
    CreateLight(Doc());
    struct Visit {
        int tab;
        const char* item;
        const char* otherItem;
        int field;
        int nextField;
        std::function<float()> value;
    };
    const Visit visits[] = {
        {CPanelTabDlg::tabObject, "patch_obj_00", "patch_obj_01", 1650, 1689,
         [&] { return obj->GetSmoothAngle(); }},
        {CPanelTabDlg::tabLight, "light_00", "light_01", 1532, 1533,
         [&] { return light->m_location.GetX(); }},
    };
    for (const Visit& v : visits) {
        if (Host().GetTabCtrl().GetCurSel() != v.tab)
            ClickTab(v.tab);
        ClickItem(v.tab, {v.item});
        const float before = v.value();
        const int steps = Doc().m_undoBuffer.GetPosition();
        Doc().SetModifiedFlag(FALSE);
        CWnd& panel = *ShownPanel(v.tab);
        // The pointer passes over the field, then the user clicks into it and out to the next.
        mouse.MoveTo(*panel.GetDlgItem(v.field), CPoint(8, 6));
        mouse.MoveTo(*panel.GetDlgItem(v.nextField), CPoint(8, 6));
        Click(*panel.GetDlgItem(v.field), CPoint(8, 6));
        Click(*panel.GetDlgItem(v.nextField), CPoint(8, 6));
        Click(*panel.GetDlgItem(v.field), CPoint(8, 6));
        ClickItem(v.tab, {v.otherItem});
        EXPECT_EQ(v.value(), before) << v.item;
        EXPECT_EQ(Doc().m_undoBuffer.GetPosition(), steps) << v.item;
        EXPECT_FALSE(Doc().IsModified()) << v.item;
    }
}
