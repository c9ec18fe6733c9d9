#include "dialogs/number_field.h"

#include "dialogs/dialog_fields.h"

void CNumberField::Exchange(CDataExchange* dx, int editId, int spinId) {
    m_editId = editId;
    DDX_Control(dx, editId, m_edit);
    DDX_Control(dx, spinId, m_spin);
}

void CNumberField::InitFloat(float& value, float min, float max, int decimals) {
    m_float = &value;
    m_edit.SetDecimals(decimals);
    SetupFloatField(m_edit, m_spin, min, max, value);
}

void CNumberField::InitInt(int& value, int min, int max) {
    m_int = &value;
    SetupIntField(m_edit, m_spin, min, max, value);
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
