#include "app/material_data.h"
#include "app/pov_text.h"
#include "platform/base/text_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// What a writer puts into a file.
template <class Write> std::string PovText(Write write) {
    qf::test::TempDir dir;
    qf::CTextFileWriter file(dir.File("out.pov"));
    write(file);
    EXPECT_TRUE(file.Close()) << file.GetError();
    return qf::test::ReadFileBytes(dir.File("out.pov"));
}

template <class Record> std::string Text(const Record& record, int megaPov = 0) {
    return PovText([&](qf::CTextFileWriter& file) { record.Write(file, megaPov); });
}

const std::string kWhite = "rgbft<255/255,255/255,255/255,0.000,0.000>";

} // namespace

TEST(MaterialPovTest, DefaultsAndDeclaredNames) {
    EXPECT_EQ(Text(CMaterialData()),
              "material{\n\ttexture{\n\t\tpigment{\n\t\t\t" + kWhite + "\n\t\t}\n\t}\n}\n\n");
    EXPECT_EQ(Text(CFinishData()), "\t\tfinish{\n\t\t}\n") << "a default finish writes nothing inside";
    EXPECT_EQ(Text(CTurbulenceData()), "\t\t\tramp_wave\n") << "the default wave is still written";

    CMaterialData m;
    m.m_useInterior = m.m_texture.m_useNormal = m.m_texture.m_useFinish = 1;
    m.m_texture.m_pigment.m_kind = pigmentDeclared;
    m.m_texture.m_pigment.m_useTurbulence = 1;
    m.m_texture.m_pigment.m_declaredName = "P_%s";
    m.m_texture.m_normal.m_kind = normalDeclared;
    m.m_texture.m_normal.m_declaredName = "N_%d";
    m.m_texture.m_finish.m_declared = m.m_interior.m_declared = 1;
    m.m_texture.m_finish.m_declaredName = "F_100%";
    m.m_texture.m_finish.m_specular = 1;
    m.m_interior.m_declaredName = "I_Glass";
    EXPECT_EQ(Text(m),
              "material{\n\ttexture{\n\t\tpigment{\n\t\t\tP_%s\n\t\t}\n\t\tnormal{\n\t\t\tN_%d\n\t\t}\n"
              "\t\tfinish{\n\t\t\tF_100%\n\t\t}\n\t}\n\tinterior{\n\t\tI_Glass\n\t}\n}\n\n")
        << "names are written unchanged, never as a format";
    m.m_texture.m_declared = 1;
    m.m_texture.m_declaredName = "T_Stone";
    EXPECT_EQ(Text(m.m_texture), "\ttexture{\n\t\tT_Stone\n\t}\n");
    m.m_declared = 1;
    m.m_declaredName = "M_Gold";
    EXPECT_EQ(Text(m), "material{\n\tM_Gold\n}\n\n");
}

TEST(MaterialPovTest, PigmentKinds) {
    CPigmentData pigment;
    pigment.m_colors[0] = {0x0000FF, 0.5f, 0.25f};
    pigment.m_colors[1] = {0x00FF00, 0, 0};
    pigment.m_colors[2] = {0xFF0000, 0, 1};
    const std::string red = "rgbft<255/255,0/255,0/255,0.500,0.250>";
    const std::string green = "rgbft<0/255,255/255,0/255,0.000,0.000>";
    const std::string blue = "rgbft<0/255,0/255,255/255,0.000,1.000>";
    const std::string cases[] = {
        "\t\t\t" + red + "\n",
        "\t\t\tchecker\n\t\t\t" + red + ",\n\t\t\t" + green + "\n",
        "\t\t\thexagon\n\t\t\t" + red + ",\n\t\t\t" + green + ",\n\t\t\t" + blue + "\n",
        "\t\t\tbrick\n\t\t\t" + red + ",\n\t\t\t" + green +
            "\n\t\t\tbrick_size<8.000,3.000,4.500>\n\t\t\tmortar 0.500\n\n",
    };
    for (int kind = 0; kind < 4; ++kind) {
        pigment.m_kind = kind;
        EXPECT_EQ(Text(pigment), "\t\tpigment{\n" + cases[kind] + "\t\t}\n") << "kind " << kind;
    }
    pigment.m_kind = pigmentColorMap;
    pigment.m_pattern.m_pattern = patternWood;
    pigment.m_count = 2;
    pigment.m_positions[1] = 250;
    pigment.m_useTurbulence = 1;
    pigment.m_turbulence.m_octaves = 3;
    EXPECT_EQ(Text(pigment), "\t\tpigment{\n\t\t\t\t\t\twood\n\t\t\tcolor_map{\n\t\t\t\t[ 0.000 " + red +
                                 "]\n\t\t\t\t[ 0.250 " + green +
                                 "]\n\t\t\t}\n\t\t\toctaves 3\n\t\t\tramp_wave\n\t\t}\n")
        << "turbulence once, after the colour map";
    pigment.m_count = 1000;
    const std::string many = Text(pigment);
    pigment.m_count = CPigmentData::colorCount;
    EXPECT_EQ(many, Text(pigment)) << "a count past the entries stops at the last one";
}

TEST(MaterialPovTest, PatternAndTurbulenceLines) {
    const char* const plain[patternCount] = {
        nullptr, "bozo",   "crackle",  nullptr, "granite", "leopard",     nullptr,  "marble",
        "onion", "radial", nullptr,    nullptr, "spotted", "wood",        "bumps",  "ripples",
        "dents", "waves",  "wrinkles", nullptr, "boxed",   "cylindrical", "planar", "spherical"};
    const std::string special[patternCount] = {"\t\t\tagate\n\t\t\tagate_turb 0.750\n",
                                               "",
                                               "",
                                               "\t\t\tgradient <1,0,-1>\n",
                                               "",
                                               "",
                                               "\t\t\tmandel 40\n",
                                               "",
                                               "",
                                               "",
                                               "\t\t\tspiral1 3\n",
                                               "\t\t\tspiral2 3\n",
                                               "",
                                               "",
                                               "",
                                               "",
                                               "",
                                               "",
                                               "",
                                               "\t\t\tquilted\n\t\t\tcontrol0 0.200\n\t\t\tcontrol1 0.900\n"};
    CPatternData pattern{0, 0.5f, 0.75f, 40, 3, 0.2f, 0.9f, {1, 0, -1}};
    for (int p = -1; p <= patternCount; ++p) {
        pattern.m_pattern = p;
        const bool known = p >= 0 && p < patternCount;
        const std::string expected = !known     ? ""
                                     : plain[p] ? "\t\t\t" + std::string(plain[p]) + "\n"
                                                : special[p];
        EXPECT_EQ(Text(pattern), expected) << "pattern " << p;
    }

    CTurbulenceData turbulence{{0, 0.5f, 0}, 2, 0.25f, 3, 2, 0.125f, waveRamp};
    const std::string lines = "\t\t\tturbulence <0.000,0.500,0.000>\n\t\t\toctaves 2\n\t\t\tomega 0.250\n"
                              "\t\t\tlambda 3.000\n\t\t\tfrequency 2.000\n\t\t\tphase 0.125\n";
    const char* const waves[] = {"ramp_wave", "triangle_wave", "sine_wave", "scallop_wave"};
    for (int wave = 0; wave < 5; ++wave) {
        turbulence.m_waveType = wave;
        EXPECT_EQ(Text(turbulence), lines + (wave < 4 ? "\t\t\t" + std::string(waves[wave]) + "\n" : ""));
    }
}

TEST(MaterialPovTest, ImageAndBumpMapLines) {
    struct Case {
        int mapType, fileType, interpolate, once;
        const char* text;
    } cases[] = {
        {mapPlanar, fileGif, 0, 0,
         "\t\t\timage_map{ gif \"a b.img\" map_type 0 }\n\t\t\ttranslate<-0.5,-0.5,0>\n"},
        {mapSpherical, filePng, 1, 0,
         "\t\t\timage_map{ png \"a b.img\" map_type 1 interpolate 2 }\n\t\t\trotate y*-90\n"},
        {mapCylindrical, filePpm, 2, 1,
         "\t\t\timage_map{ ppm \"a b.img\" map_type 2 interpolate 4 once }\n\t\t\ttranslate y*-0.5\n"
         "\t\t\trotate y*-90\n"},
        {mapTorus, fileSys, 3, 2, "\t\t\timage_map{ bmp \"a b.img\" map_type 5 }\n"},
    };
    CImageMapData map;
    map.m_fileName = "a b.img";
    for (const Case& c : cases) {
        map.m_mapType = c.mapType;
        map.m_fileType = c.fileType;
        map.m_interpolate = c.interpolate;
        map.m_once = c.once;
        EXPECT_EQ(PovText([&](qf::CTextFileWriter& f) { map.WriteImageMap(f, 0); }), c.text) << c.mapType;
    }
    CNormalData normal;
    normal.m_kind = normalBumpMap;
    normal.m_bumpMap.m_fileName = "C:\\maps\\say \"hi\".png";
    normal.m_bumpMap.m_mapType = mapTorus;
    normal.m_useBumpSize = normal.m_useTurbulence = 1;
    EXPECT_EQ(Text(normal),
              "\t\tnormal{\n\t\t\tbump_map{ tga concat(\"C:\",chr(92),\"maps\",chr(92),\"say \","
              "chr(34),\"hi\",chr(34),\".png\") map_type 5 }\n\t\t\tbump_size 1.000\n"
              "\t\t\tramp_wave\n\t\t}\n")
        << "a path that would break the scene is spelled with codes";
    for (const auto& [text, expression] :
         {std::pair{"画像.png", "\"画像.png\""}, std::pair{"\\", "chr(92)"},
          std::pair{"two\nlines\r", "concat(\"two\",chr(10),\"lines\",chr(13))"}})
        EXPECT_EQ(PovStringExpression(text), expression);
}

TEST(MaterialPovTest, FinishAndInteriorWriteWhatDiffersInOrder) {
    CFinishData f;
    // clang-format off
    f.m_specular = 0.5f; f.m_roughness = 0.01f; f.m_phong = 1; f.m_phongSize = 80; f.m_ambient[2] = 0.2f;
    f.m_diffuse = 0.7f; f.m_brilliance = 2; f.m_crand = 0.1f; f.m_reflection[0] = 0.25f; f.m_useReflection = 1;
    f.m_useMetallic = 1; f.m_useIrid = 1; f.m_useReflectionBlur = 1; f.m_useReflectionMetallic = 1;
    f.m_useReflectionType = 1; f.m_conserveEnergy = 1; f.m_reflectionSamples = 8;
    // clang-format on
    const std::string common =
        "\t\tfinish{\n\t\t\tspecular 0.500\n\t\t\troughness 0.010\n\t\t\tphong 1.000\n"
        "\t\t\tphong_size 80.000\n\t\t\tambient<0.100,0.100,0.200>\n\t\t\tdiffuse 0.700\n"
        "\t\t\tbrilliance 2.000\n\t\t\treflection <0.250,1.000,1.000>\n"
        "\t\t\tcrand 0.100\n\t\t\tmetallic 1.000\n\t\t\tirid{\n\t\t\t\t1.000\n"
        "\t\t\t\tthickness 0.500\n\t\t\t\tturbulence<1.000,1.000,1.000>\n\t\t\t}\n";
    const std::string megaPov = "\t\t\treflection_blur 0.000\n\t\t\treflection_samples 8\n"
                                "\t\t\treflection_metallic 1.000\n\t\t\treflection_type 0\n"
                                "\t\t\treflection_min 0.000\n\t\t\treflection_max 1.000\n"
                                "\t\t\treflection_falloff 1.000\n\t\t\tconserve_energy\n";
    for (int callerFlag : {0, 1})
        for (int ownSwitch : {0, 1}) {
            f.m_megaPov = ownSwitch;
            EXPECT_EQ(Text(f, callerFlag), common + (callerFlag && ownSwitch ? megaPov : "") + "\t\t}\n")
                << "caller " << callerFlag << ", finish " << ownSwitch;
        }

    CInteriorData interior;
    interior.m_ior = 1.5f;
    EXPECT_EQ(Text(interior), "\tinterior{\n\t\tior 1.5000\n\t}\n");
    interior.m_useCaustics = interior.m_useFade = 1;
    EXPECT_EQ(Text(interior), "\tinterior{\n\t\tior 1.5000\n\t\tcaustics 1.000\n\t\tfade_distance 10.000\n"
                              "\t\tfade_power 2.000\n\t}\n");
}
