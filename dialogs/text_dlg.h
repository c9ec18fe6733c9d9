#pragma once
// The text dialog (210): the text to outline and the font, chosen with its
// Font button through the font dialog; OK stays disabled until a font was
// chosen. The point size is 10 until then.
#include "platform/ui/common_dialogs.h"
#include "platform/ui/dialog.h"

class CTextDlg : public CDialog {
public:
    enum { IDD = 210 };
    explicit CTextDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    CString m_text;
    CString m_fontName;
    LOGFONT m_font;
    int m_pointSize = 10;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    // Chooses the font in the font dialog; OK is enabled once there is one.
    void OnFont();
};
