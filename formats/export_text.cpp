#include "formats/export_text.h"

#include "platform/base/codepage.h"
#include "platform/base/file_util.h"

bool CExportText::Save(const CString& path, std::string* error) const {
    return qf::WriteFileAtomically(path.str(), m_bytes, error);
}

namespace {

// The length of the UTF-8 sequence that starts with lead; 1 for a stray byte.
size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

std::string Cp932Name(const CString& name, std::string_view forbidden) {
    const std::string& text = name.str();
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = std::min(SequenceLength(lead), text.size() - i);
        const std::string_view character(text.data() + i, length);
        i += length;
        if (length == 1 &&
            (lead < 0x20 || lead == 0x7F || forbidden.find(character[0]) != std::string_view::npos)) {
            out += '_';
            continue;
        }
        std::string bytes;
        out += qf::Utf8ToCp932(character, bytes) ? bytes : std::string("_");
    }
    return out;
}
