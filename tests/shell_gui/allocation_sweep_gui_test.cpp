// Memory running out at any one allocation of an operation: for each n, the
// nth allocation of the program's own code in the operation is refused (the
// ones after it are given), then every pane is painted and the program runs
// idle. Nothing may be read or written out of bounds or leak, and the
// document, its undo list, its modified flag and its path are either as
// before or as after the operation done whole; a whole one is undone to the
// bytes before it. The user is told that a step was taken back only when
// all is as before, and that it could not be finished only when it was not
// done whole. The operations are the menu commands, side-bar buttons, panel
// fields and mouse drags that record each kind of undo step, the New, Copy,
// Delete and Rename of objects, folders, lights and materials, and more.
//
// `make test` tries a spread of n for each operation; with
// QF_ALLOCATION_SWEEP=all (scripts/allocation-sweep) every n is tried.
#include "app/doc_helpers.h"
#include "app/light_data.h"
#include "app/quel_doc.h"
#include "app/undo_buffer.h"
#include "dialogs/numeric_transform_dlg.h"
#include "dialogs/parent_folder_dlg.h"
#include "dialogs/pov_export_dlg.h"
#include "dialogs/rename_dlg.h"
#include "materials/material_tree.h"
#include "platform/base/file_util.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/menu.h"
#include "resources/command_ids.h"
#include "shell/doc_commands.h"
#include "shell/light_page.h"
#include "shell/material_page.h"
#include "shell/object_page_ids.h"
#include "shell/side_bar.h"
#include "shell_gui/running_app.h"
#include "support/allocation_budget.h"
#include "support/doc_bytes.h"
#include "support/model_shapes.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <string>
#include <vector>
#include <wx/app.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

using qf::test::PumpEvents;

// Menu commands, as the menu bar sends them.
constexpr UINT kExtrude = 30183;
constexpr UINT kLathe = 30181;
constexpr UINT kClone = 30185;
constexpr UINT kFlipX = 30010;
constexpr UINT kDeleteSelectedPoints = 30214;
constexpr UINT kShowSurfaces = 30034;
constexpr UINT kToggleInvisibility = 30015;
constexpr UINT kPeak = 30189;
constexpr UINT kMultiTranslate = 30660;
constexpr UINT kLightTranslateTool = 30559;

// Side-bar controls: the light and material pages' list buttons, and the
// panels' rename buttons and fields.
constexpr int kListNew = 1130;
constexpr int kListCopy = 1149;
constexpr int kListDelete = 1158;
constexpr int kRenameItem = 1034;  // object, polygon and light panels
constexpr int kRenameGroup = 1069; // folder and material panels
constexpr int kObjectShow = 1044;
constexpr int kObjectSmooth = 1057;
constexpr int kFolderShow = 1422;
constexpr int kLightPoint = 1535;
constexpr int kLightSpot = 1536;
constexpr int kLightCylinder = 1537;
constexpr int kLightArea = 1538;

// What the user is told when memory runs out, in English.
constexpr const char* kTakenBack = "It was taken back: the document is as it was before.";
constexpr const char* kNotFinished = "There was not enough memory to finish what was asked.";

// Without the sanitizer there is nothing to ask.
bool LeakFree() {
#if defined(__SANITIZE_ADDRESS__)
    return __lsan_do_recoverable_leak_check() == 0;
#else
    return true;
#endif
}

// Answers for the user: a file dialog takes the operation's file, a popup
// menu its command, the name dialog its name, the folder dialog its folder,
// the number dialog a move of one unit along X; the operation's question (a
// delete's) Yes and the save question No; every other box (kept as told) OK
// and every other dialog OK as it opens.
class SweepRunner : public qf::CModalRunner {
public:
    SweepRunner() : m_previous(qf::SetModalRunner(this)) {}
    ~SweepRunner() override { qf::SetModalRunner(m_previous); }
    SweepRunner(const SweepRunner&) = delete;
    SweepRunner& operator=(const SweepRunner&) = delete;

    int RunMessageBox(const qf::CModalRequest& request) override {
        if ((request.type & MB_TYPEMASK) == MB_YESNOCANCEL)
            return IDNO;
        if ((request.type & MB_TYPEMASK) == MB_YESNO && !m_yes.empty() && request.text == m_yes.c_str())
            return IDYES;
        m_told.push_back(request.text.str());
        return qf::CancellingAnswer(request.type);
    }
    int RunModal(qf::CModalWindow& window) override {
        if (auto* file = dynamic_cast<CFileDialog*>(&window))
            return file->AcceptPath(m_file.c_str()) ? IDOK : IDCANCEL;
        if (auto* menu = dynamic_cast<CPopupMenuRun*>(&window))
            return menu->Choose(m_command);
        if (auto* rename = dynamic_cast<CRenameDlg*>(&window))
            rename->m_name = m_name.c_str();
        if (auto* parent = dynamic_cast<CParentFolderDlg*>(&window))
            parent->m_chosenFolder = m_folder;
        if (auto* numbers = dynamic_cast<CNumericTransformDlg*>(&window))
            numbers->m_x = 1.0f;
        if (auto* pov = dynamic_cast<CPovExportDlg*>(&window))
            pov->m_rendererIndex = 0;
        return IDOK;
    }
    // What the previous operation was answered.
    void Forget() {
        m_file.clear();
        m_yes.clear();
        m_name.clear();
        m_command = 0;
        m_folder = nullptr;
    }

    std::string m_file;
    std::string m_yes;
    std::string m_name;
    UINT m_command = 0;
    CFolderObj* m_folder = nullptr;
    std::vector<std::string> m_told;

private:
    qf::CModalRunner* m_previous;
};

struct Operation;

class AllocationSweepGuiTest : public qf::test::RunningAppGuiTest,
                               public ::testing::WithParamInterface<const Operation*> {
public:
    using RunningAppGuiTest::Doc;
    using RunningAppGuiTest::Page;

    // What must be either as before or as after the whole operation.
    struct State {
        std::string bytes;
        std::vector<std::string> steps; // undo descriptions, oldest first
        int position = 0;
        BOOL modified = FALSE;
        std::string path;
        std::string written; // the files the operation writes, as they are
        bool operator==(const State&) const = default;
    };
    State Now() {
        State now{qf::test::DocumentBytes(Doc()), {}, Doc().m_undoBuffer.GetPosition(), Doc().IsModified(),
                  Commands().GetPathName().str(), {}};
        for (const std::string& name : written) {
            const std::string path = files.File(name);
            now.written +=
                name + (qf::FileExists(path) ? ":\n" + qf::test::ReadFileBytes(path) : " absent\n");
        }
        for (int i = 0; i < Doc().m_undoBuffer.GetRecordCount(); ++i)
            now.steps.push_back(Doc().m_undoBuffer.GetRecord(i)->m_english.str());
        return now;
    }

    // Colours of chance: a new document's first object has one, and so have
    // the patch objects and folders that New and Copy make. Such a state is
    // told by the rest: the colours of the items chance names count as 0.
    State NowWithoutColours(const std::function<bool(const CBaseObj&)>& chance) {
        std::vector<std::pair<CBaseObj*, uint32_t>> colours;
        const auto keep = [&](CBaseObj* node) {
            if (chance(*node))
                colours.emplace_back(node, node->GetColor());
        };
        for (CSpatchObj* obj : Doc().m_objects)
            keep(obj);
        for (CFolderObj* folder : Doc().m_folders)
            keep(folder);
        for (const auto& [node, colour] : colours)
            node->SetColor(0);
        const State now = Now();
        for (const auto& [node, colour] : colours)
            node->SetColor(colour);
        return now;
    }
    State NowWithoutColours() {
        return NowWithoutColours([](const CBaseObj& node) { return node.GetObjType() == objTypePatch; });
    }
    // The state, without the colours of the items the operation made when they have one of chance.
    State Observe(const Operation& op);

    // Whether the side bar's trees show exactly the document: the object
    // tree its objects, folders and polygon objects, each by the item it
    // knows; the light and material trees one item for each light and material.
    ::testing::AssertionResult TreesShowDocument() {
        CTreeCtrl& tree = Page().GetTree();
        std::vector<const void*> shown;
        const std::function<void(HTREEITEM)> walk = [&](HTREEITEM first) {
            for (HTREEITEM item = first; item; item = tree.GetNextSiblingItem(item)) {
                if (const auto* node = reinterpret_cast<const CBaseObj*>(tree.GetItemData(item))) {
                    if (node->GetTreeItem() != item)
                        return;
                    shown.push_back(node);
                }
                walk(tree.GetChildItem(item));
            }
        };
        walk(tree.GetRootItem());
        std::vector<const void*> held;
        for (const CSpatchObj* obj : Doc().m_objects)
            held.push_back(obj);
        for (const CFolderObj* folder : Doc().m_folders)
            held.push_back(folder);
        for (const CPolygonObj* polygon : Doc().m_polygonObjects)
            held.push_back(polygon);
        std::sort(shown.begin(), shown.end());
        std::sort(held.begin(), held.end());
        if (shown != held)
            return ::testing::AssertionFailure()
                   << "the object tree shows " << shown.size() << " items for " << held.size();
        std::vector<std::string> lights;
        for (const CLightData* light : Doc().m_lights)
            lights.push_back(light->m_name.str());
        std::vector<std::string> materials;
        for (const CMaterialData* mat : Doc().m_materials)
            materials.push_back(MaterialItemText(mat->m_name).str());
        if (const auto shown = ListShows(LightPage().GetTree(), lights); !shown)
            return shown;
        return ListShows(MaterialPage().GetTree(), materials);
    }
    // Whether the tree's top items have the texts, in any order.
    static ::testing::AssertionResult ListShows(CTreeCtrl& tree, std::vector<std::string> texts) {
        std::vector<std::string> items;
        for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextSiblingItem(item))
            items.push_back(tree.GetItemText(item).str());
        std::sort(items.begin(), items.end());
        std::sort(texts.begin(), texts.end());
        if (items == texts)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "a tree shows " << ::testing::PrintToString(items) << " for "
                                             << ::testing::PrintToString(texts);
    }
    static HTREEITEM TopItem(CTreeCtrl& tree, const CString& text) {
        for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextSiblingItem(item))
            if (tree.GetItemText(item) == text)
                return item;
        return nullptr;
    }

    CPanelTabDlg& SideBar() { return Frame().GetSideBar().GetPanelHost(); }
    CLightPage& LightPage() { return SideBar().GetLightPage(); }
    CMaterialPage& MaterialPage() { return SideBar().GetMaterialPage(); }
    CWnd& ObjectPanel(const char* name) { return *Page().FindPanel(name); }
    // The tab's page shown and the item chosen on it, as a click on it chooses it.
    void ChooseItem(int tab, CTreeCtrl& tree, HTREEITEM item) {
        SideBar().ShowPage(tab);
        ASSERT_TRUE(item);
        // Away first: the tree may show the item chosen while the scene has another.
        tree.SelectItem(nullptr);
        tree.SelectItem(item);
        PumpEvents(5);
    }
    void ChooseNode(const CBaseObj* node) {
        ASSERT_TRUE(node);
        ChooseItem(CPanelTabDlg::tabObject, Page().GetTree(), static_cast<HTREEITEM>(node->GetTreeItem()));
        ASSERT_EQ(GetSelectedItem(), node);
    }
    void ChooseLight(const char* name) {
        ChooseItem(CPanelTabDlg::tabLight, LightPage().GetTree(), TopItem(LightPage().GetTree(), name));
        ASSERT_TRUE(GetSelectedLight() && GetSelectedLight()->m_name == name);
    }
    void ChooseMaterial(const char* name) {
        CTreeCtrl& tree = MaterialPage().GetTree();
        ChooseItem(CPanelTabDlg::tabMaterial, tree, TopItem(tree, MaterialItemText(name)));
        ASSERT_TRUE(GetSelectedMaterial() && GetSelectedMaterial()->m_name == name);
    }
    CPolygonObj* FindPolygon(const char* name) {
        for (CPolygonObj* polygon : Doc().m_polygonObjects)
            if (polygon->GetName() == name)
                return polygon;
        return nullptr;
    }
    // The button the operation clicks, found before it runs: the run itself
    // allocates nothing outside the program's handlers. The other buttons of
    // a radio button's group go with it.
    void Aim(CWnd& parent, int id, std::initializer_list<int> group = {}) {
        aimed = {parent.GetSafeHwnd(), id, dynamic_cast<CButton*>(parent.GetDlgItem(id)), {}};
        ASSERT_TRUE(aimed.button) << id;
        for (const int other : group)
            aimed.group.push_back(dynamic_cast<CButton*>(parent.GetDlgItem(other)));
    }
    // The item chosen, and the page's Delete button aimed at, whose question is answered Yes.
    void AimAtDelete(CWnd& page, const CBaseObj* node) {
        ASSERT_NO_FATAL_FAILURE(ChooseNode(node));
        Aim(page, kDeleteButtonId);
        answers.m_yes = "delete " + node->GetName().str() + "?";
    }
    // The item chosen, and its panel's rename button aimed at, whose dialog gives the name "renamed".
    void AimAtRename(const CBaseObj* node, const char* panel, int id) {
        ASSERT_NO_FATAL_FAILURE(ChooseNode(node));
        Aim(ObjectPanel(panel), id);
        answers.m_name = "renamed";
    }
    // The aimed button clicked: a check box first turns over and a radio
    // button is checked alone, as the toolkit does with a click.
    void ClickAimed(bool turnsOver = false) {
        if (turnsOver)
            aimed.button->SetCheck(aimed.button->GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        for (CButton* other : aimed.group)
            other->SetCheck(other == aimed.button ? BST_CHECKED : BST_UNCHECKED);
        ::SendMessage(aimed.parent, WM_COMMAND, MAKEWPARAM(aimed.id, BN_CLICKED),
                      static_cast<LPARAM>(HandleToParam(aimed.button->GetSafeHwnd())));
        PumpEvents(5);
    }
    // A drag with the left button from the middle of a pane, in steps, by
    // the mouse itself.
    void DragInPane(int index) {
        CGLPane& pane = Frame().GetView().GetSplitter().GetPane(index).GetFrame().GetGLPane();
        const CSize size = pane.GetClientSize();
        for (int step = 0; step <= 4; ++step) {
            CPoint point(size.cx / 2 + 10 * step, size.cy / 2 + 5 * step);
            pane.ClientToScreen(&point);
            mouse.Sim().MouseMove(point.x, point.y);
            PumpEvents(30);
            if (step == 0) {
                mouse.Sim().MouseDown();
                PumpEvents(30);
            }
        }
        mouse.Sim().MouseUp();
        PumpEvents(50);
    }
    // The document as the file at path holds it, opened, with "work" selected and modified by a flip.
    void OpenModified(const std::string& path) {
        qf::test::WriteFileBytes(path, qf::test::ReadFileBytes(files.File("base.qfm")));
        ASSERT_TRUE(Commands().OpenDocumentFile(path.c_str()));
        SelectWork();
        Send(kFlipX);
    }

    CQuelDocCommands& Commands() { return *app->GetDocumentCommands(); }
    void Send(UINT id) {
        Frame().SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
        PumpEvents(5);
    }
    // Every pane painted (at once), then the program idle.
    void Settle() {
        Doc().RedrawPanes();
        PumpEvents();
        for (int round = 0; round < 2; ++round)
            wxTheApp->ProcessIdle();
        PumpEvents();
    }
    CSpatchObj* Work() { return FindObjectByName("work"); }

    // The document every run starts from: one of every kind of content,
    // and "work", the selected object the modelling commands change.
    void MakeFiles() {
        qf::test::FillEveryKindOfContent(Doc());
        for (CSpatchObj* obj : Doc().m_objects)
            obj->SetSelected(0);
        CSpatchObj* work = Doc().AddPatchObject(qf::test::MakeFlatQuadGrid(3));
        work->SetName("work");
        ASSERT_TRUE(Doc().OnSaveDocument(files.File("base.qfm").c_str()));
        // Another document to open and insert, and the exchange files to import.
        const std::string other =
            qf::test::ReadFileBytes((qf::test::DataDir() / "docfile/every_kind.qfm").string());
        qf::test::WriteFileBytes(files.File("other.qfm"), other);
        for (const auto& [id, name] :
             {std::pair{ID_FILE_EXPORT_SPT, "other.spt"}, std::pair{ID_FILE_EXPORT_MQO, "other.mqo"},
              std::pair{ID_FILE_EXPORT_MDL, "other.mdl"}}) {
            answers.m_file = files.File(name);
            Send(id);
            ASSERT_TRUE(qf::FileExists(answers.m_file)) << name;
        }
    }
    // Back to the base document, then what the operation needs before it runs.
    void Reset(const Operation& op);
    // "work" the selected object, and its first row of points, a curve the lathe and extrude take.
    void SelectWork() {
        ASSERT_NE(Work(), nullptr);
        for (CSpatchObj* obj : Doc().m_objects)
            obj->SetSelected(obj == Work());
        int i = 0;
        for (CPatchVertex* v : Work()->GetVertices())
            v->SetSelected(i++ < 4);
    }

    SweepRunner answers;
    qf::test::TempDir files;
    // Files of files that the operation writes: each is new or written whole.
    std::vector<std::string> written;
    // The names of the patch objects and folders when the operation begins.
    std::vector<std::string> startNames;
    // The button ClickAimed clicks.
    struct Aimed {
        HWND parent;
        int id;
        CButton* button;
        std::vector<CButton*> group;
    } aimed{};
};

struct Operation {
    const char* name;
    std::function<void(AllocationSweepGuiTest&)> prepare;
    std::function<void(AllocationSweepGuiTest&)> run;
    // Whether the whole operation leaves a step that Undo takes back.
    bool undoable = true;
    // Open may end in a new, untitled document once the previous one was given up.
    bool mayStartAnew = false;
    // The undo step the whole operation records: its kind and, when given,
    // its English description.
    int kind = undoKindNone;
    const char* step = nullptr;
    // The patch objects and folders it makes get a colour of chance.
    bool newColours = false;
    // Undo after the whole operation gives back the document before it
    // changed so (empty: as it was).
    std::function<void(AllocationSweepGuiTest&)> undoneAs = {};
    // How many n between the first and last few `make test` tries.
    int spread = 10;
};

void AllocationSweepGuiTest::Reset(const Operation& op) {
    answers.Forget();
    Doc().SetModifiedFlag(FALSE);
    ASSERT_TRUE(Commands().OpenDocumentFile(files.File("base.qfm").c_str()));
    ASSERT_NO_FATAL_FAILURE(SelectWork());
    if (op.prepare)
        op.prepare(*this);
    Settle();
    answers.m_told.clear();
    startNames.clear();
    for (const CSpatchObj* obj : Doc().m_objects)
        startNames.push_back(obj->GetName().str());
    for (const CFolderObj* folder : Doc().m_folders)
        startNames.push_back(folder->GetName().str());
}

AllocationSweepGuiTest::State AllocationSweepGuiTest::Observe(const Operation& op) {
    if (!op.newColours)
        return Now();
    return NowWithoutColours([&](const CBaseObj& node) {
        return std::find(startNames.begin(), startNames.end(), node.GetName().str()) == startNames.end();
    });
}

const auto kNothing = [](AllocationSweepGuiTest&) {};
const auto kClick = [](AllocationSweepGuiTest& t) { t.ClickAimed(); };
const auto kTurnOver = [](AllocationSweepGuiTest& t) { t.ClickAimed(true); };
// A smaller spread of n for the many side-bar, edit and file operations, so
// that `make test` stays short.
constexpr int kQuick = 6;

const Operation kOperations[] = {
    {"Open",
     [](AllocationSweepGuiTest& t) {
         // A modified document with a step of its own, given up at the save question.
         t.Send(kFlipX);
         t.answers.m_file = t.files.File("other.qfm");
     },
     [](AllocationSweepGuiTest& t) { t.Send(ID_FILE_OPEN); }, false, true},
    {.name = "Insert",
     .prepare = [](AllocationSweepGuiTest& t) { t.answers.m_file = t.files.File("other.qfm"); },
     .run = [](AllocationSweepGuiTest& t) { t.Send(ID_FILE_INSERT); },
     .kind = undoInsert},
    {.name = "ImportSpt",
     .prepare = [](AllocationSweepGuiTest& t) { t.answers.m_file = t.files.File("other.spt"); },
     .run = [](AllocationSweepGuiTest& t) { t.Send(ID_FILE_IMPORT_SPT); },
     .kind = undoImport},
    {.name = "ImportMqo",
     .prepare = [](AllocationSweepGuiTest& t) { t.answers.m_file = t.files.File("other.mqo"); },
     .run = [](AllocationSweepGuiTest& t) { t.Send(ID_FILE_IMPORT_MQO); },
     .kind = undoImport},
    {.name = "ImportMdl",
     .prepare = [](AllocationSweepGuiTest& t) { t.answers.m_file = t.files.File("other.mdl"); },
     .run = [](AllocationSweepGuiTest& t) { t.Send(ID_FILE_IMPORT_MDL); },
     .kind = undoImport},
    {.name = "Lathe",
     .prepare = kNothing,
     .run = [](AllocationSweepGuiTest& t) { t.Send(kLathe); },
     .kind = undoWholeObject},
    {.name = "Extrude",
     .prepare = kNothing,
     .run = [](AllocationSweepGuiTest& t) { t.Send(kExtrude); },
     .kind = undoWholeObject},
    {.name = "Clone",
     .prepare = kNothing,
     .run = [](AllocationSweepGuiTest& t) { t.Send(kClone); },
     .kind = undoWholeObject},
    {.name = "Paste",
     .prepare = [](AllocationSweepGuiTest& t) { t.Send(ID_EDIT_COPY); },
     .run = [](AllocationSweepGuiTest& t) { t.Send(ID_EDIT_PASTE); },
     .kind = undoWholeObject},
    {.name = "DeletePoints",
     .prepare = kNothing,
     .run = [](AllocationSweepGuiTest& t) { t.Send(kDeleteSelectedPoints); },
     .kind = undoWholeObject},
    {.name = "Flip",
     .prepare = kNothing,
     .run = [](AllocationSweepGuiTest& t) { t.Send(kFlipX); },
     .kind = undoPatchGeometry},
    {"PaneSurfaces",
     [](AllocationSweepGuiTest& t) {
         // The active pane's surfaces off, so that showing them builds them.
         for (CPaneDisplaySettings& pane : t.Doc().m_settings.m_panes)
             pane.m_showSurfaces = 0;
     },
     [](AllocationSweepGuiTest& t) {
         t.Send(kShowSurfaces);
         PumpEvents(40);
     },
     false},
    {"ExportPov",
     [](AllocationSweepGuiTest& t) {
         t.answers.m_file = t.files.File("scene.pov");
         t.written = {"scene.pov", "scene_obj.inc"};
         for (const std::string& name : t.written)
             std::filesystem::remove(t.files.File(name));
     },
     [](AllocationSweepGuiTest& t) { t.Send(ID_FILE_EXPORT_POVRAY); }, false},
    {"UndoLathe", [](AllocationSweepGuiTest& t) { t.Send(kLathe); },
     [](AllocationSweepGuiTest& t) { t.Send(ID_EDIT_UNDO); }, false},
    {"IdleAfterChange", [](AllocationSweepGuiTest& t) { t.Send(kFlipX); },
     [](AllocationSweepGuiTest&) {
         for (int round = 0; round < 2; ++round)
             wxTheApp->ProcessIdle();
     },
     false},

    // The object page's list commands and panels, each a step of its own kind.
    {.name = "NewObject",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.Aim(t.Page(), kNewButtonId);
             t.answers.m_command = ID_OBJECT_CREATE_PATCH;
         },
     .run = kClick,
     .kind = undoCreateObject,
     .step = "(Patch) Create Object",
     .newColours = true,
     .spread = kQuick},
    {.name = "NewFolder",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.Aim(t.Page(), kNewButtonId);
             t.answers.m_command = ID_OBJECT_CREATE_FOLDER;
         },
     .run = kClick,
     .kind = undoCreateFolder,
     .step = "Create Folder",
     .newColours = true,
     .spread = kQuick},
    {.name = "CopyObject",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.ChooseNode(t.Work());
             t.Aim(t.Page(), kCopyButtonId);
         },
     .run = kClick,
     .kind = undoCreateObject,
     .step = "(Patch) Copy Object",
     .newColours = true,
     .spread = kQuick},
    {.name = "CopyFolder",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.ChooseNode(FindFolderByName("外側"));
             t.Aim(t.Page(), kCopyButtonId);
         },
     .run = kClick,
     .kind = undoCopyFolder,
     .step = "(Folder) Copy Object",
     .spread = kQuick},
    {.name = "DeleteObject",
     .prepare = [](AllocationSweepGuiTest& t) { t.AimAtDelete(t.Page(), FindObjectByName("グリッド")); },
     .run = kClick,
     .kind = undoDeleteObject,
     .step = "(Patch) Delete Object",
     .spread = kQuick},
    {.name = "DeleteFolder",
     .prepare = [](AllocationSweepGuiTest& t) { t.AimAtDelete(t.Page(), FindFolderByName("外側")); },
     .run = kClick,
     .kind = undoDeleteFolder,
     .step = "(Folder) Delete",
     .spread = kQuick},
    {.name = "DeletePolygon",
     .prepare = [](AllocationSweepGuiTest& t) { t.AimAtDelete(t.Page(), t.FindPolygon("ポリゴン")); },
     .run = kClick,
     .kind = undoDeletePolygon,
     .step = "(Polygon) Delete Object",
     .spread = kQuick},
    {.name = "RenameObject",
     .prepare = [](AllocationSweepGuiTest& t) { t.AimAtRename(t.Work(), "Patch", kRenameItem); },
     .run = kClick,
     .kind = undoObjectName,
     .step = "(Patch) Change Name",
     .spread = kQuick},
    {.name = "RenameFolder",
     .prepare =
         [](AllocationSweepGuiTest& t) { t.AimAtRename(FindFolderByName("inner"), "Group", kRenameGroup); },
     .run = kClick,
     .kind = undoFolderName,
     .step = "(Group) Change Name",
     .spread = kQuick},
    {.name = "RenamePolygon",
     .prepare =
         [](AllocationSweepGuiTest& t) { t.AimAtRename(t.FindPolygon("ポリゴン"), "Polygon", kRenameItem); },
     .run = kClick,
     .kind = undoPolygonName,
     .step = "(Polygon) Change Name",
     .spread = kQuick},
    {.name = "ObjectShow",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.ChooseNode(t.Work());
             t.Aim(t.ObjectPanel("Patch"), kObjectShow);
         },
     .run = kTurnOver,
     .kind = undoObjectInfo,
     .step = "(Object Info) Change",
     .spread = kQuick},
    {.name = "ObjectSmooth",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.ChooseNode(t.Work());
             t.Aim(t.ObjectPanel("Patch"), kObjectSmooth);
         },
     .run = kTurnOver,
     .kind = undoObjectInfoRebuild,
     .step = "(Object Info) Change",
     .spread = kQuick},
    {.name = "FolderShow",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.ChooseNode(FindFolderByName("外側"));
             t.Aim(t.ObjectPanel("Group"), kFolderShow);
         },
     .run = kTurnOver,
     .kind = undoFolderInfo,
     .step = "(Folder Info) Change",
     .spread = kQuick},
    {.name = "ChangeParent",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.ChooseNode(t.Work());
             t.answers.m_folder = FindFolderByName("empty folder");
         },
     .run = [](AllocationSweepGuiTest& t) { t.Send(ID_OBJECT_CHANGE_PARENT); },
     .kind = undoParentChange,
     .step = "Change Parent Object",
     .spread = kQuick},
    // The light page's.
    {.name = "NewLight",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.SideBar().ShowPage(CPanelTabDlg::tabLight);
             t.Aim(t.LightPage(), kListNew);
         },
     .run = kClick,
     .kind = undoCreateLight,
     .step = "(Light) Create Light",
     .spread = kQuick},
    {.name = "CopyLight",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.ChooseLight("area");
             t.Aim(t.LightPage(), kListCopy);
         },
     .run = kClick,
     .kind = undoCreateLight,
     .step = "(Light) Copy Light",
     .spread = kQuick},
    {.name = "DeleteLight",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.ChooseLight("スポット");
             t.Aim(t.LightPage(), kListDelete);
             t.answers.m_yes = "delete スポット?";
         },
     .run = kClick,
     .kind = undoDeleteLight,
     .step = "(Light) Delete Light",
     // Undo adds the light again at the end of the list.
     .undoneAs =
         [](AllocationSweepGuiTest& t) {
             CObjList<CLightData>& lights = t.Doc().m_lights;
             lights.MoveBefore(lights.Find(FindLightByName("スポット")), nullptr);
         },
     .spread = kQuick},
    {.name = "RenameLight",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.ChooseLight("plain");
             t.Aim(t.LightPage().GetPanel(), kRenameItem);
             t.answers.m_name = "renamed";
         },
     .run = kClick,
     .kind = undoLightName,
     .step = "(Light) Change Name",
     .spread = kQuick},
    {.name = "LightType",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.ChooseLight("plain");
             t.Aim(t.LightPage().GetPanel(), kLightSpot,
                   {kLightPoint, kLightSpot, kLightCylinder, kLightArea});
         },
     .run = kClick,
     .kind = undoLightSettings,
     .step = "(Light) Change",
     .spread = kQuick},
    // No menu command moves a light: the light tool's drag in a pane does. It
    // takes the handle nearest to the press among those beyond the near
    // plane: in the fourth pane, "area"'s.
    {.name = "LightTranslate",
     .prepare = [](AllocationSweepGuiTest& t) { t.Send(kLightTranslateTool); },
     .run = [](AllocationSweepGuiTest& t) { t.DragInPane(3); },
     .kind = undoLightPosition,
     .step = "(Light) Translate Light",
     .spread = kQuick},
    // The material page's.
    {.name = "NewMaterial",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.SideBar().ShowPage(CPanelTabDlg::tabMaterial);
             t.Aim(t.MaterialPage(), kListNew);
         },
     .run = kClick,
     .kind = undoCreateMaterial,
     .step = "(Material) Create Material",
     .spread = kQuick},
    {.name = "CopyMaterial",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.ChooseMaterial("glass");
             t.Aim(t.MaterialPage(), kListCopy);
         },
     .run = kClick,
     .kind = undoCreateMaterial,
     .step = "(Material) Copy Material",
     .spread = kQuick},
    {.name = "DeleteMaterial",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.ChooseMaterial("木目");
             t.Aim(t.MaterialPage(), kListDelete);
             t.answers.m_yes = "delete 木目?";
         },
     .run = kClick,
     .kind = undoDeleteMaterial,
     .step = "(Material) Delete Material",
     // Undo adds the material again at the end of the list.
     .undoneAs =
         [](AllocationSweepGuiTest& t) {
             CObjList<CMaterialData>& materials = t.Doc().m_materials;
             materials.MoveBefore(materials.Find(FindMaterialByName("木目")), nullptr);
         },
     .spread = kQuick},
    {.name = "RenameMaterial",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.ChooseMaterial("glass");
             t.Aim(*t.MaterialPage().GetCurrentPanel(), kRenameGroup);
             t.answers.m_name = "renamed";
         },
     .run = kClick,
     .kind = undoMaterialName,
     .step = "(Material) Change Name",
     .spread = kQuick},
    // The kinds of patch edit no entry above records.
    {.name = "HidePoints",
     .prepare = kNothing,
     .run = [](AllocationSweepGuiTest& t) { t.Send(kToggleInvisibility); },
     .kind = undoPatchPositions,
     .step = "(Patch) Toggle Invisibility",
     .spread = kQuick},
    {.name = "Peak",
     .prepare = kNothing,
     .run = [](AllocationSweepGuiTest& t) { t.Send(kPeak); },
     .kind = undoPatchCurves,
     .step = "(Patch) Peak",
     .spread = kQuick},
    {.name = "MultiTranslate",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             // As ticked in the Select Multi Objects window.
             t.Work()->SetMultiSelected(1);
             FindObjectByName("グリッド")->SetMultiSelected(1);
         },
     .run = [](AllocationSweepGuiTest& t) { t.Send(kMultiTranslate); },
     .kind = undoManyObjects,
     .step = "(Multi Obj) Translate",
     .spread = kQuick},
    // The file on disk is either as it was or the whole document.
    {.name = "Save",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.written = {"saved.qfm"};
             t.OpenModified(t.files.File("saved.qfm"));
         },
     .run = [](AllocationSweepGuiTest& t) { t.Send(ID_FILE_SAVE); },
     .undoable = false,
     .spread = kQuick},
    {.name = "SaveAs",
     .prepare =
         [](AllocationSweepGuiTest& t) {
             t.Send(kFlipX);
             t.answers.m_file = t.files.File("saved_as.qfm");
             t.written = {"saved_as.qfm"};
             std::filesystem::remove(t.answers.m_file);
         },
     .run = [](AllocationSweepGuiTest& t) { t.Send(ID_FILE_SAVE_AS); },
     .undoable = false,
     .spread = kQuick},
};

// Every n with QF_ALLOCATION_SWEEP=all; only n with QF_ALLOCATION_SWEEP=n
// (to look at one run again), every n to m with =n-m (to split a long
// sweep); else the first and last few and an even spread of about `spread`
// between them.
std::vector<long long> NsToTry(long long count, long long spread) {
    const char* sweep = std::getenv("QF_ALLOCATION_SWEEP");
    long long from = 0, to = 0;
    if (sweep && std::sscanf(sweep, "%lld-%lld", &from, &to) >= 1 && from > 0) {
        std::vector<long long> ns;
        for (long long n = from; n <= (to >= from ? std::min(to, count) : from); ++n)
            ns.push_back(n);
        return ns;
    }
    const bool all = sweep && std::string(sweep) == "all";
    constexpr long long kEnds = 3;
    std::vector<long long> ns;
    for (long long n = 1; n <= count; ++n)
        if (all || n <= kEnds || n > count - kEnds || (n - kEnds) % std::max(1LL, count / spread) == 0)
            ns.push_back(n);
    return ns;
}

std::string Describe(const AllocationSweepGuiTest::State& s) {
    std::string text = std::to_string(s.bytes.size()) + " bytes, steps";
    for (const std::string& step : s.steps)
        text += " \"" + step + "\"";
    return text + " at " + std::to_string(s.position) + (s.modified ? ", modified" : ", unmodified") +
           ", path \"" + s.path + "\", " + std::to_string(s.written.size()) + " bytes of written files";
}

} // namespace

TEST_P(AllocationSweepGuiTest, EachAllocationRefusedLeavesTheDocumentAsBeforeOrDoneWhole) {
    const Operation& op = *GetParam();
    Start();
    MakeFiles();
    ASSERT_TRUE(LeakFree()) << "leaks before the sweep";

    // The operation run whole, counting the allocations it makes.
    State fresh;
    if (op.mayStartAnew) {
        Doc().SetModifiedFlag(FALSE);
        Send(ID_FILE_NEW);
        fresh = NowWithoutColours();
    }
    ASSERT_NO_FATAL_FAILURE(Reset(op));
    const State before = Observe(op);
    std::string undone = before.bytes;
    if (op.undoneAs) {
        op.undoneAs(*this);
        undone = qf::test::DocumentBytes(Doc());
        ASSERT_NO_FATAL_FAILURE(Reset(op));
        ASSERT_EQ(Observe(op), before);
    }
    long long count = 0;
    {
        const qf::test::AllocationFailure counting(0);
        op.run(*this);
        count = counting.GetCount();
    }
    Settle();
    const State done = Observe(op);
    ASSERT_GT(count, 0);
    ASSERT_TRUE(TreesShowDocument());
    ASSERT_TRUE(answers.m_told.empty()) << answers.m_told.front();
    if (op.kind != undoKindNone) {
        const CUndoBuffer& undo = Doc().m_undoBuffer;
        ASSERT_GT(undo.GetPosition(), 0);
        const CUndoRecord& newest = *undo.GetRecord(undo.GetPosition() - 1);
        EXPECT_EQ(newest.m_kind, op.kind) << "the kind of step recorded";
        if (op.step) {
            EXPECT_EQ(newest.m_english.str(), op.step);
        }
    }
    if (op.undoable) {
        ASSERT_FALSE(done.bytes == before.bytes) << "the operation changes the document";
        Send(ID_EDIT_UNDO);
        Settle();
        ASSERT_TRUE(qf::test::SameDocumentBytes(undone, qf::test::DocumentBytes(Doc())));
    }

    int refused = 0;
    const std::vector<long long> ns = NsToTry(count, op.spread);
    for (const long long n : ns) {
        SCOPED_TRACE(std::string(op.name) + ": allocation " + std::to_string(n) + " of " +
                     std::to_string(count));
        ASSERT_NO_FATAL_FAILURE(Reset(op));
        ASSERT_EQ(Observe(op), before) << "the run starts where the whole one did";
        bool failed = false;
        {
            const qf::test::AllocationFailure failure(n);
            op.run(*this);
            failed = failure.HasRefused();
        }
        Settle();
        refused += failed;
        const State after = Observe(op);
        const bool asBefore = after == before;
        const bool whole = after == done;
        const bool anew = op.mayStartAnew && NowWithoutColours() == fresh;
        EXPECT_TRUE(asBefore || whole || anew)
            << "before: " << Describe(before) << "\ndone: " << Describe(done)
            << "\nafter: " << Describe(after)
            << (op.mayStartAnew ? "\nanew: " + Describe(fresh) : std::string());
        EXPECT_TRUE(TreesShowDocument());
        EXPECT_LE(answers.m_told.size(), 1u) << "told once: " << ::testing::PrintToString(answers.m_told);
        if (failed && (asBefore || anew) && !(before == done)) {
            EXPECT_EQ(answers.m_told.size(), 1u) << "a step that was not done is told";
        }
        for (const std::string& told : answers.m_told) {
            if (told.find(kTakenBack) != std::string::npos) {
                EXPECT_TRUE(asBefore) << "told \"" << told << "\"\nbefore: " << Describe(before)
                                      << "\nafter: " << Describe(after);
            }
            if (told == kNotFinished) {
                EXPECT_FALSE(whole) << "told \"" << told << "\" after the step was done whole";
            }
        }
        if (whole && op.undoable) {
            Send(ID_EDIT_UNDO);
            Settle();
            EXPECT_TRUE(qf::test::SameDocumentBytes(undone, qf::test::DocumentBytes(Doc())))
                << "Undo after the whole operation";
        }
        ASSERT_TRUE(LeakFree());
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(refused, 0) << "no allocation was refused";
    std::cout << op.name << ": " << ns.size() << " of its " << count << " allocations tried, one run each; "
              << refused << " refused\n";
}

INSTANTIATE_TEST_SUITE_P(Operations, AllocationSweepGuiTest, ::testing::ValuesIn([] {
                             std::vector<const Operation*> ops;
                             for (const Operation& op : kOperations)
                                 ops.push_back(&op);
                             return ops;
                         }()),
                         [](const ::testing::TestParamInfo<const Operation*>& info) {
                             return std::string(info.param->name);
                         });
