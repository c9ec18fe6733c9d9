#pragma once
// CExportPluginManager: the host of the export plug-ins (export_plugin_api.h),
// one for the program's lifetime (TheExportPluginManager).
//
// ListPlugins finds the usable plug-ins of the folder, sorted by file name,
// and names each as it describes itself; the File menu shows them with the
// command ids from PluginMenuCommand(0) on. RunPluginExport runs the export
// of such a command: the file to write, the options, then every exportable
// patch object with three- or four-sided patches as one layer, each patch as
// its control net and a sampling at the chosen resolution.
//
// A plug-in is loaded only for one listing or one run. One that lacks a
// function is refused with a message and none of it is called; a plug-in
// that asks for a layer again and again gets it kMaxLayerSends times at
// most, and the user is told. The description record is zeroed before the
// plug-in fills it and its texts are taken only up to their fields' ends.
#include "formats/exchange_ui.h"
#include "formats/export_plugin_api.h"

#include <string>
#include <vector>

class CPatch;
class CQuelDoc;
class CSpatchObj;

constexpr UINT kFirstPluginCommand = 200;
inline UINT PluginMenuCommand(int position) {
    return kFirstPluginCommand + static_cast<UINT>(position);
}

// What a plug-in says of itself, with its texts bounded and cleaned.
struct CPluginDescription {
    CString name;      // the file's name when the plug-in gives none
    CString extension; // without the dot; may be empty
    BOOL offersResolution = FALSE;
    int resolution = 0;
};

class CExportPluginManager {
public:
    static constexpr int kMaxLayerSends = 16;
    // Layers sent with "Not Export Objects Over 8" ticked.
    static constexpr int kLayerLimit = 8;

    virtual ~CExportPluginManager() = default;

    // The plug-ins of the folder, in file-name order: their names, for menu
    // items at PluginMenuCommand(0), (1), ... A file that does not load or
    // has no SPDescribeMe is left out.
    std::vector<CString> ListPlugins(const std::string& folder);
    // The export of a plug-in's menu command; FALSE when the command is no
    // listed plug-in's, or it no longer loads or describes itself.
    BOOL RunPluginExport(UINT commandId, CQuelDoc& doc, CExchangeUi& ui);
    void FreePluginList() { m_paths.clear(); }
    int GetPluginCount() const { return static_cast<int>(m_paths.size()); }

    // One patch's record: its net with z negated and its sampling at the
    // resolution (0 Low, 1 Medium, 2 High) in this manager's buffers.
    void FillPatchRecord(const CPatch& patch, SPPatch& record, int resolution);
    // The segments per patch side of a resolution: 2, 4 or 7 (2 for any other).
    static int Subdivision(int resolution);

private:
    std::vector<std::string> m_paths;
    std::vector<float> m_points;
    std::vector<float> m_normals;
    std::vector<int32_t> m_triangles;
};

// The folder the plug-ins are found in: "Export Plugins" in the settings folder.
std::string ExportPluginFolder(const CQuelDoc& doc);
CExportPluginManager& TheExportPluginManager();
