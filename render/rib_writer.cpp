#include "render/rib_writer.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/base/file_util.h"
#include "platform/base/text_file.h"
#include "render/pov_exporter.h"
#include "render/render_support.h"

namespace {

double Channel(uint32_t color, int shift) {
    return ((color >> shift) & 0xFF) / 255.0;
}

} // namespace

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

bool CRibWriter::WriteRib(qf::CTextFileWriter& file, int width, int height) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return false;
    const CCamera& camera = doc->m_cameras[1];
    file.Write("##RenderMan RIB-Structure 1.0\nversion 3.03\n\n");
    file.Write("Display \"quel_out.tif\" \"file\" \"rgba\"\n");
    file.Printf("Format %d %d 1\n", width, height);
    file.Printf("Projection \"perspective\" \"fov\" [%0.3f ]\n",
                WidthFieldOfView(camera, width, height) * 180.0 / 3.1415927);
    file.Printf("Rotate %0.3f 1 0 0\n", -camera.GetPitch());
    file.Printf("Rotate %0.3f 0 1 0\n", -camera.GetYaw());
    file.Printf("Translate %0.3f %0.3f %0.3f\n", -camera.m_eye.GetX(), -camera.m_eye.GetY(),
                -camera.m_eye.GetZ());
    file.Write("FrameBegin 1\n");
    file.Write("LightSource \"ambientlight\" 1 \"intensity\" [0.3 ]\n");
    if (doc->m_lights.IsEmpty()) {
        file.Write(
            "LightSource \"distantlight\" 2 \"intensity\" [1 ] \"lightcolor\" [1 1 1] \"from\" [0 100 -200] "
            "\"to\" [0 0 0]\n");
        file.Write(
            "LightSource \"distantlight\" 3 \"intensity\" [0.6 ] \"lightcolor\" [0.4 0.5 0.4] \"from\" "
            "[200 10 0] \"to\" [0 0 0]\n");
        file.Write(
            "LightSource \"distantlight\" 4 \"intensity\" [1 ] \"lightcolor\" [1 1 1] \"from\" [-50 10 200] "
            "\"to\" [0 0 0]\n");
    } else {
        doc->RenumberLights();
        for (const CLightData* light : doc->m_lights)
            light->WriteRenderMan(file);
    }
    file.Write("WorldBegin\n");
    for (CSpatchObj* object : doc->m_objects)
        WriteObject(object, file);
    file.Write("WorldEnd\nFrameEnd\n");
    return !file.Failed();
}

void CRibWriter::WriteObject(CSpatchObj* object, qf::CTextFileWriter& file) {
    if (!object || !object->IsExportEffective())
        return;
    if (object->GetNeedsRebuild())
        object->Rebuild();
    if (object->GetNetsDirty())
        object->UpdatePatchNets();
    // A name is the rest of a comment line: a line break in it would end the comment.
    CString name = object->GetName();
    name.Replace("\r", " ");
    name.Replace("\n", " ");
    file.Printf("## %s\n", name.GetString());
    file.Write("AttributeBegin\n");
    const uint32_t color = object->GetColor();
    file.Printf("Color [%0.3f %0.3f %0.3f]\n", Channel(color, 0), Channel(color, 8), Channel(color, 16));
    file.Write("Surface \"plastic\" \"Ka\" [0.5 ] \"Kd\" [0.5 ] \"Ks\" [2 ]\n");
    file.Write("TransformBegin\n");
    file.Write("Basis \"bezier\" 3 \"bezier\" 3\n");
    auto writeNet = [&file](const PatchNet& net) {
        file.Write("Patch \"bicubic\" \"P\" [");
        for (int i = 0; i < 16; ++i)
            file.Printf("%0.3f %0.3f %0.3f ", net[3 * i], net[3 * i + 1], net[3 * i + 2]);
        file.Write("]\n");
    };
    for (const CPatch* patch : object->GetPatches()) {
        if (patch->m_sides == 4)
            writeNet(patch->Net(0));
        else if (patch->m_sides == 3)
            for (int k = 0; k < patch->NetCount(); ++k)
                writeNet(patch->Net(k));
    }
    file.Write("TransformEnd\nAttributeEnd\n\n");
}

std::string CRibWriter::BmrtScript(const CString& bmrtFolder, const CString& rendrib,
                                   const std::string& ribPath) {
    const std::string folder = bmrtFolder.str();
    const std::string bin = folder + "/bin";
    std::string text = "#!/bin/sh\n";
    text += "cd " + ShellQuote(bin) + " || exit 1\n";
    text += "PATH=\"$PATH\":" + ShellQuote(bin) + "\n";
    text += "HOME=" + ShellQuote(folder + "/") + "\n";
    text += "SHADERS=" + ShellQuote(folder + "/shaders") + "\n";
    text += "export PATH HOME SHADERS\n";
    text += ShellQuote(rendrib.str()) + " -d 8 -res 640 480 -samples 1 1 " + ShellQuote(ribPath) + "\n";
    text += IsEnglish() ? "echo finish\n" : "echo 終了しました\n";
    text += "exit\n";
    return text;
}

void CRibWriter::RenderWithBmrt() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    const CSize pane = GetPaneClientSize(1);
    const std::string ribPath = qf::TempPath("quel_rib.rib");
    const std::string scriptPath = qf::JoinPath(doc->GetProgramFolder().str(), "bmrt.sh");
    if (!WriteRenderFile(ribPath,
                         [&](qf::CTextFileWriter& rib) { return WriteRib(rib, pane.cx, pane.cy); }) ||
        !WriteRenderFile(scriptPath, [&](qf::CTextFileWriter& script) {
            script.Write(BmrtScript(doc->m_settings.m_bmrtFolder, doc->m_settings.m_rendribPath, ribPath));
            return true;
        }))
        return;
    StartRendererProgram({"/bin/sh", scriptPath}, "レンダリングに失敗しました", "fail to render");
}

bool CRibExporter::ExportRib(const CString& path, std::string* error) {
    CBusyCursorScope busy;
    qf::CTextFileWriter file(path.str(), qf::TextEncoding::Utf8);
    const bool written = CRibWriter().WriteRib(file, 320, 240);
    const bool closed = file.Close();
    if (error)
        *error = written ? file.GetError() : "there is no scene to write";
    return written && closed;
}

bool CRibExporter::IsExportEnabled() {
    return DocumentHasObjects();
}
