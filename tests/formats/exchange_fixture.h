#pragma once
// A document with a scripted user for the exchange formats: the export
// settings, file names and sPatch import settings he would choose, what the
// commands asked him, and helpers to describe patch objects so that two can
// be compared point by point and curve by curve.
#include "app/doc_fixture.h"
#include "formats/exchange_ui.h"
#include "model/spatch_obj.h"
#include "support/doc_bytes.h"
#include "support/model_shapes.h"
#include "support/temp_dir.h"

#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

class ScriptedExchangeUi : public CExchangeUi {
public:
    bool AskExportSettings(ExportSettingMode mode, CExportSettings& chosen) override {
        modes.push_back(mode);
        if (!settings)
            return false;
        chosen = *settings;
        return true;
    }
    bool AskSavePath(const CFileChoice& choice, CString& chosen) override { return Answer(choice, chosen); }
    bool AskOpenPath(const CFileChoice& choice, CString& chosen) override { return Answer(choice, chosen); }
    bool AskSptImportSettings(CSptImportSettings& chosen) override {
        if (!sptSettings)
            return false;
        chosen = *sptSettings;
        return true;
    }
    bool AskMdlSettings(CMdlSettings& chosen) override {
        if (!mdlSettings)
            return false;
        chosen = *mdlSettings;
        return true;
    }
    bool AskPluginOptions(CPluginOptions& offered) override {
        pluginOffers.push_back(offered);
        if (!pluginOptions)
            return false;
        offered.atMostEight = pluginOptions->atMostEight;
        offered.resolution = pluginOptions->resolution;
        return true;
    }

    // Nothing: the user cancels that dialog.
    std::optional<CExportSettings> settings = CExportSettings();
    std::optional<CSptImportSettings> sptSettings = CSptImportSettings();
    std::optional<CMdlSettings> mdlSettings = CMdlSettings();
    std::optional<CPluginOptions> pluginOptions = CPluginOptions();
    std::optional<std::string> path;
    // What was asked.
    std::vector<ExportSettingMode> modes;
    std::vector<std::string> filters;
    std::vector<CPluginOptions> pluginOffers;

private:
    bool Answer(const CFileChoice& choice, CString& chosen) {
        filters.push_back(choice.filter);
        if (!path)
            return false;
        chosen = path->c_str();
        return true;
    }
};

inline std::string DescribeGeometry(CSpatchObj& obj);

class ExchangeTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        GetAppState().m_english = 1;
        doc->DeleteAllObjects();
        doc->m_undoBuffer.Clear();
    }

    // Takes obj into the document under name.
    CSpatchObj* Add(std::unique_ptr<CSpatchObj> obj, const char* name) {
        CSpatchObj* added = doc->AddPatchObject(std::move(obj));
        added->SetName(name);
        added->Rebuild();
        return added;
    }

    // Moves obj into a new folder whose export switch is off; returns the folder.
    CFolderObj* HideFromExport(CSpatchObj* obj) {
        CFolderObj* folder = doc->AddFolder();
        folder->SetExport(0);
        doc->m_tree.MoveIntoFolder(obj, folder);
        return folder;
    }

    std::string Read(const std::string& file) const { return qf::test::ReadFileBytes(file); }

    // Runs an import that must be refused: one message that contains told,
    // no undo step, the modified flag as it was, and the document's file the
    // same as before.
    template <class Import>
    void ExpectRefused(Import import, const std::string& told, const std::string& before) {
        const size_t asked = boxes.GetRequests().size();
        const BOOL modified = doc->IsModified();
        EXPECT_FALSE(import());
        ASSERT_EQ(boxes.GetRequests().size(), asked + 1);
        const std::string text = boxes.GetRequests().back().text.str();
        EXPECT_NE(text.find(told), std::string::npos) << text;
        EXPECT_EQ(doc->m_undoBuffer.GetPosition(), 0);
        EXPECT_EQ(doc->IsModified(), modified);
        EXPECT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(*doc)));
    }

    // Writes whole to path cut short after each of its bytes, up to and into
    // its last word, and runs import on each: every cut file is refused
    // (ExpectRefused), once it holds the word named with the message that
    // names the file. Then whole is imported, and undone again. whole is the
    // file as written and the same with Windows line ends and a blank line
    // after; both give the same objects.
    template <class Import>
    void ExpectEveryCutRefused(const std::string& written, const std::string& named, const std::string& path,
                               Import import) {
        std::string windows;
        for (char c : written)
            windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
        std::string imported;
        for (const std::string& whole : {written, windows + "\r\n\r\n"}) {
            const std::string before = qf::test::DocumentBytes(*doc);
            const int objects = doc->m_objects.GetCount();
            const size_t namedFrom = whole.find(named) + named.size();
            const size_t lastByte = whole.find_last_not_of(" \t\r\n");
            for (size_t length = 0; length <= lastByte && !HasFailure(); ++length) {
                SCOPED_TRACE("cut after " + std::to_string(length) + " bytes");
                // A new file for each cut: one rewritten in place is written
                // out to the disk at every close.
                std::filesystem::remove(path);
                qf::test::WriteFileBytes(path, whole.substr(0, length));
                ExpectRefused(import, length < namedFrom ? "" : path, before);
            }
            qf::test::WriteFileBytes(path, whole);
            ASSERT_TRUE(import()) << "the whole file";
            ASSERT_EQ(doc->m_undoBuffer.GetPosition(), 1);
            std::string added;
            for (int i = objects; i < doc->m_objects.GetCount(); ++i)
                added += DescribeGeometry(*doc->m_objects.GetAtIndex(i));
            EXPECT_FALSE(added.empty());
            if (imported.empty())
                imported = added;
            EXPECT_EQ(added, imported) << "the same with either line end";
            doc->m_undoBuffer.Undo();
            ASSERT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(*doc)));
        }
    }

    qf::test::TempDir dir;
    ScriptedExchangeUi ui;
};

// A square from (x, y, z) to (x + 1, y + 1, z): four points, four straight
// curves, one four-sided patch.
inline std::unique_ptr<CSpatchObj> MakeSquare(float x, float y, float z) {
    auto obj = std::make_unique<CSpatchObj>();
    std::vector<CPatchVertex*> corners = {obj->AddVertex(x, y, z), obj->AddVertex(x + 1, y, z),
                                          obj->AddVertex(x + 1, y + 1, z), obj->AddVertex(x, y + 1, z)};
    for (int i = 0; i < 4; ++i)
        qf::test::AddCurveThrough(*obj, {corners[i], corners[(i + 1) % 4]});
    obj->UpdateCurveHandles();
    return obj;
}

// Points (position to 4 decimals, visibility), curves (closed, nodes with
// point, sharpness, weight) and each point's links (curve, node), one line each.
inline std::string DescribeGeometry(CSpatchObj& obj) {
    obj.NumberVertices();
    obj.NumberCurves();
    std::ostringstream out;
    out.setf(std::ios::fixed);
    out.precision(4);
    auto clean = [](float v) { return std::fabs(v) < 5e-5f ? 0.0f : v; };
    for (const CPatchVertex* v : obj.GetVertices()) {
        out << "p " << clean(v->GetX()) << ' ' << clean(v->GetY()) << ' ' << clean(v->GetZ()) << " visible "
            << v->m_visible << " links";
        for (const CVertexLink* link : v->m_links)
            out << ' ' << link->m_curve->m_number << ':' << link->m_node->m_number;
        out << '\n';
    }
    for (const CCurve* curve : obj.GetCurves()) {
        out << "c closed " << curve->m_closed;
        for (const CCurvePoint* node : curve->m_nodes)
            out << " (" << node->m_vertex->m_index << ' ' << node->m_sharp << ' ' << node->m_weight << ')';
        out << '\n';
    }
    return out.str();
}
