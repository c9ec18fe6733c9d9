#pragma once
// The export settings (122) shared by the exchange formats: which objects
// to write, the subdivision at which patches become meshes (1 to 8; an odd
// entry above 1 goes down to the even number below), a scale (0.001 to
// 1000) and whether every region closed by three or four curves gets a
// surface, each in a folding group. The caller's mode says which of them
// the format uses; the others are disabled. A command opens it like this:
//
//     CExportSettingDlg settings(AfxGetMainWnd());
//     settings.m_mode = CExportSettingDlg::modeSubdivisionAndScale;
//     if (settings.DoModal() != IDOK)
//         return;
//     use(settings.m_subdivision, settings.m_scale);
#include "controls/my_edit.h"
#include "controls/quel_group.h"
#include "controls/quel_spin.h"
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

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnKillFocusSubdivision();
    void OnKillFocusScale();
    void EnableForMode();

    CQuelGroup m_optionGroup;
    CQuelGroup m_subdivisionGroup;
    CQuelGroup m_scaleGroup;
    CMyEdit m_subdivisionEdit;
    CQuelSpin m_subdivisionSpin;
    CMyEdit m_scaleEdit;
    CQuelSpin m_scaleSpin;
};
