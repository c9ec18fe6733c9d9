#pragma once
// One number field of a dialog: the number edit with its spin button, bound
// to the member it edits. The field shows the member when the dialog opens
// and writes its value back whenever the value is committed (on leaving the
// field, which also happens when the dialog closes, and on a spin step): a
// number the user entered clamped to the field's range, and the member as it
// came in while the user has not edited the field.
#include "controls/my_edit.h"
#include "controls/quel_spin.h"
#include "platform/ui/dialog.h"

#include <span>

class CNumberField {
public:
    // Hands the template's edit and spin over to the field (DoDataExchange).
    void Exchange(CDataExchange* dx, int editId, int spinId);
    // In OnInitDialog: the member, its range and, for a float, its decimals.
    void InitFloat(float& value, float min, float max, int decimals = 3);
    void InitInt(int& value, int min, int max);
    // Writes the field's committed value to the member.
    void Store();
    int GetEditId() const { return m_editId; }
    CMyEdit& GetEdit() { return m_edit; }

private:
    CMyEdit m_edit;
    CQuelSpin m_spin;
    int m_editId = 0;
    float* m_float = nullptr;
    int* m_int = nullptr;
};

// A dialog built on number fields: every committed field, and every field
// when OK is pressed, writes its member back.
class CNumberFieldDialog : public CDialog {
public:
    using CDialog::CDialog;

protected:
    virtual std::span<CNumberField> GetFields() = 0;
    // After the fields wrote their members.
    virtual void OnFieldsStored() {}
    void OnOK() override;
    const CommandMap& GetCommandMap() const override;

private:
    void StoreFields(UINT id = 0);
};
