#include "dialogs/number_field.h"

void CNumberField::Exchange(CDataExchange* dx, int editId, int spinId) {
    m_editId = editId;
    DDX_Control(dx, editId, m_edit);
    DDX_Control(dx, spinId, m_spin);
}

void CNumberField::InitFloat(float& value, float min, float max, int decimals) {
    m_float = &value;
    m_edit.SetSpin(&m_spin);
    m_edit.SetFloatMode(TRUE);
    m_edit.SetDecimals(decimals);
    m_edit.SetRangeF(min, max);
    m_edit.SetFloat(value);
    value = m_edit.GetFloat();
}

void CNumberField::InitInt(int& value, int min, int max) {
    m_int = &value;
    m_edit.SetSpin(&m_spin);
    m_edit.SetFloatMode(FALSE);
    m_edit.SetRange(min, max);
    m_edit.SetInt(value);
    value = m_edit.GetInt();
}

void CNumberField::Store() {
    if (!m_edit.GetSafeHwnd())
        return;
    if (m_float)
        *m_float = m_edit.GetFloat();
    if (m_int)
        *m_int = m_edit.GetInt();
}

void CNumberFieldDialog::OnOK() {
    StoreFields();
    CDialog::OnOK();
}

const CommandMap& CNumberFieldDialog::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CNumberFieldDialog>(CDialog::GetCommandMap())
            .OnControlRange(EN_KILLFOCUS, 0, 0xFFFF, &CNumberFieldDialog::StoreFields);
    return map;
}

void CNumberFieldDialog::StoreFields(UINT) {
    for (CNumberField& field : GetFields())
        field.Store();
    OnFieldsStored();
}
