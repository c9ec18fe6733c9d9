#include "controls/typed_field.h"

#include "platform/ui/wnd.h"

void CTypedField::CommitFocused() {
    if (auto* field = dynamic_cast<CTypedField*>(CWnd::GetFocus()))
        field->CommitTypedText();
}
