#pragma once
// The insert sections dialog: which sections of another document File >
// Insert merges into this one. Twelve check boxes, all checked at first;
// OK stays disabled while none is checked, and there is no way out but OK
// (Escape and the close box do nothing).
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"

#include <array>

class CInsertFileDialog : public CDialog {
public:
    enum { IDD = 242 };
    explicit CInsertFileDialog(CWnd* parent = nullptr);

    // After IDOK: 1 for each section to merge.
    int m_objects = 1;
    int m_lights = 1;
    int m_materials = 1;
    int m_cameras = 1;
    int m_backgroundColor = 1;
    int m_defaultMaterial = 1;
    int m_includeFiles = 1;
    int m_globalSettings = 1;
    int m_radiosity = 1;
    int m_postProcess = 1;
    int m_memoCameras = 1;
    int m_backgroundImage = 1;

    // The check box of each section, in the order of the flags above.
    static constexpr std::array<UINT, 12> kBoxIds = {1422, 1426, 1431, 1693, 1695, 1697,
                                                     1699, 1701, 1703, 1705, 1706, 1707};

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnBoxClicked();
    // OK is enabled while at least one box is checked.
    void UpdateOkState();
    std::array<int*, 12> ResultFlags();

    std::array<CButton, 12> m_boxes;
    CButton m_ok;
    std::array<int, 12> m_checks;
};
