#include "platform/ui/common_dialogs.h"

#include "platform/ui/frame_wnd.h"
#include "platform/ui/resource_lookup.h"
#include "resources/resource_tables.h"

#include <cmath>
#include <filesystem>
#include <wx/colordlg.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/fontdlg.h>
#include <wx/msgdlg.h>
#include <wx/tokenzr.h>

namespace {

wxString ToWx(const CString& text) {
    return wxString::FromUTF8(text.GetString());
}

CString FromWx(const wxString& text) {
    return CString(std::string(text.utf8_str().data()));
}

// The window a modal window is shown over: its owner, else the main window.
wxWindow* OwnerWindow(const CWnd* owner) {
    if (owner && owner->GetNativeWindow())
        return owner->GetNativeWindow();
    const CWnd* main = AfxGetMainWnd();
    return main ? main->GetNativeWindow() : nullptr;
}

} // namespace

// ---------------------------------------------------------------------------

CString GtkFilterPatterns(const CString& patterns) {
    wxString joined;
    wxStringTokenizer parts(ToWx(patterns), ";");
    while (parts.HasMoreTokens()) {
        const wxString pattern = parts.GetNextToken().Trim(true).Trim(false);
        if (pattern.empty())
            continue;
        joined += (joined.empty() ? "" : ";") + pattern;
        if (pattern.Upper() != pattern)
            joined += ";" + pattern.Upper();
    }
    return FromWx(joined);
}

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExt, const char* fileName, DWORD flags,
                         const char* filter, CWnd* parent)
    : m_open(openFileDialog), m_defaultExt(defaultExt ? defaultExt : ""),
      m_fileName(fileName ? fileName : ""), m_parent(parent) {
    m_ofn.Flags = flags;
    // "Desc|*.ext|Desc2|*.x2||": pairs up to the empty field that ends it.
    const CString text = filter ? filter : "";
    std::vector<CString> fields;
    int start = 0;
    for (int bar = text.Find('|'); bar >= 0; bar = text.Find('|', start)) {
        fields.push_back(text.Mid(start, bar - start));
        start = bar + 1;
    }
    for (size_t i = 0; i + 1 < fields.size() && !fields[i].IsEmpty(); i += 2)
        m_filters.emplace_back(fields[i], fields[i + 1]);
}

int CFileDialog::DoModal() {
    return qf::RunModal(*this);
}

CString CFileDialog::GetFileName() const {
    return CString(std::filesystem::path(m_path.str()).filename().string());
}

CString CFileDialog::GetFileExt() const {
    const std::string ext = std::filesystem::path(m_path.str()).extension().string();
    return CString(ext.empty() ? ext : ext.substr(1));
}

BOOL CFileDialog::AcceptPath(const CString& chosen) {
    CString path = chosen;
    if (!m_defaultExt.IsEmpty() && !std::filesystem::path(path.str()).has_extension())
        path += "." + m_defaultExt;
    if (!m_open && (m_ofn.Flags & OFN_OVERWRITEPROMPT) && std::filesystem::exists(path.str())) {
        CString question;
        question.Format(LoadResourceString(IDS_FILE_EXISTS).GetString(), path.GetString());
        const HWND owner = m_parent ? m_parent->GetSafeHwnd() : HWND{};
        if (MessageBox(owner, question, "quelaForm", MB_YESNO | MB_ICONWARNING) != IDYES)
            return FALSE;
    }
    m_path = path;
    return TRUE;
}

int CFileDialog::RunModalLoop() {
    wxString wildcard;
    for (const auto& [description, pattern] : m_filters)
        wildcard +=
            (wildcard.empty() ? "" : "|") + ToWx(description) + "|" + ToWx(GtkFilterPatterns(pattern));
    if (wildcard.empty())
        wildcard = wxFileSelectorDefaultWildcardStr;
    // A name that is a pattern ("*.exe") only says what to list.
    const wxString name = m_fileName.Find('*') >= 0 ? wxString() : ToWx(m_fileName);
    long style = m_open ? wxFD_OPEN : wxFD_SAVE;
    if (m_open && (m_ofn.Flags & OFN_FILEMUSTEXIST))
        style |= wxFD_FILE_MUST_EXIST;
    for (;;) {
        wxFileDialog dialog(OwnerWindow(m_parent), wxFileSelectorPromptStr, ToWx(m_ofn.lpstrInitialDir), name,
                            wildcard, style);
        if (dialog.ShowModal() != wxID_OK)
            return IDCANCEL;
        if (AcceptPath(FromWx(dialog.GetPath())))
            return IDOK;
    }
}

// ---------------------------------------------------------------------------

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) : m_color(initial), m_parent(parent) {
    m_cc.Flags = flags;
}

int CColorDialog::DoModal() {
    return qf::RunModal(*this);
}

int CColorDialog::RunModalLoop() {
    wxColourData data;
    data.SetChooseFull((m_cc.Flags & CC_FULLOPEN) != 0);
    data.SetColour(wxColour(GetRValue(m_color), GetGValue(m_color), GetBValue(m_color)));
    wxColourDialog dialog(OwnerWindow(m_parent), &data);
    if (dialog.ShowModal() != wxID_OK)
        return IDCANCEL;
    const wxColour chosen = dialog.GetColourData().GetColour();
    m_color = RGB(chosen.Red(), chosen.Green(), chosen.Blue());
    return IDOK;
}

// ---------------------------------------------------------------------------

CFontDialog::CFontDialog(const LOGFONT* initial, DWORD flags, CWnd* parent)
    : m_hasInitial(initial != nullptr), m_flags(flags), m_parent(parent) {
    if (initial)
        m_font = *initial;
}

int CFontDialog::DoModal() {
    return qf::RunModal(*this);
}

void CFontDialog::SetChosenFont(const LOGFONT& font, int tenthsOfPoint) {
    m_font = font;
    m_tenthsOfPoint = tenthsOfPoint;
}

int CFontDialog::RunModalLoop() {
    wxFontData data;
    data.EnableEffects((m_flags & CF_EFFECTS) != 0);
    if (m_hasInitial && !m_font.lfFaceName.IsEmpty()) {
        // The record's pixel height at the screen's 96 dots an inch.
        const double points = m_font.lfHeight == 0 ? 10.0 : std::abs(m_font.lfHeight) * 72.0 / 96.0;
        wxFontInfo info(points);
        info.FaceName(ToWx(m_font.lfFaceName)).Italic(m_font.lfItalic != 0).Weight(m_font.lfWeight);
        data.SetInitialFont(wxFont(info));
    }
    wxFontDialog dialog(OwnerWindow(m_parent), data);
    if (dialog.ShowModal() != wxID_OK)
        return IDCANCEL;
    const wxFont chosen = dialog.GetFontData().GetChosenFont();
    const double points = chosen.GetFractionalPointSize();
    LOGFONT font;
    font.lfFaceName = FromWx(chosen.GetFaceName());
    font.lfHeight = -static_cast<int>(std::lround(points * 96.0 / 72.0));
    font.lfWeight = chosen.GetNumericWeight();
    font.lfItalic = chosen.GetStyle() == wxFONTSTYLE_ITALIC ? 1 : 0;
    font.lfUnderline = chosen.GetUnderlined() ? 1 : 0;
    font.lfStrikeOut = chosen.GetStrikethrough() ? 1 : 0;
    SetChosenFont(font, static_cast<int>(std::lround(points * 10.0)));
    return IDOK;
}

// ---------------------------------------------------------------------------

CFolderDialog::CFolderDialog(const CString& title, CWnd* owner) : m_title(title), m_owner(owner) {}

int CFolderDialog::DoModal() {
    return qf::RunModal(*this);
}

int CFolderDialog::RunModalLoop() {
    wxDirDialog dialog(OwnerWindow(m_owner), ToWx(m_title), ToWx(m_path),
                       wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK)
        return IDCANCEL;
    m_path = FromWx(dialog.GetPath());
    return IDOK;
}

// ---------------------------------------------------------------------------

CWxModalRunner::CWxModalRunner() : m_previous(qf::SetModalRunner(this)) {}

CWxModalRunner::~CWxModalRunner() {
    qf::SetModalRunner(m_previous);
}

int CWxModalRunner::RunMessageBox(const qf::CModalRequest& request) {
    long style = 0;
    switch (request.type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        style = wxOK | wxCANCEL;
        break;
    case MB_YESNO:
        style = wxYES_NO;
        break;
    case MB_YESNOCANCEL:
        style = wxYES_NO | wxCANCEL;
        break;
    default:
        style = wxOK;
        break;
    }
    switch (request.type & MB_ICONMASK) {
    case MB_ICONERROR:
        style |= wxICON_ERROR;
        break;
    case MB_ICONQUESTION:
        style |= wxICON_QUESTION;
        break;
    case MB_ICONWARNING:
        style |= wxICON_WARNING;
        break;
    case MB_ICONINFORMATION:
        style |= wxICON_INFORMATION;
        break;
    default:
        break;
    }
    wxMessageDialog box(OwnerWindow(CWnd::FromHandle(request.owner)), ToWx(request.text),
                        ToWx(request.caption), style);
    // The buttons speak the interface's language, whatever the system's is.
    box.SetYesNoCancelLabels(ToWx(LoadResourceString(IDS_BUTTON_YES)),
                             ToWx(LoadResourceString(IDS_BUTTON_NO)),
                             ToWx(LoadResourceString(IDS_BUTTON_CANCEL)));
    box.SetOKCancelLabels(ToWx(LoadResourceString(IDS_BUTTON_OK)),
                          ToWx(LoadResourceString(IDS_BUTTON_CANCEL)));
    switch (box.ShowModal()) {
    case wxID_YES:
        return IDYES;
    case wxID_NO:
        return IDNO;
    case wxID_OK:
        return IDOK;
    default:
        return qf::CancellingAnswer(request.type);
    }
}
