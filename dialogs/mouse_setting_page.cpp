#include "dialogs/mouse_setting_page.h"

#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "app/quel_doc.h"
#include "dialogs/settings_rules.h"

#include <cstdint>

namespace {

enum : UINT {
    kRightList = 1145,
    kMiddleList = 1240,
    kBothList = 1725,
    kZoomReverse = 1422,
    kRotateReverse = 1426,
    kMoveReverse = 1431,
};

constexpr UINT kMouseGroups[] = {1475, 1478};
constexpr PageCheck kReverseChecks[] = {
    {kZoomReverse, [](CQuelDoc& d) -> int& { return d.m_settings.m_zoomReverse; }, AfterChange::nothing},
    {kRotateReverse, [](CQuelDoc& d) -> int& { return d.m_settings.m_rotateReverse; }, AfterChange::nothing},
    {kMoveReverse, [](CQuelDoc& d) -> int& { return d.m_settings.m_moveReverse; }, AfterChange::nothing},
};
constexpr ControlText kMouseEnglish[] = {
    {1475, "Mouse Setting"},
    {1478, "Etc. Setting"},
    {1496, "Right Button"},
    {1497, "Middle Button"},
    {1498, "L + R Button"},
    {kZoomReverse, "Reverse Camera \nZoom Action"},
    {kRotateReverse, "Reverse Camera \nRotate Action"},
    {kMoveReverse, "Reverse Camera \nPan Action"},
};

} // namespace

CMouseSettingPage::CMouseSettingPage()
    : CSettingsPage({IDD, kMouseGroups, {}, kReverseChecks, {}, {}, kMouseEnglish}) {}

const CommandMap& CMouseSettingPage::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CMouseSettingPage>(CSettingsPage::GetCommandMap())
                                      .OnCbnSelChange(kRightList, &CMouseSettingPage::Apply)
                                      .OnCbnSelChange(kMiddleList, &CMouseSettingPage::Apply)
                                      .OnCbnSelChange(kBothList, &CMouseSettingPage::Apply)
                                      .OnBnClicked(kZoomReverse, &CMouseSettingPage::Apply)
                                      .OnBnClicked(kRotateReverse, &CMouseSettingPage::Apply)
                                      .OnBnClicked(kMoveReverse, &CMouseSettingPage::Apply);
    return map;
}

void CMouseSettingPage::DoDataExchange(CDataExchange* dx) {
    CSettingsPage::DoDataExchange(dx);
    DDX_Control(dx, kRightList, m_rightList);
    DDX_Control(dx, kMiddleList, m_middleList);
    DDX_Control(dx, kBothList, m_bothList);
}

BOOL CMouseSettingPage::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    Fill(m_rightList, true);
    Fill(m_middleList, false);
    Fill(m_bothList, false);
    // The base loads the reverse flags from its table.
    CSettingsPage::Refresh();
    if (const CQuelDoc* doc = GetDoc()) {
        Select(m_rightList, doc->m_settings.m_mouseModeRight);
        Select(m_middleList, doc->m_settings.m_mouseModeMiddle);
        Select(m_bothList, doc->m_settings.m_mouseModeBoth);
    }
    return TRUE;
}

void CMouseSettingPage::Fill(CComboBox& list, bool withPopupMenu) {
    list.ResetContent();
    for (const MouseToolChoice& choice : MouseToolChoices(IsEnglish() != 0, withPopupMenu)) {
        const int index = list.AddString(choice.text);
        list.SetItemData(index, static_cast<DWORD_PTR>(static_cast<std::intptr_t>(choice.mode)));
    }
}

void CMouseSettingPage::Select(CComboBox& list, int mode) {
    for (int i = 0; i < list.GetCount(); ++i)
        if (static_cast<int>(static_cast<std::intptr_t>(list.GetItemData(i))) == mode) {
            list.SetCurSel(i);
            return;
        }
    list.SetCurSel(-1);
}

CComboBox& CMouseSettingPage::GetList(Button button) {
    switch (button) {
    case buttonRight:
        return m_rightList;
    case buttonMiddle:
        return m_middleList;
    case buttonBoth:
        break;
    }
    return m_bothList;
}

void CMouseSettingPage::SetButtonChoice(Button button, int toolIndex) {
    if (GetNativeWindow())
        Select(GetList(button), toolIndex - 1);
}

void CMouseSettingPage::Apply() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    StoreAllFields();
    const auto chosen = [](const CComboBox& list, int& mode) {
        const int line = list.GetCurSel();
        if (line < 0)
            return false;
        mode = static_cast<int>(static_cast<std::intptr_t>(list.GetItemData(line)));
        return true;
    };
    int mode = 0;
    if (chosen(m_rightList, mode))
        SetMouseMode(mode, 0);
    if (chosen(m_middleList, mode))
        SetMiddleMouseMode(mode);
    if (chosen(m_bothList, mode))
        SetBothButtonsMode(mode);
}
