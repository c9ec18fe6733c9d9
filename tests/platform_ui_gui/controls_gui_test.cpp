// Dialogs from templates and their standard controls on screen: what each
// control tells its dialog, data exchange, radio groups, lists, trees, tabs,
// owner drawing, a member taking over a template item, and the dialog keys.
#include "probe_wnd.h"

#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform/ui/shell_services.h"
#include "platform/ui/tab_ctrl.h"
#include "platform/ui/tree_ctrl.h"
#include "support/gui_modal.h"

#include <gtest/gtest.h>
#include <string>
#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>

using qf::test::PumpEvents;
using qf::test::PumpUntil;
using qf::test::SimulatedMouse;

namespace {

constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
constexpr DialogItemTemplate kItems[] = {
    {DialogControl::Edit, 100, "", 5, 5, 80, 12, kTab | WS_GROUP | ES_AUTOHSCROLL},
    {DialogControl::Edit, 101, "", 5, 20, 38, 12, kTab | ES_AUTOHSCROLL},
    {DialogControl::Edit, 102, "", 47, 20, 38, 12, kTab | ES_AUTOHSCROLL},
    {DialogControl::ListBox, 103, "", 5, 35, 80, 40, kTab | LBS_NOTIFY | LBS_SORT},
    {DialogControl::ComboBox, 104, "", 90, 5, 60, 60, kTab | CBS_DROPDOWNLIST | CBS_SORT},
    {DialogControl::Button, 110, "A", 90, 22, 40, 10, kTab | WS_GROUP | BS_AUTORADIOBUTTON},
    {DialogControl::Button, 111, "B", 90, 33, 40, 10, WS_VISIBLE | BS_AUTORADIOBUTTON},
    {DialogControl::Button, 112, "C", 90, 44, 40, 10, WS_VISIBLE | BS_AUTORADIOBUTTON},
    {DialogControl::Button, 113, "check", 90, 58, 50, 10, kTab | WS_GROUP | BS_AUTOCHECKBOX},
    {DialogControl::TreeView, 120, "", 160, 5, 95, 70,
     kTab | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT},
    {DialogControl::TabControl, 130, "", 5, 80, 120, 30, kTab},
    {DialogControl::Button, 140, "drawn", 130, 80, 40, 14, kTab | BS_OWNERDRAW},
    {DialogControl::Button, 150, "1", 175, 80, 20, 14, kTab | WS_GROUP | BS_AUTORADIOBUTTON | BS_PUSHLIKE},
    {DialogControl::Button, 151, "2", 197, 80, 20, 14, WS_VISIBLE | BS_AUTORADIOBUTTON | BS_PUSHLIKE},
    {DialogControl::ListBox, 105, "", 220, 78, 35, 30, kTab | LBS_EXTENDEDSEL},
    {DialogControl::Button, 2, "Cancel", 150, 100, 40, 14, kTab | WS_GROUP},
    {DialogControl::Button, 1, "OK", 200, 100, 40, 14, kTab | BS_DEFPUSHBUTTON},
};
constexpr DialogTemplate kTemplate{
    900, "controls", 260, 120, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, kItems};

// Records its DrawItem calls; takes over item 140.
class DrawnButton : public CButton {
public:
    std::vector<DRAWITEMSTRUCT> drawn;

protected:
    void DrawItem(LPDRAWITEMSTRUCT item) override {
        drawn.push_back(*item);
        item->pDC->FillSolidRect(item->rcItem, RGB(255, 0, 0));
    }
};

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(kTemplate.id) { UseTemplate(kTemplate); }

    std::vector<std::string> heard;
    CString m_text = "text";
    int m_int = 42;
    float m_float = 1.5f;
    int m_radio = 1;
    int m_check = 1;
    int m_pattern = -1;
    DrawnButton m_drawn;
    bool okRefused = false;

    CEdit& Edit(int id) { return *static_cast<CEdit*>(GetDlgItem(id)); }
    CButton& Button(int id) { return *static_cast<CButton*>(GetDlgItem(id)); }
    CListBox& List(int id = 103) { return *static_cast<CListBox*>(GetDlgItem(id)); }
    CComboBox& Combo() { return *static_cast<CComboBox*>(GetDlgItem(104)); }
    CTreeCtrl& Tree() { return *static_cast<CTreeCtrl*>(GetDlgItem(120)); }
    CTabCtrl& Tabs() { return *static_cast<CTabCtrl*>(GetDlgItem(130)); }

    std::vector<NMTREEVIEW> selections;
    std::vector<NMTREEVIEW> drags;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, 140, m_drawn);
        DDX_Text(dx, 100, m_text);
        DDX_Text(dx, 101, m_int);
        DDX_Text(dx, 102, m_float);
        DDX_Radio(dx, 110, m_radio);
        DDX_Check(dx, 113, m_check);
        DDX_CBIndex(dx, 104, m_pattern);
    }
    void OnOK() override {
        okRefused = !UpdateData(TRUE);
        if (!okRefused)
            EndDialog(IDOK);
    }
    void Hear(const std::string& what) { heard.push_back(what); }
    void OnChange() { Hear("change 100"); }
    void OnKillFocus() { Hear("killfocus 100"); }
    void OnListChange() { Hear("selchange 103"); }
    void OnListDouble() { Hear("dblclk 103"); }
    void OnClicked(UINT id) { Hear("clicked " + std::to_string(id)); }
    void OnTreeSelection(NMHDR* header, LRESULT*) {
        selections.push_back(*reinterpret_cast<NMTREEVIEW*>(header));
    }
    void OnTreeDrag(NMHDR* header, LRESULT*) { drags.push_back(*reinterpret_cast<NMTREEVIEW*>(header)); }
    void OnTab(NMHDR*, LRESULT* result) {
        Hear("tab " + std::to_string(Tabs().GetCurSel()));
        *result = 0;
    }
    const CommandMap& GetCommandMap() const override {
        static const CommandMap map = CommandMapFor<TestDialog>(CDialog::GetCommandMap())
                                          .OnEnChange(100, &TestDialog::OnChange)
                                          .OnEnKillFocus(100, &TestDialog::OnKillFocus)
                                          .OnLbnSelChange(103, &TestDialog::OnListChange)
                                          .OnLbnDblClk(103, &TestDialog::OnListDouble)
                                          .OnControlRange(BN_CLICKED, 110, 151, &TestDialog::OnClicked)
                                          .OnNotify(TVN_SELCHANGED, 120, &TestDialog::OnTreeSelection)
                                          .OnNotify(TVN_BEGINDRAG, 120, &TestDialog::OnTreeDrag)
                                          .OnNotify(TCN_SELCHANGE, 130, &TestDialog::OnTab);
        return map;
    }
};

struct Controls : ::testing::Test {
    TestDialog dialog;
    SimulatedMouse mouse;

    void SetUp() override {
        ASSERT_TRUE(dialog.Create(kTemplate.id));
        dialog.ShowWindow(SW_SHOW);
        ASSERT_TRUE(PumpUntil([&] { return dialog.GetNativeWindow()->IsShownOnScreen(); }));
        PumpEvents(100);
        // Away from the first field, which took the focus when the dialog opened.
        Focus(dialog.Button(IDCANCEL));
        dialog.heard.clear();
    }
    void Click(const CWnd& control, CPoint at) {
        mouse.MoveTo(control, at);
        mouse.Down();
        mouse.Up();
    }
    void Focus(CWnd& control) {
        mouse.MoveTo(control, CPoint(3, 3));
        control.SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == &control; }));
    }
};

using ControlsGuiTest = Controls;

} // namespace

TEST_F(ControlsGuiTest, EditsTellOfTypingAndOfLosingTheFocusButNotOfTheProgramsText) {
    Focus(dialog.Edit(100));
    mouse.Sim().Char('x');
    PumpEvents(50);
    EXPECT_EQ(dialog.heard, std::vector<std::string>{"change 100"});
    dialog.Edit(100).SetWindowText("set by the program");
    PumpEvents(50);
    EXPECT_EQ(dialog.heard.size(), 1u);
    Focus(dialog.Edit(101));
    EXPECT_EQ(dialog.heard, (std::vector<std::string>{"change 100", "killfocus 100"}));
    dialog.Edit(101).SetWindowText("12345");
    dialog.Edit(101).SetSel(1, 3);
    int start = 0, end = 0;
    dialog.Edit(101).GetSel(start, end);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(1, 3));
}

TEST_F(ControlsGuiTest, DataExchangeBothWaysAndABadNumberKeepsTheMember) {
    CString text;
    dialog.Edit(101).GetWindowText(text);
    EXPECT_EQ(text, "42") << "OnInitDialog showed the members";
    dialog.Edit(102).GetWindowText(text);
    EXPECT_EQ(text, "1.5");
    EXPECT_EQ(dialog.IsDlgButtonChecked(111), BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(110), BST_UNCHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(113), BST_CHECKED);

    dialog.SetDlgItemText(100, "新しい名前");
    dialog.SetDlgItemText(101, " -7 ");
    dialog.SetDlgItemText(102, "2.25");
    dialog.CheckDlgButton(113, BST_UNCHECKED);
    dialog.CheckDlgButton(111, BST_UNCHECKED);
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_text, "新しい名前");
    EXPECT_EQ(dialog.m_int, -7);
    EXPECT_FLOAT_EQ(dialog.m_float, 2.25f);
    EXPECT_EQ(dialog.m_radio, -1) << "no button of the group checked";
    EXPECT_EQ(dialog.m_check, 0);

    dialog.m_radio = 2;
    dialog.UpdateData(FALSE);
    EXPECT_EQ(dialog.IsDlgButtonChecked(112), BST_CHECKED);
    dialog.m_radio = -1;
    dialog.UpdateData(FALSE);
    EXPECT_EQ(dialog.IsDlgButtonChecked(112), BST_UNCHECKED) << "-1 unchecks the whole group";

    qf::CScriptedModalRunner runner;
    runner.Answer(IDOK);
    dialog.SetDlgItemText(101, "12a");
    dialog.SetDlgItemText(100, "not read");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_int, -7) << "the member keeps its value";
    ASSERT_EQ(runner.GetRequests().size(), 1u);
    EXPECT_EQ(runner.GetRequests()[0].text, "整数を入力してください。");
    EXPECT_EQ(runner.GetRequests()[0].owner, dialog.GetSafeHwnd());
    EXPECT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == &dialog.Edit(101); }))
        << "the field in error gets the focus";
    dialog.SetDlgItemText(101, "3");
    dialog.SetDlgItemText(102, "1e");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_int, 3);
    EXPECT_FLOAT_EQ(dialog.m_float, 2.25f);
    EXPECT_EQ(runner.GetRequests().back().text, "数値を入力してください。");
}

TEST_F(ControlsGuiTest, RadioButtonsCheckOnlyOneOfTheirGroup) {
    Click(dialog.Button(112), CPoint(5, 7));
    EXPECT_EQ(dialog.IsDlgButtonChecked(112), BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(111), BST_UNCHECKED);
    const auto shown = [&](int id) {
        return static_cast<const wxRadioButton*>(dialog.Button(id).GetNativeWindow())->GetValue();
    };
    EXPECT_TRUE(shown(112));
    EXPECT_FALSE(shown(110)) << "an unchecked radio button is drawn unchecked";
    EXPECT_FALSE(shown(111));
    EXPECT_EQ(dialog.IsDlgButtonChecked(113), BST_CHECKED) << "the check box starts a group of its own";
    Click(dialog.Button(151), CPoint(8, 8));
    Click(dialog.Button(151), CPoint(8, 8));
    EXPECT_EQ(dialog.IsDlgButtonChecked(151), BST_CHECKED) << "a checked push-like radio stays down";
    EXPECT_EQ(dialog.IsDlgButtonChecked(150), BST_UNCHECKED);
    Click(dialog.Button(150), CPoint(8, 8));
    EXPECT_EQ(dialog.IsDlgButtonChecked(151), BST_UNCHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(112), BST_CHECKED) << "another group is left alone";
    EXPECT_EQ(dialog.heard,
              (std::vector<std::string>{"clicked 112", "clicked 151", "clicked 151", "clicked 150"}));
    dialog.CheckDlgButton(112, BST_UNCHECKED);
    EXPECT_FALSE(shown(112)) << "even the last checked one of its group";
}

TEST_F(ControlsGuiTest, ListBoxesSortKeepDataAndTellOfTheUsersChoice) {
    CListBox& list = dialog.List();
    for (const char* name : {"sphere", "Box", "cone", "box"}) {
        const int at = list.AddString(name);
        list.SetItemData(at, static_cast<DWORD_PTR>(name[0]));
    }
    std::vector<std::string> order;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString text;
        list.GetText(i, text);
        order.push_back(text.str());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Box", "box", "cone", "sphere"}))
        << "case ignored, equal ones in turn";
    EXPECT_EQ(list.GetItemData(3), static_cast<DWORD_PTR>('s'));
    EXPECT_EQ(list.FindStringExact(-1, "CONE"), 2);
    EXPECT_EQ(list.FindStringExact(0, "box"), 1);

    list.SetCurSel(1);
    PumpEvents(50);
    EXPECT_TRUE(dialog.heard.empty()) << "the program's choice is not told";
    list.SetCurSel(-1);
    BOOL outside = TRUE;
    const UINT top = list.ItemFromPoint(CPoint(10, 5), outside);
    EXPECT_FALSE(outside);
    Click(list, CPoint(10, 5));
    EXPECT_EQ(list.GetCurSel(), static_cast<int>(top));
    EXPECT_EQ(dialog.heard, std::vector<std::string>{"selchange 103"});
    mouse.DoubleClick();
    EXPECT_EQ(dialog.heard.back(), "dblclk 103");
    list.DeleteString(0);
    EXPECT_EQ(list.GetItemData(0), static_cast<DWORD_PTR>('b')) << "data moves with its line";
    list.DeleteString(0);
    PumpEvents(50);
    CRect client;
    list.GetClientRect(&client);
    EXPECT_EQ(list.ItemFromPoint(CPoint(10, client.bottom - 2), outside), 1u);
    EXPECT_TRUE(outside) << "below the last line: the last one, and outside";

    CListBox& many = dialog.List(105);
    for (const char* name : {"a", "b", "c"})
        many.AddString(name);
    many.SetSel(0);
    many.SetSel(2);
    EXPECT_EQ(many.GetSelItems(), (std::vector<int>{0, 2}));
    many.SetSel(-1, FALSE);
    EXPECT_EQ(many.GetSelCount(), 0);
}

TEST_F(ControlsGuiTest, ComboBoxesSortAndKeepData) {
    CComboBox& combo = dialog.Combo();
    for (const char* name : {"wood", "agate", "marble"}) {
        const int at = combo.AddString(name);
        combo.SetItemData(at, static_cast<DWORD_PTR>(combo.GetCount()));
    }
    const int emptyHeight = combo.GetNativeWindow()->GetSize().y;
    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_GE(combo.GetNativeWindow()->GetSize().y, combo.GetNativeWindow()->GetBestSize().y)
        << "a list showing an entry is high enough for its text (it came " << emptyHeight << " high)";
    CString text;
    combo.GetWindowText(text);
    EXPECT_EQ(text, "marble");
    EXPECT_EQ(combo.GetItemData(1), 3u) << "the third added";
    EXPECT_EQ(combo.FindStringExact(-1, "WOOD"), 2);
    EXPECT_EQ(combo.SetCurSel(-1), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);

    dialog.m_pattern = 2;
    dialog.UpdateData(FALSE);
    EXPECT_EQ(combo.GetCurSel(), 2);
    combo.SetCurSel(0);
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_pattern, 0);
}

TEST_F(ControlsGuiTest, TreeInsertsSortedWalksAndMovesTheSelectionOnDelete) {
    CTreeCtrl& tree = dialog.Tree();
    const HTREEITEM root = tree.InsertItem("Root", TVI_ROOT, TVI_SORT);
    const HTREEITEM folder = tree.InsertItem("folder", root, TVI_SORT);
    const HTREEITEM cube = tree.InsertItem("cube", root, TVI_SORT);
    const HTREEITEM ball = tree.InsertItem("Ball", root, TVI_SORT);
    const HTREEITEM inner = tree.InsertItem("inner", folder, TVI_LAST);
    tree.SetItemData(cube, 7);
    EXPECT_EQ(tree.GetRootItem(), root);
    EXPECT_EQ(tree.GetChildItem(root), ball) << "sorted, ignoring case";
    EXPECT_EQ(tree.GetNextSiblingItem(ball), cube);
    EXPECT_EQ(tree.GetNextSiblingItem(cube), folder);
    EXPECT_EQ(tree.GetParentItem(inner), folder);
    EXPECT_EQ(tree.GetParentItem(root), nullptr);
    EXPECT_EQ(tree.GetCount(), 5u);

    tree.Expand(root, TVE_EXPAND);
    EXPECT_EQ(tree.GetNextVisibleItem(folder), nullptr) << "the collapsed folder hides its child";
    tree.Expand(folder, TVE_EXPAND);
    EXPECT_EQ(tree.GetNextVisibleItem(folder), inner);
    EXPECT_EQ(tree.GetNextItem(inner, TVGN_PREVIOUSVISIBLE), folder);
    EXPECT_EQ(tree.GetNextItem(ball, TVGN_PREVIOUSVISIBLE), root);

    EXPECT_TRUE(tree.SelectItem(cube));
    ASSERT_EQ(dialog.selections.size(), 1u);
    EXPECT_EQ(dialog.selections[0].itemNew.hItem, cube);
    EXPECT_EQ(dialog.selections[0].itemNew.lParam, 7);
    EXPECT_EQ(tree.GetSelectedItem(), cube);

    tree.DeleteItem(cube);
    EXPECT_EQ(tree.GetSelectedItem(), folder) << "to the next sibling";
    tree.DeleteItem(folder);
    EXPECT_EQ(tree.GetSelectedItem(), ball) << "else to the previous one";
    tree.DeleteItem(ball);
    EXPECT_EQ(tree.GetSelectedItem(), root) << "else to the parent";
    tree.DeleteItem(root);
    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
    ASSERT_EQ(dialog.selections.size(), 5u) << "every move is told";
    EXPECT_EQ(dialog.selections.back().itemNew.hItem, nullptr);
    EXPECT_EQ(tree.GetCount(), 0u);

    // Sorting children, and finding the item under a point.
    const HTREEITEM b = tree.InsertItem("b");
    const HTREEITEM a = tree.InsertItem("a");
    tree.SetItemText(b, "c");
    tree.SortChildren(TVI_ROOT);
    EXPECT_EQ(tree.GetRootItem(), a);
    tree.SetItemData(a, 20);
    tree.SetItemData(b, 3);
    const TVSORTCB byData{TVI_ROOT,
                          [](LPARAM x, LPARAM y, LPARAM) noexcept { return static_cast<int>(x - y); }, 0};
    EXPECT_TRUE(tree.SortChildrenCB(&byData));
    EXPECT_EQ(tree.GetRootItem(), b) << "by the data, whatever the texts";
    tree.SortChildren(TVI_ROOT);
    PumpEvents(50);
    CRect rect;
    ASSERT_TRUE(tree.GetItemRect(b, &rect, TRUE));
    UINT flags = 0;
    EXPECT_EQ(tree.HitTest(CPoint(rect.left + 2, rect.top + rect.Height() / 2), &flags), b);
    EXPECT_TRUE(flags & TVHT_ONITEMLABEL);
    EXPECT_EQ(tree.HitTest(CPoint(rect.left + 2, rect.bottom + 60), &flags), nullptr);
    EXPECT_TRUE(tree.SelectDropTarget(a));
    EXPECT_EQ(tree.GetDropHilightItem(), a);
    EXPECT_NE(tree.CreateDragImage(a), nullptr);
}

TEST_F(ControlsGuiTest, DraggingATreeItemIsLeftToTheParent) {
    CTreeCtrl& tree = dialog.Tree();
    const HTREEITEM first = tree.InsertItem("first");
    tree.SetItemData(first, 11);
    tree.InsertItem("second");
    PumpEvents(50);
    CRect rect;
    ASSERT_TRUE(tree.GetItemRect(first, &rect, TRUE));
    mouse.MoveTo(tree, CPoint(rect.left + 4, rect.top + rect.Height() / 2));
    mouse.Down();
    for (int step = 1; step <= 4; ++step)
        mouse.MoveTo(tree, CPoint(rect.left + 4 + 3 * step, rect.top + rect.Height() / 2 + 6 * step));
    mouse.Up();
    ASSERT_EQ(dialog.drags.size(), 1u);
    EXPECT_EQ(dialog.drags[0].itemNew.hItem, first);
    EXPECT_EQ(dialog.drags[0].itemNew.lParam, 11);
    // Where the pointer was when the drag was recognised, in tree pixels.
    EXPECT_GE(dialog.drags[0].ptDrag.y, rect.top);
    EXPECT_LE(dialog.drags[0].ptDrag.y, rect.bottom + 24);
    EXPECT_EQ(CWnd::GetCapture(), nullptr) << "the tree holds no drag of its own";
}

TEST_F(ControlsGuiTest, TabsTellOnlyOfTheUsersChoice) {
    CTabCtrl& tabs = dialog.Tabs();
    for (const char* name : {"Object", "Light", "etc."})
        tabs.InsertItem(tabs.GetItemCount(), name);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_EQ(tabs.SetCurSel(2), 0);
    PumpEvents(50);
    EXPECT_TRUE(dialog.heard.empty());
    CRect first, second;
    ASSERT_TRUE(tabs.GetItemRect(0, &first));
    ASSERT_TRUE(tabs.GetItemRect(1, &second));
    EXPECT_GT(first.Height(), 10);
    EXPECT_GE(second.left, first.right);
    Click(tabs, CPoint((second.left + second.right) / 2, second.Height() / 2));
    EXPECT_EQ(tabs.GetCurSel(), 1);
    EXPECT_EQ(dialog.heard, std::vector<std::string>{"tab 1"});

    // The toolkit's own page window under the tabs may hold the focus: the
    // dialog is still the active window.
    static_cast<wxNotebook*>(tabs.GetNativeWindow())->GetPage(1)->SetFocus();
    PumpEvents(50);
    EXPECT_EQ(GetActiveWindow(), &dialog);
}

TEST_F(ControlsGuiTest, AMemberTakesOverItsTemplateItem) {
    ASSERT_EQ(dialog.GetDlgItem(140), &dialog.m_drawn);
    CRect expected(130, 80, 170, 94);
    dialog.MapDialogRect(&expected);
    CRect rect;
    dialog.m_drawn.GetWindowRect(&rect);
    dialog.ScreenToClient(&rect);
    EXPECT_EQ(rect, expected) << "in the item's place";
    CString text;
    dialog.m_drawn.GetWindowText(text);
    EXPECT_EQ(text, "drawn");
    EXPECT_EQ(dialog.m_drawn.GetWindow(GW_HWNDNEXT), dialog.GetDlgItem(150)) << "in the item's tab position";

    ASSERT_TRUE(PumpUntil([&] { return !dialog.m_drawn.drawn.empty(); }));
    EXPECT_EQ(dialog.m_drawn.drawn.back().rcItem, CRect(0, 0, expected.Width(), expected.Height()));
    EXPECT_EQ(dialog.m_drawn.drawn.back().CtlID, 140u);
    mouse.MoveTo(dialog.m_drawn, CPoint(10, 10));
    mouse.Down();
    EXPECT_TRUE(PumpUntil([&] { return dialog.m_drawn.drawn.back().itemState & ODS_SELECTED; }));
    mouse.Up();
    EXPECT_EQ(dialog.heard, std::vector<std::string>{"clicked 140"});
    dialog.m_drawn.EnableWindow(FALSE);
    dialog.m_drawn.RedrawWindow();
    EXPECT_TRUE(PumpUntil([&] { return dialog.m_drawn.drawn.back().itemState & ODS_DISABLED; }));
}

TEST(DialogKeysGuiTest, EnterEscapeAndTheCloseBox) {
    qf::CScriptedModalRunner runner;
    const auto runForReal = [](qf::CModalWindow& window) { return window.RunModalLoop(); };
    SimulatedMouse keys;
    const auto press = [&](TestDialog& dialog, int id, int key) {
        keys.MoveTo(*dialog.GetDlgItem(id), CPoint(3, 3));
        dialog.GetDlgItem(id)->SetFocus();
        PumpUntil([&] { return CWnd::GetFocus() == dialog.GetDlgItem(id); });
        keys.Sim().Char(key);
        PumpEvents(100);
    };
    {
        TestDialog dialog;
        runner.AnswerModal(runForReal);
        EXPECT_EQ(qf::test::RunModalWithSteps(dialog, [&] { press(dialog, 100, WXK_RETURN); }), IDOK)
            << "Enter in a field presses the default button";
    }
    {
        TestDialog dialog;
        runner.AnswerModal(runForReal);
        runner.Answer(IDOK);
        const int result = qf::test::RunModalWithSteps(dialog, [&] {
            dialog.SetDlgItemText(101, "x");
            press(dialog, 100, WXK_RETURN);
        });
        EXPECT_EQ(result, qf::test::kStillOpen) << "OnOK refused the bad number";
        EXPECT_TRUE(dialog.okRefused);
    }
    {
        TestDialog dialog;
        runner.AnswerModal(runForReal);
        const int result = qf::test::RunModalWithSteps(dialog, [&] {
            dialog.GetDlgItem(IDOK)->EnableWindow(FALSE);
            press(dialog, 100, WXK_RETURN);
        });
        EXPECT_EQ(result, qf::test::kStillOpen) << "a disabled default button takes no Enter";
    }
    {
        TestDialog dialog;
        runner.AnswerModal(runForReal);
        EXPECT_EQ(qf::test::RunModalWithSteps(dialog, [&] { press(dialog, 2, WXK_RETURN); }), IDCANCEL)
            << "a focused push button takes Enter itself";
    }
    {
        TestDialog dialog;
        runner.AnswerModal(runForReal);
        EXPECT_EQ(qf::test::RunModalWithSteps(dialog, [&] { press(dialog, 101, WXK_ESCAPE); }), IDCANCEL);
    }
    {
        TestDialog dialog;
        runner.AnswerModal(runForReal);
        EXPECT_EQ(qf::test::RunModalWithSteps(dialog, [&] { dialog.GetNativeWindow()->Close(); }), IDCANCEL)
            << "the close box is Cancel";
    }
}

// A child dialog used as a panel: its own Escape and Enter, not its parent's.
TEST(PanelGuiTest, KeysInAPanelGoToThePanel) {
    static constexpr DialogItemTemplate items[] = {
        {DialogControl::Edit, 1063, "", 5, 5, 60, 12, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL},
    };
    static constexpr DialogTemplate panelTemplate{901, "", 80, 30, WS_CHILD | WS_VISIBLE, items};
    class Panel : public CDialog {
    public:
        Panel() : CDialog(901) { UseTemplate(panelTemplate); }
        int oks = 0;
        int cancels = 0;

    protected:
        void OnOK() override { ++oks; }
        void OnCancel() override { ++cancels; }
    };
    qf::test::ProbeFrame frame;
    Panel panel;
    ASSERT_TRUE(panel.Create(901, &frame));
    EXPECT_EQ(panel.GetParent(), &frame);
    EXPECT_TRUE(panel.IsWindowVisible());
    SimulatedMouse keys;
    CWnd* field = panel.GetDlgItem(1063);
    keys.MoveTo(*field, CPoint(3, 3));
    field->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == field; }));
    keys.Sim().Char(WXK_ESCAPE);
    keys.Sim().Char(WXK_RETURN);
    PumpEvents(50);
    EXPECT_EQ(panel.cancels, 1);
    EXPECT_EQ(panel.oks, 1);
    EXPECT_TRUE(panel.IsWindowVisible());
}
