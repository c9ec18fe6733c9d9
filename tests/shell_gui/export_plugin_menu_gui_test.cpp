// File > sPatch Plug-in in the running program: "(none)" without plug-ins,
// the plug-ins of the settings folder sorted and greyed while the scene has
// no patch object, and a plug-in's export run from its menu command with
// the real options dialog.
#include "dialogs/plugin_option_dlg.h"
#include "formats/export_plugin_manager.h"
#include "platform/ui/common_dialogs.h"
#include "running_app.h"
#include "support/mesh_builders.h"

#include <filesystem>
#include <wx/frame.h>
#include <wx/menu.h>

namespace fs = std::filesystem;

namespace {

class ExportPluginMenuGuiTest : public qf::test::RunningAppGuiTest {
protected:
    // The plug-in submenu after the menu bar was opened: each item's text,
    // id and whether it is greyed.
    std::vector<std::tuple<std::string, UINT, bool>> PluginItems() {
        CMenu* menu = Frame().GetMenu();
        Frame().SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
        CMenu* file = menu->GetSubMenu(0);
        CMenu* plugins = nullptr;
        CString text;
        for (int i = 0; i < file->GetMenuItemCount(); ++i)
            if (file->GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION) && text == "sPatch Plug-in")
                plugins = file->GetSubMenu(i);
        std::vector<std::tuple<std::string, UINT, bool>> items;
        if (!plugins)
            return items;
        for (int i = 0; i < plugins->GetMenuItemCount(); ++i) {
            plugins->GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
            const UINT id = plugins->GetMenuItemID(i);
            items.emplace_back(text.str(), id, (plugins->GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED) != 0);
        }
        return items;
    }

    // The plug-in submenu of the menu bar as the toolkit opens it: the File
    // menu first, then the submenu. Each item's label and whether it can be
    // chosen, as the submenu holds them just before it opens and once open.
    using Shown = std::vector<std::pair<std::string, bool>>;
    std::pair<Shown, Shown> OpenPluginMenu() {
        auto& native = *static_cast<wxFrame*>(Frame().GetNativeWindow());
        wxMenu* file = native.GetMenuBar()->GetMenu(0);
        const auto open = [&](wxMenu* menu) {
            wxMenuEvent event(wxEVT_MENU_OPEN, 0, menu);
            native.ProcessWindowEvent(event);
        };
        const auto close = [&](wxMenu* menu) {
            wxMenuEvent event(wxEVT_MENU_CLOSE, 0, menu);
            native.ProcessWindowEvent(event);
        };
        const auto items = [](wxMenu* menu) {
            Shown shown;
            for (const wxMenuItem* item : menu->GetMenuItems())
                shown.emplace_back(item->GetItemLabel().utf8_string(), item->IsEnabled());
            return shown;
        };
        open(file);
        wxMenu* plugins = nullptr;
        for (const wxMenuItem* item : file->GetMenuItems())
            if (item->GetItemLabel() == "sPatch Plug-in")
                plugins = item->GetSubMenu();
        if (!plugins) {
            close(file);
            return {};
        }
        Shown before = items(plugins);
        open(plugins);
        Shown after = items(plugins);
        close(plugins);
        close(file);
        return {before, after};
    }

    void Install(const std::string& plugin) {
        const std::string folder = ExportPluginFolder(Doc());
        fs::create_directories(folder);
        fs::copy_file(fs::path(QF_TEST_PLUGIN_DIR) / (plugin + ".so"), fs::path(folder) / (plugin + ".so"));
    }
};

} // namespace

TEST_F(ExportPluginMenuGuiTest, ThePluginFolderFillsTheSubmenuEachTimeTheMenuOpens) {
    Start();
    using Item = std::tuple<std::string, UINT, bool>;
    EXPECT_EQ(PluginItems(), (std::vector<Item>{{"(none)", 200, true}})) << "no plug-in folder";

    Install("repeat_once");
    Install("good");
    Install("no_describe");
    ASSERT_FALSE(Doc().m_objects.IsEmpty()) << "a new document starts with a patch object";
    EXPECT_EQ(PluginItems(),
              (std::vector<Item>{{"Test good", 200, false}, {"Test repeat once", 201, false}}));
    // The toolkit's submenu holds the new items before it opens, or GTK sizes
    // it for the old ones; opening it leaves them as the menu set them.
    const Shown usable{{"Test good", true}, {"Test repeat once", true}};
    EXPECT_EQ(OpenPluginMenu(), std::make_pair(usable, usable));

    Doc().DeleteAllObjects();
    EXPECT_EQ(PluginItems(), (std::vector<Item>{{"Test good", 200, true}, {"Test repeat once", 201, true}}))
        << "greyed with an empty scene";
    const Shown greyed{{"Test good", false}, {"Test repeat once", false}};
    EXPECT_EQ(OpenPluginMenu(), std::make_pair(greyed, greyed));
    Stop();
}

TEST_F(ExportPluginMenuGuiTest, APluginsCommandRunsItsExportWithTheOptionsChosen) {
    Start(ResourceLanguage::Japanese);
    Install("offers_high");
    CSpatchObj* box = Doc().AddPatchObject(qf::test::MakeClosedBox());
    box->Rebuild();
    ASSERT_EQ(std::get<0>(PluginItems().at(0)), "Test offers high");

    const std::string output = (fs::path(ExportPluginFolder(Doc())).parent_path() / "box.obj").string();
    runner.AnswerModal([&](qf::CModalWindow& window) {
        auto& dialog = dynamic_cast<CFileDialog&>(window);
        EXPECT_EQ(dialog.GetFilters()[0], (std::pair<CString, CString>("Test offers high(*.obj)", "*.obj")));
        EXPECT_EQ(Doc().m_pluginExportBusy, 1) << "set while the plug-in's dialogs are open";
        return dialog.AcceptPath(output.c_str()) ? IDOK : IDCANCEL;
    });
    RunNextDialog([&](CDialog& dialog) {
        qf::test::PumpUntil([&] { return dialog.GetNativeWindow()->IsShownOnScreen(); });
        EXPECT_EQ(dialog.IsDlgButtonChecked(1579), BST_CHECKED) << "the plug-in prefers High";
        Click(*dialog.GetDlgItem(1577));
        Click(*dialog.GetDlgItem(IDOK));
    });
    Command(PluginMenuCommand(0));
    const std::string text = qf::test::ReadFileBytes(output);
    EXPECT_NE(text.find("# layer 0 patches 6\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("points 64"), std::string::npos) << "Low was chosen";
    EXPECT_NE(text.find("# patch points 9 triangles 8 ok"), std::string::npos);
    EXPECT_EQ(Doc().m_pluginExportBusy, 0);
    Stop();
}
