#pragma once
// The OpenGL drawing options of the viewports. Five of them are kept in
// quel_opengl.ini in the settings folder, one "key value" line each; the
// clipping planes and the debug lighting values live only for the run.
#include "platform/base/text_file.h"

#include <string>

class COpenGLSetting {
public:
    // Reads quel_opengl.ini; when it does not exist, writes it with the
    // current values. Keys may come in any order; an empty line ends the
    // reading. False (values kept) when the file cannot be read or written.
    bool Read(std::string* error = nullptr);
    // Replaces quel_opengl.ini with the five stored values.
    bool Write(std::string* error = nullptr) const;
    void Parse(qf::CTextFileReader& file);

    int use_displaylist = 1;
    int draw_curve_on_surface = 1;
    double near_plane = 5.0;
    double far_plane = 5000.0;
    int curve_type = 0;   // 0 "Type1", 1 "Type2"
    int surface_type = 0; // 0 "Type1", 1 "Type2"
    int draw_alpha_surface_with_light = 0;
    float specular = 0.2f;
    float shininess = 10.0f;
};
