#include "render/pov_format.h"

#include "platform/base/c_locale.h"

#include <algorithm>

CPovNumberFormat::CPovNumberFormat(int decimals) : m_decimals(std::clamp(decimals, 0, 10)) {}

void CPovNumberFormat::AppendNumber(std::string& out, double value) const {
    qf::AppendFixed(out, value, m_decimals);
}

void CPovNumberFormat::AppendVector(std::string& out, float x, float y, float z) const {
    out += '<';
    AppendNumber(out, x);
    out += ',';
    AppendNumber(out, y);
    out += ',';
    AppendNumber(out, z);
    out += '>';
}

CString PovCommentText(const CString& text) {
    std::string line = text.str();
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return CString(line);
}

CString PovIdentifier(const CString& name) {
    std::string id = name.str();
    for (char& c : id) {
        const bool ok =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok)
            c = '_';
    }
    if (!id.empty() && id[0] >= '0' && id[0] <= '9')
        id.insert(id.begin(), '_');
    return CString(id);
}
