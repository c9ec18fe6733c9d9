#pragma once
// CTextEdit: a plain text field whose text the owner keeps in the document
// or the settings (a file path, a word). The owner hears EN_KILLFOCUS only
// when the text differs from the one last shown (SetWindowText): when the
// user leaves the field, or earlier when CommitTypedText takes it. The
// owner's handler reads the text and may show another one back (a refused
// text shows what is kept); a visit commits nothing.
#include "controls/typed_field.h"
#include "platform/ui/controls.h"

class CTextEdit : public CEdit, public CTypedField {
public:
    const char* GetRuntimeClassName() const override { return "CTextEdit"; }

    void SetWindowText(const CString& text) override;
    void CommitTypedText() override;

protected:
    void OnKillFocus(CWnd* newWindow) override;

private:
    // True when the text is not the one shown; it is the one shown from then on.
    bool TakeTypedText();

    CString m_shown;
};
