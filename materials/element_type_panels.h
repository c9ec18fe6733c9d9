#pragma once
// The panels that choose what a pigment, normal, finish or interior is made
// of: a type (radio buttons; the last one is "Include", a name declared
// elsewhere) and the options that add parts (check boxes). Each change
// builds the element's items again so the tree shows the panels the element
// now needs; options are kept when the type changes. The MegaPOV option is
// shown, always disabled.
#include "dialogs/dialog_texts.h"
#include "materials/material_element_panel.h"

// An option check box and the switch it sets.
struct OptionCheck {
    int id;
    MaterialOption option;
};

// What tells the four panels apart.
struct ElementTypePanelSpec {
    UINT dialogId;
    int elementKind;
    std::span<const int> typeRadios; // in type order; the first starts the group
    std::span<const OptionCheck> options;
    std::span<const int> groups;
    std::span<const ControlText> english;
};

class CElementTypePanel : public CMaterialElementPanel {
public:
    explicit CElementTypePanel(const ElementTypePanelSpec& spec);
    const char* GetRuntimeClassName() const override { return "CElementTypePanel"; }
    UINT GetDialogId() const override { return m_spec.dialogId; }
    void Refresh() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCmdMsg(const CommandMessage& message) override;

private:
    void OnType();
    void OnOption(const OptionCheck& check);
    void UpdateEnables();

    const ElementTypePanelSpec& m_spec;
    int m_type = 0;
    std::vector<int> m_options;
};

class CPigmentPanel : public CElementTypePanel {
public:
    enum { IDD = 172 };
    CPigmentPanel();
    const char* GetRuntimeClassName() const override { return "CPigmentPanel"; }
};

class CNormalPanel : public CElementTypePanel {
public:
    enum { IDD = 173 };
    CNormalPanel();
    const char* GetRuntimeClassName() const override { return "CNormalPanel"; }
};

class CFinishPanel : public CElementTypePanel {
public:
    enum { IDD = 174 };
    CFinishPanel();
    const char* GetRuntimeClassName() const override { return "CFinishPanel"; }
};

class CInteriorPanel : public CElementTypePanel {
public:
    enum { IDD = 166 };
    CInteriorPanel();
    const char* GetRuntimeClassName() const override { return "CInteriorPanel"; }
};
