#include "dialogs/settings_page.h"

#include "app/doc_helpers.h"
#include "app/doc_ids.h"
#include "app/quel_doc.h"
#include "platform/base/codepage.h"

namespace {

// Every control of a page's tables has an id in this range.
constexpr UINT kFirstControlId = 1000;
constexpr UINT kLastControlId = 1999;

} // namespace

CSettingsPage::CSettingsPage(const SettingsPageLayout& layout) : m_layout(layout) {
    for (size_t i = 0; i < layout.groupHeaders.size(); ++i)
        m_groups.push_back(std::make_unique<CQuelGroup>());
    for (size_t i = 0; i < layout.numbers.size(); ++i)
        m_numbers.push_back(std::make_unique<NumberControls>());
    for (size_t i = 0; i < layout.swatches.size(); ++i)
        m_swatches.push_back(std::make_unique<CColorButton>());
}

const CommandMap& CSettingsPage::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CSettingsPage>(CQuelScroll::GetCommandMap())
            .OnControlRange(EN_KILLFOCUS, kFirstControlId, kLastControlId, &CSettingsPage::OnNumberCommitted)
            .OnControlRange(BN_CLICKED, kFirstControlId, kLastControlId, &CSettingsPage::OnButtonClicked);
    return map;
}

void CSettingsPage::DoDataExchange(CDataExchange* dx) {
    CQuelScroll::DoDataExchange(dx);
    for (size_t i = 0; i < m_groups.size(); ++i)
        DDX_Control(dx, static_cast<int>(m_layout.groupHeaders[i]), *m_groups[i]);
    for (size_t i = 0; i < m_numbers.size(); ++i) {
        const PageNumberField& field = m_layout.numbers[i];
        DDX_Control(dx, static_cast<int>(field.edit), m_numbers[i]->edit);
        if (field.spin)
            DDX_Control(dx, static_cast<int>(field.spin), m_numbers[i]->spin);
        if (field.meter)
            DDX_Control(dx, static_cast<int>(field.meter), m_numbers[i]->meter);
    }
    for (size_t i = 0; i < m_swatches.size(); ++i)
        DDX_Control(dx, static_cast<int>(m_layout.swatches[i].id), *m_swatches[i]);
}

BOOL CSettingsPage::OnInitDialog() {
    CQuelScroll::OnInitDialog();
    // Every header is bound before the first measures its group, so that
    // each knows where the next one begins.
    for (const std::unique_ptr<CQuelGroup>& group : m_groups)
        group->Init();
    for (size_t i = 0; i < m_numbers.size(); ++i) {
        const PageNumberField& field = m_layout.numbers[i];
        CMyEdit& edit = m_numbers[i]->edit;
        if (field.spin)
            edit.SetSpin(&m_numbers[i]->spin);
        if (field.meter)
            edit.SetMeter(&m_numbers[i]->meter);
        edit.SetLiveCommit(field.liveCommit);
        if (field.floatValue) {
            edit.SetFloatMode(TRUE);
            edit.SetDecimals(field.decimals);
            edit.SetRangeF(field.min, field.max);
            if (field.spin)
                m_numbers[i]->spin.SetDragStepF(field.dragStep);
        } else {
            edit.SetFloatMode(FALSE);
            edit.SetRange(static_cast<int>(field.min), static_cast<int>(field.max));
        }
    }
    ApplyEnglishTexts(*this, nullptr, m_layout.englishTexts);
    return TRUE;
}

void CSettingsPage::OnSize(UINT type, int cx, int cy) {
    CQuelScroll::OnSize(type, cx, cy);
    for (const std::unique_ptr<CQuelGroup>& group : m_groups)
        if (group->GetNativeWindow()) {
            CRect header;
            group->GetRectInParent(&header);
            group->MoveWindow(header.left, header.top, cx, header.Height());
        }
}

void CSettingsPage::Refresh() {
    CQuelDoc* doc = GetDoc();
    if (!doc || !GetNativeWindow())
        return;
    for (size_t i = 0; i < m_numbers.size(); ++i) {
        const PageNumberField& field = m_layout.numbers[i];
        if (field.floatValue)
            m_numbers[i]->edit.SetFloat(field.floatValue(*doc));
        else
            m_numbers[i]->edit.SetInt(field.intValue(*doc));
    }
    for (const PageCheck& check : m_layout.checks)
        CheckDlgButton(static_cast<int>(check.id), check.value(*doc) ? BST_CHECKED : BST_UNCHECKED);
    for (size_t i = 0; i < m_swatches.size(); ++i)
        m_swatches[i]->SetColor(m_layout.swatches[i].value(*doc));
    for (const PageRadioGroup& group : m_layout.radios) {
        const int index = group.value(*doc);
        for (int k = 0; k < group.count; ++k)
            CheckDlgButton(static_cast<int>(group.first) + k, k == index ? BST_CHECKED : BST_UNCHECKED);
    }
}

CMyEdit* CSettingsPage::FindEdit(UINT id) const {
    for (size_t i = 0; i < m_numbers.size(); ++i)
        if (m_layout.numbers[i].edit == id)
            return &m_numbers[i]->edit;
    return nullptr;
}

CColorButton* CSettingsPage::FindSwatch(UINT id) const {
    for (size_t i = 0; i < m_swatches.size(); ++i)
        if (m_layout.swatches[i].id == id)
            return m_swatches[i].get();
    return nullptr;
}

void CSettingsPage::OnNumberCommitted(UINT id) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    for (size_t i = 0; i < m_numbers.size(); ++i) {
        const PageNumberField& field = m_layout.numbers[i];
        if (field.edit != id)
            continue;
        if (field.floatValue)
            field.floatValue(*doc) = m_numbers[i]->edit.GetFloat();
        else
            field.intValue(*doc) = m_numbers[i]->edit.GetInt();
        AfterStore(id, field.after);
        return;
    }
}

void CSettingsPage::OnButtonClicked(UINT id) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    for (const PageCheck& check : m_layout.checks)
        if (check.id == id) {
            check.value(*doc) = IsDlgButtonChecked(static_cast<int>(id)) == BST_CHECKED ? 1 : 0;
            AfterStore(id, check.after);
            return;
        }
    for (size_t i = 0; i < m_swatches.size(); ++i)
        if (m_layout.swatches[i].id == id) {
            m_layout.swatches[i].value(*doc) = m_swatches[i]->GetColor();
            AfterStore(id, m_layout.swatches[i].after);
            return;
        }
    for (const PageRadioGroup& group : m_layout.radios)
        if (id >= group.first && id < group.first + static_cast<UINT>(group.count)) {
            group.value(*doc) = static_cast<int>(id - group.first);
            AfterStore(id, group.after);
            return;
        }
}

void CSettingsPage::StoreAllFields() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    for (size_t i = 0; i < m_numbers.size(); ++i) {
        const PageNumberField& field = m_layout.numbers[i];
        if (field.floatValue)
            field.floatValue(*doc) = m_numbers[i]->edit.GetFloat();
        else
            field.intValue(*doc) = m_numbers[i]->edit.GetInt();
    }
    for (const PageCheck& check : m_layout.checks)
        check.value(*doc) = IsDlgButtonChecked(static_cast<int>(check.id)) == BST_CHECKED ? 1 : 0;
    for (size_t i = 0; i < m_swatches.size(); ++i)
        m_layout.swatches[i].value(*doc) = m_swatches[i]->GetColor();
    for (const PageRadioGroup& group : m_layout.radios)
        for (int k = 0; k < group.count; ++k)
            if (IsDlgButtonChecked(static_cast<int>(group.first) + k) == BST_CHECKED)
                group.value(*doc) = k;
}

bool CSettingsPage::CheckStorableName(const CString& path) {
    if (qf::IsCp932Representable(path.view()))
        return true;
    const bool english = IsEnglish();
    const CString text =
        CString(english ? "This file name cannot be kept in the document: it holds characters "
                          "that Shift-JIS cannot store.\n"
                        : "このファイル名はシフトJISで表せない文字を含むため、ドキュメントに"
                          "保存できません。\n") +
        path;
    MessageBox(GetSafeHwnd(), text, english ? "Error" : "エラー", MB_OK | MB_ICONWARNING);
    return false;
}

void CSettingsPage::AfterStore(UINT, AfterChange after) {
    Follow(after);
}

void CSettingsPage::Follow(AfterChange after) {
    switch (after) {
    case AfterChange::nothing:
        break;
    case AfterChange::modified:
        SetModified();
        break;
    case AfterChange::repaint:
        PostToRegisteredWindows(notifyRepaintPanes);
        break;
    }
}
