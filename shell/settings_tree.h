#pragma once
// What the scene page's settings tree holds: three top-level items, each
// with its leaves, and the settings pages in the order the page lists them,
// each known by the text of the leaf that shows it and registered in the
// document under its id. The texts are Japanese or English by the interface
// language; a top-level item shows no page.
#include <span>

struct SettingsLabel {
    const char* japanese;
    const char* english;
    const char* Text(bool english) const { return english ? this->english : japanese; }
};

struct SettingsTreeRoot {
    SettingsLabel label;
    std::span<const SettingsLabel> leaves;
};
std::span<const SettingsTreeRoot> SettingsTreeRoots();

// The settings pages of the scene page.
enum SettingsPageKind {
    pageBackground,
    pageIncludeFile,
    pageRadiosity,
    pageGlobalSettings,
    pagePostProcess,
    pageColorSetting,
    pagePathSetting,
    pageMouseSetting,
    pageEtcSetting,
    pageRenderSetting,
    pageMaterialSetting,
    pageImageBasedLighting,
    pageKindCount,
};

struct SettingsPageEntry {
    SettingsPageKind kind;
    SettingsLabel label; // the leaf's text
    int registryId;      // RegisteredWindowId
};
// The pages in the scene page's order, which is SettingsPageKind's.
std::span<const SettingsPageEntry> SettingsPageEntries();
