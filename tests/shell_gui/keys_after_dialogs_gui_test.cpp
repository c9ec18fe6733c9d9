// Every modal dialog of the running program, opened where the user opens it
// (the side-bar pages' buttons, the menus, the tool bar, the panes' menus
// and the keys) and closed each way (OK, Cancel, Escape, Enter), leaves the
// keys working at once: Ctrl+O asks for a file and D shows the document
// information, with no click first. Under a window manager when openbox is
// installed, so that the focus moves as it does on a desktop. The system's
// file, colour, font and folder dialogs are answered for the user (OK with
// a choice, Cancel), as everywhere in the tests.
#include "side_bar_app.h"

#include "dialogs/document_info_dlg.h"
#include "dialogs_gui/window_manager.h"
#include "formats/export_plugin_manager.h"
#include "platform/base/file_util.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/window_showing.h"
#include "resources/command_ids.h"
#include "shell/light_commands.h"
#include "shell/object_page_ids.h"
#include "support/model_shapes.h"
#include "support/run_program.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>
#include <wx/dialog.h>

using qf::test::PumpEvents;
using qf::test::PumpUntil;
using qf::test::TreePath;

namespace {

enum class Close { ok, cancel, escape, enter };
constexpr const char* kCloseNames[] = {"OK", "Cancel", "Escape", "Enter"};

constexpr int kObjectTab = CPanelTabDlg::tabObject;
constexpr int kLightTab = CPanelTabDlg::tabLight;
constexpr int kMaterialTab = CPanelTabDlg::tabMaterial;
constexpr int kSceneTab = CPanelTabDlg::tabScene;
constexpr int kMaterialEtcButton = 1283;

class KeysAfterDialogsGuiTest;
using Step = std::function<void(KeysAfterDialogsGuiTest&)>;

// One modal dialog and what the user does to open it.
struct DialogCase {
    const char* where;
    Step open;
    // What the user does before OK or Enter (a name typed, an item chosen).
    std::function<void(KeysAfterDialogsGuiTest&, CDialog&)> beforeOk = nullptr;
    // The windows that OK leads to (a file dialog...), each cancelled, and
    // the message boxes it shows.
    int windowsAfterOk = 0;
    int boxesAfterOk = 0;
    // The answers to the windows that come before the dialog (a file to insert).
    Step answerFirst = nullptr;
    // The ways it closes; a dialog that only OK ends has fewer.
    std::vector<Close> ways = {Close::ok, Close::cancel, Close::escape, Close::enter};
    // A system dialog is answered for the user, without showing it: OK with
    // what this chooses, or Cancel.
    std::function<void(qf::CModalWindow&)> systemChoice = nullptr;
};

// The modal dialog on screen: ours or the system's.
wxDialog* ShownModalDialog() {
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = dynamic_cast<wxDialog*>(window); dialog && dialog->IsModal())
            return dialog;
    return nullptr;
}

class KeysAfterDialogsGuiTest : public qf::test::SideBarAppGuiTest {
public:
    using SideBarAppGuiTest::ChooseFromNextMenu;
    using SideBarAppGuiTest::Click;
    using SideBarAppGuiTest::Command;
    using SideBarAppGuiTest::Frame;
    using SideBarAppGuiTest::runner;
    using SideBarAppGuiTest::ShowItem;

    void SetUp() override {
        if (qf::test::IsOnPath("openbox")) {
            m_manager.emplace();
            ASSERT_TRUE(m_manager->Running()) << "openbox did not take the display";
        }
        Start();
        // Tall enough that the side bar's panels show whole.
        Frame().MoveWindow(0, 0, 1400, 1150);
        PumpEvents(200);
        MakeItems();
    }
    void TearDown() override {
        qf::test::SideBarAppGuiTest::TearDown();
        m_manager.reset();
    }

    void CheckEachWay(const std::vector<DialogCase>& cases) {
        for (const DialogCase& c : cases)
            for (const Close way : c.ways)
                Check(c, way);
    }
    // Opens the dialog of the case, closes it that way for real, and checks
    // that the keys act.
    void Check(const DialogCase& c, Close way);

    // The side bar's item, then a click on the button of its panel.
    template <class Item> void ClickPanelButton(int tab, const Item& item, int button) {
        CWnd* panel = ShownPanel(tab);
        // The item is chosen once; then the user works in the panes, where
        // the keys act, until he clicks the button. A button takes the focus
        // with the click, a colour swatch leaves it where it was.
        if (Host().GetTabCtrl().GetCurSel() != tab || !IsItemShown(tab, item)) {
            panel = ShowItem(tab, item);
            Frame().FocusActivePane();
        }
        ASSERT_TRUE(panel && panel->GetDlgItem(button)) << "button " << button;
        Press(*panel->GetDlgItem(button));
    }
    void ClickPageButton(int tab, int button) {
        if (Host().GetTabCtrl().GetCurSel() != tab)
            ClickTab(tab);
        CWnd* page = tab == CPanelTabDlg::tabMaterial ? static_cast<CWnd*>(&Host().GetMaterialPage())
                                                      : static_cast<CWnd*>(&Page());
        Press(*page->GetDlgItem(button));
    }
    void ClickToolBarButton(int toolTab, UINT command) {
        CTabStrip& tabs = Frame().GetToolDialogBar().GetTabDialog().GetTabStrip();
        if (tabs.GetCurSel() != toolTab) {
            const TabPlace place = tabs.GetItemPlace(toolTab);
            CRect client;
            tabs.GetClientRect(&client);
            Click(tabs, CPoint(place.x + place.width / 2, client.Height() / 2));
        }
        // The bar's buttons stay where they were found.
        if (!m_toolBarButtons.count(command)) {
            const std::optional<CPoint> at = ToolBarPointWithPrompt(CommandPrompt(command));
            ASSERT_TRUE(at) << "the button of " << command;
            m_toolBarButtons[command] = *at;
        }
        Click(Frame().GetToolBar(), m_toolBarButtons[command]);
    }
    void ClickPaneMenu(int menu) {
        WorkInPane();
        Click(Frame().GetView().GetSplitter().GetPane(1).GetFrame().GetHeader().GetMenuButton(menu));
    }
    // The user works in the panes on the patch object: it is chosen and the
    // active pane has the keys.
    void WorkInPane() {
        if (TreeOf(kObjectTab).GetSelectedItem() != ItemOf(m_patch))
            ShowItem(kObjectTab, ItemOf(m_patch));
        Frame().FocusActivePane();
        PumpEvents(30);
    }
    // A menu command with the object's points and a curve of it selected, as the edit commands need.
    void EditCommand(UINT command) {
        WorkInPane();
        m_patch->SelectAllVertices(1);
        m_patch->GetCurves().GetHead()->m_nodes.GetHead()->m_selected = 1;
        Command(command);
    }
    void Key(int key, int modifiers = wxMOD_NONE) {
        mouse.Sim().Char(key, modifiers);
        PumpEvents(20);
    }
    // A click on a button, the dialog left to close.
    void Press(CWnd& button) {
        CRect client;
        button.GetClientRect(&client);
        mouse.MoveTo(button, CPoint(client.Width() / 2, client.Height() / 2));
        mouse.Down();
        mouse.Up();
    }
    // The file dialog's next answer: the saved document, or a new file.
    void AnswerDocumentFile() { AnswerFile(m_documentFile); }
    void AnswerNewFile() {
        static int files = 0;
        AnswerFile(
            (std::filesystem::path(qf::SettingsPath("")) / ("new" + std::to_string(++files))).string());
    }
    void AnswerFile(const std::string& path) {
        runner.AnswerModal([path](qf::CModalWindow& window) {
            return dynamic_cast<CFileDialog&>(window).AcceptPath(path.c_str()) ? IDOK : IDCANCEL;
        });
    }

    static HTREEITEM ItemOf(const CBaseObj* obj) { return static_cast<HTREEITEM>(obj->GetTreeItem()); }
    static TreePath MaterialPath(const CMaterialData* mat, TreePath below = {}) {
        below.insert(below.begin(), std::string(mat->m_name.str()) + "[Material]");
        return below;
    }

    CSpatchObj* m_patch = nullptr;
    CFolderObj* m_folder = nullptr;
    CPolygonObj* m_polygon = nullptr;
    CLightData* m_light = nullptr;
    CMaterialData* m_mapped = nullptr;
    CMaterialData* m_declared = nullptr;

private:
    void MakeItems();
    bool IsItemShown(int tab, HTREEITEM item) { return TreeOf(tab).GetSelectedItem() == item; }
    bool IsItemShown(int tab, const TreePath& path) {
        CTreeCtrl& tree = TreeOf(tab);
        return tree.GetSelectedItem() && tree.GetSelectedItem() == Find(tree, tree.GetRootItem(), path);
    }
    void CloseForReal(qf::CModalWindow& window, const DialogCase& c, Close way);
    void ExpectKeysAct(const std::string& after);

    std::optional<qf::test::WindowManager> m_manager;
    std::string m_documentFile;
    std::map<UINT, CPoint> m_toolBarButtons;
};

// The start's patch object gets a grid of patches, copied, and the document
// is saved to its own file. Beside it: another patch object, a folder, a
// polygon object, a light, a material with an image map and one declared
// elsewhere, and an export plug-in.
void KeysAfterDialogsGuiTest::MakeItems() {
    CQuelDoc& doc = Doc();
    m_patch = GetSelectedObject();
    m_patch->AppendGeometry(qf::test::MakeFlatQuadGrid(2).get(), 0);
    m_patch->Rebuild();
    m_patch->SetMotionBlur(1);
    EditCommand(ID_EDIT_COPY);
    // The motion-blur partner's list.
    Page().AddObjectTreeItem(doc.AddPatchObject(qf::test::MakeFlatQuadGrid(1)));
    m_folder = doc.AddFolder();
    m_folder->SetName("group_00");
    Page().AddObjectTreeItem(m_folder);
    m_polygon = doc.AddPolygonObject();
    m_polygon->SetName("poly_a");
    Page().AddPolygonItem(m_polygon);
    m_light = CreateLight(doc);
    m_mapped = doc.AddMaterial();
    m_mapped->m_name = "ma";
    m_mapped->m_useTexture = 1;
    m_mapped->m_texture.m_usePigment = 1;
    m_mapped->m_texture.m_pigment.m_kind = pigmentImageMap;
    Host().GetMaterialPage().AddMaterialItem(m_mapped);
    m_declared = doc.AddMaterial();
    m_declared->m_name = "mb";
    m_declared->m_declared = 1;
    Host().GetMaterialPage().AddMaterialItem(m_declared);
    const std::filesystem::path plugins = ExportPluginFolder(doc);
    std::filesystem::create_directories(plugins);
    std::filesystem::copy_file(std::filesystem::path(QF_TEST_PLUGIN_DIR) / "good.so", plugins / "good.so");
    m_documentFile = (std::filesystem::path(qf::SettingsPath("")) / "keys.qfm").string();
    AnswerDocumentFile();
    Command(ID_FILE_SAVE);
    // The patch object's panel folds its option, mirror and polygon groups,
    // so that its motion-blur partner shows, and shows its values afresh
    // when it is chosen again.
    CWnd* panel = ShownPanel(kObjectTab);
    for (const int group : {1478, 1457, 1473})
        Click(*panel->GetDlgItem(group));
    ClickItem(kObjectTab, ItemOf(m_folder));
}

void KeysAfterDialogsGuiTest::Check(const DialogCase& c, Close way) {
    SCOPED_TRACE(std::string(c.where) + ", closed by " + kCloseNames[static_cast<int>(way)]);
    if (c.answerFirst)
        c.answerFirst(*this);
    bool shown = false;
    runner.AnswerModal([&](qf::CModalWindow& window) {
        shown = true;
        if (c.systemChoice) {
            if (way != Close::ok)
                return window.GetCancelResult();
            c.systemChoice(window);
            return IDOK;
        }
        wxTheApp->CallAfter([&] { CloseForReal(window, c, way); });
        return window.RunModalLoop();
    });
    c.open(*this);
    if (!shown) {
        ADD_FAILURE() << "the dialog did not open";
        Command(ID_WINDOW_DOCUMENT); // takes the answer left over
        return;
    }
    ExpectKeysAct(std::string("closing ") + c.where);
}

void KeysAfterDialogsGuiTest::CloseForReal(qf::CModalWindow& window, const DialogCase& c, Close way) {
    auto* ours = dynamic_cast<CDialog*>(&window);
    wxDialog* shown = nullptr;
    PumpUntil([&] {
        shown = ShownModalDialog();
        return shown && IsPlacedOnScreen(*shown);
    });
    if (!shown) {
        ADD_FAILURE() << "no dialog on screen";
        if (ours && ours->GetNativeWindow())
            ours->EndDialog(qf::test::kStillOpen);
        return;
    }
    PumpEvents(10);
    if ((way == Close::ok || way == Close::enter) && c.beforeOk && ours)
        c.beforeOk(*this, *ours);
    switch (way) {
    case Close::ok:
        Press(*ours->GetDlgItem(static_cast<int>(ours->GetDefID())));
        break;
    case Close::cancel:
        // A dialog without Cancel is closed by its close box.
        if (CWnd* cancel = ours->GetDlgItem(IDCANCEL))
            Press(*cancel);
        else
            shown->Close();
        break;
    case Close::escape:
        Key(WXK_ESCAPE);
        break;
    case Close::enter:
        // A push button with the focus takes Enter itself: the user moves on to OK first.
        if (auto* button = dynamic_cast<CButton*>(CWnd::GetFocus());
            ours && button &&
            (button->GetButtonStyle() == BS_PUSHBUTTON || (button->GetStyle() & BS_PUSHLIKE)))
            ours->GetDlgItem(static_cast<int>(ours->GetDefID()))->SetFocus();
        Key(WXK_RETURN);
        break;
    }
    PumpUntil([&] { return ShownModalDialog() != shown; }, 1000);
    if (ShownModalDialog() == shown) {
        ADD_FAILURE() << "the dialog stayed open";
        shown->EndModal(ours ? qf::test::kStillOpen : wxID_CANCEL);
        return;
    }
    if (way == Close::ok || way == Close::enter) {
        for (int i = 0; i < c.windowsAfterOk; ++i)
            runner.AnswerModal([](qf::CModalWindow& next) { return next.GetCancelResult(); });
        for (int i = 0; i < c.boxesAfterOk; ++i)
            runner.Answer(IDOK);
    }
}

void KeysAfterDialogsGuiTest::ExpectKeysAct(const std::string& after) {
    struct Probe {
        int key;
        int modifiers;
        const char* name;
        UINT command;
        bool (*asks)(qf::CModalWindow&);
    };
    const Probe probes[] = {
        {'O', wxMOD_CONTROL, "Ctrl+O", ID_FILE_OPEN,
         [](qf::CModalWindow& w) { return dynamic_cast<CFileDialog*>(&w) != nullptr; }},
        {'D', wxMOD_NONE, "D", ID_WINDOW_DOCUMENT,
         [](qf::CModalWindow& w) { return dynamic_cast<CDocumentInfoDlg*>(&w) != nullptr; }},
    };
    for (const Probe& probe : probes) {
        bool asked = false;
        runner.AnswerModal([&](qf::CModalWindow& window) {
            EXPECT_TRUE(probe.asks(window)) << probe.name << " opened another window";
            asked = true;
            return window.GetCancelResult();
        });
        mouse.Sim().Char(probe.key, probe.modifiers);
        if (!PumpUntil([&] { return asked; }, 1500)) {
            ADD_FAILURE() << probe.name << " does nothing after " << after;
            Command(probe.command); // takes the answer left over
        }
    }
}

// Types a new name over the one in the name dialog's field.
void TypeNewName(KeysAfterDialogsGuiTest&, CDialog& dialog) {
    static int names = 0;
    dialog.SetDlgItemText(1063, ("name" + std::to_string(++names)).c_str());
}

// Chooses the root of the folder dialog's tree.
void ChooseRootFolder(KeysAfterDialogsGuiTest&, CDialog& dialog) {
    auto& tree = *static_cast<CTreeCtrl*>(dialog.GetDlgItem(1022));
    tree.SelectItem(tree.GetRootItem());
    PumpEvents(30);
}

// Chooses a font in the text dialog, through the system's font dialog.
void ChooseFont(KeysAfterDialogsGuiTest& t, CDialog& dialog) {
    t.runner.AnswerModal([](qf::CModalWindow& window) {
        LOGFONT font;
        font.lfFaceName = "DejaVu Sans";
        dynamic_cast<CFontDialog&>(window).SetChosenFont(font, 120);
        return IDOK;
    });
    t.Click(*dialog.GetDlgItem(1475));
    // Back to the text, which Enter leaves for OK.
    dialog.GetDlgItem(1063)->SetFocus();
    PumpEvents(20);
}

using T = KeysAfterDialogsGuiTest;

// The dialogs the side bar's pages open from their buttons.
std::vector<DialogCase> SideBarDialogs() {
    return {
        {"the object page's Change Name of a patch object",
         [](T& t) { t.ClickPanelButton(kObjectTab, T::ItemOf(t.m_patch), 1034); }, TypeNewName},
        {"the object page's material of a patch object",
         [](T& t) { t.ClickPanelButton(kObjectTab, T::ItemOf(t.m_patch), 1670); }},
        {"the object page's material axis of a patch object",
         [](T& t) { t.ClickPanelButton(kObjectTab, T::ItemOf(t.m_patch), 1671); }},
        {"the object page's motion-blur partner of a patch object",
         [](T& t) { t.ClickPanelButton(kObjectTab, T::ItemOf(t.m_patch), 1463); }},
        {"the object page's Change Name of a folder",
         [](T& t) { t.ClickPanelButton(kObjectTab, T::ItemOf(t.m_folder), 1069); }, TypeNewName},
        {"the object page's Change Name of a polygon object",
         [](T& t) { t.ClickPanelButton(kObjectTab, T::ItemOf(t.m_polygon), 1034); }, TypeNewName},
        {"the object page's Change Parent Object",
         [](T& t) {
             t.ShowItem(kObjectTab, T::ItemOf(t.m_patch));
             t.ClickPageButton(kObjectTab, kEtcButtonId);
         },
         ChooseRootFolder, 0, 0, [](T& t) { t.ChooseFromNextMenu(ID_OBJECT_CHANGE_PARENT); }},
        {"the light page's Change Name",
         [](T& t) { t.ClickPanelButton(kLightTab, TreePath{t.m_light->m_name.str()}, 1034); }, TypeNewName},
        {"the material page's Change Name",
         [](T& t) { t.ClickPanelButton(kMaterialTab, T::MaterialPath(t.m_mapped), 1069); }, TypeNewName},
        {"the material page's declared name",
         [](T& t) { t.ClickPanelButton(kMaterialTab, T::MaterialPath(t.m_declared, {"[Include]"}), 1475); },
         TypeNewName},
        {"the material page's preview settings",
         [](T& t) {
             t.ShowItem(kMaterialTab, T::MaterialPath(t.m_mapped));
             t.ClickPageButton(kMaterialTab, kMaterialEtcButton);
         },
         nullptr, 0, 0, [](T& t) { t.ChooseFromNextMenu(ID_MATERIAL_PREVIEW_SETTING); }},
        {"the scene page's default material",
         [](T& t) { t.ClickPanelButton(kSceneTab, TreePath{"Material Setting"}, 1478); }},
        {"the scene page's new renderer definition",
         [](T& t) { t.ClickPanelButton(kSceneTab, TreePath{"Render Setting"}, 1475); }},
    };
}

// A menu command chosen while working in the panes.
Step MenuCommand(UINT id) {
    return [id](T& t) {
        t.WorkInPane();
        t.Command(id);
    };
}

// The dialogs of the menus, the tool bar, the panes' menus and the keys.
std::vector<DialogCase> CommandDialogs() {
    const auto command = MenuCommand;
    const auto edit = [](UINT id) { return [id](T& t) { t.EditCommand(id); }; };
    return {
        {"File > Insert",
         command(ID_FILE_INSERT),
         nullptr,
         0,
         0,
         [](T& t) { t.AnswerDocumentFile(); },
         {Close::ok, Close::enter}},
        {"File > Import > sPatch", command(ID_FILE_IMPORT_SPT), nullptr, 1},
        {"File > Export > DXF", command(ID_FILE_EXPORT_DXF), nullptr, 1},
        {"File > Export > AnimationMaster", command(ID_FILE_EXPORT_MDL), nullptr, 1},
        {"File > Export > POV-Ray", command(ID_FILE_EXPORT_POVRAY), nullptr, 1},
        {"File > sPatch Plug-in",
         [](T& t) {
             t.WorkInPane();
             t.Frame().SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(t.Frame().GetMenu()), 0);
             t.Command(PluginMenuCommand(0));
         },
         nullptr, 0, 0, [](T& t) { t.AnswerNewFile(); }},
        {"Edit > Paste along the selected curve", edit(ID_EDIT_PASTE_ALONG_CURVE)},
        {"Edit > Array", edit(30577)},
        {"Edit > Undo Setting", command(ID_EDIT_UNDO_SETTING)},
        {"Patch > Extrude along the selected curve", edit(30131)},
        {"Patch > Text", edit(30532), ChooseFont},
        {"Patch > Permit 5-point patch", edit(30737)},
        {"Patch > Shift Position", edit(30114)},
        {"Patch > Align Points", edit(30116)},
        {"Patch > Translate", edit(30118)},
        {"Patch > Subdivide the selected curve", edit(30549)},
        {"Model > Connect Curve", command(ID_MODEL_CONNECT_CURVE)},
        {"Multi Obj > Translate",
         [](T& t) {
             t.m_patch->SetMultiSelected(1);
             t.WorkInPane();
             t.Command(30660);
         }},
        {"Help > Edit Shortcut Key", command(ID_HELP_EDIT_SHORTCUT)},
        {"Help > Debug", command(ID_HELP_DEBUG)},
        {"Window > OpenGL Setting", command(30594)},
        {"Window > Document", command(ID_WINDOW_DOCUMENT)},
        {"the key D",
         [](T& t) {
             t.WorkInPane();
             t.Key('D');
         }},
        {"the tool bar's About",
         [](T& t) {
             t.WorkInPane();
             t.ClickToolBarButton(0, ID_APP_ABOUT);
         }},
        {"the tool bar's render settings",
         [](T& t) {
             t.WorkInPane();
             t.ClickToolBarButton(6, ID_RENDER_SETTING);
         }},
        {"a pane's camera setting", [](T& t) { t.ClickPaneMenu(0); }, nullptr, 0, 0,
         [](T& t) { t.ChooseFromNextMenu(30045); }},
        {"a pane's grid setting", [](T& t) { t.ClickPaneMenu(1); }, nullptr, 0, 0,
         [](T& t) { t.ChooseFromNextMenu(30081); }},
        {"a pane's view setting", [](T& t) { t.ClickPaneMenu(1); }, nullptr, 0, 0,
         [](T& t) { t.ChooseFromNextMenu(30734); }},
        {"a pane's background images", [](T& t) { t.ClickPaneMenu(1); }, nullptr, 0, 0,
         [](T& t) { t.ChooseFromNextMenu(ID_PANE_UNDERLAY); }},
    };
}

// The system's file, colour and folder dialogs, answered for the user.
std::vector<DialogCase> SystemDialogs() {
    const std::vector<Close> answers = {Close::ok, Close::cancel};
    const auto newFile = [](qf::CModalWindow& window) {
        static int files = 0;
        const std::string path =
            (std::filesystem::path(qf::SettingsPath("")) / ("chosen" + std::to_string(++files))).string();
        EXPECT_TRUE(dynamic_cast<CFileDialog&>(window).AcceptPath(path.c_str()));
    };
    return {
        {"File > Save As", MenuCommand(ID_FILE_SAVE_AS), nullptr, 0, 0, nullptr, answers, newFile},
        {"the object page's colour", [](T& t) { t.ClickPanelButton(kObjectTab, T::ItemOf(t.m_patch), 1038); },
         nullptr, 0, 0, nullptr, answers,
         [](qf::CModalWindow& window) { dynamic_cast<CColorDialog&>(window).SetColor(RGB(1, 2, 3)); }},
        {"the light page's colour",
         [](T& t) { t.ClickPanelButton(kLightTab, TreePath{t.m_light->m_name.str()}, 1038); }, nullptr, 0, 0,
         nullptr, answers,
         [](qf::CModalWindow& window) { dynamic_cast<CColorDialog&>(window).SetColor(RGB(4, 5, 6)); }},
        {"the scene page's picture for image-based lighting",
         [](T& t) { t.ClickPanelButton(kSceneTab, TreePath{"Image Based Lighting"}, 1478); }, nullptr, 0, 0,
         nullptr, answers, newFile},
        {"the scene page's BMRT folder",
         [](T& t) { t.ClickPanelButton(kSceneTab, TreePath{"Path Setting"}, 1478); }, nullptr, 0, 0, nullptr,
         answers,
         [](qf::CModalWindow& window) {
             dynamic_cast<CFolderDialog&>(window).SetPath(qf::SettingsPath(""));
         }},
        {"the material page's image map",
         [](T& t) {
             t.ClickPanelButton(kMaterialTab,
                                T::MaterialPath(t.m_mapped, {"[Texture]", "[Pigment]", "[Image Map]"}), 1230);
         },
         nullptr, 0, 0, nullptr, answers,
         [](qf::CModalWindow& window) {
             EXPECT_TRUE(dynamic_cast<CFileDialog&>(window).AcceptPath("/pictures/map.png"));
         }},
    };
}

} // namespace

TEST_F(KeysAfterDialogsGuiTest, KeysActAtOnceAfterTheSideBarsDialogsCloseEachWay) {
    CheckEachWay(SideBarDialogs());
}

TEST_F(KeysAfterDialogsGuiTest, KeysActAtOnceAfterTheCommandsDialogsCloseEachWay) {
    CheckEachWay(CommandDialogs());
}

TEST_F(KeysAfterDialogsGuiTest, KeysActAtOnceAfterTheSystemsDialogsClose) {
    CheckEachWay(SystemDialogs());
}
