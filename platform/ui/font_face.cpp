#include "platform/ui/native_window.h"

#include <fontconfig/fontconfig.h>
#include <map>
#include <utility>

// Templates and drawing code name Windows faces ("MS UI Gothic"); fontconfig knows which
// installed family stands in for a face, and for Japanese text asks for one
// that covers Japanese. The answer is kept per face and language.
CString ResolveFontFace(const CString& face, bool japanese) {
    static std::map<std::pair<std::string, bool>, CString> resolved;
    const auto key = std::make_pair(face.str(), japanese);
    if (const auto it = resolved.find(key); it != resolved.end())
        return it->second;

    CString family = "sans-serif";
    FcPattern* pattern = FcPatternCreate();
    if (!face.IsEmpty())
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.GetString()));
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    if (japanese)
        FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch && name)
            family = reinterpret_cast<const char*>(name);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    resolved[key] = family;
    return family;
}
