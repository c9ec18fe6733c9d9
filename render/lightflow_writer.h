#pragma once
// CLightflowExporter: the scene as a Python script for the Lightflow
// renderer: its lights (or three white point lights when it has none), every
// exported patch object's three- and four-sided patches as Bezier patches in
// a plastic of the object's colour, and the camera of pane 1, with z negated.
// It exports the script, or writes it into the Lightflow folder with
// lightflow.sh, which runs Python on it and opens the image, and starts that.
#include "platform/base/cstring.h"

#include <string>

class CLightData;
class CSpatchObj;
namespace qf {
class CTextFileWriter;
}

class CLightflowExporter {
public:
    virtual ~CLightflowExporter() = default;

    // The script for the current document. forRender picks the lights of a
    // render when the document has none. False without a document or when the
    // stream failed.
    bool WriteScript(qf::CTextFileWriter& file, const CString& imageName, int width, int height,
                     bool forRender);
    // File > Export > Lightflow(*.py): the script for 320 x 240, the image
    // named after the file. False, with the reason in error, when it cannot be written.
    bool ExportLightflow(const CString& path, std::string* error = nullptr);
    // Render > Rendering with LightFlow. A Lightflow folder without lftinfo or
    // a missing Python program is told before anything is written.
    void RenderWithLightflow();

    static bool IsExportEnabled();
    static bool IsRenderEnabled() { return IsExportEnabled(); }
    static bool IsSettingEnabled() { return false; }
    void OnSetting() {}

    // The text of lightflow.sh.
    static std::string LightflowScript(const CString& folder, const CString& python,
                                       const std::string& script);

private:
    void WriteLight(const CLightData& light, qf::CTextFileWriter& file);
    void WriteObject(CSpatchObj& object, qf::CTextFileWriter& file);
};
