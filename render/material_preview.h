#pragma once
// The material preview scene: the scene header of the renderer definition,
// two fixed lights, the preview background, the preview camera, the preview
// shape wearing the material and the optional checkered planes.
class CMaterialData;
class CPovSceneWriter;
struct CMaterialPreviewSetting;
namespace qf {
class CTextFileWriter;
}

// The writer must have its renderer definition set. False when the stream failed.
bool WriteMaterialPreviewScene(CPovSceneWriter& writer, const CMaterialPreviewSetting& preview,
                               const CMaterialData& material, qf::CTextFileWriter& stream);
