#pragma once
// The panels of the procedural parts of pigments and normals: the noise
// ("[Noise]": the turbulence of the pigment or of the normal it stands
// under), the normal's pattern ("[Noise Pattern]", with the fields that
// apply to the chosen pattern) and the normal's bump size ("[Bump Size]").
// The colour-map panel shares the pattern part.
#include "materials/record_panel.h"

class CNoisePanel : public CRecordPanel<CTurbulenceData> {
public:
    enum { IDD = 165 };
    CNoisePanel();
    const char* GetRuntimeClassName() const override { return "CNoisePanel"; }
    UINT GetDialogId() const override { return IDD; }

protected:
    CTurbulenceData& RecordOf(CMaterialData& mat) override { return TurbulenceOf(mat, ParentKind()); }
    void ShowMore(CTurbulenceData& turbulence) override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnWaveType();

    CComboBox m_waveType;
};

// A pattern record (of a normal, or of a colour-map pigment): the pattern
// list, the numbers that apply to the chosen pattern and the gradient axes,
// of which one always stays checked.
class CPatternPanel : public CRecordPanel<CPatternData> {
protected:
    explicit CPatternPanel(std::span<const int> groups);
    void ShowMore(CPatternData& pattern) override;
    void UpdateEnables(const CPatternData& pattern) override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnPattern();
    void OnGradientAxis(UINT id);

    CComboBox m_pattern;
};

class CNoisePatternPanel : public CPatternPanel {
public:
    enum { IDD = 161 };
    CNoisePatternPanel() : CPatternPanel({}) {}
    const char* GetRuntimeClassName() const override { return "CNoisePatternPanel"; }
    UINT GetDialogId() const override { return IDD; }

protected:
    CPatternData& RecordOf(CMaterialData& mat) override { return mat.m_texture.m_normal.m_pattern; }
};

class CBumpSizePanel : public CRecordPanel<CNormalData> {
public:
    enum { IDD = 180 };
    CBumpSizePanel();
    const char* GetRuntimeClassName() const override { return "CBumpSizePanel"; }
    UINT GetDialogId() const override { return IDD; }

protected:
    CNormalData& RecordOf(CMaterialData& mat) override { return mat.m_texture.m_normal; }
};
