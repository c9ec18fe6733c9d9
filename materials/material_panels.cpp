#include "materials/material_panels.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/rename_dlg.h"
#include "materials/material_commands.h"

namespace {

constexpr int kNameGroup = 1475;
constexpr int kNameEdit = 1030;
constexpr int kRenameButton = 1069;
constexpr int kTypeNormal = 1577;
constexpr int kTypeInclude = 1578;
constexpr int kUseTexture = 1076;
constexpr int kUseInterior = 1118;
constexpr int kUsePigment = 1071;
constexpr int kUseNormal = 1073;
constexpr int kUseFinish = 1075;

constexpr int kMaterialGroups[] = {1475, 1478, 1481};
constexpr ControlText kMaterialEnglish[] = {{kNameGroup, "Name"}, {1478, "Type"}, {1481, "Option"}};
constexpr int kTextureGroups[] = {1475, 1478};
constexpr ControlText kTextureEnglish[] = {{1475, "Type"}, {1478, "Option"}};

} // namespace

// --- material ------------------------------------------------------------------

CMaterialPanel::CMaterialPanel() : CMaterialElementPanel(kMaterialGroups) {}

const CommandMap& CMaterialPanel::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CMaterialPanel>(CMaterialElementPanel::GetCommandMap())
                                      .OnBnClicked(kTypeNormal, &CMaterialPanel::OnType)
                                      .OnBnClicked(kTypeInclude, &CMaterialPanel::OnType)
                                      .OnBnClicked(kUseTexture, &CMaterialPanel::OnUseTexture)
                                      .OnBnClicked(kUseInterior, &CMaterialPanel::OnUseInterior)
                                      .OnBnClicked(kRenameButton, &CMaterialPanel::OnRename);
    return map;
}

void CMaterialPanel::DoDataExchange(CDataExchange* dx) {
    CMaterialElementPanel::DoDataExchange(dx);
    DDX_Text(dx, kNameEdit, m_name);
    DDX_Radio(dx, kTypeNormal, m_type);
    DDX_Check(dx, kUseTexture, m_useTexture);
    DDX_Check(dx, kUseInterior, m_useInterior);
}

BOOL CMaterialPanel::OnInitDialog() {
    CMaterialElementPanel::OnInitDialog();
    ApplyEnglishTexts(*this, nullptr, kMaterialEnglish);
    return TRUE;
}

void CMaterialPanel::Refresh() {
    const CMaterialData* mat = CurrentMaterial();
    if (!mat)
        return;
    m_name = mat->m_name;
    m_type = mat->m_declared;
    m_useTexture = mat->m_useTexture;
    m_useInterior = mat->m_useInterior;
    UpdateData(FALSE);
    UpdateEnables();
}

void CMaterialPanel::UpdateEnables() {
    const BOOL own = m_type != 1;
    EnableItem(kUseTexture, own);
    EnableItem(kUseInterior, own);
}

void CMaterialPanel::OnType() {
    CMaterialData* mat = CurrentMaterial();
    if (!mat)
        return;
    UpdateData(TRUE);
    const MaterialTreeChange change = ChooseElementType(*mat, itemMaterial, m_type);
    if (change.action == MaterialTreeChange::none)
        return;
    ChangeTree(change, *mat);
    UpdateEnables();
    SetModifiedForPanels();
}

void CMaterialPanel::SetOptionFlag(MaterialOption option, int on) {
    CMaterialData* mat = CurrentMaterial();
    if (!mat)
        return;
    const MaterialTreeChange change = SetOption(*mat, option, on);
    SetModifiedForPanels();
    ChangeTree(change, *mat);
}

void CMaterialPanel::OnUseTexture() {
    UpdateData(TRUE);
    SetOptionFlag(optionUseTexture, m_useTexture);
}

void CMaterialPanel::OnUseInterior() {
    UpdateData(TRUE);
    SetOptionFlag(optionUseInterior, m_useInterior);
}

void CMaterialPanel::OnRename() {
    CQuelDoc* doc = GetDoc();
    CMaterialData* mat = CurrentMaterial();
    if (!doc || !mat)
        return;
    CRenameDlg dialog(this);
    dialog.m_name = mat->m_name;
    dialog.m_checkNames = 1;
    if (dialog.DoModal() != IDOK)
        return;
    RenameMaterial(*doc, *mat, dialog.m_name);
    m_name = mat->m_name;
    SetDlgItemText(kNameEdit, m_name);
}

// --- texture -------------------------------------------------------------------

CTexturePanel::CTexturePanel() : CMaterialElementPanel(kTextureGroups) {}

const CommandMap& CTexturePanel::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CTexturePanel>(CMaterialElementPanel::GetCommandMap())
                                      .OnBnClicked(kTypeNormal, &CTexturePanel::OnType)
                                      .OnBnClicked(kTypeInclude, &CTexturePanel::OnType)
                                      .OnBnClicked(kUsePigment, &CTexturePanel::OnUsePigment)
                                      .OnBnClicked(kUseNormal, &CTexturePanel::OnUseNormal)
                                      .OnBnClicked(kUseFinish, &CTexturePanel::OnUseFinish);
    return map;
}

void CTexturePanel::DoDataExchange(CDataExchange* dx) {
    CMaterialElementPanel::DoDataExchange(dx);
    DDX_Radio(dx, kTypeNormal, m_type);
    DDX_Check(dx, kUsePigment, m_usePigment);
    DDX_Check(dx, kUseNormal, m_useNormal);
    DDX_Check(dx, kUseFinish, m_useFinish);
}

BOOL CTexturePanel::OnInitDialog() {
    CMaterialElementPanel::OnInitDialog();
    ApplyEnglishTexts(*this, nullptr, kTextureEnglish);
    return TRUE;
}

void CTexturePanel::Refresh() {
    const CMaterialData* mat = CurrentMaterial();
    if (!mat)
        return;
    const CTextureData& texture = mat->m_texture;
    m_type = texture.m_declared;
    m_usePigment = texture.m_usePigment;
    m_useNormal = texture.m_useNormal;
    m_useFinish = texture.m_useFinish;
    UpdateData(FALSE);
    UpdateEnables();
}

void CTexturePanel::UpdateEnables() {
    const BOOL own = m_type != 1;
    for (int id : {kUsePigment, kUseNormal, kUseFinish})
        EnableItem(id, own);
}

void CTexturePanel::OnType() {
    CMaterialData* mat = CurrentMaterial();
    if (!mat)
        return;
    UpdateData(TRUE);
    ChangeTree(ChooseElementType(*mat, itemTexture, m_type), *mat);
    UpdateEnables();
    SetModifiedForPanels();
}

void CTexturePanel::SetSection(MaterialOption option, const int& flag) {
    CMaterialData* mat = CurrentMaterial();
    if (!mat)
        return;
    UpdateData(TRUE);
    ChangeTree(SetOption(*mat, option, flag), *mat);
    SetModifiedForPanels();
}

void CTexturePanel::OnUsePigment() {
    SetSection(optionUsePigment, m_usePigment);
}

void CTexturePanel::OnUseNormal() {
    SetSection(optionUseNormal, m_useNormal);
}

void CTexturePanel::OnUseFinish() {
    SetSection(optionUseFinish, m_useFinish);
}
