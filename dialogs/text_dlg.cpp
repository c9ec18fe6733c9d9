#include "dialogs/text_dlg.h"

namespace {

constexpr int kTextEdit = 1063;
constexpr int kFontButton = 1475;
constexpr int kFontNameEdit = 1462;

} // namespace

void CTextDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, kTextEdit, m_text);
    DDX_Text(dx, kFontNameEdit, m_fontName);
}

BOOL CTextDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_font.lfHeight = 10;
    m_font.lfItalic = m_font.lfUnderline = m_font.lfStrikeOut = 0;
    m_font.lfCharSet = 0;
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(FALSE);
    return TRUE;
}

const CommandMap& CTextDlg::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CTextDlg>(CDialog::GetCommandMap()).OnBnClicked(kFontButton, &CTextDlg::OnFont);
    return map;
}

void CTextDlg::OnFont() {
    UpdateData(TRUE);
    CFontDialog fonts(nullptr, CF_SCREENFONTS | CF_TTONLY, this);
    if (fonts.DoModal() == IDOK) {
        m_fontName = fonts.GetFaceName();
        m_pointSize = fonts.GetSize() / 10;
        fonts.GetCurrentFont(&m_font);
        UpdateData(FALSE);
    }
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(!m_fontName.IsEmpty());
}
