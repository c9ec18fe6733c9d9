#pragma once
// What an exchange-format command asks of the user, as one interface the
// command receives: the export settings, the file to write or read, and the
// sPatch import settings. The shell answers with the real dialogs; tests
// answer from a script. Message boxes go through the modal runner.
#include "platform/base/cstring.h"
#include "platform/base/win_types.h"

#include <array>

// Which fields of the export settings a format uses (the dialog enables only those).
enum ExportSettingMode {
    exportModeScope = 0,               // scope
    exportModeScopeAndSurfaces = 1,    // scope and "create all surfaces"
    exportModeSubdivisionAndScale = 2, // subdivision and scale
    exportModeSubdivisionAndScope = 3, // subdivision and scope
    exportModeSubdivision = 4,         // subdivision alone
};

enum ExportScopeChoice {
    exportScopeSelected = 0, // the current object only
    exportScopeAll = 1,      // every object
};

// The values of the export setting dialog; every export starts from these defaults.
struct CExportSettings {
    int subdivision = 1; // 1, 2, 4, 6 or 8
    float scale = 1.0f;  // 0.001 to 1000
    int scope = exportScopeSelected;
    BOOL createAllSurfaces = FALSE;
};

// The sPatch import settings: the colour of the object of each layer and
// whether the imported points are centred on the origin.
struct CSptImportSettings {
    std::array<COLORREF, 8> layerColors{0x00BEFCEA, 0x00FAFBCC, 0x00F2AABA, 0x00F9CDFA,
                                        0x008E8CF2, 0x00ADCBEF, 0x00BFF5F9, 0x00C1C1C1};
    BOOL shiftCenter = FALSE;
};

// The AnimationMaster export settings: the magnitudes of the written
// control points come from each node's weight, or from two fixed values.
enum MdlMagnitudeMode {
    mdlMagnitudeOriginal = 0,
    mdlMagnitudeCustom = 1,
};

struct CMdlSettings {
    float roundMagnitude = 1.67f; // smooth nodes, Custom mode
    float peakMagnitude = 0.0f;   // sharp nodes, Custom mode
    int magnitudeMode = mdlMagnitudeOriginal;
};

// The options of an export plug-in run: at most eight objects, and the
// resolution (0 Low, 1 Medium, 2 High) when the plug-in offers the choice.
struct CPluginOptions {
    BOOL resolutionOffered = FALSE;
    BOOL atMostEight = TRUE;
    int resolution = 0;
};

// A file dialog of one format: its default extension (no dot), the
// initial name ("*.<ext>") and the filter ("Description|*.ext||").
struct CFileChoice {
    const char* defaultExt;
    const char* fileName;
    const char* filter;
};

class CExchangeUi {
public:
    virtual ~CExchangeUi() = default;
    // The export setting dialog in the mode, starting from settings; false
    // when the user cancelled, else settings hold what he chose.
    virtual bool AskExportSettings(ExportSettingMode mode, CExportSettings& settings) = 0;
    // The file to write (asking before an existing one is replaced), or to
    // read; false when the user cancelled.
    virtual bool AskSavePath(const CFileChoice& choice, CString& path) = 0;
    virtual bool AskOpenPath(const CFileChoice& choice, CString& path) = 0;
    virtual bool AskSptImportSettings(CSptImportSettings& settings) = 0;
    virtual bool AskMdlSettings(CMdlSettings& settings) = 0;
    // The plug-in's options; false when the dialog was closed without OK.
    virtual bool AskPluginOptions(CPluginOptions& options) = 0;
};
