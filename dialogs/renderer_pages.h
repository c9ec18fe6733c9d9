#pragma once
// Settings pages of the renderer programs: where BMRT, Lightflow and Python
// are (program settings kept in quel.ini), and the list of POV-Ray renderer
// definitions (kept in the "POV Render" folder), which are added, copied,
// edited, deleted and reordered through the renderer definition dialog.
// Neither marks the document modified: both are program settings.
#include "dialogs/settings_page.h"

class CRendererInfo;

class CRendererPathPanel : public CSettingsPage {
public:
    enum { IDD = 233 };
    CRendererPathPanel();
    const char* GetRuntimeClassName() const override { return "CRendererPathPanel"; }

    // The four fields show the document's paths. Text typed into them is
    // not taken: the buttons choose a path.
    void Refresh() override;

protected:
    const CommandMap& GetCommandMap() const override;

private:
    void OnRendribPath();
    void OnBmrtFolder();
    void OnLightflowFolder();
    void OnPythonPath();
    // A program chosen with the file dialog, starting in the folder of the current one.
    void ChooseFile(CString& path, UINT edit);
    void ChooseFolder(CString& path, UINT edit);
};

class CPovSettingListPanel : public CSettingsPage {
public:
    enum { IDD = 235 };
    CPovSettingListPanel();
    const char* GetRuntimeClassName() const override { return "CPovSettingListPanel"; }

    CListBox& GetList() { return m_list; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // Lists the definitions each time the page is made.
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    // One line per definition, its title, in list order; none selected.
    void Refill();
    // The selected line's definition; null without a selection.
    CRendererInfo* Selected() const;
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnCopy();
    void OnUp();
    void OnDown();
    void OnDoubleClick();
    // Runs the definition dialog on a copy of info; true on OK, with the edited copy in info.
    bool RunDefinitionDialog(CRendererInfo& info);

    CListBox m_list;
};
