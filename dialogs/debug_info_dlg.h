#pragma once
// The debug information dialog (108, "デバッグ情報"): the number of
// registered windows, and the near and far clip planes and the drawing
// material's specular level and shininess, each written into the OpenGL
// setting as soon as its field is left, after which the panes repaint. A
// clip range that is not 0 < near < far is refused and the field shows the
// old value again. The only button closes.
#include "controls/my_edit.h"
#include "controls/quel_spin.h"
#include "platform/ui/dialog.h"

class COpenGLSetting;

class CDebugInfoDlg : public CDialog {
public:
    enum { IDD = 108 };
    explicit CDebugInfoDlg(COpenGLSetting& setting, CWnd* parent = nullptr);

    int m_windowCount = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnNearPlane();
    void OnFarPlane();
    void OnSpecular();
    void OnShininess();
    // The panes draw with the new values.
    static void Repaint();

    COpenGLSetting& m_setting;
    CMyEdit m_nearEdit, m_farEdit, m_specularEdit, m_shininessEdit;
    CQuelSpin m_nearSpin, m_farSpin, m_specularSpin, m_shininessSpin;
};
