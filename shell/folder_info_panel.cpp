#include "shell/folder_info_panel.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/dialog_texts.h"
#include "shell/item_panel_edits.h"

namespace {

constexpr std::array<int, 2> kGroupIds = {1475, 1478};
constexpr int kName = 1063;
constexpr int kRename = 1069;
constexpr int kShow = 1422;
constexpr int kExport = 1426;

constexpr ControlText kEnglish[] = {{1475, "Name"}, {1478, "Option"}, {kShow, "show"}};

} // namespace

const CommandMap& CFolderInfoPanel::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CFolderInfoPanel>(CSideBarPanel::GetCommandMap())
                                      .OnBnClicked(kRename, &CFolderInfoPanel::OnRename)
                                      .OnBnClicked(kShow, &CFolderInfoPanel::OnShow)
                                      .OnBnClicked(kExport, &CFolderInfoPanel::OnExport);
    return map;
}

void CFolderInfoPanel::DoDataExchange(CDataExchange* dx) {
    CSideBarPanel::DoDataExchange(dx);
    for (size_t i = 0; i < kGroupIds.size(); ++i)
        DDX_Control(dx, kGroupIds[i], m_groups[i]);
    DDX_Text(dx, kName, m_name);
    DDX_Check(dx, kShow, m_show);
    DDX_Check(dx, kExport, m_export);
}

BOOL CFolderInfoPanel::OnInitDialog() {
    CSideBarPanel::OnInitDialog();
    for (CQuelGroup& group : m_groups)
        group.Init();
    ApplyEnglishTexts(*this, nullptr, kEnglish);
    return TRUE;
}

void CFolderInfoPanel::Refresh() {
    const CFolderObj* folder = GetSelectedFolder();
    if (!folder)
        return;
    m_name = folder->GetName();
    m_show = folder->GetShow();
    m_export = folder->GetExport();
    UpdateData(FALSE);
}

void CFolderInfoPanel::OnRename() {
    CQuelDoc* doc = GetDoc();
    CFolderObj* folder = GetSelectedFolder();
    CString name;
    if (!doc || !folder || !AskNewName(folder->GetName(), name))
        return;
    RenameFolder(*doc, *folder, name);
    m_name = name;
    UpdateData(FALSE);
}

void CFolderInfoPanel::OnShow() {
    CQuelDoc* doc = GetDoc();
    CFolderObj* folder = GetSelectedFolder();
    if (!doc || !folder)
        return;
    UpdateData(TRUE);
    SetFolderShow(*doc, *folder, m_show);
}

void CFolderInfoPanel::OnExport() {
    CQuelDoc* doc = GetDoc();
    CFolderObj* folder = GetSelectedFolder();
    if (!doc || !folder)
        return;
    UpdateData(TRUE);
    SetFolderExport(*doc, *folder, m_export);
}
