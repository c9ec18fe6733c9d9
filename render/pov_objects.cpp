// The scene's material declarations and object statements.
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "app/renderer_list.h"
#include "platform/base/text_file.h"
#include "render/pov_format.h"
#include "render/pov_scene_writer.h"

namespace {

// A copy whose declared names are valid identifiers, so that a quote,
// backslash or line break typed into one cannot break the scene.
CMaterialData WithSafeNames(const CMaterialData& material) {
    CMaterialData safe = material;
    for (CString* name : {&safe.m_declaredName, &safe.m_texture.m_declaredName,
                          &safe.m_texture.m_pigment.m_declaredName, &safe.m_texture.m_normal.m_declaredName,
                          &safe.m_texture.m_finish.m_declaredName, &safe.m_interior.m_declaredName})
        *name = PovIdentifier(*name);
    return safe;
}

// The slot's material when the slot is in use and its material still exists.
const CMaterialData* ActiveSlotMaterial(const CBaseObj& object, int slot) {
    const CTransformData* data = object.GetMaterialSlot(slot);
    return data && data->m_slotOption ? FindMaterialById(data->m_materialId) : nullptr;
}

} // namespace

void CPovSceneWriter::WriteMaterials(qf::CTextFileWriter& stream) {
    const CQuelDoc* doc = GetDoc();
    if (!doc || !m_info)
        return;
    int index = 0;
    for (const CMaterialData* material : doc->m_materials) {
        stream.Printf("//MATERIAL \"%s\"\n", PovCommentText(material->m_name).GetString());
        stream.Printf("#declare quel_mat%d=", index++);
        WithSafeNames(*material).Write(stream, 0);
    }
}

void CPovSceneWriter::WriteObjects(qf::CTextFileWriter& stream) {
    CQuelDoc* doc = GetDoc();
    if (!doc || !m_info)
        return;
    ForEachDeclaredObject(
        *doc,
        [&](CSpatchObj& object, int n) {
            // Only objects with three- and four-sided patches are placed.
            if (!object.GetPatches().IsEmpty())
                WriteStatement(stream, object, "quel_obj", n);
        },
        [&](CPolygonObj& object, int n) { WriteStatement(stream, object, "quel_poly", n); });
}

void CPovSceneWriter::WriteStatement(qf::CTextFileWriter& stream, const CBaseObj& object, const char* prefix,
                                     int index) {
    stream.Printf("//OBJECT \"%s\"\n", PovCommentText(object.GetName()).GetString());
    stream.Printf("object{ %s%d\n", prefix, index);
    WriteMaterialBody(&object, stream);
    if (object.GetNoShadow())
        stream.Write("\tno_shadow\n");
    if (m_info->double_illuminate && object.GetDoubleIlluminate())
        stream.Write("\tdouble_illuminate\n");
    if (m_info->no_image && object.GetNoImage())
        stream.Write("\tno_image\n");
    if (m_info->no_reflection && object.GetNoReflection())
        stream.Write("\tno_reflection\n");
    if (object.GetHollow())
        stream.Write("\thollow\n");
    stream.Write(" }\n");
}

void CPovSceneWriter::WriteMaterialBody(const CBaseObj* object, qf::CTextFileWriter& stream) {
    CQuelDoc* doc = GetDoc();
    if (!doc || !object)
        return;
    bool anyActive = false;
    for (int slot = 0; slot < 5; ++slot)
        anyActive = anyActive || ActiveSlotMaterial(*object, slot);
    if (anyActive) {
        doc->RenumberMaterials();
        for (int slot = 0; slot < 5; ++slot) {
            const CMaterialData* material = ActiveSlotMaterial(*object, slot);
            if (!material)
                continue;
            const CTransformData& t = *object->GetMaterialSlot(slot);
            stream.Printf("\tmaterial{quel_mat%d\n", material->m_index);
            stream.Printf("\t         scale <%0.3f,%0.3f,%0.3f>\n", t.m_scale.GetX(), t.m_scale.GetY(),
                          t.m_scale.GetZ());
            stream.Printf("\t         rotate <%0.3f,%0.3f,%0.3f>\n", t.m_rotation.GetX(), t.m_rotation.GetY(),
                          t.m_rotation.GetZ());
            stream.Printf("\t         translate <%0.3f,%0.3f,%0.3f>\n", t.m_translation.GetX(),
                          t.m_translation.GetY(), t.m_translation.GetZ());
            stream.Write("\t}\n");
        }
        return;
    }
    const CDefaultMatSetting& fallback = doc->m_defaultMaterial;
    const CMaterialData* reference =
        fallback.m_useReference ? FindMaterialById(fallback.m_referencedMaterial) : nullptr;
    if (reference) {
        const CRgb255 c(fallback.m_colorType != 0 ? reference->m_texture.m_pigment.m_colors[0].m_color
                                                  : object->GetColor());
        stream.Write("\ttexture{\n");
        stream.Printf("\t\tpigment{rgb <%d/255, %d/255, %d/255>}\n", c.r, c.g, c.b);
        WithSafeNames(*reference).m_texture.m_finish.Write(stream, 0);
        stream.Write("\t}\n");
        stream.Write("\n");
        return;
    }
    const CRgb255 c(object->GetColor());
    stream.Printf("\tpigment{rgb <%d/255, %d/255, %d/255>}\n", c.r, c.g, c.b);
    stream.Write("\tfinish{phong 1}\n");
    stream.Write("\n");
}
