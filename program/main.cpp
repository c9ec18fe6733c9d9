// quelaForm: the wx application that runs the modeller's application object.
#include "platform/ui/common_dialogs.h"
#include "platform/ui/toolkit_app.h"
#include "shell/quel_app.h"

#include <cstdlib>
#include <memory>
#include <vector>
#include <wx/init.h>

class CQuelWxApp : public CToolkitApp {
public:
    bool OnInit() override {
        // Message boxes and dialogs may appear as soon as the document reads its settings.
        m_runner = std::make_unique<CWxModalRunner>();
        m_app = std::make_unique<CQuelApp>();
        std::vector<CString> arguments;
        for (int i = 0; i < argc; ++i)
            arguments.emplace_back(argv[i].utf8_str().data());
        if (m_app->InitInstance(arguments))
            return true;
        m_app.reset();
        return false;
    }

    // The document writes its settings files here, while the program still runs.
    int OnExit() override {
        m_app.reset();
        m_runner.reset();
        return wxApp::OnExit();
    }

private:
    std::unique_ptr<CWxModalRunner> m_runner;
    std::unique_ptr<CQuelApp> m_app;
};

wxIMPLEMENT_APP_NO_MAIN(CQuelWxApp);

int main(int argc, char** argv) {
    // The panes' GL canvases need X11; under Wayland GTK goes through XWayland.
    setenv("GDK_BACKEND", "x11", 0);
    return wxEntry(argc, argv);
}
