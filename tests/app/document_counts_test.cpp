// The document information counts per scope: all objects, the first
// selected one, and the exported ones.
#include "app/document_counts.h"
#include "doc_fixture.h"
#include "support/model_shapes.h"

using namespace qf::test;

class DocumentCountsTest : public DocTest {
protected:
    CSpatchObj* Add(std::unique_ptr<CSpatchObj> shape) {
        CSpatchObj* obj = doc->AddPatchObject();
        obj->AppendGeometry(shape.get(), 0);
        return obj;
    }
    static std::vector<int> Values(const CScopeCounts& c) {
        return {c.threeSided, c.fourSided,        c.fiveSided,     c.curves,
                c.vertices,   c.selectedVertices, c.hiddenVertices};
    }
};

TEST_F(DocumentCountsTest, EachScopeTakesItsObjects) {
    for (int scope : {countAll, countSelectedObject, countExported})
        EXPECT_EQ(Values(CountScope(*doc, scope)), std::vector<int>(7, 0))
            << "an empty scene, scope " << scope;

    // A fan of four triangles (5 points; a closed rim and four spokes) and a flagged pentagon (5 points, 5
    // curves, one five-sided patch).
    CSpatchObj* fan = Add(MakeTriangleFan(4));
    CSpatchObj* pentagon = Add(MakeFlaggedPentagon());
    pentagon->SetFivePointOn(1);
    PointsOf(*fan)[0]->m_selected = 1;
    PointsOf(*fan)[1]->m_hidden = 1;
    PointsOf(*pentagon)[0]->m_selected = 1;
    PointsOf(*pentagon)[1]->m_selected = 1;

    EXPECT_EQ(Values(CountScope(*doc, countSelectedObject)), std::vector<int>(7, 0)) << "nothing selected";
    EXPECT_EQ(Values(CountScope(*doc, countAll)), (std::vector<int>{4, 0, 1, 5 + 5, 10, 0, 1}))
        << "selected points count only in selected objects";

    fan->SetSelected(1);
    pentagon->SetSelected(1);
    EXPECT_EQ(Values(CountScope(*doc, countAll)), (std::vector<int>{4, 0, 1, 10, 10, 3, 1}));
    EXPECT_EQ(Values(CountScope(*doc, countSelectedObject)), (std::vector<int>{4, 0, 0, 5, 5, 1, 1}))
        << "the first selected object only";

    CFolderObj* folder = doc->AddFolder();
    folder->SetExport(0);
    fan->SetParentFolder(folder);
    EXPECT_EQ(Values(CountScope(*doc, countExported)), (std::vector<int>{0, 0, 1, 5, 5, 2, 0}))
        << "an object in a folder whose export is off is left out";
    EXPECT_EQ(CountScope(*doc, countAll).vertices, 10);
}
