#include "app/core_settings.h"

#include "app/settings_text.h"
#include "platform/base/c_locale.h"
#include "platform/base/file_util.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>
#include <vector>

namespace {

const char* const kWarningLine = "＊このファイルを変更しないでください";
const char* const kColorSection = "[カラー設定]";
const char* const kPathSection = "[パス設定]";
const char* const kMouseSection = "[マウス設定]";
const char* const kDrawSection = "[描画設定]";
const char* const kOtherSection = "[その他の設定]";
const char* const kRenderSection = "[レンダリング設定]";
const char* const kDraw2Section = "[描画設定2]";
const char* const kOther2Section = "[その他の設定2]";
const char* const kPaneMarkers[] = {"<<ウィンドウA>>", "<<ウィンドウB>>", "<<ウィンドウC>>",
                                    "<<ウィンドウD>>"};
const char* const kGridLockKey = "グリッドロック";
const char* const kRendererKey = "標準レンダラー";
const char* const kMegaPovVersionKey = "MegaPovのバージョン";

struct ColorKey {
    const char* key;
    COLORREF CCoreSettings::*field;
};
constexpr ColorKey kColors[] = {
    {"bg_color", &CCoreSettings::m_bgColor},
    {"unselect_obj_color", &CCoreSettings::m_unselectObjColor},
    {"select_obj_color", &CCoreSettings::m_selectObjColor},
    {"unselect_vertex_color", &CCoreSettings::m_unselectVertexColor},
    {"select_vertex_color", &CCoreSettings::m_selectVertexColor},
    {"invisible_color", &CCoreSettings::m_invisibleColor},
    {"grid_color", &CCoreSettings::m_gridColor},
    {"material_axis_color", &CCoreSettings::m_materialAxisColor},
};

using SettingsKey = KeyedField<CCoreSettings>;
using PaneKey = KeyedField<CPaneDisplaySettings>;

constexpr SettingsKey kMouseKeys[] = {
    {"左", &CCoreSettings::m_mouseModeLeft},
    {"右", &CCoreSettings::m_mouseModeRight},
    {"中央", &CCoreSettings::m_mouseModeMiddle},
    {"左右同時", &CCoreSettings::m_mouseModeBoth},
};

// The grid spacing, a float, follows these in "[描画設定]".
constexpr PaneKey kPaneDrawKeys[] = {
    {"頂点を描画", &CPaneDisplaySettings::m_showVertices},
    {"カーブを描画", &CPaneDisplaySettings::m_showCurves},
    {"面を描画", &CPaneDisplaySettings::m_showSurfaces},
    {"ライト", &CPaneDisplaySettings::m_useLighting},
    {"曲線の滑らかさ", &CPaneDisplaySettings::m_curveResolution},
    {"曲面の滑らかさ", &CPaneDisplaySettings::m_surfaceResolution},
    {"グリッド_数", &CPaneDisplaySettings::m_gridCount},
};
const char* const kGridSpacingKey = "グリッド_間隔";

// The grid lock line comes between these two groups in "[描画設定2]".
constexpr PaneKey kPaneGridKeys[] = {
    {"グリッド", &CPaneDisplaySettings::m_showGrid},
    {"グリッド[XY]", &CPaneDisplaySettings::m_showGridXY},
    {"グリッド[XZ]", &CPaneDisplaySettings::m_showGridXZ},
    {"グリッド[YZ]", &CPaneDisplaySettings::m_showGridYZ},
};
constexpr PaneKey kPaneViewKeys[] = {
    {"座標軸", &CPaneDisplaySettings::m_showAxes},
    {"下絵", &CPaneDisplaySettings::m_showUnderlay},
};

const char* const kLatheKey = "回転体";
const char* const kVertexSizeKey = "頂点の大きさ";
const char* const kRotateSpeedKey = "カメラの回転スピード";
const char* const kSelectOptionKey = "頂点の選択オプション";

// Ints of the rendering section after the two sizes and the two floats.
constexpr int CCoreSettings::*kRenderInts[] = {
    &CCoreSettings::m_antiSamplingMethod,
    &CCoreSettings::m_antiDepth,
    &CCoreSettings::m_useAnti,
    &CCoreSettings::m_useJitter,
    &CCoreSettings::m_useAlpha,
    &CCoreSettings::m_writeOutputFile,
    &CCoreSettings::m_displayWhileRendering,
    &CCoreSettings::m_useRadiosity,
    &CCoreSettings::m_outputFileType,
};

constexpr SettingsKey kOther2Keys[] = {
    {"４つのウィンドウを同時に再描画", &CCoreSettings::m_syncRedraw},
    {"マニピュレーター表示", &CCoreSettings::m_manipulatorShown},
    {"ズーム反転", &CCoreSettings::m_zoomReverse},
    {"回転反転", &CCoreSettings::m_rotateReverse},
    {"移動反転", &CCoreSettings::m_moveReverse},
};

// The paths in the order of their lines; the renderer number and the MegaPOV
// version stand between the second and the third.
using PathField = CString CCoreSettings::*;
constexpr PathField kPaths[] = {
    &CCoreSettings::m_povRayPath, &CCoreSettings::m_megaPovPath,     &CCoreSettings::m_rendribPath,
    &CCoreSettings::m_bmrtFolder, &CCoreSettings::m_lightflowFolder, &CCoreSettings::m_pythonPath,
};
const std::span<const PathField> kLeadingPaths = std::span(kPaths).first(2);
const std::span<const PathField> kTrailingPaths = std::span(kPaths).subspan(2);
constexpr size_t kPathSectionLines = std::size(kPaths) + 2;

std::string FilePath() {
    return qf::SettingsPath("quel.ini");
}

// The words of a section in order, read the way formatted input reads them:
// runs of characters between blanks, tabs and line ends.
class CWordCursor {
public:
    explicit CWordCursor(const std::vector<CString>& lines) {
        for (const CString& line : lines) {
            const std::string_view text = line.view();
            size_t pos = 0;
            while (pos < text.size()) {
                pos = text.find_first_not_of(" \t\v\f", pos);
                if (pos == std::string_view::npos)
                    break;
                const size_t end = std::min(text.find_first_of(" \t\v\f", pos), text.size());
                m_words.emplace_back(text.substr(pos, end - pos));
                pos = end;
            }
        }
    }

    void Skip() {
        if (m_next < m_words.size())
            ++m_next;
    }
    // The next word as a number, with any text after the number ignored. The
    // word is taken either way; value keeps its own when the word is none.
    bool Int(int& value) {
        return m_next < m_words.size() && qf::ParseInt(m_words[m_next++], value, &m_rest);
    }
    bool Float(float& value) {
        return m_next < m_words.size() && qf::ParseFloat(m_words[m_next++], value, &m_rest);
    }
    void KeyedInt(int& value) {
        Skip();
        Int(value);
    }
    void KeyedFloat(float& value) {
        Skip();
        Float(value);
    }
    // A key and three components, packed when all three are numbers.
    void KeyedColor(COLORREF& color) {
        Skip();
        int r = 0, g = 0, b = 0;
        const bool red = Int(r), green = Int(g), blue = Int(b);
        if (red && green && blue)
            color = RGB(r, g, b);
    }

private:
    std::vector<std::string> m_words;
    size_t m_next = 0;
    std::string_view m_rest;
};

// A hand-edited or damaged file may hold anything; every value is brought
// into the range its dialog offers, since some of them size meshes and
// arrays. The comparisons are written so that a NaN fails them.
void Limit(int& value, int low, int high) {
    value = std::clamp(value, low, high);
}
void Limit(float& value, float low, float high) {
    value = value >= low ? std::min(value, high) : low;
}
// A choice outside its list falls back to the default.
void LimitChoice(int& value, int count, int fallback) {
    if (value < 0 || value >= count)
        value = fallback;
}

// An even curve smoothness within 2..20 drives both smoothness values, and
// the grid spacing is never below 1.
void AdjustPane(CPaneDisplaySettings& pane) {
    Limit(pane.m_gridSpacing, 1.0f, 1000.0f);
    Limit(pane.m_gridCount, 1, 1000);
    Limit(pane.m_curveResolution, 2, 20);
    if (pane.m_curveResolution % 2 != 0)
        ++pane.m_curveResolution;
    pane.m_surfaceResolution = pane.m_curveResolution;
}

void LimitToDialogRanges(CCoreSettings& s) {
    const CCoreSettings defaults;
    for (CPaneDisplaySettings& pane : s.m_panes)
        AdjustPane(pane);
    Limit(s.m_latheCount, 3, 100);
    Limit(s.m_vertexSize, 1.0f, 10.0f);
    Limit(s.m_cameraRotateSpeed, 0.0f, 10.0f);
    LimitChoice(s.m_vertexSelectOption, 3, defaults.m_vertexSelectOption);
    LimitChoice(s.m_normalRenderer, 2, defaults.m_normalRenderer);
    if (!std::isfinite(s.m_megaPovVersion))
        s.m_megaPovVersion = defaults.m_megaPovVersion;
    // The output values share the ranges of the render settings dialog.
    Limit(s.m_imageWidth, 1, 10000);
    Limit(s.m_imageHeight, 1, 10000);
    Limit(s.m_antiThreshold, 0.0f, 1.0f);
    Limit(s.m_jitterAmount, 0.0f, 1.0f);
    LimitChoice(s.m_antiSamplingMethod, 2, defaults.m_antiSamplingMethod);
    Limit(s.m_antiDepth, 1, 6);
    LimitChoice(s.m_outputFileType, 5, defaults.m_outputFileType);
}

// A path is stored as one line, so it must not hold a line end or a NUL.
bool IsStorablePath(const CString& path) {
    return path.view().find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

void ParsePaths(CCoreSettings& s, std::vector<CString> lines) {
    // The section ends with one empty line; older files lack the last paths.
    if (lines.size() < kPathSectionLines + 1 && !lines.empty() && lines.back().IsEmpty())
        lines.pop_back();
    size_t i = 0;
    for (PathField path : kLeadingPaths)
        if (i < lines.size())
            s.*path = lines[i++];
    if (i < lines.size())
        CWordCursor({lines[i++]}).KeyedInt(s.m_normalRenderer);
    if (i < lines.size())
        CWordCursor({lines[i++]}).KeyedFloat(s.m_megaPovVersion);
    for (PathField path : kTrailingPaths)
        if (i < lines.size())
            s.*path = lines[i++];
}

void ParseSection(CCoreSettings& s, const char* section, const std::vector<CString>& lines) {
    if (section == kPathSection) {
        ParsePaths(s, lines);
        return;
    }
    CWordCursor words(lines);
    if (section == kColorSection) {
        for (const ColorKey& c : kColors)
            words.KeyedColor(s.*c.field);
    } else if (section == kMouseSection) {
        for (const SettingsKey& k : kMouseKeys)
            words.KeyedInt(s.*k.field);
    } else if (section == kDrawSection) {
        for (CPaneDisplaySettings& pane : s.m_panes) {
            words.Skip();
            for (const PaneKey& k : kPaneDrawKeys)
                words.KeyedInt(pane.*k.field);
            words.KeyedFloat(pane.m_gridSpacing);
        }
    } else if (section == kOtherSection) {
        words.KeyedInt(s.m_latheCount);
        words.KeyedFloat(s.m_vertexSize);
        words.KeyedFloat(s.m_cameraRotateSpeed);
        words.KeyedInt(s.m_vertexSelectOption);
    } else if (section == kRenderSection) {
        words.Int(s.m_imageWidth);
        words.Int(s.m_imageHeight);
        words.Float(s.m_antiThreshold);
        words.Float(s.m_jitterAmount);
        for (int CCoreSettings::*value : kRenderInts)
            words.Int(s.*value);
    } else if (section == kDraw2Section) {
        for (CPaneDisplaySettings& pane : s.m_panes) {
            words.Skip();
            for (const PaneKey& k : kPaneGridKeys)
                words.KeyedInt(pane.*k.field);
            words.Skip();
            for (int& lock : pane.m_gridLock)
                words.Int(lock);
            for (const PaneKey& k : kPaneViewKeys)
                words.KeyedInt(pane.*k.field);
        }
    } else if (section == kOther2Section) {
        for (const SettingsKey& k : kOther2Keys)
            words.KeyedInt(s.*k.field);
    }
}

// The section a line opens, or null.
const char* SectionOf(CString line) {
    line.Trim();
    for (const char* section : {kColorSection, kPathSection, kMouseSection, kDrawSection, kOtherSection,
                                kRenderSection, kDraw2Section, kOther2Section})
        if (line == section)
            return section;
    return nullptr;
}

} // namespace

CCoreSettings::CCoreSettings() {
    m_panes[1].m_showGridXZ = 1;
}

bool CQuelIniFile::Read(std::string* error) {
    return ReadSettingsFile(
        FilePath(), [this](qf::CTextFileReader& file) { Parse(file); }, error,
        [this](std::string* why) { return Write(why); });
}

void CQuelIniFile::Parse(qf::CTextFileReader& file) {
    const char* section = nullptr;
    std::vector<CString> body;
    while (!file.AtEnd()) {
        CString line = ReadLineText(file);
        if (const char* next = SectionOf(line)) {
            if (section)
                ParseSection(m_settings, section, body);
            section = next;
            body.clear();
        } else if (section) {
            body.push_back(std::move(line));
        }
    }
    if (section)
        ParseSection(m_settings, section, body);
    LimitToDialogRanges(m_settings);
}

bool CQuelIniFile::Write(std::string* error) const {
    const CCoreSettings& s = m_settings;
    for (PathField path : kPaths) {
        if (!IsStorablePath(s.*path)) {
            if (error)
                *error = "the path \"" + (s.*path).str() + "\" holds a line break and cannot be stored";
            return false;
        }
    }
    qf::CTextFileWriter file(FilePath());
    file.WriteLine(kWarningLine);
    file.WriteLine("");

    file.WriteLine(kColorSection);
    for (const ColorKey& c : kColors) {
        const COLORREF color = s.*c.field;
        file.Printf("%s %d %d %d\n", c.key, GetRValue(color), GetGValue(color), GetBValue(color));
    }
    file.WriteLine("");

    file.WriteLine(kPathSection);
    for (PathField path : kLeadingPaths)
        file.WriteLine((s.*path).view());
    file.Printf("%s %d\n", kRendererKey, s.m_normalRenderer);
    file.Printf("%s %0.3f\n", kMegaPovVersionKey, s.m_megaPovVersion);
    for (PathField path : kTrailingPaths)
        file.WriteLine((s.*path).view());
    file.WriteLine("");

    file.WriteLine(kMouseSection);
    for (const SettingsKey& k : kMouseKeys)
        file.Printf("%s %d\n", k.key, s.*k.field);
    file.WriteLine("");

    file.WriteLine(kDrawSection);
    for (size_t i = 0; i < s.m_panes.size(); ++i) {
        const CPaneDisplaySettings& pane = s.m_panes[i];
        file.WriteLine(kPaneMarkers[i]);
        for (const PaneKey& k : kPaneDrawKeys)
            file.Printf("%s %d\n", k.key, pane.*k.field);
        file.Printf("%s %0.3f\n", kGridSpacingKey, pane.m_gridSpacing);
    }
    file.WriteLine("");

    file.WriteLine(kOtherSection);
    file.Printf("%s %d\n", kLatheKey, s.m_latheCount);
    file.Printf("%s %0.3f\n", kVertexSizeKey, s.m_vertexSize);
    file.Printf("%s %0.3f\n", kRotateSpeedKey, s.m_cameraRotateSpeed);
    file.Printf("%s %d\n", kSelectOptionKey, s.m_vertexSelectOption);
    file.WriteLine("");

    file.WriteLine(kRenderSection);
    file.Printf("%d\n%d\n%0.3f\n%0.3f\n", s.m_imageWidth, s.m_imageHeight, s.m_antiThreshold,
                s.m_jitterAmount);
    for (int CCoreSettings::*value : kRenderInts)
        file.Printf("%d\n", s.*value);
    file.WriteLine("");

    file.WriteLine(kDraw2Section);
    for (size_t i = 0; i < s.m_panes.size(); ++i) {
        const CPaneDisplaySettings& pane = s.m_panes[i];
        file.WriteLine(kPaneMarkers[i]);
        for (const PaneKey& k : kPaneGridKeys)
            file.Printf("%s %d\n", k.key, pane.*k.field);
        file.Printf("%s %d %d %d\n", kGridLockKey, pane.m_gridLock[0], pane.m_gridLock[1],
                    pane.m_gridLock[2]);
        for (const PaneKey& k : kPaneViewKeys)
            file.Printf("%s %d\n", k.key, pane.*k.field);
    }
    file.WriteLine("");

    file.WriteLine(kOther2Section);
    for (const SettingsKey& k : kOther2Keys)
        file.Printf("%s %d\n", k.key, s.*k.field);
    return CloseSettingsFile(file, error);
}
