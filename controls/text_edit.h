#pragma once
// CTextEdit: a plain text field whose text the owner keeps in the document
// or the settings (a file path, a word). The owner hears EN_KILLFOCUS only
// when the text differs from the one last shown (SetWindowText): when the
// user leaves the field, or earlier when CommitTypedText takes it. The
// owner's handler reads the text and may show another one back; a visit
// commits nothing.
//
// A rule the owner sets (SetRule) sees the typed text first. A text it
// refuses is never committed: the field shows the text kept again, the rule
// tells the user why, and the owner hears nothing, so that the document,
// its undo list and its modified flag stay as they were.
#include "controls/typed_field.h"
#include "platform/ui/controls.h"

#include <functional>

class CTextEdit : public CEdit, public CTypedField {
public:
    const char* GetRuntimeClassName() const override { return "CTextEdit"; }

    struct Rule {
        // Whether the text may be committed.
        std::function<bool(const CString& text)> accepts;
        // Tells the user why a text was refused, once the kept one shows.
        std::function<void(const CString& text)> tellRefused;
    };
    void SetRule(Rule rule) { m_rule = std::move(rule); }

    void SetWindowText(const CString& text) override;
    void CommitTypedText() override;

protected:
    void OnKillFocus(CWnd* newWindow) override;

private:
    // True when the text is not the one shown and the rule accepts it; it is
    // the one shown from then on. A refused text gives way to the one shown.
    bool TakeTypedText();

    CString m_shown;
    Rule m_rule;
};
