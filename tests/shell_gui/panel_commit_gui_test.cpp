// A number typed into a side-bar panel in the running program reaches the
// item the panel showed while it was typed, whichever way the user leaves
// the field: another item of the same kind or of another kind, another tab,
// a click into a pane, Ctrl+S, a click on any control that takes no focus,
// or a dropped document. Pointing at fields and visiting them without typing
// changes nothing. The plain text fields of the lighting page follow the
// same rule.
#include "side_bar_app.h"

#include "app/light_data.h"
#include "controls/color_button.h"
#include "controls/level_bar.h"
#include "controls/my_edit.h"
#include "controls/quel_meter.h"
#include "controls/quel_spin.h"
#include "controls/tab_strip.h"
#include "platform/base/file_util.h"
#include "platform/ui/common_dialogs.h"
#include "resources/command_ids.h"
#include "shell/command_bars.h"
#include "shell/light_commands.h"
#include "shell/tool_dialog_bar.h"
#include "support/doc_bytes.h"
#include "viewport/pane_header.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>
#include <wx/dnd.h>
#include <wx/textctrl.h>

using qf::test::PumpEvents;

namespace {

using Path = qf::test::TreePath;

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

class PanelCommitGuiTest : public qf::test::SideBarAppGuiTest {
protected:
    void SetUp() override {
        Start();
        // Tall enough that the fields used here show without scrolling.
        Frame().MoveWindow(0, 0, 1400, 1150);
        PumpEvents(200);
    }

    // Shows the tab and the item's panel, loaded afresh.
    void Show(const FieldCase& c) {
        if (Host().GetTabCtrl().GetCurSel() != c.tab)
            ClickTab(c.tab);
        ClickItem(c.tab, c.b);
        ClickItem(c.tab, c.a);
    }
    std::string DocumentFile() const {
        return (std::filesystem::path(qf::SettingsPath("")) / "commit.qfm").string();
    }
    // Saves the document to its own file, so that Save goes there without asking.
    void SaveAsDocumentFile() {
        runner.AnswerModal([this](qf::CModalWindow& window) {
            EXPECT_TRUE(dynamic_cast<CFileDialog&>(window).AcceptPath(DocumentFile().c_str()));
            return IDOK;
        });
        Command(ID_FILE_SAVE);
    }
    // The file as the frame's drop target gets it from the window system.
    void DropFile(const std::string& path) {
        auto* target = dynamic_cast<wxFileDropTarget*>(Frame().GetNativeWindow()->GetDropTarget());
        ASSERT_TRUE(target);
        wxArrayString names;
        names.Add(wxString::FromUTF8(path));
        EXPECT_TRUE(target->OnDropFiles(20, 20, names));
        PumpEvents(50);
    }
    void DropDocumentFile() { DropFile(DocumentFile()); }
    // A press on a tool tab, which takes no focus and commits what was typed first.
    void PressToolTab() {
        CTabStrip& tools = Frame().GetToolDialogBar().GetTabDialog().GetTabStrip();
        const TabPlace place = tools.GetItemPlace(tools.GetCurSel() == 0 ? 1 : 0);
        CRect client;
        tools.GetClientRect(&client);
        Click(tools, CPoint(place.x + place.width / 2, client.Height() / 2));
    }
    // The lighting page, shown afresh.
    CWnd& LightingPage() {
        if (Host().GetTabCtrl().GetCurSel() != CPanelTabDlg::tabScene)
            ClickTab(CPanelTabDlg::tabScene);
        ClickItem(CPanelTabDlg::tabScene, {"Image Based Lighting"});
        return *ShownPanel(CPanelTabDlg::tabScene);
    }
    std::vector<FieldCase> MakeItems();
};

CMaterialData* AddMaterial(CQuelDoc& doc, CMaterialPage& page, const std::string& name, int pigmentKind) {
    CMaterialData* m = doc.AddMaterial();
    m->m_name = name.c_str();
    m->m_useInterior = 1;
    m->m_interior.m_useCaustics = 1;
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

// Two items of every kind whose panel has number fields, each pair with the
// fields in use, and a folder; the document saved to its own file. The
// cases name one field of each panel with a number field.
std::vector<FieldCase> PanelCommitGuiTest::MakeItems() {
    CQuelDoc& doc = Doc();
    CSpatchObj* objects[2] = {GetSelectedObject(), nullptr};
    Page().CreatePatchObject();
    objects[1] = GetSelectedObject();
    for (CSpatchObj* obj : objects) {
        obj->SetSeeThrough(1);
        obj->SetPolygonize(1);
    }
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
    for (CLightData* light : lights)
        light->m_type = lightSpot;
    // A pair of materials for each pigment kind with a colour entry; the first pair also for the rest.
    std::vector<std::pair<CMaterialData*, CMaterialData*>> materials;
    for (const int kind : {pigmentColorMap, pigmentSolid, pigmentChecker, pigmentHexagon, pigmentBrick}) {
        const std::string name = "m" + std::to_string(kind);
        materials.emplace_back(AddMaterial(doc, Host().GetMaterialPage(), name + "a", kind),
                               AddMaterial(doc, Host().GetMaterialPage(), name + "b", kind));
    }
    doc.m_hdr.m_use = 1;
    doc.m_postProcess.m_focalBlurOn = doc.m_postProcess.m_starsOn = doc.m_postProcess.m_posterizeOn = 1;
    SaveAsDocumentFile();

    const auto material = [materials](size_t pair, bool first) -> CMaterialData& {
        return first ? *materials[pair].first : *materials[pair].second;
    };
    const auto materialPath = [material](size_t pair, bool first, Path below) {
        below.insert(below.begin(), std::string(material(pair, first).m_name.str()) + "[Material]");
        return below;
    };
    // The items live as long as the document: the cases keep pointers to them.
    std::vector<FieldCase> cases = {
        {"object",
         CPanelTabDlg::tabObject,
         {"patch_obj_00"},
         {"patch_obj_01"},
         {"group_00"},
         1712,
         "77",
         77,
         [objects](bool first) { return objects[first ? 0 : 1]->GetSeeThroughAmount(); }},
        {"polygon",
         CPanelTabDlg::tabObject,
         {"poly_a"},
         {"poly_b"},
         {"patch_obj_00"},
         1650,
         "33.5",
         33.5,
         [polygons](bool first) { return polygons[first ? 0 : 1]->GetSmoothingAngle(); },
         [polygons](double v) { polygons[0]->SetSmoothingAngle(static_cast<float>(v)); }},
        {"light",
         CPanelTabDlg::tabLight,
         {"light_00"},
         {"light_01"},
         {},
         1545,
         "61.5",
         61.5,
         [lights](bool first) { return lights[first ? 0 : 1]->m_falloff; }},
        {"global_settings",
         CPanelTabDlg::tabScene,
         {"global_settings"},
         {"radiosity"},
         {"Scene Setting"},
         1278,
         "20",
         20,
         [&doc](bool first) {
             return first ? doc.m_globalSettings.m_maxTraceLevel : doc.m_radiosity.m_count;
         },
         [&doc](double v) { doc.m_globalSettings.m_maxTraceLevel = static_cast<int>(v); }},
        {"radiosity",
         CPanelTabDlg::tabScene,
         {"radiosity"},
         {"global_settings"},
         {"Configulation"},
         1226,
         "150",
         150,
         [&doc](bool first) {
             return first ? doc.m_radiosity.m_count : doc.m_globalSettings.m_maxTraceLevel;
         },
         [&doc](double v) { doc.m_radiosity.m_count = static_cast<int>(v); }},
        {"post_process",
         CPanelTabDlg::tabScene,
         {"post_process"},
         {"radiosity"},
         {"Configulation"},
         1107,
         "12.5",
         12.5,
         [&doc](bool first) { return first ? doc.m_postProcess.m_focalBlur[0] : doc.m_radiosity.m_count; },
         [&doc](double v) { doc.m_postProcess.m_focalBlur[0] = static_cast<float>(v); }},
        {"image_based_lighting",
         CPanelTabDlg::tabScene,
         {"Image Based Lighting"},
         {"global_settings"},
         {"POV-Ray Setting"},
         1063,
         "4.5",
         4.5,
         [&doc](bool first) { return first ? doc.m_hdr.m_center[0] : doc.m_globalSettings.m_maxTraceLevel; },
         [&doc](double v) { doc.m_hdr.m_center[0] = static_cast<float>(v); }},
        {"etc_setting",
         CPanelTabDlg::tabScene,
         {"Etc. Setting"},
         {"global_settings"},
         {"Scene Setting"},
         1675,
         "9",
         9,
         [&doc](bool first) { return first ? doc.m_motionBlurCount : doc.m_globalSettings.m_maxTraceLevel; },
         [&doc](double v) { doc.m_motionBlurCount = static_cast<int>(v); }},
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
                         [material, f](bool first) -> double {
                             CMaterialData& m = material(f.pair, first);
                             return f.value ? f.value(m)
                                            : GetRValue(m.m_texture.m_pigment.m_colors[0].m_color);
                         },
                         [material, f](double v) {
                             CMaterialData& m = material(f.pair, true);
                             if (f.value)
                                 f.value(m) = static_cast<float>(v);
                             else
                                 m.m_texture.m_pigment.m_colors[0].m_color = RGB(static_cast<int>(v), 20, 30);
                         }});
    }
    return cases;
}

} // namespace

TEST_F(PanelCommitGuiTest, ATypedNumberReachesTheItemItWasTypedForHoweverTheFieldIsLeft) {
    CQuelDoc& doc = Doc();
    const std::vector<FieldCase> cases = MakeItems();
    for (const FieldCase& c : cases) {
        for (const Leave leave :
             {Leave::sameKind, Leave::otherKind, Leave::otherTab, Leave::pane, Leave::save}) {
            if (leave == Leave::otherKind && c.other.empty())
                continue; // the light page holds lights only
            SCOPED_TRACE(std::string(c.name) + " left by way " + std::to_string(static_cast<int>(leave)));
            Show(c);
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

namespace {

// The kinds of control that take no focus: those of a panel, the level bar
// beside it, and those of the bars around the side bar.
enum class Kind { spin, slider, colour, levelBar, xyz, dropButton, menuButton, tabStrip };
constexpr const char* kKindNames[] = {"spin", "slider", "colour", "level bar", "xyz", "drop", "menu", "tabs"};

// Every window under `parent`, depth first.
void ForEachWindow(CWnd& parent, const std::function<void(CWnd&)>& visit) {
    for (CWnd* child = parent.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        visit(*child);
        ForEachWindow(*child, visit);
    }
}

// The number field under `parent` that the spin or slider steps.
CMyEdit* BuddyOf(CWnd& parent, const CWnd& control) {
    CMyEdit* buddy = nullptr;
    ForEachWindow(parent, [&](CWnd& w) {
        auto* edit = dynamic_cast<CMyEdit*>(&w);
        if (edit && (edit->GetSpin() == &control || edit->GetMeter() == &control))
            buddy = edit;
    });
    return buddy;
}

double ValueOf(const CMyEdit& edit) {
    return edit.IsFloatMode() ? edit.GetFloat() : edit.GetInt();
}

} // namespace

TEST_F(PanelCommitGuiTest, AClickOnAControlThatTakesNoFocusCommitsTheTypedNumberFirst) {
    CQuelDoc& doc = Doc();
    const std::vector<FieldCase> cases = MakeItems();
    for (const UINT bar : {ID_WINDOW_MENU_LEFT, ID_WINDOW_MENU_RIGHT})
        Command(bar);
    CCommandDlg2& bar2 = Frame().GetCommandBar2().GetDialog();
    ASSERT_TRUE(bar2.IsWindowVisible() && Frame().GetCommandBar().GetDialog().IsWindowVisible());
    CTabStrip& tabs = Frame().GetToolDialogBar().GetTabDialog().GetTabStrip();
    std::set<Kind> seen;

    // Every panel with a number field × one control of each kind it shows
    // (found among its windows, so a control added later is not missed),
    // the level bar beside it, and with the first panel the bars' controls.
    for (const FieldCase& c : cases) {
        for (const Kind kind : {Kind::spin, Kind::slider, Kind::colour, Kind::levelBar, Kind::xyz,
                                Kind::dropButton, Kind::menuButton, Kind::tabStrip}) {
            if (kind >= Kind::xyz && &c != &cases.front())
                continue;
            SCOPED_TRACE(std::string(c.name) + ", " + kKindNames[static_cast<int>(kind)]);
            Show(c);
            CWnd* panel = ShownPanel(c.tab);
            ASSERT_TRUE(panel && panel->GetDlgItem(c.field));
            auto& field = dynamic_cast<CMyEdit&>(*panel->GetDlgItem(c.field));
            CRect inside;
            panel->GetClientRect(&inside);
            CWnd* control = nullptr;
            ForEachWindow(*panel, [&](CWnd& w) {
                const bool ofKind =
                    (kind == Kind::spin && dynamic_cast<CQuelSpin*>(&w) && &w != field.GetSpin()) ||
                    (kind == Kind::slider && dynamic_cast<CQuelMeter*>(&w) && &w != field.GetMeter()) ||
                    (kind == Kind::colour && dynamic_cast<CColorButton*>(&w));
                CRect r;
                w.GetWindowRect(&r);
                panel->ScreenToClient(&r);
                if (!control && ofKind && w.IsWindowVisible() && w.IsWindowEnabled() && r.top >= 0 &&
                    r.bottom <= inside.bottom)
                    control = &w;
            });
            if (kind == Kind::levelBar)
                ForEachWindow(*panel->GetParent(), [&](CWnd& w) {
                    if (!control && dynamic_cast<CLevelBar*>(&w) && w.IsWindowVisible())
                        control = &w;
                });
            if (kind == Kind::xyz)
                control = &bar2.GetReadout(CCommandDlg2::readoutRot);
            if (kind == Kind::dropButton)
                control = &Frame().GetCommandBar().GetDialog().GetButton(0);
            if (kind == Kind::menuButton)
                control = &Frame().GetView().GetSplitter().GetPane(1).GetFrame().GetHeader().GetMenuButton(0);
            if (kind == Kind::tabStrip)
                control = &tabs;
            if (!control) {
                ASSERT_NE(kind, Kind::levelBar) << "every panel has its level bar";
                continue;
            }
            seen.insert(kind);
            CMyEdit* buddy = kind <= Kind::slider ? BuddyOf(*panel, *control) : nullptr;
            ASSERT_TRUE(kind > Kind::slider || buddy);
            const double buddyBefore = buddy ? ValueOf(*buddy) : 0;
            const int tab = tabs.GetCurSel();

            const double before = c.value(true);
            ASSERT_NE(before, c.expected);
            const int steps = doc.m_undoBuffer.GetPosition();
            Type(field, c.typed);
            // The colour dialog or popup menu the control opens sees the number on its item.
            std::optional<bool> onItemWhenAsked;
            COLORREF chosen = 0;
            if (kind == Kind::colour || kind == Kind::dropButton || kind == Kind::menuButton)
                runner.AnswerModal([&](qf::CModalWindow& window) {
                    onItemWhenAsked = std::abs(c.value(true) - c.expected) < 1e-4;
                    if (auto* dialog = dynamic_cast<CColorDialog*>(&window)) {
                        // Another blue only: a swatch of a colour entry keeps the red typed for it.
                        const COLORREF shown = dialog->GetColor();
                        chosen = RGB(GetRValue(shown), GetGValue(shown), 255 - GetBValue(shown));
                        dialog->SetColor(chosen);
                        return IDOK;
                    }
                    return 0;
                });
            CRect client;
            control->GetClientRect(&client);
            CPoint at(client.Width() / 2, client.Height() / 2);
            if (kind == Kind::spin)
                at.y = client.Height() / 4;
            if (kind == Kind::slider)
                at.x = client.Width() / 3;
            if (kind == Kind::tabStrip) {
                const TabPlace place = tabs.GetItemPlace(tab == 0 ? 1 : 0);
                at.x = place.x + place.width / 2;
            }
            Click(*control, at);

            EXPECT_NEAR(c.value(true), c.expected, 1e-4) << "the item it was typed for";
            if (kind == Kind::colour || kind == Kind::dropButton || kind == Kind::menuButton)
                EXPECT_EQ(onItemWhenAsked, std::optional<bool>(true)) << "committed before the control acted";
            // The control did what it does.
            if (buddy) {
                EXPECT_NE(ValueOf(*buddy), buddyBefore) << "the spin or slider stepped its own field";
            } else if (kind == Kind::colour) {
                EXPECT_EQ(dynamic_cast<CColorButton&>(*control).GetColor(), chosen);
            } else if (kind == Kind::tabStrip) {
                EXPECT_NE(tabs.GetCurSel(), tab);
            }
            if (c.restore) {
                EXPECT_EQ(doc.m_undoBuffer.GetPosition(), steps) << "these edits are no undo steps";
            } else {
                // The typed number is one undo step, the first: the control's
                // steps come after it.
                const int added = doc.m_undoBuffer.GetPosition() - steps;
                EXPECT_GE(added, 1);
                for (int i = 1; i < added; ++i)
                    Command(ID_EDIT_UNDO);
                EXPECT_NEAR(c.value(true), c.expected, 1e-4) << "kept while the control's steps are undone";
                if (buddy) {
                    EXPECT_EQ(ValueOf(*buddy), buddyBefore) << "the control's steps undone";
                }
                if (added >= 1) {
                    Command(ID_EDIT_UNDO);
                    EXPECT_EQ(c.value(true), before) << "one more takes the typed number back";
                }
            }
            // Whatever a failing row left typed goes too: the next row starts afresh.
            CTypedField::CommitFocused();
            if (c.restore)
                c.restore(before);
            while (doc.m_undoBuffer.GetPosition() > steps)
                Command(ID_EDIT_UNDO);
        }
    }
    EXPECT_EQ(seen.size(), std::size(kKindNames)) << "every kind of control was clicked";
}

TEST_F(PanelCommitGuiTest, ADroppedDocumentAsksToSaveATypedNumberAndCancelKeepsIt) {
    const std::vector<FieldCase> cases = MakeItems();
    const FieldCase& c = cases.front();
    Show(c);
    CSpatchObj* const shown = Doc().m_objects.GetHead();
    const int steps = Doc().m_undoBuffer.GetPosition();
    Type(*ShownPanel(c.tab)->GetDlgItem(c.field), c.typed);
    ASSERT_FALSE(Doc().IsModified());

    // The saved document dropped on the window, as the window system hands
    // a drop to the frame's drop target; the save question is cancelled.
    const size_t asked = runner.GetRequests().size();
    runner.Answer(IDCANCEL);
    DropDocumentFile();

    ASSERT_EQ(runner.GetRequests().size(), asked + 1) << "the save question";
    EXPECT_EQ(runner.GetRequests().back().text, "Save changes to commit.qfm?");
    EXPECT_TRUE(Doc().IsModified());
    ASSERT_EQ(Doc().m_objects.GetHead(), shown) << "the document stays";
    EXPECT_EQ(shown->GetSeeThroughAmount(), c.expected) << "the typed number on its item";
    EXPECT_EQ(Doc().m_undoBuffer.GetPosition(), steps + 1);
}

namespace {

constexpr int kLightingPath = 1677;
constexpr int kLightingMapType = 1686;

} // namespace

// The lighting page's plain text fields (the picture's path and the map
// type) follow the number fields' rule: whichever way the user leaves one,
// what he typed reaches the document and the saved file first.
TEST_F(PanelCommitGuiTest, TextTypedIntoTheLightingPageReachesTheDocumentHoweverTheFieldIsLeft) {
    CQuelDoc& doc = Doc();
    SaveAsDocumentFile();
    const auto lighting = [&]() -> CWnd& { return LightingPage(); };
    const auto pressToolTab = [&] { PressToolTab(); };
    const auto saved = [&] { return qf::test::ReadFileBytes(DocumentFile()); };

    enum class Leave { page, toolTab, save, newDocument, drop };
    constexpr const char* kLeaveNames[] = {"another page", "a tool tab", "Ctrl+S", "Ctrl+N", "a drop"};
    int round = 0;
    for (const int field : {kLightingPath, kLightingMapType})
        for (const Leave leave :
             {Leave::page, Leave::toolTab, Leave::save, Leave::newDocument, Leave::drop}) {
            SCOPED_TRACE(std::string(field == kLightingPath ? "path" : "map type") + " left by " +
                         kLeaveNames[static_cast<int>(leave)]);
            ++round;
            const std::string typed = field == kLightingPath
                                          ? "/pictures/sky" + std::to_string(round) + ".hdr"
                                          : std::to_string(round + 1);
            const auto stored = [&]() -> CString {
                return field == kLightingPath ? doc.m_hdr.m_imageFile : IntToString(doc.m_hdr.m_mapType);
            };
            CWnd& page = lighting();
            doc.SetModifiedFlag(FALSE);
            Type(*page.GetDlgItem(field), typed.c_str());
            const size_t asked = runner.GetRequests().size();
            switch (leave) {
            case Leave::page:
                ClickItem(CPanelTabDlg::tabScene, {"global_settings"});
                break;
            case Leave::toolTab:
                pressToolTab();
                break;
            case Leave::save:
                mouse.Sim().Char('S', wxMOD_CONTROL);
                EXPECT_TRUE(qf::test::PumpUntil([&] {
                    return stored() == typed.c_str() && !doc.IsModified();
                })) << "committed, then saved";
                if (field == kLightingPath) {
                    EXPECT_NE(saved().find(typed), std::string::npos) << "in the saved file";
                }
                break;
            case Leave::newDocument:
            case Leave::drop:
                runner.Answer(IDCANCEL);
                if (leave == Leave::drop)
                    DropDocumentFile();
                else
                    mouse.Sim().Char('N', wxMOD_CONTROL);
                PumpEvents(50);
                ASSERT_EQ(runner.GetRequests().size(), asked + 1) << "the save question";
                EXPECT_EQ(runner.GetRequests().back().text, "Save changes to commit.qfm?");
                EXPECT_TRUE(doc.IsModified()) << "Cancel keeps the document";
                break;
            }
            EXPECT_EQ(stored(), CString(typed.c_str()));
        }

    // A map type that is no whole number is refused with a message, and the
    // field shows the one kept.
    for (const char* refused : {"abc", ""}) {
        SCOPED_TRACE(std::string("map type \"") + refused + "\"");
        CWnd& page = lighting();
        const int kept = doc.m_hdr.m_mapType;
        const size_t asked = runner.GetRequests().size();
        runner.Answer(IDOK);
        Type(*page.GetDlgItem(kLightingMapType), refused);
        pressToolTab();
        ASSERT_EQ(runner.GetRequests().size(), asked + 1) << "the message";
        EXPECT_EQ(runner.GetRequests().back().text, "Please enter an integer.");
        EXPECT_EQ(doc.m_hdr.m_mapType, kept);
        CString shown;
        page.GetDlgItem(kLightingMapType)->GetWindowText(shown);
        EXPECT_EQ(shown, IntToString(kept));
    }

    // Closing the window asks first, and Yes saves the path typed.
    CWnd& page = lighting();
    doc.SetModifiedFlag(FALSE);
    Type(*page.GetDlgItem(kLightingPath), "/pictures/last.hdr");
    const size_t asked = runner.GetRequests().size();
    runner.Answer(IDYES);
    Frame().SendMessage(WM_CLOSE);
    PumpEvents(50);
    ASSERT_EQ(runner.GetRequests().size(), asked + 1) << "the save question";
    EXPECT_FALSE(IsWindow(Frame().GetSafeHwnd())) << "closed";
    EXPECT_NE(saved().find("/pictures/last.hdr"), std::string::npos) << "in the saved file";
}

// A document opened while a side-bar field has the focus leaves the keys
// working: the focus goes to the active pane, as after the start.
TEST_F(PanelCommitGuiTest, KeysActAtOnceAfterADocumentOpensFromAField) {
    SaveAsDocumentFile();
    for (const bool dropped : {true, false}) {
        SCOPED_TRACE(dropped ? "dropped" : "File > Open");
        if (Host().GetTabCtrl().GetCurSel() != CPanelTabDlg::tabScene)
            ClickTab(CPanelTabDlg::tabScene);
        ClickItem(CPanelTabDlg::tabScene, {"global_settings"});
        CWnd& field = *ShownPanel(CPanelTabDlg::tabScene)->GetDlgItem(1278);
        Click(field, CPoint(8, 6));
        ASSERT_EQ(CWnd::GetFocus(), &field);
        if (dropped) {
            DropDocumentFile();
        } else {
            runner.AnswerModal([this](qf::CModalWindow& window) {
                EXPECT_TRUE(dynamic_cast<CFileDialog&>(window).AcceptPath(DocumentFile().c_str()));
                return IDOK;
            });
            Command(ID_FILE_OPEN);
        }
        const int modals = runner.GetModalCount();
        runner.AnswerModal(IDCANCEL);
        mouse.Sim().Char('O', wxMOD_CONTROL);
        ASSERT_TRUE(qf::test::PumpUntil([&] { return runner.GetModalCount() == modals + 1; }))
            << "Ctrl+O brings the file dialog";
    }
}

// A value the program refuses leaves the document, its undo list and its
// modified flag as they were: a number field emptied, a map type or a
// picture path that the lighting page answers with a message, a dropped
// file that is no document.
TEST_F(PanelCommitGuiTest, ARefusedValueChangesNothing) {
    CQuelDoc& doc = Doc();
    const std::vector<FieldCase> cases = MakeItems();
    const std::string damaged =
        (std::filesystem::path(DocumentFile()).parent_path() / "damaged.qfm").string();
    qf::test::WriteFileBytes(damaged, "no document");
    const auto emptied = [&](const char* name) {
        return [&, name] {
            const FieldCase& c = *std::find_if(cases.begin(), cases.end(), [name](const FieldCase& f) {
                return std::string(f.name) == name;
            });
            Show(c);
            Type(*ShownPanel(c.tab)->GetDlgItem(c.field), "");
            PressToolTab();
        };
    };
    const auto lighting = [&](int field, const char* text) {
        return [&, field, text] {
            CWnd& edit = *LightingPage().GetDlgItem(field);
            Type(edit, "x");
            // Pasted: the keys cannot type every character.
            auto& native = *static_cast<wxTextCtrl*>(edit.GetNativeWindow());
            native.SelectAll();
            native.WriteText(wxString::FromUTF8(text));
            PressToolTab();
        };
    };
    struct Refusal {
        const char* name;
        std::function<void()> refuse;
        const char* message; // how the program's answer begins; null: it says nothing
    };
    const Refusal refusals[] = {
        {"a patch object's number emptied", emptied("object"), nullptr},
        {"a light's number emptied", emptied("light"), nullptr},
        {"a global setting emptied", emptied("global_settings"), nullptr},
        {"a material's colour emptied", emptied("color_map"), nullptr},
        {"the map type abc", lighting(kLightingMapType, "abc"), "Please enter an integer."},
        {"the map type emptied", lighting(kLightingMapType, ""), "Please enter an integer."},
        {"a picture path Shift-JIS cannot hold", lighting(kLightingPath, "/pictures/\xED\x95\x9C.hdr"),
         "This file name cannot be kept in the document"},
        {"a dropped file that is no document", [&] { DropFile(damaged); }, "The file"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        doc.SetModifiedFlag(FALSE);
        const std::string before = qf::test::DocumentBytes(doc);
        const int mapType = doc.m_hdr.m_mapType;
        const int steps = doc.m_undoBuffer.GetRecordCount();
        const size_t asked = runner.GetRequests().size();
        if (refusal.message)
            runner.Answer(IDOK);
        refusal.refuse();
        ASSERT_EQ(runner.GetRequests().size(), asked + (refusal.message ? 1 : 0));
        if (refusal.message) {
            EXPECT_EQ(runner.GetRequests().back().text.Find(refusal.message), 0)
                << runner.GetRequests().back().text;
        }
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(doc.m_undoBuffer.GetRecordCount(), steps) << "no undo step";
        EXPECT_EQ(doc.m_hdr.m_mapType, mapType);
        EXPECT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(doc)));
    }
}
