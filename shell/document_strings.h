#pragma once
// The fields of the document string of the chosen resource set (string
// IDR_MAINFRAME_JA or IDR_MAINFRAME_EN): one field a line.
#include "platform/base/cstring.h"

enum DocStringField {
    docStringWindowTitle = 0,
    docStringDocName = 1,
    docStringFileNewName = 2,
    docStringFilterName = 3,
    docStringFilterExt = 4,
    docStringRegFileTypeId = 5,
    docStringRegFileTypeName = 6,
};

CString GetDocString(DocStringField field);
// The file dialogs' filter of the document type: "name|*.ext||".
CString DocumentFilter();
