#pragma once
// The system's dialogs: open and save file, colour, font and folder. Each
// runs through the modal runner (DoModal: IDOK or IDCANCEL), so a test's
// script answers it by setting what the user would have chosen and
// returning IDOK.
#include "platform/base/modal_runner.h"
#include "platform/ui/dc.h"
#include "platform/ui/wnd.h"

#include <vector>

// File dialogs.
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;

// A file to open or a file name to save under. The filter is written as on
// Windows, "Description|*.ext|...||", so the resource strings serve as they are. A chosen name without an
// extension gets the default extension; saving over an existing file asks first when OFN_OVERWRITEPROMPT is
// set (No opens the dialog again).
// The patterns of one filter ("*.gif; *.tga") as GTK's chooser needs them:
// GTK takes blanks after the semicolons as part of a pattern and tells case
// apart, so each pattern goes trimmed and with its upper-case twin
// ("*.gif;*.GIF;*.tga;*.TGA"), and "MAP.PNG" is listed as on Windows.
CString GtkFilterPatterns(const CString& patterns);

class CFileDialog : public qf::CModalWindow {
public:
    CFileDialog(BOOL openFileDialog, const char* defaultExt = nullptr, const char* fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                CWnd* parent = nullptr);

    struct {
        DWORD Flags = 0;
        CString lpstrInitialDir; // empty: the dialog's own choice
    } m_ofn;

    int DoModal();
    CString GetPathName() const { return m_path; }
    // The name with its extension, without the folder.
    CString GetFileName() const;
    // The extension without the dot.
    CString GetFileExt() const;

    BOOL IsOpenDialog() const { return m_open; }
    CString GetDefaultExt() const { return m_defaultExt; }
    // The filter as pairs of description and pattern.
    const std::vector<std::pair<CString, CString>>& GetFilters() const { return m_filters; }
    // What the user chose: the default extension is added and, when
    // saving, an existing file is asked about. FALSE when the user declined
    // to replace the file.
    BOOL AcceptPath(const CString& path);

    int RunModalLoop() override;

private:
    BOOL m_open;
    CString m_defaultExt;
    CString m_fileName;
    CWnd* m_parent;
    std::vector<std::pair<CString, CString>> m_filters;
    CString m_path;
};

// Colour dialog.
constexpr DWORD CC_RGBINIT = 0x00000001;
constexpr DWORD CC_FULLOPEN = 0x00000002;

class CColorDialog : public qf::CModalWindow {
public:
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);
    struct {
        DWORD Flags = 0;
    } m_cc;

    int DoModal();
    COLORREF GetColor() const { return m_color; }
    void SetColor(COLORREF color) { m_color = color; }

    int RunModalLoop() override;

private:
    COLORREF m_color;
    CWnd* m_parent;
};

// The font record the program's font code fills, as on Windows: face, size and style.
struct LOGFONT {
    int lfHeight = 0; // pixels; negative: the character height, positive: the cell height
    int lfWeight = FW_NORMAL;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = ANSI_CHARSET;
    CString lfFaceName;
};

constexpr DWORD CF_SCREENFONTS = 0x00000001;
constexpr DWORD CF_EFFECTS = 0x00000100;
constexpr DWORD CF_TTONLY = 0x00040000; // every face here is an outline face

class CFontDialog : public qf::CModalWindow {
public:
    explicit CFontDialog(const LOGFONT* initial = nullptr, DWORD flags = CF_SCREENFONTS | CF_EFFECTS,
                         CWnd* parent = nullptr);

    int DoModal();
    CString GetFaceName() const { return m_font.lfFaceName; }
    // Tenths of a point.
    int GetSize() const { return m_tenthsOfPoint; }
    void GetCurrentFont(LOGFONT* font) const { *font = m_font; }
    // What the user chose.
    void SetChosenFont(const LOGFONT& font, int tenthsOfPoint);
    DWORD GetFlags() const { return m_flags; }

    int RunModalLoop() override;

private:
    LOGFONT m_font;
    bool m_hasInitial;
    int m_tenthsOfPoint = 0;
    DWORD m_flags;
    CWnd* m_parent;
};

// The folder browser: file-system folders only.
class CFolderDialog : public qf::CModalWindow {
public:
    CFolderDialog(const CString& title, CWnd* owner);
    int DoModal();
    CString GetPath() const { return m_path; }
    void SetPath(const CString& path) { m_path = path; }
    CString GetTitle() const { return m_title; }

    int RunModalLoop() override;

private:
    CString m_title;
    CWnd* m_owner;
    CString m_path;
};

// Shows message boxes with wx and runs every other modal window for real;
// the runner in use while it lives.
class CWxModalRunner : public qf::CModalRunner {
public:
    CWxModalRunner();
    ~CWxModalRunner() override;
    CWxModalRunner(const CWxModalRunner&) = delete;
    CWxModalRunner& operator=(const CWxModalRunner&) = delete;

    int RunMessageBox(const qf::CModalRequest& request) override;

private:
    qf::CModalRunner* m_previous;
};
