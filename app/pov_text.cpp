#include "app/pov_text.h"

#include <string>
#include <vector>

namespace {

bool NeedsCode(unsigned char c) {
    return c == '"' || c == '\\' || c < 0x20 || c == 0x7F;
}

} // namespace

CString PovStringExpression(const CString& text) {
    std::vector<std::string> parts;
    std::string literal;
    for (unsigned char c : text.str()) {
        if (!NeedsCode(c)) {
            literal += static_cast<char>(c);
            continue;
        }
        if (!literal.empty())
            parts.push_back("\"" + literal + "\"");
        literal.clear();
        parts.push_back("chr(" + std::to_string(c) + ")");
    }
    if (parts.empty())
        return CString("\"" + literal + "\"");
    if (!literal.empty())
        parts.push_back("\"" + literal + "\"");
    if (parts.size() == 1)
        return CString(parts.front());
    std::string joined = "concat(";
    for (size_t i = 0; i < parts.size(); ++i)
        joined += (i ? "," : "") + parts[i];
    return CString(joined + ")");
}
