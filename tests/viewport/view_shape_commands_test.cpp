// The Insert submenu: each shape merges into the current object as its only
// selection in one undo step, the shipped shape files make the patches they
// are drawn for, a missing or damaged file changes nothing, and the objects
// the shapes make render in POV-Ray.
#include "app/render_setting.h"
#include "app/renderer_list.h"
#include "platform/base/file_util.h"
#include "render/pov_files.h"
#include "render/pov_scene_writer.h"
#include "support/image.h"
#include "support/run_program.h"
#include "support/temp_dir.h"
#include "view_command_fixture.h"
#include "viewport/clip_shape.h"

#include <algorithm>

using qf::test::ReadFileBytes;
using qf::test::WriteFileBytes;

namespace {

struct ShapeCase {
    const char* name;
    UINT id;
    int points;
    int patches; // once the object's patches are found again
};
constexpr ShapeCase kShapes[] = {
    {"box", 30046, 8, 6},    {"circle4", 30044, 4, 0},    {"circle8", 30079, 8, 0},
    {"cone", 30041, 5, 4},   {"cylinder", 30039, 10, 12}, {"plane", 30049, 16, 9},
    {"sphere", 30037, 6, 8}, {"square", 30052, 4, 0},     {"star", 30055, 10, 0},
};

// The current object starts with a unit grid cell, all selected.
class ViewShapeTest : public ViewCommandTest {
protected:
    void SetUp() override {
        ViewCommandTest::SetUp();
        obj->AppendGeometry(qf::test::MakeFlatQuadGrid(1).get(), 1);
        obj->SelectAllVertices(1);
    }
    int PatchCount() {
        obj->Rebuild();
        return obj->GetPatches().GetCount() + obj->GetFivePatches().GetCount();
    }
    bool Insert(const std::string& path) {
        return view->InsertClipShape(path.c_str(), {"形", "Shape"}) != FALSE;
    }

    qf::test::TempDir dir;
};

} // namespace

TEST_F(ViewShapeTest, EachShapeMergesAsTheOnlySelectionInOneStep) {
    const int cellPatches = PatchCount();
    for (const ShapeCase& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        doc->m_undoBuffer.Clear();
        obj->SelectAllVertices(1);
        const std::string before = qf::test::DocumentBytes(*doc);
        Drawn();
        Run(shape.id);
        ASSERT_EQ(obj->GetVertices().GetCount(), 4 + shape.points);
        EXPECT_EQ(obj->CountSelectedVertices(), shape.points) << "only the shape is selected";
        for (int i = 0; i < 4; ++i)
            EXPECT_FALSE(Point(i)->m_selected);
        EXPECT_EQ(qf::test::CheckLinkInvariants(*obj), "");
        EXPECT_EQ(PatchCount(), cellPatches + shape.patches);
        EXPECT_EQ(Drawn(), "full ");
        ExpectOneStepThatUndoes(before);
    }
    EXPECT_TRUE(boxes.GetRequests().empty());
}

TEST_F(ViewShapeTest, EveryShapeFileIsCentredOnTheOriginWithinTwoUnits) {
    for (const char* file :
         {"cube", "circle (4 pts)", "circle (8 pts)", "cone", "cylinder", "grid", "sphere", "square"}) {
        CSpatchObj shape;
        CString why;
        ASSERT_EQ(ReadClipShape(qf::JoinPath(ClipShapesFolder(), file), shape, why), ClipShapeRead::ok)
            << file;
        CVector3 maxCorner, minCorner;
        shape.GetBounds(maxCorner, minCorner);
        qf::test::ExpectVectorNear(shape.GetCenter(), {0, 0, 0}, file);
        EXPECT_NEAR(std::max({maxCorner.GetX(), maxCorner.GetY(), maxCorner.GetZ()}), 1.0f, 1e-5f) << file;
        EXPECT_NEAR(std::min({minCorner.GetX(), minCorner.GetY(), minCorner.GetZ()}), -1.0f, 1e-5f) << file;
    }
}

TEST_F(ViewShapeTest, AMissingOrDamagedShapeFileChangesNothing) {
    const std::string good = ReadFileBytes(qf::JoinPath(ClipShapesFolder(), "square"));
    ASSERT_FALSE(good.empty());
    const struct {
        const char* name;
        std::string text;
        const char* says;
    } cases[] = {
        {"another format", "Metasequoia Document\n", "not a version-1 sPatch text"},
        {"version 2", "sPatches version 2 " + good.substr(good.find('\n', 19)),
         "not a version-1 sPatch text"},
        {"ends early", good.substr(0, good.size() / 2), "ends too early"},
        {"a point index past the list", "sPatches v 1 a b n 1 0 0 0 0 1 0 0 n 1 2 1 0 1 0.3 5 1 0.3 e",
         "refers to nothing"},
        {"a count larger than the file", "sPatches v 1 a b n 99999 0 0 0 0 0 n 0 e", "count"},
    };
    const std::string before = qf::test::DocumentBytes(*doc);
    size_t messages = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File("shape");
        WriteFileBytes(path, c.text);
        EXPECT_FALSE(Insert(path));
        ASSERT_EQ(boxes.GetRequests().size(), ++messages);
        EXPECT_NE(boxes.GetRequests().back().text.str().find(c.says), std::string::npos)
            << boxes.GetRequests().back().text.str();
        EXPECT_NE(boxes.GetRequests().back().text.str().find("Nothing was changed"), std::string::npos);
    }
    EXPECT_FALSE(Insert(dir.File("no such shape")));
    ASSERT_EQ(boxes.GetRequests().size(), ++messages);
    EXPECT_EQ(boxes.GetRequests().back().text, "fail to create");
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);
    EXPECT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(*doc)));
}

TEST_F(ViewShapeTest, AnEmptyShapeFileStillLeavesNothingSelected) {
    const std::string path = dir.File("empty");
    WriteFileBytes(path, "sPatches version 1\nselection FALSE\nnum_points 0\nnum_curves 0\nend_patches\n");
    EXPECT_TRUE(Insert(path));
    EXPECT_EQ(obj->GetVertices().GetCount(), 4);
    EXPECT_EQ(obj->CountSelectedVertices(), 0);
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
}

TEST_F(ViewShapeTest, ALockedHiddenOrMissingObjectTakesNoShape) {
    obj->SetEditable(0);
    for (const ShapeCase& shape : kShapes) {
        EXPECT_FALSE(Enabled(shape.id)) << shape.name;
        Run(shape.id);
    }
    obj->SetEditable(1);
    obj->SetShow(0);
    EXPECT_FALSE(Enabled(30037)) << "a hidden object";
    obj->SetShow(1);
    EXPECT_TRUE(Enabled(30037));
    obj->SetSelected(0);
    for (const ShapeCase& shape : kShapes)
        Run(shape.id);
    EXPECT_EQ(obj->GetVertices().GetCount(), 4);
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);
    EXPECT_TRUE(boxes.GetRequests().empty()) << "the shapes ask for no object out loud";
}

// POV-Ray renders the object each shape makes in a new document's object.
class ViewShapePeerTest : public ViewCommandTest {
protected:
    void SetUp() override {
        if (!qf::test::IsOnPath("povray"))
            GTEST_SKIP() << "povray is not installed";
        ViewCommandTest::SetUp();
        doc->OnNewDocument();
        obj = doc->AddPatchObject();
        obj->SetName("patch_obj_00");
        obj->SetSelected(1);
        info.official_version = "3.7";
        setting.render_pane_flag = setting.rendering_type = 1;
        setting.render_pane = 1;
        setting.image_w = 96;
        setting.image_h = 72;
    }

    CRendererInfo info;
    CRenderSetting setting;
    qf::test::TempDir dir;
};

TEST_F(ViewShapePeerTest, EveryShapeThatMakesPatchesRendersInPovRay) {
    for (const ShapeCase& shape : kShapes) {
        if (shape.patches == 0)
            continue;
        SCOPED_TRACE(shape.name);
        obj->DeleteAllPatches();
        obj->DeleteAllCurves();
        obj->DeleteAllVertices();
        Run(shape.id);
        ASSERT_EQ(obj->GetVertices().GetCount(), shape.points);

        CPovSceneWriter writer;
        writer.SetRendererInfo(&info);
        writer.SetRenderSetting(&setting);
        const std::string name = std::string("shape_") + shape.name;
        const std::string scene = dir.File(name + ".pov");
        std::string error;
        ASSERT_TRUE(
            WritePovFiles(writer, {scene, dir.File(name + "_obj.inc"), CString(name + "_obj.inc")}, &error))
            << error;
        const std::string png = (qf::test::OutputDir() / (name + ".png")).string();
        const std::string log = (qf::test::OutputDir() / (name + ".log")).string();
        ASSERT_EQ(
            qf::test::RunProgram(
                {"povray", "+W96", "+H72", "-D", "+L" + dir.path().string(), "+I" + scene, "+O" + png}, log),
            0)
            << "see " << log;
        qf::test::Image image;
        ASSERT_TRUE(qf::test::LoadPng(png, image)) << png;
        // The default camera sees a two-unit shape from afar: a plane seen nearly edge-on covers a few dozen
        // pixels.
        EXPECT_GT(qf::test::CountPixelsNot(image, 0x969696, 2), 24) << "background only";
    }
}
