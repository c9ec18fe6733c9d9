#include "formats/export_plugin_manager.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "formats/export_framework.h"
#include "model/spatch_obj.h"
#include "platform/base/c_locale.h"
#include "platform/base/codepage.h"
#include "platform/base/dynamic_library.h"
#include "platform/base/file_util.h"
#include "platform/base/modal_runner.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>

namespace {

constexpr const char* kPluginFolderName = "Export Plugins";

// The functions of a loaded plug-in; null where it has none.
struct CPluginFunctions {
    explicit CPluginFunctions(const qf::DynamicLibrary& library)
        : describeMe(library.Function<SPDescribeMeFn>("SPDescribeMe")),
          beginExport(library.Function<SPBeginExportFn>("SPBeginExport")),
          beginLayer(library.Function<SPBeginLayerFn>("SPBeginLayer")),
          exportPatch(library.Function<SPExportPatchFn>("SPExportPatch")),
          endLayer(library.Function<SPEndLayerFn>("SPEndLayer")),
          endExport(library.Function<SPEndExportFn>("SPEndExport")) {}

    // The name of the first function missing beside SPDescribeMe; null when all are there.
    const char* FirstMissing() const {
        if (!beginExport)
            return "SPBeginExport";
        if (!beginLayer)
            return "SPBeginLayer";
        if (!exportPatch)
            return "SPExportPatch";
        if (!endLayer)
            return "SPEndLayer";
        if (!endExport)
            return "SPEndExport";
        return nullptr;
    }

    SPDescribeMeFn describeMe;
    SPBeginExportFn beginExport;
    SPBeginLayerFn beginLayer;
    SPExportPatchFn exportPatch;
    SPEndLayerFn endLayer;
    SPEndExportFn endExport;
};

bool IsUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80                   ? 1
                              : lead >= 0xF0 && lead < 0xF5 ? 4
                              : lead >= 0xE0                ? 3
                              : lead >= 0xC2                ? 2
                                                            : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

// A text field of the record up to its NUL or its end, as UTF-8 (a plug-in
// written for Shift-JIS is read as such); control characters and the file
// filter's "|" become "_".
CString FieldText(const char* field, size_t size) {
    std::string bytes(field, strnlen(field, size));
    for (char& c : bytes)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '|')
            c = '_';
    std::string utf8;
    if (!IsUtf8(bytes))
        bytes = qf::Cp932ToUtf8(bytes, utf8) ? utf8 : std::string(bytes.size(), '_');
    return CString(bytes);
}

CPluginDescription Describe(SPDescribeMeFn describeMe, const std::string& path) {
    SPDescription record;
    std::memset(&record, 0, sizeof record);
    describeMe(&record);
    CPluginDescription description;
    description.name = FieldText(record.name, sizeof record.name);
    if (description.name.IsEmpty())
        description.name = CString(std::filesystem::path(path).filename().string());
    description.extension = FieldText(record.extension, sizeof record.extension);
    description.offersResolution = record.offersResolution != 0;
    description.resolution = record.resolution;
    return description;
}

// The document's plug-in flag while a run lasts.
class CPluginRunFlag {
public:
    explicit CPluginRunFlag(CQuelDoc& doc) : m_doc(doc) { m_doc.m_pluginExportBusy = 1; }
    ~CPluginRunFlag() { m_doc.m_pluginExportBusy = 0; }
    CPluginRunFlag(const CPluginRunFlag&) = delete;
    CPluginRunFlag& operator=(const CPluginRunFlag&) = delete;

private:
    CQuelDoc& m_doc;
};

void ReportMissingFunction(const std::string& path, const char* function) {
    const std::string file = std::filesystem::path(path).filename().string();
    CString text;
    if (IsEnglish()) {
        text.Format("The plug-in \"%s\" has no function %s, so it cannot export. Nothing was written.",
                    file.c_str(), function);
        MessageBox(MessageOwner(), text, "error", MB_OK | MB_ICONERROR);
    } else {
        text.Format(
            "プラグイン「%s」には関数 %s がないため、エクスポートできません。何も書き出していません。",
            file.c_str(), function);
        MessageBox(MessageOwner(), text, "エラー", MB_OK | MB_ICONERROR);
    }
}

void ReportLayerRepeats(const CString& name, int layers) {
    CString text;
    if (IsEnglish()) {
        text.Format("The plug-in \"%s\" asked for the same object again and again; %d object(s) were sent "
                    "%d times each and the export went on.",
                    name.GetString(), layers, CExportPluginManager::kMaxLayerSends);
        MessageBox(MessageOwner(), text, "Export", MB_OK | MB_ICONWARNING);
    } else {
        text.Format(
            "プラグイン「%s」が同じオブジェクトを繰り返し求めました。%d 個のオブジェクトをそれぞれ %d "
            "回送り、エクスポートを続けました。",
            name.GetString(), layers, CExportPluginManager::kMaxLayerSends);
        MessageBox(MessageOwner(), text, "エクスポート", MB_OK | MB_ICONWARNING);
    }
}

// The exportable objects with three- or four-sided patches, rebuilt where
// needed; at most limit of them when limit is above 0.
std::vector<CSpatchObj*> PatchedObjects(const CQuelDoc& doc, int limit) {
    std::vector<CSpatchObj*> objects;
    for (CSpatchObj* obj : ExportablePatchObjects(doc)) {
        if (obj->GetNeedsRebuild())
            obj->Rebuild();
        if (obj->GetPatches().IsEmpty())
            continue;
        objects.push_back(obj);
        if (limit > 0 && static_cast<int>(objects.size()) == limit)
            break;
    }
    return objects;
}

// The centre of the objects' box in our own axes and its largest extent
// (2 when it has none).
void Box(const std::vector<CSpatchObj*>& objects, float centre[3], float& size) {
    CSpatchObj box;
    for (CSpatchObj* obj : objects)
        box.AppendGeometry(obj, 0);
    CVector3 high, low;
    box.GetBounds(high, low);
    const float lows[3] = {low.GetX(), low.GetY(), low.GetZ()};
    const float highs[3] = {high.GetX(), high.GetY(), high.GetZ()};
    float half = 0.0f;
    for (int axis = 0; axis < 3; ++axis) {
        centre[axis] = (highs[axis] + lows[axis]) / 2.0f;
        half = std::max(half, (highs[axis] - lows[axis]) / 2.0f);
    }
    size = 2.0f * half;
    if (!(size > 0.0f))
        size = 2.0f;
}

} // namespace

std::string ExportPluginFolder(const CQuelDoc& doc) {
    return qf::JoinPath(doc.GetProgramFolder().str(), kPluginFolderName);
}

CExportPluginManager& TheExportPluginManager() {
    static CExportPluginManager manager;
    return manager;
}

std::vector<CString> CExportPluginManager::ListPlugins(const std::string& folder) {
    FreePluginList();
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (!entry.is_directory(error))
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());

    std::vector<CString> names;
    for (const std::string& file : files) {
        const qf::DynamicLibrary library(file);
        const auto describeMe = library.Function<SPDescribeMeFn>("SPDescribeMe");
        if (!describeMe)
            continue;
        names.push_back(Describe(describeMe, file).name);
        m_paths.push_back(file);
    }
    return names;
}

BOOL CExportPluginManager::RunPluginExport(UINT commandId, CQuelDoc& doc, CExchangeUi& ui) {
    if (commandId < kFirstPluginCommand || commandId - kFirstPluginCommand >= m_paths.size())
        return FALSE;
    const std::string path = m_paths[commandId - kFirstPluginCommand];
    const qf::DynamicLibrary library(path);
    const CPluginFunctions plugin(library);
    if (!plugin.describeMe)
        return FALSE;
    if (const char* missing = plugin.FirstMissing()) {
        ReportMissingFunction(path, missing);
        return TRUE;
    }
    const CPluginDescription description = Describe(plugin.describeMe, path);

    const CPluginRunFlag running(doc);
    const std::string extension = description.extension.str();
    const std::string fileName = extension.empty() ? "*" : "*." + extension;
    const std::string filter = description.name.str() + "(" + fileName + ")|" + fileName + "||";
    CString outputPath;
    if (!ui.AskSavePath({extension.c_str(), fileName.c_str(), filter.c_str()}, outputPath))
        return TRUE;

    CPluginOptions options;
    options.resolutionOffered = description.offersResolution;
    options.resolution = description.resolution;
    if (!ui.AskPluginOptions(options)) {
        options.atMostEight = TRUE;
        options.resolution = description.resolution;
    }

    const std::vector<CSpatchObj*> objects = PatchedObjects(doc, options.atMostEight ? kLayerLimit : 0);
    float centre[3];
    float size = 2.0f;
    Box(objects, centre, size);

    // A plug-in formats its numbers with the C library: "1.5", whatever the desktop's language.
    const qf::CNumericLocaleScope numbers;
    int repeatedLayers = 0;
    if (plugin.beginExport(outputPath.GetString(), centre, size)) {
        int layer = 0;
        for (CSpatchObj* obj : objects) {
            plugin.beginLayer(layer, obj->GetPatches().GetCount());
            int sends = 0;
            do {
                for (const CPatch* patch : obj->GetPatches()) {
                    SPPatch record;
                    FillPatchRecord(*patch, record, options.resolution);
                    plugin.exportPatch(&record);
                }
            } while (!plugin.endLayer(layer) && ++sends < kMaxLayerSends);
            repeatedLayers += sends == kMaxLayerSends ? 1 : 0;
            ++layer;
        }
        m_points = {};
        m_normals = {};
        m_triangles = {};
    }
    plugin.endExport();
    if (repeatedLayers)
        ReportLayerRepeats(description.name, repeatedLayers);
    return TRUE;
}

int CExportPluginManager::Subdivision(int resolution) {
    switch (resolution) {
    case 1:
        return 4;
    case 2:
        return 7;
    default:
        return 2;
    }
}

void CExportPluginManager::FillPatchRecord(const CPatch& patch, SPPatch& record, int resolution) {
    PatchNet net{};
    patch.BuildNet(net);
    for (int r = 0; r < 4; ++r)
        for (int k = 0; k < 4; ++k) {
            const float* p = &net[static_cast<size_t>((r * 4 + k) * 3)];
            record.net[r][k][0] = p[0];
            record.net[r][k][1] = p[1];
            record.net[r][k][2] = -p[2];
        }

    const int n = Subdivision(resolution);
    const size_t points = static_cast<size_t>((n + 1) * (n + 1));
    m_points.resize(points * 3);
    m_normals.resize(points * 3);
    m_triangles.resize(static_cast<size_t>(2 * n * n * 3));
    record.pointCount = static_cast<int32_t>(points);
    record.triangleCount = 2 * n * n;
    record.points = m_points.data();
    record.normals = m_normals.data();
    record.triangles = m_triangles.data();

    const auto bernstein = [](float t, float b[4], float d[4]) {
        const float s = 1.0f - t;
        b[0] = s * s * s;
        b[1] = 3.0f * s * s * t;
        b[2] = 3.0f * s * t * t;
        b[3] = t * t * t;
        d[0] = -3.0f * s * s;
        d[1] = 3.0f * s * (1.0f - 3.0f * t);
        d[2] = 3.0f * t * (2.0f - 3.0f * t);
        d[3] = 3.0f * t * t;
    };
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= n; ++j) {
            float bu[4], du[4], bv[4], dv[4];
            bernstein(static_cast<float>(i) / static_cast<float>(n), bu, du);
            bernstein(static_cast<float>(j) / static_cast<float>(n), bv, dv);
            float point[3] = {}, alongU[3] = {}, alongV[3] = {};
            for (int r = 0; r < 4; ++r)
                for (int k = 0; k < 4; ++k)
                    for (int c = 0; c < 3; ++c) {
                        const float value = record.net[r][k][c];
                        point[c] += bv[r] * bu[k] * value;
                        alongU[c] += bv[r] * du[k] * value;
                        alongV[c] += dv[r] * bu[k] * value;
                    }
            float normal[3] = {alongU[1] * alongV[2] - alongU[2] * alongV[1],
                               alongU[2] * alongV[0] - alongU[0] * alongV[2],
                               alongU[0] * alongV[1] - alongU[1] * alongV[0]};
            const float length =
                std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2]);
            for (float& c : normal)
                c = length > 0.0f ? c / length : 0.0f;
            const size_t index = static_cast<size_t>((n + 1) * j + i) * 3;
            std::copy(point, point + 3, m_points.begin() + static_cast<std::ptrdiff_t>(index));
            std::copy(normal, normal + 3, m_normals.begin() + static_cast<std::ptrdiff_t>(index));
        }

    int32_t* triangle = m_triangles.data();
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const int32_t a = i + (n + 1) * j;
            const int32_t b = a + n + 1;
            const int32_t corners[6] = {b + 1, a + 1, a, a, b, b + 1};
            triangle = std::copy(corners, corners + 6, triangle);
        }
}
