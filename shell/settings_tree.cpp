#include "shell/settings_tree.h"

#include "app/doc_ids.h"

namespace {

constexpr SettingsLabel kBackground{"背景設定", "background"};
constexpr SettingsLabel kIncludeFile{"インクルードファイル", "include_file"};
constexpr SettingsLabel kRadiosity{"radiosity", "radiosity"};
constexpr SettingsLabel kGlobalSettings{"global_settings", "global_settings"};
constexpr SettingsLabel kPostProcess{"post_process", "post_process"};
constexpr SettingsLabel kMaterialSetting{"マテリアル設定", "Material Setting"};
constexpr SettingsLabel kImageBasedLighting{"Image Based Lighting", "Image Based Lighting"};
constexpr SettingsLabel kColorSetting{"カラー設定", "Color Setting"};
constexpr SettingsLabel kPathSetting{"パス設定", "Path Setting"};
constexpr SettingsLabel kMouseSetting{"マウス設定", "Mouse Setting"};
constexpr SettingsLabel kEtcSetting{"その他の設定", "Etc. Setting"};
constexpr SettingsLabel kRenderSetting{"レンダラー設定", "Render Setting"};

constexpr SettingsLabel kSceneLeaves[] = {
    kBackground,  kIncludeFile,     kRadiosity,          kGlobalSettings,
    kPostProcess, kMaterialSetting, kImageBasedLighting,
};
constexpr SettingsLabel kConfigurationLeaves[] = {kColorSetting, kPathSetting, kMouseSetting, kEtcSetting};
constexpr SettingsLabel kPovRayLeaves[] = {kRenderSetting};

constexpr SettingsTreeRoot kRoots[] = {
    {{"シーン設定", "Scene Setting"}, kSceneLeaves},
    {{"環境設定", "Configulation"}, kConfigurationLeaves},
    {{"POV-Ray設定", "POV-Ray Setting"}, kPovRayLeaves},
};

constexpr SettingsPageEntry kEntries[] = {
    {pageBackground, kBackground, wndBackgroundColorPage},
    {pageIncludeFile, kIncludeFile, wndIncludeFilePanel},
    {pageRadiosity, kRadiosity, wndRadiosityPanel},
    {pageGlobalSettings, kGlobalSettings, wndGlobalSettingsPanel},
    {pagePostProcess, kPostProcess, wndPostProcessPanel},
    {pageColorSetting, kColorSetting, wndColorSettingPage},
    {pagePathSetting, kPathSetting, wndRendererPathPanel},
    {pageMouseSetting, kMouseSetting, wndMouseSettingPage},
    {pageEtcSetting, kEtcSetting, wndEtcSettingPage},
    {pageRenderSetting, kRenderSetting, wndPovSettingListPanel},
    {pageMaterialSetting, kMaterialSetting, wndBroadcastOnly},
    {pageImageBasedLighting, kImageBasedLighting, wndBroadcastOnly},
};
static_assert(std::size(kEntries) == pageKindCount);

} // namespace

std::span<const SettingsTreeRoot> SettingsTreeRoots() {
    return kRoots;
}

std::span<const SettingsPageEntry> SettingsPageEntries() {
    return kEntries;
}
