#include "app/render_setting.h"

#include "app/settings_text.h"
#include "platform/base/file_util.h"

#include <climits>

namespace {

using IntField = KeyedField<CRenderSetting>;

// The ranges the render settings dialog offers; outside them the default
// stands, so the run file written from the values is one the renderer accepts.
constexpr RangedField<CRenderSetting> kNumbers[] = {
    {"renderer_index", &CRenderSetting::renderer_index, -1, INT_MAX},
    {"image_type", &CRenderSetting::image_type, 1, 5},
    {"rendering_type", &CRenderSetting::rendering_type, 0, 1},
    {"image_w", &CRenderSetting::image_w, 1, 10000},
    {"image_h", &CRenderSetting::image_h, 1, 10000},
    {"aspect_x", &CRenderSetting::aspect_x, 1, 30},
    {"aspect_y", &CRenderSetting::aspect_y, 1, 30},
    {"anti_rays", &CRenderSetting::anti_rays, 1, 6},
    {"sampling_method", &CRenderSetting::sampling_method, 0, 1},
    {"preview_render_camera", &CRenderSetting::preview_render_camera, 0, 3},
};

// The anti-aliasing threshold and jitter amount share the range 0..1.
void ReadUnitFloat(const CString& value, float& field, float fallback) {
    const float read = StringToFloat(value);
    field = read >= 0.0f && read <= 1.0f ? read : fallback;
}

constexpr IntField kSwitches[] = {
    {"use_aspect", &CRenderSetting::use_aspect},
    {"use_radiosity", &CRenderSetting::use_radiosity},
    {"use_alpha", &CRenderSetting::use_alpha},
    {"use_anti", &CRenderSetting::use_anti},
    {"anti_use_jitter", &CRenderSetting::anti_use_jitter},
};

const char* ExtensionOf(int type) {
    switch (type) {
    case 1:
        return ".bmp";
    case 2:
        return ".png";
    case 3:
        return ".ppm";
    case 4:
    case 5:
        return ".tga";
    default:
        return "";
    }
}

} // namespace

CRenderSetting::CRenderSetting() {
    UpdateFileExtension();
}

CRenderSetting& CRenderSetting::operator=(const CRenderSetting& other) {
    renderer_index = other.renderer_index;
    image_type = other.image_type;
    output_folder = other.output_folder;
    output_filename = other.output_filename;
    rendering_type = other.rendering_type;
    image_w = other.image_w;
    image_h = other.image_h;
    aspect_x = other.aspect_x;
    aspect_y = other.aspect_y;
    use_aspect = other.use_aspect;
    use_radiosity = other.use_radiosity;
    use_alpha = other.use_alpha;
    use_anti = other.use_anti;
    anti_threshold = other.anti_threshold;
    anti_jitter = other.anti_jitter;
    anti_use_jitter = other.anti_use_jitter;
    anti_rays = other.anti_rays;
    sampling_method = other.sampling_method;
    preview_render_camera = other.preview_render_camera;
    return *this;
}

bool CRenderSetting::LoadFile(std::string* error) {
    if (setting_file_name.IsEmpty())
        return true;
    return ReadSettingsFile(
        qf::SettingsPath(setting_file_name.str()), [this](qf::CTextFileReader& file) { ParseFile(file); },
        error);
}

void CRenderSetting::ParseFile(qf::CTextFileReader& file) {
    CString line;
    while (file.ReadLine(line)) {
        if (!(line == "[render setting]"))
            continue;
        while (file.ReadLine(line) && !(line == "[end]")) {
            CString key, rest;
            SplitEntry(line, key, rest);
            ApplyEntry(key, ExtractToken(rest, 1));
        }
    }
}

void CRenderSetting::ApplyEntry(const CString& key, const CString& value) {
    static const CRenderSetting defaults;
    ApplyRangedField(kNumbers, *this, key, value);
    for (const IntField& on : kSwitches)
        if (key == on.key)
            this->*on.field = value == "on" ? 1 : 0;
    if (key == "anti_threshold")
        ReadUnitFloat(value, anti_threshold, defaults.anti_threshold);
    else if (key == "anti_jitter")
        ReadUnitFloat(value, anti_jitter, defaults.anti_jitter);
    else if (key == "output_folder")
        output_folder = value;
    else if (key == "output_filename")
        output_filename = value;
}

bool CRenderSetting::SaveFile(std::string* error) const {
    if (setting_file_name.IsEmpty())
        return true;
    qf::CTextFileWriter file(qf::SettingsPath(setting_file_name.str()));
    file.Write("[render setting]\n\n");
    WriteIntEntry(file, "renderer_index", renderer_index);
    WriteIntEntry(file, "image_type", image_type);
    const char* refused = nullptr;
    if (!WriteQuotedEntry(file, "output_folder", output_folder))
        refused = "output folder";
    if (!WriteQuotedEntry(file, "output_filename", output_filename))
        refused = "output file name";
    if (refused) {
        if (error)
            *error = std::string("the ") + refused +
                     " holds a double quote, a line break or a character without a CP932 form";
        return false;
    }
    file.Write("\n");
    WriteIntEntry(file, "rendering_type", rendering_type);
    WriteIntEntry(file, "image_w", image_w);
    WriteIntEntry(file, "image_h", image_h);
    WriteIntEntry(file, "aspect_x", aspect_x);
    WriteIntEntry(file, "aspect_y", aspect_y);
    WriteSwitchEntry(file, "use_aspect", use_aspect);
    WriteSwitchEntry(file, "use_radiosity", use_radiosity);
    WriteSwitchEntry(file, "use_alpha", use_alpha);
    file.Write("\n");
    WriteSwitchEntry(file, "use_anti", use_anti);
    file.Printf("anti_threshold=\"%0.2f\"\n", anti_threshold);
    file.Printf("anti_jitter=\"%0.2f\"\n", anti_jitter);
    WriteSwitchEntry(file, "anti_use_jitter", anti_use_jitter);
    WriteIntEntry(file, "anti_rays", anti_rays);
    WriteIntEntry(file, "sampling_method", sampling_method);
    WriteIntEntry(file, "preview_render_camera", preview_render_camera);
    file.Write("\n[end]\n");
    return CloseSettingsFile(file, error);
}

void CRenderSetting::UpdateFileExtension() {
    if (output_filename.IsEmpty())
        return;
    const CString ext = output_filename.Right(4);
    int known = 0;
    if (ext == ".bmp")
        known = 1;
    else if (ext == ".png")
        known = 2;
    else if (ext == ".ppm")
        known = 3;
    else if (ext == ".tga")
        known = 5;
    const int wanted = image_type == 4 ? 5 : image_type;
    if (wanted == known)
        return;
    if (known != 0)
        output_filename = output_filename.Left(output_filename.GetLength() - 4);
    output_filename += ExtensionOf(wanted);
}
