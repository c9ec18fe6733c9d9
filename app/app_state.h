#pragma once
// The values of the application object that the whole program reads through
// the document helpers: the document the view stored while the frame has no
// active document yet, the interface language and the status text; and the
// link to the main window that the program installs. One for the process.
#include "platform/base/cstring.h"

class CMainWindowLink;
class CQuelDoc;

class CQuelAppState {
public:
    // Set by the view when its window is created; GetDoc falls back to it.
    CQuelDoc* m_currentDoc = nullptr;
    // 1 English texts and resources, 0 Japanese; chosen at start-up.
    int m_english = 1;
    // What the status strip of the mouse-status bar shows.
    CString m_statusText = "test";
    // The main window; null before the frame exists and after it died.
    CMainWindowLink* m_mainWindow = nullptr;
};

CQuelAppState& GetAppState();
