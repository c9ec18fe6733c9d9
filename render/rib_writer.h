#pragma once
// The scene as RenderMan RIB for BMRT: every exported patch object as
// bicubic Bezier patches under a plain plastic surface in its colour, lit by
// the document's lights (or a fixed rig when it has none), seen through the
// camera of pane 1. Five-sided patches are not written.
#include "platform/base/cstring.h"

#include <string>

class CSpatchObj;
namespace qf {
class CTextFileWriter;
}

class CRibWriter {
public:
    virtual ~CRibWriter() = default;

    // The whole RIB text of the current document for an image of width x
    // height. False when there is no document or the stream failed.
    bool WriteRib(qf::CTextFileWriter& file, int width, int height);
    // One object's attribute block; nothing when its export is not effective.
    void WriteObject(CSpatchObj* object, qf::CTextFileWriter& file);

    // Render > Rendering with BMRT: the RIB of pane 1's size into the
    // temporary folder and bmrt.sh, which runs rendrib on it, into the
    // settings folder; then the script is started. Both files are written
    // before anything starts; a failure is told to the user.
    void RenderWithBmrt();
    // The BMRT commands stay disabled: BMRT is not offered.
    static bool IsRenderEnabled() { return false; }
    static bool IsSettingEnabled() { return false; }
    void OnSetting() {}

    // The text of bmrt.sh for the BMRT folder, the rendrib program and the RIB file.
    static std::string BmrtScript(const CString& bmrtFolder, const CString& rendrib,
                                  const std::string& ribPath);
};

// File > Export > RenderMan(*.rib).
class CRibExporter {
public:
    virtual ~CRibExporter() = default;
    // The RIB text for 320 x 240 written to path; false, with the reason in
    // error and an old file as it was, when it cannot be written.
    bool ExportRib(const CString& path, std::string* error = nullptr);
    static bool IsExportEnabled();
};

// A text as one word of a POSIX shell script: between single quotes, each
// single quote written as '\''.
std::string ShellQuote(const std::string& text);
