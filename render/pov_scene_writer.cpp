// The scene's header, global settings, cameras and HDR sphere, and the order
// in which the whole scene is written.
#include "render/pov_scene_writer.h"

#include "app/doc_helpers.h"
#include "app/pov_text.h"
#include "app/quel_doc.h"
#include "app/render_setting.h"
#include "app/renderer_list.h"
#include "platform/base/text_file.h"
#include "render/pov_format.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

// The official POV-Ray version the definition names, as major * 100 + minor;
// none for unofficial builds and for a version that does not read as a number.
std::optional<long> OfficialVersion(const CRendererInfo& info) {
    if (!info.is_official)
        return std::nullopt;
    const char* text = info.official_version.GetString();
    char* end = nullptr;
    const long major = std::strtol(text, &end, 10);
    if (end == text)
        return std::nullopt;
    const long minor = *end == '.' ? std::strtol(end + 1, nullptr, 10) : 0;
    return major * 100 + minor;
}

// POV-Ray 3.5 dropped the first radiosity set's distance_maximum and refuses
// it. An official version that does not read as a number, and every
// unofficial build, get the set as the user chose it.
bool KnowsDistanceMaximum(const CRendererInfo& info) {
    const std::optional<long> version = OfficialVersion(info);
    return !version || *version < 305;
}

} // namespace

bool CPovSceneWriter::WriteAll(qf::CTextFileWriter& stream) {
    if (!GetDoc() || !m_info)
        return false;
    WriteHeader(stream);
    WriteGlobalSettings(stream);
    WriteCameras(stream);
    WriteLights(stream);
    WriteHdrSphere(stream);
    WriteMaterials(stream);
    WriteObjects(stream);
    return !stream.Failed();
}

void CPovSceneWriter::WriteVersionLine(qf::CTextFileWriter& stream) const {
    if (m_info->is_official)
        stream.Printf("#version %s;\n\n", PovCommentText(m_info->official_version).GetString());
    else
        stream.Printf("#version unofficial %s %s;\n\n", PovCommentText(m_info->unofficial_name).GetString(),
                      PovCommentText(m_info->unofficial_version).GetString());
}

void CPovSceneWriter::WriteHeader(qf::CTextFileWriter& stream) {
    const CQuelDoc* doc = GetDoc();
    if (!doc || !m_info)
        return;
    WriteVersionLine(stream);
    const CRgb255 bg(doc->m_renderBgColor);
    stream.Printf("background{ rgb <%d/255,%d/255,%d/255> }\n\n", bg.r, bg.g, bg.b);
    // A file name is a string expression, so quotes and backslashes in it stay inside.
    for (const CString& file : doc->m_includeFiles) {
        stream.Write("#include ");
        stream.Write(PovStringExpression(file).view());
        stream.Write("\n");
    }
    stream.Write("\n");
}

void CPovSceneWriter::WriteGlobalSettings(qf::CTextFileWriter& stream) {
    const CQuelDoc* doc = GetDoc();
    if (!doc || !m_info)
        return;
    const CGlobalSettingsData& g = doc->m_globalSettings;
    stream.Write("global_settings{\n");
    stream.Printf("\tadc_bailout %0.4f\n", g.m_adcBailout);
    const CRgb255 ambient(g.m_ambientLight);
    stream.Printf("\tambient_light rgb <%d/255,%d/255,%d/255>\n", ambient.r, ambient.g, ambient.b);
    stream.Printf("\tassumed_gamma %0.3f\n", g.m_assumedGamma);
    stream.Printf("\thf_gray_16 %d\n", g.m_hfGray16);
    const CRgb255 irid(g.m_iridWavelength);
    stream.Printf("\tirid_wavelength rgb <%d/255,%d/255,%d/255>\n", irid.r, irid.g, irid.b);
    stream.Printf("\tmax_intersections %d\n", g.m_maxIntersections);
    stream.Printf("\tmax_trace_level %d\n", g.m_maxTraceLevel);
    stream.Printf("\tnumber_of_waves %d\n", g.m_numberOfWaves);

    if (m_info->post_process) {
        const CPostProcessData& pp = doc->m_postProcess;
        if (m_info->pp_motion_blur)
            stream.Printf("\tmotion_blur %d,%0.4f\n", doc->m_motionBlurCount, doc->m_motionBlurTime);
        if (m_info->pp_focal_blur && pp.m_focalBlurOn)
            stream.Printf("\tpost_process{focal_blur{%0.3f,%0.3f,%0.3f,1.0}}\n", pp.m_focalBlur[0],
                          pp.m_focalBlur[1], pp.m_focalBlur[2]);
        if (m_info->pp_soft_glow && pp.m_softGlowOn)
            stream.Printf("\tpost_process{soft_glow{%0.3f,%0.3f}}\n", pp.m_softGlow[0], pp.m_softGlow[1]);
        if (m_info->pp_depth && pp.m_depthOn)
            stream.Printf("\tpost_process{depth{%0.3f,%0.3f}}\n", pp.m_depth[0], pp.m_depth[1]);
        if (m_info->pp_stars && pp.m_starsOn) {
            const CRgb255 a(pp.m_starsColor[0]);
            const CRgb255 b(pp.m_starsColor[1]);
            stream.Printf("\tpost_process{stars{%0.3f , rgb <%d/255, %d/255, %d/255>, rgb <%d/255, %d/255, "
                          "%d/255>}}\n",
                          pp.m_starsDensity, a.r, a.g, a.b, b.r, b.g, b.b);
        }
        if (m_info->pp_posterize && pp.m_posterizeOn)
            stream.Printf("\tpost_process{posterize{rgb <%d/255, %d/255, %d/255>}}\n",
                          pp.m_posterizeLevels[0], pp.m_posterizeLevels[1], pp.m_posterizeLevels[2]);
        if (m_info->pp_normal && pp.m_normalOn)
            stream.Write("\tpost_process{normal}\n");
        if (m_info->pp_clip_color && pp.m_clipColorsOn) {
            const CRgb255 a(pp.m_clipColors[0]);
            const CRgb255 b(pp.m_clipColors[1]);
            stream.Printf("\tpost_process{clip_colors{rgb <%d/255, %d/255, %d/255>, rgb <%d/255, %d/255, "
                          "%d/255>}}\n",
                          a.r, a.g, a.b, b.r, b.g, b.b);
        }
        if (m_info->pp_invert && pp.m_invertOn)
            stream.Write("\tpost_process{invert}\n");
        if (m_info->pp_find_edge && pp.m_findEdgesOn) {
            const CRgb255 c(pp.m_findEdgesColor);
            const float* e = pp.m_findEdges;
            stream.Printf("\tpost_process{find_edges{%0.3f,%0.3f,%0.3f,%0.3f,%0.3f,rgb <%d/255, %d/255, "
                          "%d/255>}}\n",
                          e[0], e[1], e[2], e[3], e[4], c.r, c.g, c.b);
        }
    }

    if (IsRadiosityWritten()) {
        if (m_info->radiosity_type == 0) {
            const CRadiosityData& r = doc->m_radiosity;
            stream.Write("\tradiosity{\n");
            stream.Printf("\t\tbrightness %0.3f\n", r.m_brightness);
            stream.Printf("\t\tcount %d\n", r.m_count);
            if (KnowsDistanceMaximum(*m_info))
                stream.Printf("\t\tdistance_maximum %0.3f\n", r.m_distanceMaximum);
            stream.Printf("\t\terror_bound %0.3f\n", r.m_errorBound);
            stream.Printf("\t\tgray_threshold %0.3f\n", r.m_grayThreshold);
            stream.Printf("\t\tlow_error_factor %0.3f\n", r.m_lowErrorFactor);
            stream.Printf("\t\tminimum_reuse %0.4f\n", r.m_minimumReuse);
            stream.Printf("\t\tnearest_count %d\n", r.m_nearestCount);
            stream.Printf("\t\trecursion_limit %d\n", r.m_recursionLimit);
            stream.Write("\t}\n");
        } else if (m_info->radiosity_type == 1) {
            const CRadiosity2Data& r = doc->m_radiosity2;
            stream.Write("\tradiosity{\n");
            stream.Printf("\t\tadc_bailout %0.3f\n", r.m_adcBailout);
            stream.Write(r.m_alwaysSample == 1 ? "\t\talways_sample on\n" : "\t\talways_sample off\n");
            stream.Printf("\t\tbrightness %0.3f\n", r.m_brightness);
            stream.Printf("\t\tcount %d\n", r.m_count);
            stream.Printf("\t\terror_bound %0.3f\n", r.m_errorBound);
            stream.Printf("\t\tgray_threshold %0.3f\n", r.m_grayThreshold);
            stream.Printf("\t\tlow_error_factor %0.3f\n", r.m_lowErrorFactor);
            stream.Printf("\t\tmax_sample %0.3f\n", r.m_maxSample);
            stream.Write(r.m_media ? "\t\tmedia on\n" : "\t\tmedia off\n");
            stream.Printf("\t\tminimum_reuse %0.3f\n", r.m_minimumReuse);
            stream.Printf("\t\tnearest_count %d\n", r.m_nearestCount);
            stream.Write(r.m_normal ? "\t\tnormal on\n" : "\t\tnormal off\n");
            stream.Printf("\t\tpretrace_end %0.3f\n", r.m_pretraceEnd);
            stream.Printf("\t\tpretrace_start %0.3f\n", r.m_pretraceStart);
            stream.Printf("\t\trecursion_limit %d\n", r.m_recursionLimit);
            stream.Write("\t}\n");
        }
    }
    stream.Write("}\n\n");
}

void CPovSceneWriter::WriteCameras(qf::CTextFileWriter& stream) {
    const CQuelDoc* doc = GetDoc();
    if (!doc || !m_info)
        return;
    static const char* const letters = "abcd";
    static const char* const labels = "ABCD";
    for (int pane = 0; pane < kPaneCount; ++pane) {
        stream.Printf("//camera [%c]\n", labels[pane]);
        stream.Printf("#declare camera_%c=", letters[pane]);
        WriteCamera(stream, doc->m_cameras[pane]);
    }
    const unsigned pane = static_cast<unsigned>(m_setting ? m_setting->render_pane : 1);
    if (pane < static_cast<unsigned>(kPaneCount))
        stream.Printf("camera{ camera_%c }\n\n", letters[pane]);
}

void CPovSceneWriter::WriteCamera(qf::CTextFileWriter& stream, const CCamera& camera) {
    // The image size gives the up and right vectors only for a pane render.
    const bool sized = m_setting && m_setting->render_pane_flag;
    int width = 640;
    int height = 480;
    if (sized && m_setting->rendering_type == 0) {
        width = camera.m_viewportWidth;
        height = camera.m_viewportHeight;
    } else if (sized && m_setting->rendering_type == 1) {
        width = m_setting->image_w;
        height = m_setting->image_h;
    }
    const CVector3& eye = camera.m_eye;
    const CVector3& target = camera.m_target;
    const bool parallel = camera.m_projection == CCamera::parallel;
    stream.Write("camera{\n");
    if (parallel)
        stream.Write("\torthographic\n");
    stream.Printf("\tlocation < %0.3f, %0.3f, %0.3f >\n", eye.GetX(), eye.GetY(), eye.GetZ());
    if (!parallel) {
        if (sized) {
            stream.Printf("\tup y*%d\n", height);
            stream.Printf("\tright x*%d\n", width);
        }
        stream.Printf("\tangle %0.3f\n", camera.m_angle);
    } else if (sized) {
        // The view's width at the target, as the pane shows it.
        const float w =
            static_cast<float>(2.0 * std::tan(DegToRad(camera.m_angle / 2.0f)) * (eye - target).Length());
        const float fw = width == 0 ? 1.0f : static_cast<float>(width);
        const float fh = height == 0 ? 1.0f : static_cast<float>(height);
        stream.Printf("\tup y*%0.3f\n", w * (fh / fw));
        stream.Printf("\tright x*%0.3f\n", w);
    } else if (m_setting) {
        stream.Printf("\tangle %0.3f\n", camera.m_angle);
    }
    stream.Printf("\tlook_at < %0.3f, %0.3f, %0.3f >\n", target.GetX(), target.GetY(), target.GetZ());
    stream.Write("}\n\n");
}

int CPovSceneWriter::IsHdrEnabled() const {
    const CQuelDoc* doc = GetDoc();
    return doc && m_info && m_info->hdr && doc->m_hdr.m_use && !doc->m_hdr.m_imageFile.IsEmpty() ? 1 : 0;
}

bool CPovSceneWriter::IsRadiosityWritten() const {
    return m_info && m_setting && m_setting->use_radiosity &&
           (m_info->radiosity_type == 0 || m_info->radiosity_type == 1);
}

void CPovSceneWriter::WriteHdrSphere(qf::CTextFileWriter& stream) {
    if (!IsHdrEnabled())
        return;
    // POV-Ray 3.7 lights nothing with an ambient finish while radiosity is
    // on, and the sphere itself would be black.
    const std::optional<long> version = OfficialVersion(*m_info);
    const bool emission = version && *version >= 307 && IsRadiosityWritten();
    GetDoc()->m_hdr.WritePov(stream, m_info->is_official ? 0 : 1, emission);
}
