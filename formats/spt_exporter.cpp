#include "formats/spt_exporter.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "formats/export_framework.h"
#include "formats/import_session.h"
#include "formats/spt_format.h"
#include "platform/base/modal_runner.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr CFileChoice kSptFile{"spt", "*.spt", "sPatch(*.spt)|*.spt||"};
constexpr COLORREF kVersion1Color = 0x00FA9600;
// Names listed in the message about objects left out of an export.
constexpr int kListedNames = 10;

// The format has eight layers; the objects after the eighth were not written.
void ReportLeftOut(const CQuelDoc& doc) {
    const int english = IsEnglish();
    CString names;
    int listed = 0;
    for (POSITION p = doc.m_objects.FindIndex(kSptLayerCount); p; ++listed) {
        const CSpatchObj* obj = doc.m_objects.GetNext(p);
        if (listed == kListedNames) {
            names.AppendFormat(english ? "\nand %d more" : "\nほか %d 個",
                               doc.m_objects.GetCount() - kSptLayerCount - kListedNames);
            break;
        }
        names += "\n" + obj->GetName();
    }
    const CString text = english
                             ? "An sPatch file holds eight objects. These objects were not exported:" + names
                             : "sPatch ファイルに入るオブジェクトは 8 個までです。次のオブジェクトは"
                               "エクスポートしていません:" +
                                   names;
    MessageBox(MessageOwner(), text, english ? "Export" : "エクスポート", MB_OK | MB_ICONWARNING);
}

// Moves every point of the objects so that the centre of their box is the origin.
void ShiftToCenter(const std::array<std::unique_ptr<CSpatchObj>, kSptLayerCount>& layers) {
    bool any = false;
    CVector3 low, high;
    for (const auto& obj : layers) {
        if (!obj)
            continue;
        CVector3 objHigh, objLow;
        obj->GetBounds(objHigh, objLow);
        if (!any) {
            low = objLow;
            high = objHigh;
            any = true;
            continue;
        }
        low = CVector3(std::min(low.GetX(), objLow.GetX()), std::min(low.GetY(), objLow.GetY()),
                       std::min(low.GetZ(), objLow.GetZ()));
        high = CVector3(std::max(high.GetX(), objHigh.GetX()), std::max(high.GetY(), objHigh.GetY()),
                        std::max(high.GetZ(), objHigh.GetZ()));
    }
    if (!any)
        return;
    const CVector3 shift = (low + high) * -0.5f;
    for (const auto& obj : layers) {
        if (!obj)
            continue;
        for (CPatchVertex* v : obj->GetVertices())
            *v += shift;
        obj->UpdateCurveHandles();
    }
}

} // namespace

BOOL CSptExporter::CanExport() const {
    return DocumentHasPatchObjects();
}

void CSptExporter::Export(CExchangeUi& ui) {
    CQuelDoc* doc = GetDoc();
    CString path;
    if (!doc || !ui.AskSavePath(kSptFile, path))
        return;
    ExportTo(*doc, path);
}

BOOL CSptExporter::ExportTo(CQuelDoc& doc, const CString& path) {
    std::vector<CSpatchObj*> layers;
    for (CSpatchObj* obj : doc.m_objects) {
        if (static_cast<int>(layers.size()) == kSptLayerCount)
            break;
        layers.push_back(obj);
    }
    CExportText text;
    {
        CBusyCursor busy;
        text << WriteSptText(layers);
        if (!SaveExportFile(text, path))
            return FALSE;
    }
    if (doc.m_objects.GetCount() > kSptLayerCount)
        ReportLeftOut(doc);
    return TRUE;
}

void CSptExporter::Import(CExchangeUi& ui) {
    CQuelDoc* doc = GetDoc();
    CSptImportSettings settings;
    CString path;
    if (!doc || !ui.AskSptImportSettings(settings) || !ui.AskOpenPath(kSptFile, path))
        return;
    ImportFrom(*doc, path, settings);
}

BOOL CSptExporter::ImportFrom(CQuelDoc& doc, const CString& path, const CSptImportSettings& settings) {
    const std::filesystem::path file(path.str());
    if (file.extension() != ".spt") {
        ShowFormatError("Not sPatch File", "sPatchのファイルではありません");
        return FALSE;
    }
    CBusyCursor busy;
    std::string bytes;
    if (!ReadImportFile(path, bytes))
        return FALSE;
    CTokenScanner scanner(bytes);
    const int version = ReadSptHeader(scanner);
    if (version == 0) {
        ShowFormatError("Not sPatch File", "sPatchのファイルではありません");
        return FALSE;
    }
    const CString base(file.stem().string());
    std::array<std::unique_ptr<CSpatchObj>, kSptLayerCount> layers;
    const bool read = ReadForImport(path, [&] {
        if (version == 1) {
            layers[0] = std::make_unique<CSpatchObj>();
            ReadSptBody(scanner, *layers[0]);
        } else {
            layers = ReadSptLayers(scanner);
        }
    });
    if (!read)
        return FALSE;

    if (version == 2 && settings.shiftCenter)
        ShiftToCenter(layers);
    CImportSession session(doc);
    for (int i = 0; i < kSptLayerCount; ++i) {
        if (!layers[i])
            continue;
        if (version == 1) {
            layers[i]->SetName(UniqueImportName(base, ""));
            layers[i]->SetColor(kVersion1Color);
        } else {
            CString name;
            name.Format("%s[Layer%d]", base.GetString(), i + 1);
            layers[i]->SetName(UniqueImportName(name, " _"));
            layers[i]->SetColor(settings.layerColors[i]);
        }
        session.Add(std::move(layers[i]));
    }
    session.Finish();
    return TRUE;
}
