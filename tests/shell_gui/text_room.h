#pragma once
// Whether the texts of a window's controls show whole, and what GTK printed
// while something ran.
#include "platform/ui/controls.h"

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>
#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/stattext.h>

namespace qf::test {

// The check boxes, radio buttons, labels and drop-down lists of a window
// whose text the toolkit cannot show whole at the size they got. (Push
// buttons ask wx's default width whatever their text, so they cannot be
// judged this way.)
inline std::vector<std::string> CutTexts(const CWnd& window) {
    std::vector<std::string> cut;
    for (CWnd* child = window.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        wxWindow* native = child->GetNativeWindow();
        if (!native || !native->IsShown())
            continue;
        CString text;
        child->GetWindowText(text);
        const UINT type = child->GetStyle() & BS_TYPEMASK;
        int needed = 0;
        if (dynamic_cast<CButton*>(child) && (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON)) {
            needed = native->GetBestSize().x;
            // A text on more lines is cut at the bottom too when it is too low.
            if (native->GetLabel().Contains('\n') && native->GetBestSize().y > native->GetSize().y)
                needed = native->GetSize().x + 1;
        } else if (auto* choice = dynamic_cast<wxChoice*>(native)) {
            needed = choice->GetBestSize().x;
            if (choice->GetCount() > 0)
                text = choice->GetString(0).utf8_str().data();
        } else if (auto* label = dynamic_cast<wxStaticText*>(native)) {
            // Labels measure as wide as they were made; their text says what they need.
            wxClientDC dc(label);
            dc.SetFont(label->GetFont());
            needed = dc.GetMultiLineTextExtent(label->GetLabel()).x;
        }
        if (needed > native->GetSize().x)
            cut.push_back(text.str());
    }
    return cut;
}

// What the program writes to the standard error while this lives, as GTK's
// warnings go there.
class CapturedStderr {
public:
    CapturedStderr() : m_file(std::tmpfile()) {
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        if (m_file)
            dup2(fileno(m_file), STDERR_FILENO);
    }
    ~CapturedStderr() {
        Restore();
        if (m_file)
            std::fclose(m_file);
    }
    // Everything written so far; writing goes back to the real stream.
    std::string Text() {
        Restore();
        std::string text;
        if (!m_file)
            return text;
        std::rewind(m_file);
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0;)
            text.append(buffer, n);
        return text;
    }

private:
    void Restore() {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
    }
    std::FILE* m_file;
    int m_saved = -1;
};

} // namespace qf::test
