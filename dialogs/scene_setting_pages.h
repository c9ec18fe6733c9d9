#pragma once
// Settings pages of the scene's POV-Ray text: the global settings, the
// include files (one "#include" line each, in list order) and the
// image-based-lighting sphere. Each change is stored at once and marks the
// document modified.
#include "controls/text_edit.h"
#include "dialogs/settings_page.h"
#include "platform/ui/tree_ctrl.h"

class CGlobalSettingsPanel : public CSettingsPage {
public:
    enum { IDD = 187 };
    CGlobalSettingsPanel();
    const char* GetRuntimeClassName() const override { return "CGlobalSettingsPanel"; }
};

class CIncludeFilePanel : public CSettingsPage {
public:
    enum { IDD = 168 };
    CIncludeFilePanel();
    const char* GetRuntimeClassName() const override { return "CIncludeFilePanel"; }

    // The tree shows the document's list; the first file is selected.
    void Refresh() override;
    CTreeCtrl& GetTree() { return m_tree; }
    // The position of the selected file in the list; -1 when none is selected.
    int GetSelectedIndex() const;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnAdd();
    void OnDelete();
    void OnUp();
    void OnDown();
    // The tree again from the list, with the entry at index selected.
    void Rebuild(int selected);

    CTreeCtrl m_tree;
};

class CImageBasedLightingPanel : public CSettingsPage {
public:
    enum { IDD = 105 };
    CImageBasedLightingPanel();
    const char* GetRuntimeClassName() const override { return "CImageBasedLightingPanel"; }

    void Refresh() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // The rules of the text fields: a path the document file cannot hold and
    // a map type that is no whole number are refused with a message, and
    // change nothing.
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;
    // Every change stores the whole record from the controls.
    void AfterStore(UINT id, AfterChange after) override;

private:
    // With Sync checked, the other two ambient fields take the value of id's.
    void SyncAmbient(UINT id);
    // The swatch shows the three ambient fields.
    void ShowAmbientSwatch();
    void OnAmbientSwatch();
    void OnBrowse();
    // Copies every control into the document's record and marks it modified.
    void StoreAll();
    // The path field into the record.
    void StorePath();
    // The map type field into the record; the field shows the record's map type.
    void StoreMapType();

    // Shows the ambient colour; the record keeps the three numbers only.
    CColorButton m_ambientSwatch;
    CTextEdit m_path;
    CTextEdit m_mapType;
};
