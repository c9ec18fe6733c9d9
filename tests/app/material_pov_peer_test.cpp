// POV-Ray reads the material blocks we write: every pigment, normal, finish,
// interior and pattern kind on its own sphere in one throw-away scene.
#include "app/hdr_background.h"
#include "app/material_data.h"
#include "platform/base/text_file.h"
#include "support/image.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace qf::test;

namespace {

// A name the scene text must spell with codes.
const char* const kOddName = "odd \"name\" \\ 1";

// A 2 x 2 picture in each format the variants use, and a sky for the HDR sphere.
void WriteImages(const TempDir& dir) {
    Image image{2, 2, {255, 0, 0, 0, 0, 255, 0, 0, 255, 255, 0, 0}};
    ASSERT_TRUE(SavePng(dir.File("map.png"), image));
    ASSERT_TRUE(SavePng(dir.File(std::string(kOddName) + ".png"), image));
    const std::string pixels(image.rgb.begin(), image.rgb.end());
    WriteFileBytes(dir.File("map.ppm"), "P6\n2 2\n255\n" + pixels);
    WriteFileBytes(dir.File("map.pgm"), "P5\n2 2\n255\n\x20\x80\xC0\xFF");
    // Uncompressed true-colour TGA: 18-byte header, then BGR pixels.
    std::string tga = std::string("\0\0\2", 3) + std::string(9, '\0') + std::string("\2\0\2\0\x18\0", 6);
    for (size_t i = 0; i < pixels.size(); i += 3)
        tga += {pixels[i + 2], pixels[i + 1], pixels[i]};
    WriteFileBytes(dir.File("map.tga"), tga);
    // 24-bit BMP: 14-byte file header, 40-byte info header, bottom-up BGR rows padded to 4 bytes.
    std::string bmp = std::string("BM\x46\0\0\0\0\0\0\0\x36\0\0\0", 14) +
                      std::string("\x28\0\0\0\2\0\0\0\2\0\0\0\1\0\x18\0", 16) + std::string(24, '\0');
    for (size_t row : {6u, 0u}) {
        for (size_t i = row; i < row + 6; i += 3)
            bmp += {pixels[i + 2], pixels[i + 1], pixels[i]};
        bmp += std::string(2, '\0');
    }
    WriteFileBytes(dir.File("map.bmp"), bmp);
    WriteFileBytes(dir.File(std::string(kOddName) + ".hdr"),
                   "#?RADIANCE\nFORMAT=32-bit_rle_rgbe\n\n-Y 2 +X 2\n\x80\x80\xFF\x81\x80\x80\xFF\x81"
                   "\xFF\x80\x80\x81\xFF\x80\x80\x81");
}

// One material per kind the writers know.
std::vector<CMaterialData> Variants(const TempDir& dir) {
    std::vector<CMaterialData> all;
    auto add = [&all]() -> CMaterialData& {
        CMaterialData& m = all.emplace_back();
        m.m_texture.m_pigment.m_colors[0] = {0x2040FF, 0.1f, 0.2f};
        m.m_texture.m_pigment.m_colors[1] = {0x00FF00, 0, 0};
        m.m_texture.m_pigment.m_colors[2] = {0xFF0000, 0.3f, 0};
        return m;
    };
    for (int kind : {pigmentSolid, pigmentChecker, pigmentHexagon, pigmentBrick, pigmentDeclared})
        add().m_texture.m_pigment.m_kind = kind;
    all.back().m_texture.m_pigment.m_declaredName = "P_Decl";
    const std::pair<std::string, int> images[] = {{"map.png", filePng},
                                                  {"map.ppm", filePpm},
                                                  {"map.pgm", filePgm},
                                                  {"map.tga", fileTga},
                                                  {std::string(kOddName) + ".png", filePng},
                                                  {"map.bmp", fileSys}};
    for (int i = 0; i < static_cast<int>(std::size(images)); ++i) {
        CPigmentData& p = add().m_texture.m_pigment;
        p.m_kind = pigmentImageMap;
        p.m_imageMap.m_fileName = dir.File(images[i].first);
        p.m_imageMap.m_fileType = images[i].second;
        p.m_imageMap.m_mapType = i % mapTypeCount;
        p.m_imageMap.m_interpolate = i % 3;
        p.m_imageMap.m_once = i % 2;
    }
    for (int pattern = 0; pattern < patternCount; ++pattern) {
        CMaterialData& m = add();
        CPigmentData& p = m.m_texture.m_pigment;
        p.m_kind = pigmentColorMap;
        p.m_pattern.m_pattern = pattern;
        p.m_count = 3;
        p.m_positions[2] = 1000;
        p.m_useTurbulence = 1;
        p.m_turbulence = {{0.3f, 0, 0}, 3, 0.6f, 2.5f, 2, 0.5f, pattern % 4};
        m.m_texture.m_useNormal = 1;
        CNormalData& n = m.m_texture.m_normal;
        n.m_pattern.m_pattern = pattern;
        n.m_useBumpSize = n.m_useTurbulence = 1;
        n.m_turbulence = {{0, 0.2f, 0}, 6, 0.5f, 2, 1, 0, (pattern + 1) % 4};
    }
    CNormalData& bump = add().m_texture.m_normal;
    bump.m_kind = normalBumpMap;
    bump.m_bumpMap.m_fileName = dir.File("map.bmp");
    bump.m_bumpMap.m_fileType = fileSys;
    add().m_texture.m_normal = {.m_declaredName = "N_Decl", .m_kind = normalDeclared};
    for (CMaterialData* m : {&all[all.size() - 2], &all.back()})
        m->m_texture.m_useNormal = 1;

    CFinishData& f = add().m_texture.m_finish;
    // clang-format off
    f.m_specular = 0.5f; f.m_roughness = 0.02f; f.m_phong = 0.8f; f.m_phongSize = 60; f.m_ambient[0] = 0.2f;
    f.m_diffuse = 0.7f; f.m_brilliance = 2; f.m_useReflection = 1; f.m_crand = 0.05f; f.m_useMetallic = 1;
    f.m_useIrid = 1;
    // The MegaPOV values stay out of a scene for this renderer.
    f.m_megaPov = 1; f.m_useReflectionBlur = 1; f.m_useReflectionType = 1; f.m_conserveEnergy = 1;
    // clang-format on
    add().m_texture.m_finish = {.m_declared = 1, .m_declaredName = "F_Decl"};
    for (CMaterialData* m : {&all[all.size() - 2], &all.back()})
        m->m_texture.m_useFinish = 1;
    add().m_interior = {.m_ior = 1.33f, .m_useCaustics = 1, .m_useFade = 1};
    add().m_interior = {.m_declared = 1, .m_declaredName = "I_Decl"};
    for (CMaterialData* m : {&all[all.size() - 2], &all.back()})
        m->m_useInterior = 1;
    CMaterialData& texture = add();
    texture.m_texture.m_declared = 1;
    texture.m_texture.m_declaredName = "T_Decl";
    CMaterialData& material = add();
    material.m_declared = 1;
    material.m_declaredName = "M_Decl";
    return all;
}

// The identifiers the declared variants name, then one sphere per variant in
// a grid seen from the front, inside the image-based-lighting sphere.
void WriteScene(const TempDir& dir, const std::string& path) {
    const std::vector<CMaterialData> variants = Variants(dir);
    qf::CTextFileWriter file(path, qf::TextEncoding::Utf8);
    file.Write(
        "#version 3.7;\nglobal_settings { assumed_gamma 1.0 }\n"
        "camera { orthographic location <4.5, -2.5, -30> look_at <4.5, -2.5, 0> right x*10 up y*7.5 }\n"
        "light_source { <-10, 20, -30> color rgb 1 }\n"
        "#declare P_Decl = pigment { color rgb <1, 0.5, 0> }\n#declare N_Decl = normal { bumps 0.3 }\n"
        "#declare F_Decl = finish { phong 1 }\n#declare I_Decl = interior { ior 1.3 }\n"
        "#declare T_Decl = texture { pigment { color rgb 1 } }\n"
        "#declare M_Decl = material { texture { T_Decl } }\n");
    for (size_t i = 0; i < variants.size(); ++i) {
        file.Printf("#declare Mat%zu =\n", i);
        variants[i].Write(file, 0);
        file.Printf("sphere { <%zu, -%zu, 0>, 0.45 material { Mat%zu } }\n", i % 10, i / 10, i);
    }
    CHdrBackground hdr;
    hdr.m_use = 1;
    hdr.m_imageFile = dir.File(std::string(kOddName) + ".hdr");
    hdr.WritePov(file, 0, false); // the map type a new document starts with
    ASSERT_TRUE(file.Close()) << file.GetError();
}

} // namespace

TEST(MaterialPovPeerTest, PovRayRendersEveryMaterialKind) {
    TempDir dir;
    const std::string log = (OutputDir() / "povray-materials.log").string();
    if (RunProgram({"povray", "--version"}, log) != 0)
        GTEST_SKIP() << "povray is not installed";
    WriteImages(dir);
    const std::string scene = dir.File("materials.pov");
    const std::string picture = dir.File("materials.png");
    WriteScene(dir, scene);
    const auto overwrite = std::filesystem::copy_options::overwrite_existing;
    std::filesystem::copy_file(scene, OutputDir() / "materials.pov", overwrite);
    ASSERT_EQ(RunProgram({"povray", "+W64", "+H48", "-D", "+I" + scene, "+O" + picture}, log), 0)
        << "povray refused the scene; see " << log << " and " << (OutputDir() / "materials.pov").string();
    std::filesystem::copy_file(picture, OutputDir() / "materials.png", overwrite);
    Image image;
    ASSERT_TRUE(LoadPng(picture, image));
    EXPECT_GT(CountPixelsNot(image, 0x000000, 8), 64 * 48 / 4) << "the spheres fill much of the picture";
}
