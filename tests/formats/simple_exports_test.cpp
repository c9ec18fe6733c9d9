// The exports whose menu items stay disabled (VRML 2.0, Redqueen) and the
// Lightwave import that does nothing: what they write when run, and that
// their items never enable.
#include "exchange_fixture.h"
#include "formats/lwo_importer.h"
#include "formats/rrt_exporter.h"
#include "formats/vrml_exporter.h"
#include "platform/base/file_util.h"
#include "support/mesh_builders.h"

#include <algorithm>

#include <gtest/gtest.h>

using qf::test::DocumentBytes;
using qf::test::SameDocumentBytes;

namespace {

class SimpleExportsTest : public ExchangeTest {};

} // namespace

TEST_F(SimpleExportsTest, VrmlWritesEachExportableObjectAsAColouredFaceSet) {
    CSpatchObj* box = Add(qf::test::MakeClosedBox(), "box");
    box->SetColor(0x00C8C8C8);
    HideFromExport(Add(MakeSquare(0, 0, 0), "hidden"));
    Add(MakeSquare(0, 0, 0), "square")->SetColor(0x000000FF);
    CExportSettings settings;
    settings.scale = 2.0f;
    const std::string file = dir.File("scene.wrl");
    ASSERT_TRUE(CVrmlExporter().ExportTo(*doc, file.c_str(), settings));
    const std::string text = Read(file);

    EXPECT_TRUE(
        text.starts_with("#VRML V2.0 utf8\n\nDirectionalLight { direction -1 -3 -1 }\n# box\nTransform {\n"
                         "\tchildren [\n\tShape {\n\t\tappearance Appearance {\n\t\t\tmaterial Material {\n"
                         "\t\t\t\tdiffuseColor 0.7843 0.7843 0.7843\n\t\t\t\tspecularColor 0 0 0\n"
                         "\t\t\t}\n\t\t}\n\n\t\tgeometry IndexedFaceSet {\n\t\t\tccw FALSE\n"
                         "\t\t\tcoord Coordinate {\n\t\t\t\tpoint [\n\t\t\t\t\t-2.0000 -2.0000 -2.0000,\n"))
        << text;
    EXPECT_EQ(text.find("hidden"), std::string::npos);
    EXPECT_NE(text.find("# square\n"), std::string::npos);
    EXPECT_NE(text.find("diffuseColor 1.0000 0.0000 0.0000\n"), std::string::npos);
    // Every node is closed: as many closing as opening brackets and braces.
    EXPECT_EQ(std::count(text.begin(), text.end(), '['), std::count(text.begin(), text.end(), ']'));
    EXPECT_EQ(std::count(text.begin(), text.end(), '{'), std::count(text.begin(), text.end(), '}'));
    const std::string boxIndices =
        text.substr(text.find("coordIndex"), text.find("# square") - text.find("coordIndex"));
    EXPECT_EQ(std::count(boxIndices.begin(), boxIndices.end(), '-'), 6) << "six quads, each ended by -1";

    EXPECT_FALSE(CVrmlExporter().CanExport());
    ui.path = dir.File("menu.wrl");
    CVrmlExporter().Export(ui);
    EXPECT_EQ(ui.modes, (std::vector<ExportSettingMode>{exportModeSubdivisionAndScale}));
    EXPECT_EQ(ui.filters, (std::vector<std::string>{"VRML2.0(*.wrl)|*.wrl||"}));
}

TEST_F(SimpleExportsTest, RedqueenWritesTheDocumentElementWhateverTheScene) {
    Add(qf::test::MakeClosedBox(), "box");
    ui.path = dir.File("scene.rrt");
    CRrtExporter().Export(ui);
    EXPECT_EQ(Read(*ui.path), "<redqueen>\n</redqueen>\n");
    EXPECT_EQ(ui.filters, (std::vector<std::string>{"Redqueen(*.rrt)|*.rrt||"}));
    EXPECT_FALSE(CRrtExporter().CanExport());

    ui.settings.reset();
    ui.path = dir.File("cancelled.rrt");
    CRrtExporter().Export(ui);
    EXPECT_FALSE(qf::FileExists(*ui.path)) << "cancelled in the settings";
}

TEST_F(SimpleExportsTest, LightwaveImportChangesNothing) {
    Add(qf::test::MakeClosedBox(), "box");
    const std::string before = DocumentBytes(*doc);
    EXPECT_FALSE(CLwoImporter().CanImport());
    CLwoImporter().Import();
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));
    EXPECT_EQ(doc->m_undoBuffer.GetPosition(), 0);
    EXPECT_EQ(boxes.GetModalCount(), 0);
}
