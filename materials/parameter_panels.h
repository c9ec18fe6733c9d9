#pragma once
// The panels of numbers under a finish and an interior: the POV-Ray finish
// values ("[POV-Ray]" under a finish), the MegaPOV finish extras
// ("[MegaPov]" under a finish) and the interior values ("[POV-Ray]" under
// an interior). Every number is clamped to its field's range; a value whose
// switch is off stays in the record, its field greyed.
#include "controls/color_button.h"
#include "materials/record_panel.h"

class CFinishSetPanel : public CRecordPanel<CFinishData> {
public:
    enum { IDD = 178 };
    CFinishSetPanel();
    const char* GetRuntimeClassName() const override { return "CFinishSetPanel"; }
    UINT GetDialogId() const override { return IDD; }

protected:
    CFinishData& RecordOf(CMaterialData& mat) override { return mat.m_texture.m_finish; }
    void ShowMore(CFinishData& finish) override;
    void UpdateEnables(const CFinishData& finish) override;
    void AfterCommit(UINT editId, CFinishData& finish) override;
    void DoDataExchange(CDataExchange* dx) override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnAmbientColor();
    void OnReflectionColor();
    // The swatch's colour becomes the three components, shown in their fields.
    void TakeColor(const CColorButton& swatch, float rgb[3], const UINT edits[3]);

    CColorButton m_ambientSwatch;
    CColorButton m_reflectionSwatch;
};

class CFinishMegaPovPanel : public CRecordPanel<CFinishData> {
public:
    enum { IDD = 182 };
    CFinishMegaPovPanel();
    const char* GetRuntimeClassName() const override { return "CFinishMegaPovPanel"; }
    UINT GetDialogId() const override { return IDD; }

protected:
    CFinishData& RecordOf(CMaterialData& mat) override { return mat.m_texture.m_finish; }
    void UpdateEnables(const CFinishData& finish) override;
};

class CInteriorSetPanel : public CRecordPanel<CInteriorData> {
public:
    enum { IDD = 167 };
    CInteriorSetPanel();
    const char* GetRuntimeClassName() const override { return "CInteriorSetPanel"; }
    UINT GetDialogId() const override { return IDD; }

protected:
    CInteriorData& RecordOf(CMaterialData& mat) override { return mat.m_interior; }
    void UpdateEnables(const CInteriorData& interior) override;
};
