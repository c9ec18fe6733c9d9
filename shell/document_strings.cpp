#include "shell/document_strings.h"

#include "app/doc_helpers.h"
#include "platform/ui/resource_lookup.h"
#include "resources/resource_tables.h"

CString GetDocString(DocStringField field) {
    const CString text = LoadResourceString(IsEnglish() ? IDR_MAINFRAME_EN : IDR_MAINFRAME_JA);
    int start = 0;
    for (int i = 0; i < field; ++i) {
        start = text.Find('\n', start);
        if (start < 0)
            return CString();
        ++start;
    }
    const int end = text.Find('\n', start);
    return end < 0 ? text.Mid(start) : text.Mid(start, end - start);
}

CString DocumentFilter() {
    return GetDocString(docStringFilterName) + "|*" + GetDocString(docStringFilterExt) + "||";
}
