#include "formats/format_error.h"

CString CFormatError::Describe(int english) const {
    CString text;
    if (english)
        text.Format("%s (line %d)", m_problem.english, m_line);
    else
        text.Format("%s (%d 行目)", m_problem.japanese, m_line);
    return text;
}
