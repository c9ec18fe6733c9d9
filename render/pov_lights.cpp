// The scene's light sources.
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "app/renderer_list.h"
#include "platform/base/text_file.h"
#include "render/pov_format.h"
#include "render/pov_scene_writer.h"

namespace {

void WriteSpotKeywords(qf::CTextFileWriter& stream, const CLightData& light) {
    const CVector3& at = light.m_pointAt;
    stream.Printf("\tpoint_at<%0.3f,%0.3f,%0.3f>\n", at.GetX(), at.GetY(), at.GetZ());
    stream.Printf("\tradius %0.3f\n", light.m_radius);
    stream.Printf("\tfalloff %0.3f\n", light.m_falloff);
    stream.Printf("\ttightness %0.3f\n", light.m_tightness);
}

} // namespace

void CPovSceneWriter::WriteLights(qf::CTextFileWriter& stream) {
    const CQuelDoc* doc = GetDoc();
    if (!doc || !m_info)
        return;
    // The HDR sphere may light the scene alone.
    if (IsHdrEnabled() && doc->m_hdr.m_lightsOff == 1)
        return;
    if (doc->m_lights.IsEmpty()) {
        stream.Write("//LIGHT\n");
        for (const CLightData& light : doc->m_defaultLights) {
            const CVector3& p = light.m_location;
            stream.Printf("light_source{<%0.3f,%0.3f,%0.3f> rgb 1}\n", p.GetX(), p.GetY(), p.GetZ());
        }
        stream.Write("\n");
        return;
    }
    for (const CLightData* light : doc->m_lights) {
        // A light switched off in its panel stays out of the render.
        if (!light->m_enabled)
            continue;
        stream.Printf("//LIGHT \"%s\"\n", PovCommentText(light->m_name).GetString());
        stream.Write("light_source{\n");
        const CVector3& p = light->m_location;
        stream.Printf("\t<%0.3f , %0.3f , %0.3f >\n", p.GetX(), p.GetY(), p.GetZ());
        const CRgb255 c(light->m_color);
        stream.Printf("\trgb <%0.3f , %0.3f , %0.3f >\n", c.r / 255.0, c.g / 255.0, c.b / 255.0);
        if (m_info->light_circular && light->m_circular && light->m_type == lightArea)
            stream.Write("\tcircular\n");
        if (m_info->light_orient && light->m_orient)
            stream.Write("\torient\n");
        if (m_info->light_parallel && light->m_parallel)
            stream.Write("\tparallel\n");
        switch (light->m_type) {
        case lightSpot:
            stream.Write("\tspotlight\n");
            WriteSpotKeywords(stream, *light);
            break;
        case lightCylinder:
            stream.Write("\tcylinder\n");
            WriteSpotKeywords(stream, *light);
            break;
        case lightArea: {
            const CVector3& a = light->m_areaAxis1;
            const CVector3& b = light->m_areaAxis2;
            stream.Printf("\tarea_light <%0.3f,%0.3f,%0.3f>,<%0.3f,%0.3f,%0.3f>,%d,%d\n", a.GetX(), a.GetY(),
                          a.GetZ(), b.GetX(), b.GetY(), b.GetZ(), light->m_areaSize1, light->m_areaSize2);
            stream.Printf("\tadaptive %d\n", light->m_adaptive);
            if (light->m_jitter == 1)
                stream.Write("\tjitter \n");
            if (light->m_areaSpotlight == 1) {
                stream.Write("\tspotlight\n");
                WriteSpotKeywords(stream, *light);
            }
            break;
        }
        default:
            break;
        }
        if (light->m_fadeOn) {
            stream.Printf("\tfade_distance %0.3f\n", light->m_fadeDistance);
            stream.Printf("\tfade_power %f\n", light->m_fadePower);
        }
        if (light->m_shadowless)
            stream.Write("\tshadowless\n");
        if (light->m_mediaAttenuation)
            stream.Write("\tmedia_attenuation on\n");
        if (!light->m_mediaInteraction)
            stream.Write("\tmedia_interaction off\n");
        if (m_info->light_shadow_pigment && light->m_shadowPigmentOn) {
            const CRgb255 s(light->m_shadowPigmentColor);
            stream.Printf("\tshadow_pigment{ rgb <%d/255, %d/255, %d/255> }\n", s.r, s.g, s.b);
        }
        stream.Write("}\n\n");
    }
}
