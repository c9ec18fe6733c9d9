#include "platform/base/codepage.h"

#include <cerrno>
#include <iconv.h>

namespace qf {
namespace {

bool IsAscii(std::string_view text) {
    for (unsigned char c : text)
        if (c >= 0x80)
            return false;
    return true;
}

// One open converter per direction for the life of the process: opening
// iconv descriptors costs far more than converting a name, and settings files
// are still written while static objects are destroyed at exit, so the
// descriptors must outlive every destructor. The program has one thread.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}

    bool Convert(std::string_view in, std::string& out) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            return false;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string result(in.size() * 2 + 8, '\0');
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        size_t used = 0;
        for (;;) {
            char* dst = result.data() + used;
            size_t dstLeft = result.size() - used;
            size_t r = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            used = result.size() - dstLeft;
            if (r != static_cast<size_t>(-1)) {
                if (r != 0)
                    return false; // irreversible conversion: a character was substituted
                break;
            }
            if (errno != E2BIG)
                return false;
            result.resize(result.size() * 2);
        }
        result.resize(used);
        out.swap(result);
        return true;
    }

private:
    iconv_t m_cd;
};

Converter& ToCp932() {
    static Converter c("CP932", "UTF-8");
    return c;
}
Converter& FromCp932() {
    static Converter c("UTF-8", "CP932");
    return c;
}

} // namespace

bool Utf8ToCp932(std::string_view utf8, std::string& out) {
    if (IsAscii(utf8)) {
        out.assign(utf8);
        return true;
    }
    return ToCp932().Convert(utf8, out);
}

bool Cp932ToUtf8(std::string_view cp932, std::string& out) {
    if (IsAscii(cp932)) {
        out.assign(cp932);
        return true;
    }
    return FromCp932().Convert(cp932, out);
}

bool IsCp932Representable(std::string_view utf8) {
    std::string ignored;
    return Utf8ToCp932(utf8, ignored);
}

} // namespace qf
