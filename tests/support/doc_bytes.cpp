#include "support/doc_bytes.h"

#include "app/doc_file.h"
#include "app/quel_doc.h"
#include "platform/base/archive.h"
#include "support/model_shapes.h"

#include <algorithm>
#include <vector>

namespace qf::test {

std::string DocumentBytes(CQuelDoc& doc) {
    CArchive ar;
    doc.Serialize(ar);
    return ar.GetBytes();
}

namespace {

// The keyword of the last section that starts before offset.
std::string SectionAt(const std::string& bytes, size_t offset) {
    const std::vector<std::string> keywords = {kSectionObjectInfo,
                                               kSectionLightInfo,
                                               kSectionMaterialInfo,
                                               kSectionWndInfo,
                                               kSectionBackgroundInfo,
                                               kSectionIncludeFile,
                                               CGlobalSettingsData::keyword,
                                               CRadiosityData::keyword,
                                               kSectionMegaPovInfo,
                                               CPostProcessData::keyword,
                                               kSectionAspect,
                                               kSectionObjectCpInfo,
                                               kSectionMemoCamera,
                                               kSectionMaterialAxis,
                                               kSectionPolygonInfo,
                                               kSectionMaterialAxisPolygon,
                                               kSectionBgImage,
                                               kSectionDefaultMatSetting,
                                               kSectionFolderInfo,
                                               kSectionObjectTree,
                                               CRadiosity2Data::keyword,
                                               CHdrBackground::keyword,
                                               kSectionObjectInfo2,
                                               kSectionLightInfo2,
                                               kSectionVertexExtInfo,
                                               kSectionEnd};
    std::string section = "(before the first section)";
    size_t best = 0;
    for (const std::string& keyword : keywords) {
        const std::string tagged = std::string(1, static_cast<char>(keyword.size())) + keyword;
        const size_t at = bytes.rfind(tagged, offset);
        if (at != std::string::npos && at < offset && (section.front() == '(' || at >= best)) {
            best = at;
            section = keyword;
        }
    }
    return section;
}

} // namespace

::testing::AssertionResult SameDocumentBytes(const std::string& expected, const std::string& actual) {
    if (expected == actual)
        return ::testing::AssertionSuccess();
    const auto [e, a] = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    const size_t offset = static_cast<size_t>(e - expected.begin());
    return ::testing::AssertionFailure()
           << "the files (" << expected.size() << " and " << actual.size() << " bytes) first differ at byte "
           << offset << ", in section \"" << SectionAt(expected, offset) << "\"";
}

namespace {

void FillPatchObjects(CQuelDoc& doc) {
    CSpatchObj* grid = doc.AddPatchObject();
    grid->SetName("グリッド");
    grid->AppendGeometry(MakeFlatQuadGrid(3).get(), 0);
    grid->SetColor(0x00102030);
    grid->SetSmoothing(1);
    grid->SetHollow(1);
    grid->SetDoubleIlluminate(1);
    grid->SetMirrorMode(2);
    grid->SetMirrorLimit(1);
    grid->SetMirrorLimitDistance(0.25f);
    grid->SetMirrorAxis(0, 0);
    grid->SetMirrorAxis(2, 1);
    grid->SetSeeThrough(1);
    grid->SetSeeThroughAmount(30);
    grid->SetPolygonize(1);
    grid->SetDivision(3);
    grid->SetSmoothOn(1);
    grid->SetSmoothAngle(45.5f);
    grid->SetSubdivisionOn(1);
    grid->SetSubdivisionCount(4);
    CCurve* first = grid->GetCurves().GetHead();
    first->m_curveWord = 0x5A5A;
    first->m_closed = 1;
    CCurvePoint* node = first->m_nodes.GetAtIndex(1);
    node->m_sharp = 1;
    node->m_weight = 0.55f;
    node->m_manualIn = 1;
    node->m_offsetIn = CVector3(0.1f, 0.2f, -0.3f);
    node = first->m_nodes.GetAtIndex(2);
    node->m_manualOut = 1;
    node->m_offsetOut = CVector3(-1.5f, 0.0f, 2.25f);
    grid->GetVertices().GetAtIndex(5)->m_visible = 0;
    CPatchVertex* marked = grid->GetVertices().GetAtIndex(6);
    marked->m_markerFlag = 1;
    marked->m_markerValues = {7, -8};
    marked->m_ownColor = 1;
    marked->m_color = 0x00ABCDEF;
    grid->UpdateCurveHandles();

    CSpatchObj* pentagon = doc.AddPatchObject();
    pentagon->SetName("pentagon");
    pentagon->AppendGeometry(MakePentagonWithNeighbours().get(), 0);
    pentagon->SetFivePointOn(1);
    pentagon->SetNoShadow(1);
    pentagon->SetEditable(0);
    pentagon->SetMotionBlur(1);
    pentagon->SetMotionBlurTarget(grid->GetKey());
    grid->SetMotionBlur(1);

    CSpatchObj* empty = doc.AddPatchObject();
    empty->SetName("empty");
    empty->SetShow(0);
    empty->SetExport(0);
}

void FillFolders(CQuelDoc& doc) {
    CFolderObj* outer = doc.AddFolder();
    outer->SetName("外側");
    outer->SetNoImage(1);
    outer->SetExtraVector(1, CVector3(1.0f, 2.0f, 3.0f));
    CFolderObj* inner = doc.AddFolder();
    inner->SetName("inner");
    inner->SetShow(0);
    doc.AddFolder()->SetName("empty folder");
    doc.m_tree.MoveIntoFolder(inner, outer);
    doc.m_tree.MoveIntoFolder(doc.m_objects.GetAtIndex(1), inner);
    doc.m_tree.MoveIntoFolder(doc.m_objects.GetAtIndex(2), outer);
    // The empty object's partner is a folder.
    doc.m_objects.GetAtIndex(2)->SetMotionBlurTarget(inner->GetKey());
}

void FillPolygonObjects(CQuelDoc& doc) {
    CPolygonObj* mesh = doc.AddPolygonObject();
    mesh->SetName("ポリゴン");
    mesh->SetColor(0x00336699);
    mesh->SetSmooth(0);
    mesh->SetSmoothingAngle(30.0f);
    mesh->SetCullBackFaces(0);
    mesh->SetExtraWord(0, 11);
    mesh->SetExtraWord(2, -3);
    const float points[][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {2, 0.5f, 0}, {-1, 1, 1}};
    for (const auto& p : points)
        mesh->AddVertex(p[0], p[1], p[2]);
    mesh->GetVertices().GetAtIndex(4)->m_value = 0.75f;
    mesh->GetVertices().GetAtIndex(4)->m_color = 0x00FF8800;
    CPolyFace* quad = mesh->AddFace();
    mesh->SetQuadFace(quad, 0, 1, 2, 3);
    quad->m_hasTexCoords = 1;
    for (int i = 0; i < 4; ++i) {
        quad->m_u[i] = 0.25f * static_cast<float>(i);
        quad->m_v[i] = 1.0f - 0.25f * static_cast<float>(i);
    }
    mesh->SetTriFace(mesh->AddFace(), 1, 4, 2);
    mesh->SetLineFace(mesh->AddFace(), 3, 5);
    mesh->BuildTopology();
    mesh->ComputeNormals();
    mesh->ClearAdjacency();

    CPolygonObj* bare = doc.AddPolygonObject();
    bare->SetName("bare");
    bare->AddVertex(5, 5, 5);
}

void FillLightsAndMaterials(CQuelDoc& doc) {
    CLightData* spot = doc.AddLight();
    spot->m_name = "スポット";
    spot->m_type = lightSpot;
    spot->m_location = CVector3(1, 10, -4);
    spot->m_color = 0x0080FF40;
    spot->m_fadeOn = 1;
    spot->m_shadowPigmentOn = 1;
    spot->m_shadowPigmentColor = 0x00010203;
    CLightData* area = doc.AddLight();
    area->m_name = "area";
    area->m_type = lightArea;
    area->m_areaSize1 = 4;
    area->m_jitter = 1;
    doc.AddLight()->m_name = "plain";

    CMaterialData* wood = doc.AddMaterial();
    wood->m_name = "木目";
    wood->m_useInterior = 1;
    wood->m_interior.m_ior = 1.33f;
    wood->m_interior.m_useFade = 1;
    CTextureData& texture = wood->m_texture;
    texture.m_useNormal = 1;
    texture.m_useFinish = 1;
    CPigmentData& pigment = texture.m_pigment;
    pigment.m_kind = pigmentColorMap;
    pigment.m_count = 3;
    pigment.m_colors[2].m_color = 0x00123456;
    pigment.m_colors[2].m_filter = 0.5f;
    pigment.m_positions[2] = 500;
    pigment.m_pattern.m_pattern = patternWood;
    pigment.m_useTurbulence = 1;
    pigment.m_turbulence.m_turbulence[1] = 0.3f;
    pigment.m_turbulence.m_waveType = waveSine;
    pigment.m_imageMap.m_fileName = "地図.png";
    pigment.m_imageMap.m_fileType = filePng;
    CNormalData& normal = texture.m_normal;
    normal.m_kind = normalBumpMap;
    normal.m_bumpMap.m_fileName = "bump.tga";
    normal.m_bumpMap.m_mapType = mapSpherical;
    normal.m_useBumpSize = 1;
    normal.m_bumpSize = 0.4f;
    texture.m_finish.m_phong = 0.9f;
    texture.m_finish.m_useIrid = 1;
    texture.m_finish.m_megaPov = 1;

    CMaterialData* declared = doc.AddMaterial();
    declared->m_name = "declared";
    declared->m_declared = 1;
    declared->m_declaredName = "T_Stone1";
    // A material that was deleted leaves a gap in the ids: references must
    // survive the renumbering on reading.
    doc.m_materials.Remove(doc.AddMaterial());
    CMaterialData* glass = doc.AddMaterial();
    glass->m_name = "glass";
    glass->m_texture.m_pigment.m_kind = pigmentChecker;

    auto useSlot = [](CBaseObj* obj, int slot, const CMaterialData* mat) {
        CTransformData* data = obj->GetMaterialSlot(slot);
        data->m_materialId = mat->m_id;
        data->m_slotOption = slot + 1;
        data->m_translation = CVector3(0.5f, 0, 0);
        data->m_rotation = CVector3(0, 90, 0);
        data->m_scale = CVector3(2, 2, 2);
    };
    useSlot(doc.m_objects.GetHead(), 0, glass);
    useSlot(doc.m_objects.GetHead(), 3, wood);
    useSlot(doc.m_objects.GetAtIndex(1), 1, declared);
    useSlot(doc.m_polygonObjects.GetHead(), 4, glass);
    doc.m_defaultMaterial.m_useReference = 1;
    doc.m_defaultMaterial.m_colorType = 1;
    doc.m_defaultMaterial.m_referencedMaterial = glass->m_id;
}

void FillSceneRecords(CQuelDoc& doc) {
    for (int i = 0; i < kPaneCount; ++i) {
        CCamera& camera = doc.m_cameras[i];
        camera.m_eye = CVector3(1.0f + i, 2.0f, -3.0f * i);
        camera.m_target = CVector3(0.5f, 0.0f, 0.25f * i);
        camera.m_roll = 10.0f * i;
        camera.m_angle = 30.0f + i;
        camera.m_projection = i % 2;
        doc.m_memoCameras[i] = camera;
        doc.m_memoCameras[i].m_angle = 50.0f - i;
        doc.m_underlayFiles[i] = i == 2 ? "下絵.bmp" : "";
        doc.m_underlays[i].m_offset = CVector3(0.1f * i, 0, 0);
        doc.m_underlays[i].m_scale = CVector3(1, 1.5f, 1);
    }
    doc.m_cameras[1].m_aspect = 1.25f;
    doc.m_renderBgColor = 0x00203040;
    doc.m_includeFiles = {"colors.inc", "テクスチャ.inc"};
    doc.m_globalSettings.m_maxTraceLevel = 20;
    doc.m_globalSettings.m_ambientLight = 0x00808080;
    doc.m_radiosity.m_count = 250;
    doc.m_radiosity2.m_media = 1;
    doc.m_radiosity2.m_pretraceEnd = 0.01f;
    doc.m_postProcess.m_starsOn = 1;
    doc.m_postProcess.m_findEdges[2] = 0.5f;
    doc.m_settings.m_megaPovVersion = 1.0f;
    doc.m_motionBlurCount = 9;
    doc.m_motionBlurTime = 0.2f;
    doc.m_hdr.m_use = 1;
    doc.m_hdr.m_radius = 500.0f;
    doc.m_hdr.m_imageFile = "sky.hdr";
    doc.m_hdr.m_extraLine = "no_shadow";
}

} // namespace

void FillEveryKindOfContent(CQuelDoc& doc) {
    FillPatchObjects(doc);
    FillFolders(doc);
    FillPolygonObjects(doc);
    FillLightsAndMaterials(doc);
    FillSceneRecords(doc);
}

} // namespace qf::test
