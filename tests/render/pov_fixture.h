#pragma once
// A current document with a renderer definition and a render setting, the
// text the scene writer gives for it, and small patch shapes for scenes.
#include "app/quel_doc.h"
#include "platform/base/text_file.h"
#include "render/pov_scene_writer.h"
#include "support/model_shapes.h"
#include "support/recording_windows.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

class PovFixture : public ::testing::Test {
protected:
    // A new scene: the pane cameras look from the top, in perspective, from the front and from the side.
    PovFixture() { doc->OnNewDocument(); }
    // The document writes its settings files while its main window still stands.
    ~PovFixture() override { doc.reset(); }

    // The scene (or the object include) the writer gives, read back from its file.
    std::string Scene(bool withSetting = true) { return Text(true, withSetting); }
    std::string Include() { return Text(false, true); }
    std::string Text(bool scene, bool withSetting) {
        CPovSceneWriter writer;
        writer.SetRendererInfo(&info);
        writer.SetRenderSetting(withSetting ? &setting : nullptr);
        qf::CTextFileWriter file(dir.File("out.pov"), qf::TextEncoding::Utf8);
        EXPECT_TRUE(scene ? writer.WriteAll(file) : writer.WriteObjectDeclarations(file));
        EXPECT_TRUE(file.Close()) << file.GetError();
        return qf::test::ReadFileBytes(dir.File("out.pov"));
    }

    // A patch object of the document holding a copy of shape's geometry.
    CSpatchObj* AddObject(const std::unique_ptr<CSpatchObj>& shape, const char* name) {
        CSpatchObj* obj = doc->AddPatchObject();
        obj->SetName(name);
        obj->AppendGeometry(shape.get(), 0);
        return obj;
    }

    // Puts the material into the object's slot and switches the slot on.
    static CTransformData* UseMaterial(CBaseObj* object, int slot, int materialId) {
        CTransformData* data = object->GetMaterialSlot(slot);
        data->m_slotOption = 1;
        data->m_materialId = materialId;
        return data;
    }

    std::unique_ptr<CQuelDoc> doc = std::make_unique<CQuelDoc>();
    qf::test::RecordingMainWindow main{doc.get()};
    CRendererInfo info;
    CRenderSetting setting;
    qf::test::TempDir dir;
};

// An axis-aligned cube of straight curves round centre: six four-sided patches.
inline std::unique_ptr<CSpatchObj> MakeCube(float half, const CVector3& centre = {}) {
    auto obj = std::make_unique<CSpatchObj>();
    CPatchVertex* corner[8];
    for (int i = 0; i < 8; ++i)
        corner[i] =
            obj->AddVertex(centre.GetX() + (i & 1 ? half : -half), centre.GetY() + (i & 2 ? half : -half),
                           centre.GetZ() + (i & 4 ? half : -half));
    for (int a = 0; a < 8; ++a)
        for (int bit : {1, 2, 4})
            if (!(a & bit))
                qf::test::AddCurveThrough(*obj, {corner[a], corner[a | bit]});
    obj->UpdateCurveHandles();
    return obj;
}

// One three-sided patch: three straight curves between three points of the unit circle.
inline std::unique_ptr<CSpatchObj> MakeTriangle() {
    auto obj = std::make_unique<CSpatchObj>();
    const std::vector<CPatchVertex*> ring = qf::test::AddRing(*obj, 3);
    for (int i = 0; i < 3; ++i)
        qf::test::AddCurveThrough(*obj, {ring[i], ring[(i + 1) % 3]});
    obj->UpdateCurveHandles();
    return obj;
}
