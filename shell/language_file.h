#pragma once
// quel_resource_type.ini in the settings folder: the interface language
// chosen at the first start. Its first word "english", exactly, chooses
// English; any other word, or none, chooses Japanese. The document writes it
// when it is destroyed.
#include <string>

constexpr const char* kLanguageFileName = "quel_resource_type.ini";

enum LanguageChoice { languageMissing = -1, languageJapanese = 0, languageEnglish = 1 };

// The choice the file holds. A file that is missing, or that exists but
// cannot be read, is languageMissing: the language is asked again. Only a
// bounded first word is read.
LanguageChoice ReadLanguageFile(const std::string& path);
