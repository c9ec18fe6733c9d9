// Start-up window until the modeller's own frame exists.
#include <wx/frame.h>
#include <wx/wx.h>

class CStartApp : public wxApp {
public:
    bool OnInit() override {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "quelaForm", wxDefaultPosition, wxSize(1024, 768));
        frame->Show();
        return true;
    }
};

wxIMPLEMENT_APP(CStartApp);
