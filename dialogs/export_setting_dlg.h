#pragma once
// The export settings (122) shared by the exchange formats: which objects
// to write, the subdivision at which patches become meshes, a scale and
// whether every region closed by three or four curves gets a surface. The
// caller's mode says which of them the format uses. Its window needs the
// group headers, numeric edits and spin buttons, which the controls library
// does not have yet; until it does, DoModal cannot make the window and
// returns -1.
#include "platform/ui/dialog.h"

enum ExportScope {
    exportSelectedObject = 0,
    exportAllObjects = 1,
};

class CExportSettingDlg : public CDialog {
public:
    enum { IDD = 122 };
    // The fields a format uses.
    enum Mode {
        modeScope = 0,               // scope only
        modeScopeAndSurfaces = 1,    // scope and "create all surfaces"
        modeSubdivisionAndScale = 2, // subdivision and scale
        modeSubdivisionAndScope = 3, // subdivision and scope
        modeSubdivision = 4,         // subdivision alone (DXF, which writes unscaled)
    };
    explicit CExportSettingDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    int m_mode = modeScope;
    int m_subdivision = 1;
    float m_scale = 1.0f;
    int m_scope = exportSelectedObject;
    BOOL m_createAllSurfaces = FALSE;
};
