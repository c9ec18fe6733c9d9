#include "render/lightflow_writer.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/base/file_util.h"
#include "platform/base/text_file.h"
#include "render/pov_exporter.h"
#include "render/render_support.h"
#include "render/rib_writer.h"

namespace {

double Scaled(uint32_t color, int shift, double scale) {
    return ((color >> shift) & 0xFF) / 255.0 * scale;
}

// A name inside a Python string literal between double quotes.
std::string PythonStringText(const CString& text) {
    std::string out;
    for (char c : text.str()) {
        if (c == '\\' || c == '"')
            out += '\\';
        if (c == '\n' || c == '\r')
            c = ' ';
        out += c;
    }
    return out;
}

// The file's name without folder and extension.
CString FileTitle(const CString& path) {
    std::string name = path.str();
    if (const size_t slash = name.rfind('/'); slash != std::string::npos)
        name.erase(0, slash + 1);
    if (const size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0)
        name.erase(dot);
    return CString(name);
}

} // namespace

void CLightflowExporter::WriteLight(const CLightData& light, qf::CTextFileWriter& file) {
    const CVector3& at = light.m_location;
    const char* kind = light.m_type == lightArea                                    ? "soft"
                       : light.m_type == lightSpot || light.m_type == lightCylinder ? "conic"
                                                                                    : "point";
    file.Printf("s.lightOn( s.newLight( \"%s\", [ \"position\", vector3( %0.3f, %0.3f, %0.3f ), ", kind,
                at.GetX(), at.GetY(), -at.GetZ());
    if (light.m_type == lightSpot || light.m_type == lightCylinder) {
        const CVector3& to = light.m_pointAt;
        file.Printf("\"direction\", vector3( %0.3f, %0.3f, %0.3f ), ", to.GetX(), to.GetY(), -to.GetZ());
        file.Printf("\"angle\", %0.3f,%0.3f, ", light.m_radius / 180.0 * 3.141592,
                    light.m_falloff / 180.0 * 3.141592);
    }
    if (light.m_type != lightArea && light.m_shadowless)
        file.Write("\"shadows\",0,");
    file.Write(" \"decay\", 0.000000, ");
    file.Printf("\"color\", vector3( %0.3f, %0.3f, %0.3f ) ] ) )\n\n", Scaled(light.m_color, 0, 300.0),
                Scaled(light.m_color, 8, 300.0), Scaled(light.m_color, 16, 300.0));
}

void CLightflowExporter::WriteObject(CSpatchObj& object, qf::CTextFileWriter& file) {
    if (object.GetNeedsRebuild())
        object.Rebuild();
    if (object.GetNetsDirty())
        object.UpdatePatchNets();
    const uint32_t color = object.GetColor();
    file.Printf(
        "plastic = s.newMaterial( \"standard\", [ \"kc\", vector3( %0.3f, %0.3f, %0.3f ), \"kd\", 0.5, "
        "\"km\", 0.1 ] )\n",
        Scaled(color, 0, 0.6), Scaled(color, 8, 0.6), Scaled(color, 16, 0.6));
    file.Write("s.materialBegin( plastic )\np = vector3array()\np.setSize( 4 * 4 )\n");
    auto writeNet = [&file](const PatchNet& net) {
        for (int i = 0; i < 16; ++i)
            file.Printf("p.set(%d,vector3(%0.3f, %0.3f, %0.3f)), ", i, net[3 * i], net[3 * i + 1],
                        -net[3 * i + 2]);
        file.Write("s.addObject( s.newObject( \"bspline\",[\"size\",4,4,\"step\",BezierStep(), BezierStep(), "
                   "\"basis\",BezierBasis(), BezierBasis(), \"points\",p,\"subdivision\",2,2] ) )\n");
    };
    for (const CPatch* patch : object.GetPatches()) {
        if (patch->m_sides == 4)
            writeNet(patch->Net(0));
        else if (patch->m_sides == 3)
            for (int k = 0; k < patch->NetCount(); ++k)
                writeNet(patch->Net(k));
    }
    file.Write("del p\ns.materialEnd()\n\n");
}

bool CLightflowExporter::WriteScript(qf::CTextFileWriter& file, const CString& imageName, int width,
                                     int height, bool forRender) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return false;
    // The script is UTF-8, and Lightflow's module runs under Python 2, which
    // refuses other than ASCII text without this line.
    file.Write(
        "#! /usr/bin/env python\n# -*- coding: utf-8 -*-\n\nfrom lightflowPM import *\n\ns = scene()\n\n");
    if (!doc->m_lights.IsEmpty()) {
        for (const CLightData* light : doc->m_lights)
            WriteLight(*light, file);
    } else if (!forRender) {
        for (const char* position : {"500.0, 500.0, 300.0", "-500.0, 500.0, 300.0", "500.0, 500.0, -300.0"})
            file.Printf(
                "s.lightOn( s.newLight( \"point\", [ \"position\", vector3( %s ), \"color\", vector3( 1.0, "
                "1.0, 1.0 ) ] ) )\n\n",
                position);
    } else {
        const double places[3][3] = {{500, 500, 300}, {-500, 500, 300}, {500, 500, -300}};
        for (int i = 0; i < 3; ++i) {
            file.Printf("s.transformBegin( transform().translation( vector3( %0.3f, %0.3f, %0.3f ) ) )\n",
                        places[i][0], places[i][1], places[i][2]);
            file.Printf(
                "s.lightOn( s.newLight( \"point\", [ \"position\", vector3( 0.0, 0.0, 0.0 ), \"color\", "
                "vector3( 10.0, 10.0, 10.0 ), \"decay\", 0.000000 ]%s) )\n\n",
                i < 2 ? "  " : " ");
            file.Write("s.transformEnd()\n\n");
        }
    }
    for (CSpatchObj* object : doc->m_objects)
        if (object->IsExportEffective())
            WriteObject(*object, file);
    file.Printf("saver = s.newImager( \"tga-saver\", [ \"file\", \"%s.tga\" ] )\n\n",
                PythonStringText(imageName).c_str());
    file.Write("s.imagerBegin( saver )\n\n");
    const CCamera& camera = doc->m_cameras[1];
    const CVector3 up = camera.GetUpVector();
    const double fov = WidthFieldOfView(camera, width, height);
    file.Printf(
        "camera = s.newCamera( \"pinhole\", [ \"eye\", vector3(%0.3f, %0.3f, %0.3f ), \"aim\", vector3( "
        "%0.3f, %0.3f, %0.3f ), \"up\" ,vector3(%0.3f, %0.3f, %0.3f ),\"fov\",%0.3f] )\n\n",
        camera.m_eye.GetX(), camera.m_eye.GetY(), -camera.m_eye.GetZ(), camera.m_target.GetX(),
        camera.m_target.GetY(), -camera.m_target.GetZ(), up.GetX(), up.GetY(), -up.GetZ(), fov);
    file.Write("s.imagerEnd()\n\n");
    file.Printf("s.render( camera, %d, %d )\n", width, height);
    return !file.Failed();
}

bool CLightflowExporter::ExportLightflow(const CString& path, std::string* error) {
    CBusyCursorScope busy;
    qf::CTextFileWriter file(path.str(), qf::TextEncoding::Utf8);
    const bool written = WriteScript(file, FileTitle(path), 320, 240, false);
    const bool closed = file.Close();
    if (error)
        *error = written ? file.GetError() : "there is no scene to write";
    return written && closed;
}

std::string CLightflowExporter::LightflowScript(const CString& folder, const CString& python,
                                                const std::string& script) {
    std::string text = "#!/bin/sh\n";
    text += "cd " + ShellQuote(folder.str()) + " || exit 1\n";
    text += "LIGHTFLOWPATH=" + ShellQuote(folder.str()) + "\n";
    text += "export LIGHTFLOWPATH\n";
    text += ShellQuote(python.str()) + " " + ShellQuote(script) + "\n";
    const std::string image = ShellQuote(qf::JoinPath(folder.str(), "quel.tga"));
    text += "[ -f " + image + " ] && xdg-open " + image + "\n";
    text += "exit";
    return text;
}

void CLightflowExporter::RenderWithLightflow() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    const CString folder = doc->m_settings.m_lightflowFolder;
    const CString python = doc->m_settings.m_pythonPath;
    if (!qf::FileExists(qf::JoinPath(folder.str(), "lftinfo"))) {
        TellRenderError("Lightflowのパスを確認してください", "Check Lightflow Path");
        return;
    }
    if (!qf::FileExists(python.str())) {
        TellRenderError("Pythonのパスを確認してください", "Check Python Path");
        return;
    }
    const CSize pane = GetPaneClientSize(1);
    const std::string scriptPath = qf::JoinPath(folder.str(), "quel.py");
    const std::string shellPath = qf::JoinPath(doc->GetProgramFolder().str(), "lightflow.sh");
    if (!WriteRenderFile(scriptPath,
                         [&](qf::CTextFileWriter& script) {
                             return WriteScript(script, "quel", pane.cx, pane.cy, true);
                         }) ||
        !WriteRenderFile(shellPath, [&](qf::CTextFileWriter& shell) {
            shell.Write(LightflowScript(folder, python, scriptPath));
            return true;
        }))
        return;
    StartRendererProgram({"/bin/sh", shellPath}, "レンダリングに失敗しました", "fail to render");
}

bool CLightflowExporter::IsExportEnabled() {
    return DocumentHasObjects();
}
