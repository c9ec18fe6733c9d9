#include "dialogs/dialog_texts.h"

#include "app/doc_helpers.h"

void ApplyEnglishTexts(CDialog& dialog, const char* title, std::span<const ControlText> texts) {
    if (!IsEnglish())
        return;
    if (title)
        dialog.SetWindowText(title);
    for (const ControlText& text : texts)
        if (CWnd* control = dialog.GetDlgItem(text.id))
            control->SetWindowText(text.text);
}
