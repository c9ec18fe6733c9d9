#include "app/renderer_list.h"

#include "app/settings_text.h"
#include "platform/base/c_locale.h"
#include "platform/base/file_util.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Switch = KeyedField<CRendererInfo>;

// Written "on" only when set, in file order, broken into the runs the file groups them in.
constexpr Switch kModifiers[] = {
    {"no_image", &CRendererInfo::no_image},
    {"no_reflection", &CRendererInfo::no_reflection},
};
constexpr Switch kSyntax[] = {
    {"uv_mapping", &CRendererInfo::uv_mapping},
    {"double_illuminate", &CRendererInfo::double_illuminate},
};
constexpr Switch kLights[] = {
    {"light_parallel", &CRendererInfo::light_parallel},
    {"light_orient", &CRendererInfo::light_orient},
    {"light_circular", &CRendererInfo::light_circular},
    {"light_shadow_pigment", &CRendererInfo::light_shadow_pigment},
};
constexpr Switch kEffects[] = {
    {"post_process", &CRendererInfo::post_process},
    {"pp_motion_blur", &CRendererInfo::pp_motion_blur},
    {"pp_focal_blur", &CRendererInfo::pp_focal_blur},
    {"pp_soft_glow", &CRendererInfo::pp_soft_glow},
    {"pp_depth", &CRendererInfo::pp_depth},
    {"pp_stars", &CRendererInfo::pp_stars},
    {"pp_posterize", &CRendererInfo::pp_posterize},
    {"pp_normal", &CRendererInfo::pp_normal},
    {"pp_clip_color", &CRendererInfo::pp_clip_color},
    {"pp_invert", &CRendererInfo::pp_invert},
    {"pp_find_edge", &CRendererInfo::pp_find_edge},
    {"camera_image_size", &CRendererInfo::camera_image_size},
    {"hdr", &CRendererInfo::hdr},
    {"commandline_render", &CRendererInfo::commandline_render},
};
// Written "on" or "off" always.
constexpr Switch kOnOff[] = {
    {"no_shadow", &CRendererInfo::no_shadow},
    {"separate_pov_inc", &CRendererInfo::separate_pov_inc},
};
constexpr std::span<const Switch> kAllSwitches[] = {kModifiers, kSyntax, kLights, kEffects, kOnOff};

// The ranges the renderer dialog offers; outside them the default stands.
constexpr RangedField<CRendererInfo> kNumbers[] = {
    {"output_polygon_type", &CRendererInfo::output_polygon_type, 0, 1},
    {"output_patch_level", &CRendererInfo::output_patch_level, 1, 10},
    {"output_polygon_level", &CRendererInfo::output_polygon_level, 1, 10},
};

void WriteSwitches(qf::CTextFileWriter& file, const CRendererInfo& info, std::span<const Switch> switches) {
    for (const Switch& s : switches)
        WriteSwitchEntry(file, s.key, info.*s.field);
}

void WriteOnOff(qf::CTextFileWriter& file, const char* key, int on) {
    file.Printf("%s=\"%s\"\n", key, on ? "on" : "off");
}

std::string DefinitionFileName(int number) {
    return qf::FormatC("render%03d.ini", number);
}

// The number of a definition file name ("render" + digits + ".ini"), 0 for any other name.
int DefinitionNumber(const std::string& name) {
    constexpr std::string_view prefix = "render", suffix = ".ini";
    if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) || !name.ends_with(suffix))
        return 0;
    const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::max(StringToInt(CString(digits)), 1);
}

std::string ErrorText(const std::error_code& ec, const std::string& what, const fs::path& path) {
    return what + " \"" + path.string() + "\": " + ec.message();
}

} // namespace

void CRendererInfo::Load(qf::CTextFileReader& file) {
    enum class Section { none, basicInfo, setting } section = Section::none;
    CString line, key, rest;
    while (file.ReadLine(line)) {
        if (section == Section::none) {
            if (line == "[basic info]")
                section = Section::basicInfo;
            else if (line == "[setting]")
                section = Section::setting;
            continue;
        }
        if (line == "[end]") {
            section = Section::none;
            continue;
        }
        SplitEntry(line, key, rest);
        if (section == Section::basicInfo)
            ApplyBasicInfo(key, rest);
        else
            ApplySetting(key, ExtractToken(rest, 1));
    }
    if (title.IsEmpty())
        title = "untitled";
}

void CRendererInfo::ApplyBasicInfo(const CString& key, CString rest) {
    if (key == "title") {
        title = ExtractToken(rest, 1);
    } else if (key == "path") {
        path = ExtractToken(rest, 1);
    } else if (key == "version") {
        const CString kind = ExtractToken(rest, 0);
        if (kind == "official") {
            is_official = 1;
            if (ExtractToken(rest, 0) == "version")
                official_version = ExtractToken(rest, 1);
        } else if (kind == "unofficial") {
            is_official = 0;
            unofficial_name = ExtractToken(rest, 1);
            if (ExtractToken(rest, 0) == "version")
                unofficial_version = ExtractToken(rest, 1);
        }
    }
}

void CRendererInfo::ApplySetting(const CString& key, const CString& value) {
    for (std::span<const Switch> switches : kAllSwitches)
        for (const Switch& s : switches)
            if (key == s.key)
                this->*s.field = value == "on" ? 1 : 0;
    ApplyRangedField(kNumbers, *this, key, value);
    if (key == "patch_type" && value == "bezier_patch")
        patch_type = 1;
    else if (key == "bicubic_patch_type" && (value == "0" || value == "1"))
        bicubic_patch_type = value == "1" ? 1 : 0;
    else if (key == "radiosity_type")
        radiosity_type = value == "1" ? 1 : 0;
}

bool CRendererInfo::Save(qf::CTextFileWriter& file) const {
    const CString& version = is_official ? official_version : unofficial_version;
    if (!IsValidQuotedValue(version) || (!is_official && !IsValidQuotedValue(unofficial_name)))
        return false;
    file.Write("[basic info]\n\n");
    bool ok = WriteQuotedEntry(file, "title", title);
    ok = WriteQuotedEntry(file, "path", path) && ok;
    if (is_official)
        file.Printf("version=official version \"%s\"\n", version.GetString());
    else
        file.Printf("version=unofficial \"%s\" version \"%s\"\n", unofficial_name.GetString(),
                    version.GetString());
    file.Write("\n[end]\n\n[setting]\n\n");
    WriteSwitches(file, *this, kModifiers);
    WriteOnOff(file, "no_shadow", no_shadow);
    WriteSwitches(file, *this, kSyntax);
    if (patch_type == 1)
        file.Write("patch_type=\"bezier_patch\"\n");
    WriteIntEntry(file, "bicubic_patch_type", bicubic_patch_type);
    for (const RangedField<CRendererInfo>& number : kNumbers)
        WriteIntEntry(file, number.key, this->*number.field);
    file.Write("\n");
    WriteSwitches(file, *this, kLights);
    file.Write("\n");
    WriteSwitches(file, *this, kEffects);
    WriteOnOff(file, "separate_pov_inc", separate_pov_inc);
    WriteIntEntry(file, "radiosity_type", radiosity_type);
    file.Write("\n[end]\n\n");
    return ok;
}

std::string CRendererList::Folder() {
    return qf::SettingsPath("POV Render");
}

CRendererInfo InstalledPovRayDefinition() {
    CRendererInfo info;
    info.title = "POV-Ray 3.7";
    info.path = "povray";
    info.official_version = "3.7";
    info.light_parallel = 1;
    info.light_orient = 1;
    info.light_circular = 1;
    info.hdr = 1;
    return info;
}

bool CRendererList::LoadAll(std::string* error) {
    const fs::path folder = Folder();
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return true;
    std::vector<std::pair<int, std::string>> names;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code statError;
        const std::string name = it->path().filename().string();
        if (const int number = DefinitionNumber(name); number > 0 && it->is_regular_file(statError))
            names.emplace_back(number, name);
    }
    std::string firstError = ec ? ErrorText(ec, "cannot list", folder) : std::string();
    // The numbers carry the user's order; render1000 follows render999.
    std::sort(names.begin(), names.end());
    for (const auto& numbered : names) {
        const std::string& name = numbered.second;
        CRendererInfo* info = m_infos.Emplace();
        info->title = CString(name.substr(0, name.size() - 4));
        std::string why;
        if (auto file = OpenSettingsFile((folder / name).string(), &why))
            info->Load(*file);
        else if (firstError.empty())
            firstError = why;
    }
    if (error)
        *error = firstError;
    return firstError.empty();
}

bool CRendererList::SaveAll(std::string* error) const {
    const fs::path folder = Folder();
    // Everything is formatted first, so a definition that cannot be stored
    // leaves the folder as it was.
    std::vector<std::unique_ptr<qf::CTextFileWriter>> files;
    for (const CRendererInfo* info : m_infos) {
        auto file = std::make_unique<qf::CTextFileWriter>(
            (folder / DefinitionFileName(static_cast<int>(files.size()) + 1)).string());
        if (!info->Save(*file)) {
            if (error)
                *error = "the renderer definition \"" + info->title.str() +
                         "\" holds a double quote, a line break or a character without a CP932 form";
            return false;
        }
        files.push_back(std::move(file));
    }
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        if (files.empty())
            return true;
        if (!fs::create_directories(folder, ec)) {
            if (error)
                *error = ErrorText(ec, "cannot create", folder);
            return false;
        }
    }
    for (const auto& file : files)
        if (!CloseSettingsFile(*file, error))
            return false;
    return DeleteDefinitionFiles(folder.string(), static_cast<int>(files.size()), error);
}

bool CRendererList::DeleteDefinitionFiles(const std::string& folder, int keep, std::string* error) {
    std::vector<fs::path> stale;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code statError;
        const std::string name = it->path().filename().string();
        const int number = DefinitionNumber(name);
        if (number > 0 && it->is_regular_file(statError) &&
            (number > keep || name != DefinitionFileName(number)))
            stale.push_back(it->path());
    }
    std::string firstError = ec ? ErrorText(ec, "cannot list", folder) : std::string();
    for (const fs::path& path : stale)
        if (!fs::remove(path, ec) && ec && firstError.empty())
            firstError = ErrorText(ec, "cannot delete", path);
    if (error)
        *error = firstError;
    return firstError.empty();
}

void CRendererList::Add(const CRendererInfo& info) {
    m_infos.Emplace()->CopyFrom(info);
}

int CRendererList::Remove(const CRendererInfo* info, int& activeIndex) {
    const int position = m_infos.IndexOf(info);
    if (position < 0)
        return 0;
    m_infos.Remove(info);
    FollowRemoval(activeIndex, position);
    return 1;
}

void CRendererList::FollowRemoval(int& index, int position) {
    if (index == position)
        index = -1;
    else if (index > position)
        --index;
}

void CRendererList::FollowExchange(int& index, int first) {
    if (index == first)
        index = first + 1;
    else if (index == first + 1)
        index = first;
}

int CRendererList::MoveUp(int position, int& activeIndex) {
    if (position < 1 || position >= GetCount())
        return 0;
    Exchange(position - 1, activeIndex);
    return 1;
}

int CRendererList::MoveDown(int position, int& activeIndex) {
    if (position < 0 || position >= GetCount() - 1)
        return 0;
    Exchange(position, activeIndex);
    return 1;
}

void CRendererList::Exchange(int first, int& activeIndex) {
    CRendererInfo* a = GetAt(first);
    CRendererInfo* b = GetAt(first + 1);
    CRendererInfo temp;
    temp.CopyFrom(*a);
    a->CopyFrom(*b);
    b->CopyFrom(temp);
    FollowExchange(activeIndex, first);
}
