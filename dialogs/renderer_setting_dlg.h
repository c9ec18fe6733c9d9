#pragma once
// The renderer definition dialog (232, "POV-Ray Setting" / "Change Renderer
// Setting"): one POV-Ray-type renderer definition, its title, program,
// version, how objects are written and which keywords the renderer
// understands. It works on its own copy: the caller hands a definition in
// with SetInfo, runs the dialog and on IDOK takes the edited copy with
// GetInfo; every control writes its field into that copy at once.
#include "app/renderer_list.h"
#include "controls/my_edit.h"
#include "controls/quel_spin.h"
#include "platform/ui/dialog.h"

#include <array>

class CRendererSettingDlg : public CDialog {
public:
    enum { IDD = 232 };
    explicit CRendererSettingDlg(CWnd* parent = nullptr);

    void SetInfo(const CRendererInfo& info);
    CRendererInfo GetInfo() const;

    static constexpr int kCheckCount = 21;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    // The exchange fields from the definition, and back.
    void FillFields();
    void TakeFields();
    // A check box or radio button changed: its field, then the open fields.
    void OnChoice();
    void OnTitleChange();
    void OnTextChange();
    void OnPatchLevel();
    void OnPolygonLevel();
    void OnBrowse();
    void UpdateControlStates();

    CRendererInfo m_info;
    CMyEdit m_patchLevel;
    CMyEdit m_polygonLevel;
    CQuelSpin m_patchLevelSpin;
    CQuelSpin m_polygonLevelSpin;

    std::array<int, kCheckCount> m_checks{};
    int m_version = 0; // 0 official, 1 unofficial
    int m_patchType = 0;
    int m_bicubicType = 0;
    int m_polygonType = 0;
    int m_radiosityType = 0;
    CString m_title;
    CString m_path;
    CString m_officialVersion;
    CString m_unofficialName;
    CString m_unofficialVersion;
};
