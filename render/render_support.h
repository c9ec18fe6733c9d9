#pragma once
// What the renderer front ends share: their message boxes over the view
// (registered window 0) in the interface language, the busy cursor while
// they write, the size of a pane they render and their enabling test.
#include "platform/base/cstring.h"
#include "platform/base/win_types.h"

#include <functional>
#include <string>

class CCamera;
namespace qf {
class CTextFileWriter;
}

// An error with an OK button, captioned "エラー" / "Error".
void TellRenderError(const CString& japanese, const CString& english);
// A warning with OK and Cancel, captioned "確認" / "Confirm"; IDOK or IDCANCEL.
int AskRenderQuestion(const CString& japanese, const CString& english);

// Writes the file at path (UTF-8) with fill, which reports whether its
// writer still stands; the old file stays until the new one is whole. A
// failure is told to the user; false then.
bool WriteRenderFile(const std::string& path, const std::function<bool(qf::CTextFileWriter&)>& fill);

// The wait cursor while it lives.
class CBusyCursorScope {
public:
    CBusyCursorScope();
    ~CBusyCursorScope();
    CBusyCursorScope(const CBusyCursorScope&) = delete;
    CBusyCursorScope& operator=(const CBusyCursorScope&) = delete;
};

// The client size of OpenGL pane 0..3; 0 by 0 when it has no window.
CSize GetPaneClientSize(int pane);

// The opening angle across the width, in radians, of a camera whose view
// angle spans the height, for an image of width x height.
double WidthFieldOfView(const CCamera& camera, int width, int height);

// The current document has at least one patch object: the exports are offered.
bool DocumentHasObjects();
