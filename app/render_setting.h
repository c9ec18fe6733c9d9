#pragma once
// How the POV-Ray render command makes its image: the active renderer
// definition, the output file, the image size and the run-file switches. The
// document owns one for the run; render_setting.ini in the settings folder
// keeps it between runs.
#include "platform/base/cstring.h"
#include "platform/base/text_file.h"

#include <string>

class CRenderSetting {
public:
    CRenderSetting();
    // Copying takes the user's settings only: the render-pane state and the
    // file name of the target stay, so a dialog's scratch copy never saves.
    CRenderSetting(const CRenderSetting&) = delete;
    CRenderSetting& operator=(const CRenderSetting& other);

    // Reads the settings folder's file named setting_file_name, when set. A
    // missing file keeps the defaults and is no error; false (defaults kept)
    // when the file exists but cannot be read.
    bool LoadFile(std::string* error = nullptr);
    // Replaces that file with the current values; false, leaving the old file
    // as it was, when it cannot be written or a text cannot stand in it.
    bool SaveFile(std::string* error = nullptr) const;
    // Reads "[render setting]" sections; fields the file does not mention keep
    // their values, and a number outside the range the render settings dialog
    // offers takes its default.
    void ParseFile(qf::CTextFileReader& file);
    // Gives output_filename the extension of image_type.
    void UpdateFileExtension();

    int renderer_index = -1; // position in the renderer list; -1 none
    int image_type = 2;      // 1 bmp, 2 png, 3 ppm, 4 tga compressed, 5 tga uncompressed
    CString output_folder;   // empty: the user's desktop folder
    CString output_filename = "untitled";
    int rendering_type = 0;   // 0 the pane's client size, 1 image_w by image_h
    int render_pane_flag = 0; // set by the pane render commands; never stored
    int render_pane = 1;      // pane 0..3 being rendered; never stored
    int image_w = 640;
    int image_h = 480;
    int aspect_x = 4;
    int aspect_y = 3;
    int use_aspect = 0;
    int use_radiosity = 0;
    int use_alpha = 0;
    int use_anti = 0;
    float anti_threshold = 0.3f;
    float anti_jitter = 1.0f;
    int anti_use_jitter = 0;
    int anti_rays = 3;
    int sampling_method = 0; // 0 non-adaptive, 1 adaptive
    int preview_render_camera = 1;
    CString setting_file_name; // empty: neither loaded nor saved

private:
    void ApplyEntry(const CString& key, const CString& value);
};
