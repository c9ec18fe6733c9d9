#include "shell/language_file.h"

#include "platform/base/text_file.h"

namespace {

// Longer than any language word; the rest of an overlong word is skipped.
constexpr size_t kMaxWordBytes = 99;

} // namespace

LanguageChoice ReadLanguageFile(const std::string& path) {
    qf::CTextFileReader file(path, qf::TextEncoding::Utf8);
    if (!file.IsOpen())
        return languageMissing;
    CString word;
    if (!file.ReadWord(word, kMaxWordBytes))
        return languageJapanese;
    return word == "english" ? languageEnglish : languageJapanese;
}
