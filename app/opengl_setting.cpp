#include "app/opengl_setting.h"

#include "app/settings_text.h"
#include "platform/base/file_util.h"

namespace {

using StoredField = KeyedField<COpenGLSetting>;

// In the order the file is written.
constexpr StoredField kStored[] = {
    {"curve_type", &COpenGLSetting::curve_type},
    {"surface_type", &COpenGLSetting::surface_type},
    {"use_displaylist", &COpenGLSetting::use_displaylist},
    {"draw_curve_on_surface", &COpenGLSetting::draw_curve_on_surface},
    {"draw_alpha_surface_with_light", &COpenGLSetting::draw_alpha_surface_with_light},
};

std::string FilePath() {
    return qf::SettingsPath("quel_opengl.ini");
}

} // namespace

bool COpenGLSetting::Read(std::string* error) {
    return ReadSettingsFile(
        FilePath(), [this](qf::CTextFileReader& file) { Parse(file); }, error,
        [this](std::string* why) { return Write(why); });
}

void COpenGLSetting::Parse(qf::CTextFileReader& file) {
    for (CString line = ReadLineText(file); !line.IsEmpty(); line = ReadLineText(file)) {
        const CString key = ExtractToken(line, 0);
        for (const StoredField& stored : kStored)
            if (key == stored.key)
                this->*stored.field = ReadIntToken(line);
    }
}

bool COpenGLSetting::Write(std::string* error) const {
    qf::CTextFileWriter file(FilePath());
    for (const StoredField& stored : kStored)
        file.Printf("%s %d\n", stored.key, this->*stored.field);
    return CloseSettingsFile(file, error);
}
