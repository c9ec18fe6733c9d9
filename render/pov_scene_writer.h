#pragma once
// CPovSceneWriter: the current document as POV-Ray scene text. It writes into
// a text writer its caller made (UTF-8, so file names match the disk): the
// object declarations, normally an include file of their own, and the scene
// that uses them (header, global settings, cameras, lights, HDR sphere,
// material declarations, object statements). The renderer definition decides
// the dialect, the allowed keywords and how geometry is written; the render
// setting gives the render camera, the image size and radiosity.
//
// Both pointers must be set before writing. The document is looked up anew
// (GetDoc) by every operation; without one nothing is written. Patch objects
// are declared as quel_obj<n> and polygon objects as quel_poly<n>, n their
// list position; an object is declared, and placed, only when its geometry
// has a body POV-Ray accepts. Lights switched off are left out.
// User text is written so that it cannot end a string, comment or line early.
// WriteAll and WriteObjectDeclarations report whether the stream is still
// good; the caller closes it and checks that too (see pov_files.h).
#include "platform/base/cstring.h"

#include <functional>
#include <string>

class CBaseObj;
class CCamera;
class CPatchMesh;
class CPolygonObj;
class CQuelDoc;
class CRenderSetting;
class CRendererInfo;
class CSpatchObj;
namespace qf {
class CTextFileWriter;
}

class CPovSceneWriter {
public:
    CPovSceneWriter() = default;
    virtual ~CPovSceneWriter() = default;

    void SetRendererInfo(const CRendererInfo* info) { m_info = info; }
    void SetRenderSetting(const CRenderSetting* setting) { m_setting = setting; }

    // The scene: header, global settings, cameras, lights, HDR sphere,
    // materials, object statements. False when the stream failed.
    bool WriteAll(qf::CTextFileWriter& stream);
    void WriteHeader(qf::CTextFileWriter& stream);
    void WriteGlobalSettings(qf::CTextFileWriter& stream);
    // The four pane cameras as camera_a .. camera_d and the render camera.
    void WriteCameras(qf::CTextFileWriter& stream);
    void WriteCamera(qf::CTextFileWriter& stream, const CCamera& camera);
    void WriteHdrSphere(qf::CTextFileWriter& stream);
    int IsHdrEnabled() const;
    // The setting asks for radiosity and the renderer has a set of it to write.
    bool IsRadiosityWritten() const;
    void WriteLights(qf::CTextFileWriter& stream);
    void WriteMaterials(qf::CTextFileWriter& stream);
    void WriteObjects(qf::CTextFileWriter& stream);
    void WriteMaterialBody(const CBaseObj* object, qf::CTextFileWriter& stream);

    // The object include: version line and one declaration per exported
    // object with geometry. False when the stream failed.
    bool WriteObjectDeclarations(qf::CTextFileWriter& stream);
    // The right-hand side of one declaration; false, writing nothing, when
    // the object has no geometry POV-Ray accepts with this definition.
    bool WriteObjectGeometry(qf::CTextFileWriter& stream, CSpatchObj* object);

private:
    // The object to write after rebuilding it and its mirrored copy: the
    // copy when the object has one.
    static CSpatchObj* PrepareForOutput(CSpatchObj& object);
    // Calls patchObject for each exported patch object with geometry, with
    // its position in the list, and polygonObject for each such polygon object.
    void ForEachDeclaredObject(CQuelDoc& doc,
                               const std::function<void(CSpatchObj& object, int index)>& patchObject,
                               const std::function<void(CPolygonObj& object, int index)>& polygonObject);
    // Prepared object: whether its geometry has at least one patch block or face.
    bool HasGeometry(CSpatchObj& written) const;
    bool HasGeometry(const CPolygonObj& object) const;
    void WritePatches(qf::CTextFileWriter& stream, CSpatchObj& written) const;
    // "mesh" or "mesh2" by the definition; flat triangles when the mesh's crease angle is 0.
    void WritePolygonForm(qf::CTextFileWriter& stream, const CPatchMesh& mesh) const;
    void WriteMesh(qf::CTextFileWriter& stream, const CPatchMesh& mesh) const;
    void WriteMesh2(qf::CTextFileWriter& stream, const CPatchMesh& mesh) const;
    void WriteStatement(qf::CTextFileWriter& stream, const CBaseObj& object, const char* prefix, int index);
    void WriteVersionLine(qf::CTextFileWriter& stream) const;

    const CRendererInfo* m_info = nullptr;
    const CRenderSetting* m_setting = nullptr;
};
