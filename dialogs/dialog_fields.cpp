#include "dialogs/dialog_fields.h"

#include "app/renderer_list.h"

void SetupFloatField(CMyEdit& edit, CQuelSpin& spin, float min, float max, float value) {
    edit.SetSpin(&spin);
    edit.SetFloatMode(TRUE);
    edit.SetRangeF(min, max);
    edit.SetFloat(value);
}

void SetupIntField(CMyEdit& edit, CQuelSpin& spin, int min, int max, int value) {
    edit.SetSpin(&spin);
    edit.SetFloatMode(FALSE);
    edit.SetRange(min, max);
    edit.SetInt(value);
}

void FillRendererList(CComboBox& list, const CRendererList& renderers) {
    list.ResetContent();
    int index = 0;
    for (CRendererInfo* info : renderers) {
        list.AddString(info->title.GetString());
        list.SetItemData(index++, reinterpret_cast<DWORD_PTR>(info));
    }
}
