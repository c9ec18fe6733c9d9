#include "dialogs/dialog_fields.h"

#include "app/renderer_list.h"

// The value goes in before the range: the range limits what the user enters,
// while a value that comes in outside it is shown and kept as it is.
void SetupFloatField(CMyEdit& edit, CQuelSpin& spin, float min, float max, float value) {
    edit.SetSpin(&spin);
    edit.SetFloatMode(TRUE);
    edit.SetFloat(value);
    edit.SetRangeF(min, max);
}

void SetupIntField(CMyEdit& edit, CQuelSpin& spin, int min, int max, int value) {
    edit.SetSpin(&spin);
    edit.SetFloatMode(FALSE);
    edit.SetInt(value);
    edit.SetRange(min, max);
}

void FillRendererList(CComboBox& list, const CRendererList& renderers) {
    list.ResetContent();
    int index = 0;
    for (CRendererInfo* info : renderers) {
        list.AddString(info->title.GetString());
        list.SetItemData(index++, reinterpret_cast<DWORD_PTR>(info));
    }
}
