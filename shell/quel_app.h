#pragma once
// The application: at start-up it takes the interface language (asking for
// it at the first start), makes the document, the main frame and the view,
// registers the document type with the desktop, opens the document named
// on the command line (or starts a new one) and shows the main window. It
// handles New, Open, the recent files, Exit and About, and destroys the
// frame and then the document (which writes the settings files) at the end.
#include "app/memory_shortage.h"
#include "platform/ui/frame_wnd.h"
#include "resources/command_ids.h"
#include "shell/recent_file_list.h"

#include <memory>
#include <vector>

class CMainFrame;
class CQuelDoc;
class CQuelDocCommands;

class CQuelApp : public CWinApp {
public:
    CQuelApp();
    ~CQuelApp() override;
    CQuelApp(const CQuelApp&) = delete;
    CQuelApp& operator=(const CQuelApp&) = delete;

    // arguments[0] is the program, arguments[1] an optional document to
    // open; when it cannot be opened (the user is told), a new document
    // takes its place. FALSE when the main window could not be made.
    BOOL InitInstance(const std::vector<CString>& arguments);
    // The frame (closed first when it is still open), then the document.
    void ExitInstance();

    CQuelDoc* GetDocument() const { return m_document.get(); }
    CQuelDocCommands* GetDocumentCommands() const { return m_commands.get(); }
    CMainFrame* GetMainFrame() const { return m_frame.get(); }
    CRecentFileList& GetRecentFiles() { return m_recentFiles; }

    // Shows the About box.
    void OnAppAbout();
    // A press anywhere but in the number field that holds typed text first
    // commits that text, so that it reaches the item it was typed for
    // whatever the pressed control or pane then does.
    void OnMouseButtonPress(CWnd* pressed) override;

protected:
    const CommandMap& GetCommandMap() const override;

private:
    void OnFileNew();
    void OnFileOpen();
    // Where File > Open starts: the current document's folder, else that of
    // the newest recent file; empty leaves it to the dialog.
    CString OpenDialogFolder() const;
    void OnOpenRecentFile(UINT id);
    void OnAppExit();
    // The language of quel_resource_type.ini, or the user's choice when it is missing.
    static bool AskEnglish();
    void RegisterShellFileTypes() const;
    void SaveRecentFiles() const;

    // Every message to the program's windows passes it while the application lives.
    CMemoryShortageGuard m_memoryGuard;
    CRecentFileList m_recentFiles{kRecentFileCount};
    std::unique_ptr<CQuelDoc> m_document;
    std::unique_ptr<CQuelDocCommands> m_commands;
    std::unique_ptr<CMainFrame> m_frame;
};
