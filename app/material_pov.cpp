// The POV-Ray text of the material records: only what differs from POV-Ray's
// defaults or is switched on, indented by nesting depth.
#include "app/material_data.h"
#include "app/pov_text.h"
#include "platform/base/text_file.h"

namespace {

void WriteRgbft(qf::CTextFileWriter& file, const CColorMapEntry& entry) {
    file.Printf("rgbft<%d/255,%d/255,%d/255,%0.3f,%0.3f>", static_cast<int>(entry.m_color & 0xFF),
                static_cast<int>((entry.m_color >> 8) & 0xFF), static_cast<int>((entry.m_color >> 16) & 0xFF),
                entry.m_filter, entry.m_transmit);
}

// The colours of a checker, hexagon or brick pigment, one per line.
void WriteColorList(qf::CTextFileWriter& file, const CPigmentData& pigment, int count) {
    for (int i = 0; i < count; ++i) {
        file.Write("\t\t\t");
        WriteRgbft(file, pigment.m_colors[i]);
        file.Write(i + 1 < count ? ",\n" : "\n");
    }
}

void WriteLine(qf::CTextFileWriter& file, const char* indent, const CString& text) {
    file.Write(indent);
    file.Write(text.view());
    file.Write("\n");
}

const char* PatternKeyword(int pattern) {
    static const char* const keywords[patternCount] = {
        "agate", "bozo",   "crackle",  "gradient", "granite", "leopard",     "mandel", "marble",
        "onion", "radial", "spiral1",  "spiral2",  "spotted", "wood",        "bumps",  "ripples",
        "dents", "waves",  "wrinkles", "quilted",  "boxed",   "cylindrical", "planar", "spherical",
    };
    return pattern >= 0 && pattern < patternCount ? keywords[pattern] : nullptr;
}

// The system format of file type 6 is a BMP picture, which POV-Ray reads as
// "bmp" on every platform; its "sys" is defined on Windows only.
const char* FileTypeWord(int fileType) {
    static const char* const words[fileTypeCount] = {"gif ", "tga ", "iff ", "ppm ", "pgm ", "png ", "bmp "};
    return fileType >= 0 && fileType < fileTypeCount ? words[fileType] : "";
}

const char* MapTypeNumber(int mapType) {
    static const char* const numbers[mapTypeCount] = {"0", "1", "2", "5"};
    return mapType >= 0 && mapType < mapTypeCount ? numbers[mapType] : "0";
}

} // namespace

void CPatternData::Write(qf::CTextFileWriter& file, int) const {
    const char* keyword = PatternKeyword(m_pattern);
    if (!keyword)
        return;
    switch (m_pattern) {
    case patternAgate:
        file.Printf("\t\t\tagate\n\t\t\tagate_turb %0.3f\n", m_agateTurb);
        break;
    case patternGradient:
        file.Printf("\t\t\tgradient <%d,%d,%d>\n", m_gradient[0], m_gradient[1], m_gradient[2]);
        break;
    case patternMandel:
        file.Printf("\t\t\tmandel %d\n", m_mandelIterations);
        break;
    case patternSpiral1:
    case patternSpiral2:
        file.Printf("\t\t\t%s %d\n", keyword, m_spiralArms);
        break;
    case patternQuilted:
        file.Printf("\t\t\tquilted\n\t\t\tcontrol0 %0.3f\n\t\t\tcontrol1 %0.3f\n", m_control0, m_control1);
        break;
    default:
        file.Printf("\t\t\t%s\n", keyword);
        break;
    }
}

void CTurbulenceData::Write(qf::CTextFileWriter& file, int) const {
    if (m_turbulence[0] != 0.0f || m_turbulence[1] != 0.0f || m_turbulence[2] != 0.0f)
        file.Printf("\t\t\tturbulence <%0.3f,%0.3f,%0.3f>\n", m_turbulence[0], m_turbulence[1],
                    m_turbulence[2]);
    if (m_octaves != 6)
        file.Printf("\t\t\toctaves %d\n", m_octaves);
    if (m_omega != 0.5f)
        file.Printf("\t\t\tomega %0.3f\n", m_omega);
    if (m_lambda != 2.0f)
        file.Printf("\t\t\tlambda %0.3f\n", m_lambda);
    if (m_frequency != 1.0f)
        file.Printf("\t\t\tfrequency %0.3f\n", m_frequency);
    if (m_phase != 0.0f)
        file.Printf("\t\t\tphase %0.3f\n", m_phase);
    static const char* const waves[] = {"\t\t\tramp_wave\n", "\t\t\ttriangle_wave\n", "\t\t\tsine_wave\n",
                                        "\t\t\tscallop_wave\n"};
    if (m_waveType >= waveRamp && m_waveType <= waveScallop)
        file.Write(waves[m_waveType]);
}

void CImageMapData::WriteMap(qf::CTextFileWriter& file, const char* keyword) const {
    file.Printf("\t\t\t%s{ %s", keyword, FileTypeWord(m_fileType));
    file.Write(PovStringExpression(m_fileName).view());
    file.Printf(" map_type %s", MapTypeNumber(m_mapType));
    if (m_interpolate == 1)
        file.Write(" interpolate 2");
    else if (m_interpolate == 2)
        file.Write(" interpolate 4");
    if (m_once == 1)
        file.Write(" once");
    file.Write(" }\n");
    if (m_mapType == mapPlanar)
        file.Write("\t\t\ttranslate<-0.5,-0.5,0>\n");
    if (m_mapType == mapCylindrical)
        file.Write("\t\t\ttranslate y*-0.5\n");
    if (m_mapType == mapSpherical || m_mapType == mapCylindrical)
        file.Write("\t\t\trotate y*-90\n");
}

void CImageMapData::WriteImageMap(qf::CTextFileWriter& file, int) const {
    WriteMap(file, "image_map");
}

void CImageMapData::WriteBumpMap(qf::CTextFileWriter& file, int) const {
    WriteMap(file, "bump_map");
}

void CPigmentData::Write(qf::CTextFileWriter& file, int megaPov) const {
    file.Write("\t\tpigment{\n");
    switch (m_kind) {
    case pigmentSolid:
        file.Write("\t\t\t");
        WriteRgbft(file, m_colors[0]);
        file.Write("\n");
        break;
    case pigmentChecker:
        file.Write("\t\t\tchecker\n");
        WriteColorList(file, *this, 2);
        break;
    case pigmentHexagon:
        file.Write("\t\t\thexagon\n");
        WriteColorList(file, *this, 3);
        break;
    case pigmentBrick:
        file.Write("\t\t\tbrick\n");
        WriteColorList(file, *this, 2);
        file.Printf("\t\t\tbrick_size<%0.3f,%0.3f,%0.3f>\n", m_brickSize[0], m_brickSize[1], m_brickSize[2]);
        file.Printf("\t\t\tmortar %0.3f\n\n", m_mortar);
        break;
    case pigmentColorMap:
        file.Write("\t\t\t");
        m_pattern.Write(file, megaPov);
        file.Write("\t\t\tcolor_map{\n");
        for (int i = 0; i < m_count && i < colorCount; ++i) {
            file.Printf("\t\t\t\t[ %0.3f ", m_positions[i] / 1000.0);
            WriteRgbft(file, m_colors[i]);
            file.Write("]\n");
        }
        file.Write("\t\t\t}\n");
        break;
    case pigmentImageMap:
        m_imageMap.WriteImageMap(file, megaPov);
        break;
    case pigmentDeclared:
        WriteLine(file, "\t\t\t", m_declaredName);
        break;
    default:
        break;
    }
    if (m_kind != pigmentDeclared && m_useTurbulence == 1)
        m_turbulence.Write(file, megaPov);
    file.Write("\t\t}\n");
}

void CNormalData::Write(qf::CTextFileWriter& file, int megaPov) const {
    file.Write("\t\tnormal{\n");
    if (m_kind == normalPattern || m_kind == normalBumpMap) {
        if (m_kind == normalPattern)
            m_pattern.Write(file, megaPov);
        else
            m_bumpMap.WriteBumpMap(file, megaPov);
        if (m_useBumpSize == 1)
            file.Printf("\t\t\tbump_size %0.3f\n", m_bumpSize);
        if (m_useTurbulence == 1)
            m_turbulence.Write(file, megaPov);
    } else if (m_kind == normalDeclared) {
        WriteLine(file, "\t\t\t", m_declaredName);
    }
    file.Write("\t\t}\n");
}

void CFinishData::Write(qf::CTextFileWriter& file, int megaPov) const {
    file.Write("\t\tfinish{\n");
    if (m_declared == 1) {
        WriteLine(file, "\t\t\t", m_declaredName);
        file.Write("\t\t}\n");
        return;
    }
    if (m_specular != 0.0f)
        file.Printf("\t\t\tspecular %0.3f\n", m_specular);
    if (m_roughness != 0.05f)
        file.Printf("\t\t\troughness %0.3f\n", m_roughness);
    if (m_phong != 0.0f)
        file.Printf("\t\t\tphong %0.3f\n", m_phong);
    if (m_phongSize != 40.0f)
        file.Printf("\t\t\tphong_size %0.3f\n", m_phongSize);
    if (m_ambient[0] != 0.1f || m_ambient[1] != 0.1f || m_ambient[2] != 0.1f)
        file.Printf("\t\t\tambient<%0.3f,%0.3f,%0.3f>\n", m_ambient[0], m_ambient[1], m_ambient[2]);
    if (m_diffuse != 0.6f)
        file.Printf("\t\t\tdiffuse %0.3f\n", m_diffuse);
    if (m_brilliance != 1.0f)
        file.Printf("\t\t\tbrilliance %0.3f\n", m_brilliance);
    if (m_useReflection == 1)
        file.Printf("\t\t\treflection <%0.3f,%0.3f,%0.3f>\n", m_reflection[0], m_reflection[1],
                    m_reflection[2]);
    if (m_crand != 0.0f)
        file.Printf("\t\t\tcrand %0.3f\n", m_crand);
    if (m_useMetallic == 1)
        file.Printf("\t\t\tmetallic %0.3f\n", m_metallic);
    if (m_useIrid == 1) {
        file.Printf("\t\t\tirid{\n\t\t\t\t%0.3f\n\t\t\t\tthickness %0.3f\n", m_iridAmount, m_iridThickness);
        file.Printf("\t\t\t\tturbulence<%0.3f,%0.3f,%0.3f>\n\t\t\t}\n", m_iridTurbulence[0],
                    m_iridTurbulence[1], m_iridTurbulence[2]);
    }
    if (megaPov == 1 && m_megaPov == 1) {
        if (m_useReflectionBlur == 1)
            file.Printf("\t\t\treflection_blur %0.3f\n\t\t\treflection_samples %d\n", m_reflectionBlur,
                        m_reflectionSamples);
        if (m_useReflectionMetallic == 1)
            file.Printf("\t\t\treflection_metallic %0.3f\n", m_reflectionMetallic);
        if (m_useReflectionType == 1)
            file.Printf("\t\t\treflection_type %d\n\t\t\treflection_min %0.3f\n\t\t\treflection_max "
                        "%0.3f\n\t\t\treflection_falloff %0.3f\n",
                        m_reflectionType, m_reflectionMin, m_reflectionMax, m_reflectionFalloff);
        if (m_conserveEnergy == 1)
            file.Write("\t\t\tconserve_energy\n");
    }
    file.Write("\t\t}\n");
}

void CInteriorData::Write(qf::CTextFileWriter& file, int) const {
    file.Write("\tinterior{\n");
    if (m_declared == 1) {
        WriteLine(file, "\t\t", m_declaredName);
    } else {
        if (m_ior != 1.0f)
            file.Printf("\t\tior %0.4f\n", m_ior);
        if (m_useCaustics == 1)
            file.Printf("\t\tcaustics %0.3f\n", m_caustics);
        if (m_useFade == 1)
            file.Printf("\t\tfade_distance %0.3f\n\t\tfade_power %0.3f\n", m_fadeDistance, m_fadePower);
    }
    file.Write("\t}\n");
}

void CTextureData::Write(qf::CTextFileWriter& file, int megaPov) const {
    file.Write("\ttexture{\n");
    if (m_declared == 1) {
        WriteLine(file, "\t\t", m_declaredName);
    } else {
        if (m_usePigment == 1)
            m_pigment.Write(file, megaPov);
        if (m_useNormal == 1)
            m_normal.Write(file, megaPov);
        if (m_useFinish == 1)
            m_finish.Write(file, megaPov);
    }
    file.Write("\t}\n");
}

void CMaterialData::Write(qf::CTextFileWriter& file, int megaPov) const {
    file.Write("material{\n");
    if (m_declared == 1) {
        WriteLine(file, "\t", m_declaredName);
    } else {
        if (m_useTexture == 1)
            m_texture.Write(file, megaPov);
        if (m_useInterior == 1)
            m_interior.Write(file, megaPov);
    }
    file.Write("}\n\n");
}
