#include "resources/resource_parts.h"

#include <array>

// The About box (100) of each set: the version of the running program in a
// read-only field.
namespace {

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

constexpr std::array<DialogItemTemplate, 4> AboutItems(const char* versionLabel, const char* platformLine) {
    return {{
        {DialogControl::Static, 1061, versionLabel, 10, 10, 120, 10, WS_VISIBLE | SS_LEFT},
        {DialogControl::Static, 1062, platformLine, 10, 40, 120, 10, WS_VISIBLE | SS_LEFT},
        {DialogControl::Edit, 1063, "", 10, 23, 120, 12,
         WS_VISIBLE | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL},
        {DialogControl::Button, 1, "OK", 142, 8, 50, 14,
         WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON},
    }};
}

constexpr auto kAboutJa = AboutItems("quelaForm バージョン", "Linux 版 quelaForm");
constexpr auto kAboutEn = AboutItems("quelaForm Version", "quelaForm for Linux");

constexpr DialogTemplate kJapanese[] = {{100, "バージョン情報(quelaForm)", 200, 54, kModal, kAboutJa}};
constexpr DialogTemplate kEnglish[] = {{100, "Version Info(quelaForm)", 200, 54, kModal, kAboutEn}};

} // namespace

std::span<const DialogTemplate> AboutDialogTemplates(ResourceLanguage language) {
    if (language == ResourceLanguage::English)
        return kEnglish;
    return kJapanese;
}
