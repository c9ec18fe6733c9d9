#pragma once
// The two top levels of a material's tree. The material panel (item
// name[Material]) shows the name, which only its ". . ." button changes (one
// undo step), whether the material is its own texture and interior or a
// declared name, and which of texture and interior it has; the texture
// panel ("[Texture]") whether the texture is made of pigment, normal and
// finish or declared, and which of the three it has. Switching a section
// adds or removes its item with everything below it.
#include "materials/material_element_panel.h"

class CMaterialPanel : public CMaterialElementPanel {
public:
    enum { IDD = 171 };
    CMaterialPanel();
    const char* GetRuntimeClassName() const override { return "CMaterialPanel"; }
    UINT GetDialogId() const override { return IDD; }
    void Refresh() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnType();
    void OnUseTexture();
    void OnUseInterior();
    void OnRename();
    void UpdateEnables();
    void SetOptionFlag(MaterialOption option, int on);

    CString m_name;
    int m_type = 0;
    int m_useTexture = 1;
    int m_useInterior = 0;
};

class CTexturePanel : public CMaterialElementPanel {
public:
    enum { IDD = 176 };
    CTexturePanel();
    const char* GetRuntimeClassName() const override { return "CTexturePanel"; }
    UINT GetDialogId() const override { return IDD; }
    void Refresh() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnType();
    void OnUsePigment();
    void OnUseNormal();
    void OnUseFinish();
    void SetSection(MaterialOption option, const int& flag);
    void UpdateEnables();

    int m_type = 0;
    int m_usePigment = 1;
    int m_useNormal = 0;
    int m_useFinish = 0;
};
