#include "tools/status_text.h"

#include "app/doc_helpers.h"

CString FormatVector(const CVector3& v) {
    return FormatFloat(v.GetX(), 4) + ", " + FormatFloat(v.GetY(), 4) + ", " + FormatFloat(v.GetZ(), 4);
}
