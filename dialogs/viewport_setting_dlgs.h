#pragma once
// The dialogs that set a pane's view by numbers: its camera (130), its grid
// (125), its curve and surface resolution with its grid (231), and the
// OpenGL drawing options of all panes (214). The caller fills the public
// fields, runs the dialog, and on IDOK reads them back; a number typed into
// a field is clamped to its range and taken when the field is left or OK
// is pressed; a field the user left alone gives back the value it was given.
#include "app/opengl_setting.h"
#include "controls/my_edit.h"
#include "controls/quel_group.h"
#include "controls/quel_spin.h"
#include "model/vector3.h"
#include "platform/ui/dialog.h"

#include <array>

// A dialog of number fields, each with its spin, that takes what was typed
// into them when OK is pressed.
class CNumberFieldsDlg : public CDialog {
public:
    using CDialog::CDialog;

protected:
    void OnOK() override;
    virtual void ReadFields() = 0;
};

// The camera of the active pane: eye ("Location"), target ("Look_at"), each
// coordinate from -1000 to 1000, and the view angle from 1 to 170 degrees.
// Its texts are English in both languages.
class CCameraSettingDlg : public CNumberFieldsDlg {
public:
    enum { IDD = 130 };
    static constexpr float kMinAngle = 1.0f;
    static constexpr float kMaxAngle = 170.0f;
    static constexpr float kCoordinateLimit = 1000.0f;
    explicit CCameraSettingDlg(CWnd* parent = nullptr) : CNumberFieldsDlg(IDD, parent) {}

    CVector3 m_location;
    CVector3 m_lookAt;
    float m_angle = 40.0f;

    CMyEdit& GetLocationEdit(int axis) { return m_locationEdits[static_cast<size_t>(axis)]; }
    CMyEdit& GetAngleEdit() { return m_angleEdit; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void ReadFields() override;

private:
    std::array<CMyEdit, 3> m_locationEdits;
    std::array<CQuelSpin, 3> m_locationSpins;
    std::array<CMyEdit, 3> m_lookAtEdits;
    std::array<CQuelSpin, 3> m_lookAtSpins;
    CMyEdit m_angleEdit;
    CQuelSpin m_angleSpin;
    std::array<CQuelGroup, 3> m_groups;
    CButton m_ok;
};

// The grid of the active pane: spacing (0.001 to 100), number of lines
// (1 to 1000), the three lock switches, and whether the other panes take
// the same values.
class CGridSettingDlg : public CNumberFieldsDlg {
public:
    enum { IDD = 125 };
    explicit CGridSettingDlg(CWnd* parent = nullptr) : CNumberFieldsDlg(IDD, parent) {}

    float m_size = 1.0f;
    int m_count = 10;
    std::array<int, 3> m_lock{};
    int m_allPanes = 1;

    CMyEdit& GetSizeEdit() { return m_sizeEdit; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void ReadFields() override;

private:
    CMyEdit m_sizeEdit;
    CQuelSpin m_sizeSpin;
    CMyEdit m_countEdit;
    CQuelSpin m_countSpin;
};

// A pane's curve and surface resolution (shown as half the curve steps,
// 1 to 10), its grid spacing (1 to 1000) and grid locks.
class CViewSettingDlg : public CNumberFieldsDlg {
public:
    enum { IDD = 231 };
    explicit CViewSettingDlg(CWnd* parent = nullptr) : CNumberFieldsDlg(IDD, parent) {}

    // From the pane of the current document; a pane outside 0..3 keeps the defaults.
    void LoadFromView(int pane);
    // Back into that pane: both resolutions become twice the one shown; the
    // pane repaints.
    void StoreToView();

    int m_resolution = 1;
    float m_gridSize = 1.0f;
    int m_pane = 0;
    std::array<int, 3> m_lock{};

    CMyEdit& GetResolutionEdit() { return m_resolutionEdit; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void ReadFields() override;

private:
    CMyEdit m_resolutionEdit;
    CQuelSpin m_resolutionSpin;
    CMyEdit m_gridEdit;
    CQuelSpin m_gridSpin;
};

// The OpenGL drawing options. The see-through box says "without lighting",
// the inverse of the stored draw_alpha_surface_with_light.
class COpenGLSettingDlg : public CDialog {
public:
    enum { IDD = 214 };
    explicit COpenGLSettingDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    void LoadFrom(const COpenGLSetting& setting);
    void StoreTo(COpenGLSetting& setting) const;

    int m_useDisplayList = 0;
    int m_curveOnSurface = 0;
    int m_curveType = -1;
    int m_surfaceType = -1;
    int m_seeThroughUnlit = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
};
