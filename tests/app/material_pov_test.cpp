#include "app/material_data.h"
#include "app/pov_text.h"
#include "platform/base/text_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// What a writer puts into a file.
template <class Fn> std::string PovText(Fn write) {
    qf::test::TempDir dir;
    const std::string path = dir.File("out.pov");
    qf::CTextFileWriter file(path);
    write(file);
    EXPECT_TRUE(file.Close()) << file.GetError();
    return qf::test::ReadFileBytes(path);
}

template <class Record> std::string Text(const Record& record, int megaPov = 0) {
    return PovText([&](qf::CTextFileWriter& file) { record.Write(file, megaPov); });
}

const char* const kWhite = "rgbft<255/255,255/255,255/255,0.000,0.000>";

} // namespace

TEST(MaterialPovTest, DefaultMaterialIsASolidWhitePigment) {
    EXPECT_EQ(Text(CMaterialData()),
              std::string("material{\n\ttexture{\n\t\tpigment{\n\t\t\t") + kWhite + "\n\t\t}\n\t}\n}\n\n");
    CFinishData finish;
    EXPECT_EQ(Text(finish), "\t\tfinish{\n\t\t}\n") << "a default finish writes nothing inside";
    EXPECT_EQ(Text(CInteriorData()), "\tinterior{\n\t}\n");
}

TEST(MaterialPovTest, DeclaredNamesStandForTheirBlocks) {
    CMaterialData material;
    material.m_declared = 1;
    material.m_declaredName = "Gold_%d%s";
    material.m_useInterior = 1;
    EXPECT_EQ(Text(material), "material{\n\tGold_%d%s\n}\n\n") << "written unchanged, never as a format";

    CTextureData texture;
    texture.m_declared = 1;
    texture.m_declaredName = "T_Stone";
    EXPECT_EQ(Text(texture), "\ttexture{\n\t\tT_Stone\n\t}\n");

    CPigmentData pigment;
    pigment.m_kind = pigmentDeclared;
    pigment.m_declaredName = "P_Wood";
    pigment.m_useTurbulence = 1;
    EXPECT_EQ(Text(pigment), "\t\tpigment{\n\t\t\tP_Wood\n\t\t}\n")
        << "no turbulence after a declared pigment";

    CNormalData normal;
    normal.m_kind = normalDeclared;
    normal.m_declaredName = "N_Bumpy";
    EXPECT_EQ(Text(normal), "\t\tnormal{\n\t\t\tN_Bumpy\n\t\t}\n");

    CFinishData finish;
    finish.m_declared = 1;
    finish.m_declaredName = "F_Shiny";
    finish.m_specular = 1;
    EXPECT_EQ(Text(finish), "\t\tfinish{\n\t\t\tF_Shiny\n\t\t}\n");

    CInteriorData interior;
    interior.m_declared = 1;
    interior.m_declaredName = "I_Glass";
    EXPECT_EQ(Text(interior), "\tinterior{\n\t\tI_Glass\n\t}\n");
}

TEST(MaterialPovTest, PigmentKinds) {
    CPigmentData pigment;
    pigment.m_colors[0] = {0x0000FF, 0.5f, 0.25f};
    pigment.m_colors[1] = {0x00FF00, 0, 0};
    pigment.m_colors[2] = {0xFF0000, 0, 1};
    const std::string red = "rgbft<255/255,0/255,0/255,0.500,0.250>";
    const std::string green = "rgbft<0/255,255/255,0/255,0.000,0.000>";
    const std::string blue = "rgbft<0/255,0/255,255/255,0.000,1.000>";
    struct Case {
        int kind;
        std::string body;
    } cases[] = {
        {pigmentSolid, "\t\t\t" + red + "\n"},
        {pigmentChecker, "\t\t\tchecker\n\t\t\t" + red + ",\n\t\t\t" + green + "\n"},
        {pigmentHexagon, "\t\t\thexagon\n\t\t\t" + red + ",\n\t\t\t" + green + ",\n\t\t\t" + blue + "\n"},
        {pigmentBrick, "\t\t\tbrick\n\t\t\t" + red + ",\n\t\t\t" + green +
                           "\n\t\t\tbrick_size<8.000,3.000,4.500>\n\t\t\tmortar 0.500\n\n"},
        {pigmentImageMap, "\t\t\timage_map{ tga \"\" map_type 0 }\n\t\t\ttranslate<-0.5,-0.5,0>\n"},
        {99, ""},
    };
    for (const Case& c : cases) {
        pigment.m_kind = c.kind;
        EXPECT_EQ(Text(pigment), "\t\tpigment{\n" + c.body + "\t\t}\n") << "kind " << c.kind;
    }
}

TEST(MaterialPovTest, ColourMapPigmentWithTurbulence) {
    CPigmentData pigment;
    pigment.m_kind = pigmentColorMap;
    pigment.m_pattern.m_pattern = patternWood;
    pigment.m_count = 3;
    pigment.m_positions[1] = 250;
    pigment.m_positions[2] = 1000;
    pigment.m_colors[2].m_color = 0x000000;
    pigment.m_useTurbulence = 1;
    pigment.m_turbulence.m_octaves = 3;
    EXPECT_EQ(Text(pigment), std::string("\t\tpigment{\n\t\t\t\t\t\twood\n\t\t\tcolor_map{\n") +
                                 "\t\t\t\t[ 0.000 " + kWhite + "]\n\t\t\t\t[ 0.250 " + kWhite +
                                 "]\n\t\t\t\t[ 1.000 rgbft<0/255,0/255,0/255,0.000,0.000>]\n\t\t\t}\n" +
                                 "\t\t\toctaves 3\n\t\t\tramp_wave\n\t\t}\n");
    pigment.m_count = 1000;
    const std::string many = Text(pigment);
    EXPECT_EQ(many.find("[ "), many.find("[ 0.000")) << "a count past the entries stops at the last one";
    size_t stops = 0;
    for (size_t at = many.find("[ "); at != std::string::npos; at = many.find("[ ", at + 1))
        ++stops;
    EXPECT_EQ(stops, static_cast<size_t>(CPigmentData::colorCount));
}

TEST(MaterialPovTest, PatternLines) {
    struct Case {
        int pattern;
        const char* lines;
    } cases[] = {
        {patternAgate, "\t\t\tagate\n\t\t\tagate_turb 0.750\n"},
        {patternBozo, "\t\t\tbozo\n"},
        {patternCrackle, "\t\t\tcrackle\n"},
        {patternGradient, "\t\t\tgradient <1,0,-1>\n"},
        {patternGranite, "\t\t\tgranite\n"},
        {patternLeopard, "\t\t\tleopard\n"},
        {patternMandel, "\t\t\tmandel 40\n"},
        {patternMarble, "\t\t\tmarble\n"},
        {patternOnion, "\t\t\tonion\n"},
        {patternRadial, "\t\t\tradial\n"},
        {patternSpiral1, "\t\t\tspiral1 3\n"},
        {patternSpiral2, "\t\t\tspiral2 3\n"},
        {patternSpotted, "\t\t\tspotted\n"},
        {patternWood, "\t\t\twood\n"},
        {patternBumps, "\t\t\tbumps\n"},
        {patternRipples, "\t\t\tripples\n"},
        {patternDents, "\t\t\tdents\n"},
        {patternWaves, "\t\t\twaves\n"},
        {patternWrinkles, "\t\t\twrinkles\n"},
        {patternQuilted, "\t\t\tquilted\n\t\t\tcontrol0 0.200\n\t\t\tcontrol1 0.900\n"},
        {patternBoxed, "\t\t\tboxed\n"},
        {patternCylindrical, "\t\t\tcylindrical\n"},
        {patternPlanar, "\t\t\tplanar\n"},
        {patternSpherical, "\t\t\tspherical\n"},
        {24, ""},
        {-1, ""},
    };
    CPatternData pattern;
    pattern.m_agateTurb = 0.75f;
    pattern.m_gradient[0] = 1;
    pattern.m_gradient[2] = -1;
    pattern.m_mandelIterations = 40;
    pattern.m_spiralArms = 3;
    pattern.m_control0 = 0.2f;
    pattern.m_control1 = 0.9f;
    for (const Case& c : cases) {
        pattern.m_pattern = c.pattern;
        EXPECT_EQ(Text(pattern), c.lines) << "pattern " << c.pattern;
    }
}

TEST(MaterialPovTest, TurbulenceWritesWhatDiffersThenTheWave) {
    CTurbulenceData turbulence;
    EXPECT_EQ(Text(turbulence), "\t\t\tramp_wave\n") << "the default wave is still written";
    turbulence.m_turbulence[1] = 0.5f;
    turbulence.m_octaves = 2;
    turbulence.m_omega = 0.25f;
    turbulence.m_lambda = 3;
    turbulence.m_frequency = 2;
    turbulence.m_phase = 0.125f;
    const std::string lines = "\t\t\tturbulence <0.000,0.500,0.000>\n\t\t\toctaves 2\n\t\t\tomega 0.250\n"
                              "\t\t\tlambda 3.000\n\t\t\tfrequency 2.000\n\t\t\tphase 0.125\n";
    const char* const waves[] = {"\t\t\tramp_wave\n", "\t\t\ttriangle_wave\n", "\t\t\tsine_wave\n",
                                 "\t\t\tscallop_wave\n", ""};
    for (int wave = 0; wave < 5; ++wave) {
        turbulence.m_waveType = wave;
        EXPECT_EQ(Text(turbulence), lines + waves[wave]) << "wave " << wave;
    }
}

TEST(MaterialPovTest, ImageAndBumpMapLines) {
    struct Case {
        const char* name;
        int mapType, fileType, interpolate, once;
        const char* text;
    } cases[] = {
        {"planar gif", mapPlanar, fileGif, 0, 0,
         "\t\t\timage_map{ gif \"a b.img\" map_type 0 }\n\t\t\ttranslate<-0.5,-0.5,0>\n"},
        {"spherical png interpolate 2", mapSpherical, filePng, 1, 0,
         "\t\t\timage_map{ png \"a b.img\" map_type 1 interpolate 2 }\n\t\t\trotate y*-90\n"},
        {"cylindrical ppm interpolate 4 once", mapCylindrical, filePpm, 2, 1,
         "\t\t\timage_map{ ppm \"a b.img\" map_type 2 interpolate 4 once }\n\t\t\ttranslate "
         "y*-0.5\n\t\t\trotate y*-90\n"},
        {"torus sys", mapTorus, fileSys, 0, 1, "\t\t\timage_map{ sys \"a b.img\" map_type 5 once }\n"},
        {"iff; other interpolate and once values add nothing", mapTorus, fileIff, 3, 2,
         "\t\t\timage_map{ iff \"a b.img\" map_type 5 }\n"},
    };
    CImageMapData map;
    map.m_fileName = "a b.img";
    for (const Case& c : cases) {
        map.m_mapType = c.mapType;
        map.m_fileType = c.fileType;
        map.m_interpolate = c.interpolate;
        map.m_once = c.once;
        EXPECT_EQ(PovText([&](qf::CTextFileWriter& f) { map.WriteImageMap(f, 0); }), c.text) << c.name;
    }
    map.m_fileType = filePgm;
    EXPECT_EQ(PovText([&](qf::CTextFileWriter& f) { map.WriteBumpMap(f, 0); }),
              "\t\t\tbump_map{ pgm \"a b.img\" map_type 5 }\n");
}

TEST(MaterialPovTest, ImageMapPathsCannotBreakTheScene) {
    CImageMapData map;
    map.m_mapType = mapTorus;
    map.m_fileName = "C:\\maps\\say \"hi\".png";
    EXPECT_EQ(PovText([&](qf::CTextFileWriter& f) { map.WriteImageMap(f, 0); }),
              "\t\t\timage_map{ tga concat(\"C:\",chr(92),\"maps\",chr(92),\"say \",chr(34),\"hi\",chr(34),"
              "\".png\") map_type 5 }\n");
    struct Case {
        const char* text;
        const char* expression;
    } cases[] = {
        {"", "\"\""},
        {"plain/path.png", "\"plain/path.png\""},
        {"画像.png", "\"画像.png\""},
        {"\\", "chr(92)"},
        {"end\\", "concat(\"end\",chr(92))"},
        {"two\nlines\r", "concat(\"two\",chr(10),\"lines\",chr(13))"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PovStringExpression(c.text), c.expression) << c.text;
}

TEST(MaterialPovTest, NormalKinds) {
    CNormalData normal;
    normal.m_pattern.m_pattern = patternBumps;
    EXPECT_EQ(Text(normal), "\t\tnormal{\n\t\t\tbumps\n\t\t}\n");
    normal.m_useBumpSize = 1;
    normal.m_bumpSize = 0.4f;
    normal.m_useTurbulence = 1;
    EXPECT_EQ(Text(normal), "\t\tnormal{\n\t\t\tbumps\n\t\t\tbump_size 0.400\n\t\t\tramp_wave\n\t\t}\n");
    normal.m_kind = normalBumpMap;
    normal.m_bumpMap.m_fileName = "b.png";
    normal.m_bumpMap.m_fileType = filePng;
    normal.m_bumpMap.m_mapType = mapTorus;
    EXPECT_EQ(Text(normal), "\t\tnormal{\n\t\t\tbump_map{ png \"b.png\" map_type 5 }\n\t\t\tbump_size "
                            "0.400\n\t\t\tramp_wave\n\t\t}\n");
}

TEST(MaterialPovTest, FinishWritesWhatDiffersInItsOrder) {
    CFinishData finish;
    finish.m_specular = 0.5f;
    finish.m_roughness = 0.01f;
    finish.m_phong = 1;
    finish.m_phongSize = 80;
    finish.m_ambient[2] = 0.2f;
    finish.m_diffuse = 0.7f;
    finish.m_brilliance = 2;
    finish.m_useReflection = 1;
    finish.m_reflection[0] = 0.25f;
    finish.m_crand = 0.1f;
    finish.m_useMetallic = 1;
    finish.m_useIrid = 1;
    finish.m_useReflectionBlur = 1;
    finish.m_useReflectionMetallic = 1;
    finish.m_useReflectionType = 1;
    finish.m_conserveEnergy = 1;
    finish.m_reflectionSamples = 8;
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
            finish.m_megaPov = ownSwitch;
            const bool both = callerFlag == 1 && ownSwitch == 1;
            EXPECT_EQ(Text(finish, callerFlag), common + (both ? megaPov : "") + "\t\t}\n")
                << "caller " << callerFlag << ", finish " << ownSwitch;
        }
}

TEST(MaterialPovTest, InteriorAndTheMegaPovFlagPassedDown) {
    CInteriorData interior;
    interior.m_ior = 1.5f;
    EXPECT_EQ(Text(interior), "\tinterior{\n\t\tior 1.5000\n\t}\n");
    interior.m_useCaustics = 1;
    interior.m_useFade = 1;
    EXPECT_EQ(Text(interior), "\tinterior{\n\t\tior 1.5000\n\t\tcaustics 1.000\n\t\tfade_distance "
                              "10.000\n\t\tfade_power 2.000\n\t}\n");

    CMaterialData material;
    material.m_useInterior = 1;
    material.m_texture.m_usePigment = 0;
    material.m_texture.m_useFinish = 1;
    material.m_texture.m_finish.m_megaPov = 1;
    material.m_texture.m_finish.m_useReflectionMetallic = 1;
    EXPECT_EQ(Text(material, 1), "material{\n\ttexture{\n\t\tfinish{\n\t\t\treflection_metallic "
                                 "1.000\n\t\t}\n\t}\n\tinterior{\n\t}\n}\n\n");
    EXPECT_EQ(Text(material, 0), "material{\n\ttexture{\n\t\tfinish{\n\t\t}\n\t}\n\tinterior{\n\t}\n}\n\n");
}
