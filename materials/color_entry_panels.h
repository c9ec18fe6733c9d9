#pragma once
// The panels of a pigment's fixed colour entries: "[Solid Color]" (entry 0),
// "[Checker]" (entries 0 and 1), "[Hexagon]" (0 to 2) and "[Brick]" (0 and
// 1, with the brick size and the mortar). Block k of a panel shows entry
// k - 1 (CRgbftBlock). A left R, G or B field stores the colour of all
// three, F and T their filter and transmit; a colour chosen in the swatch
// goes to the colour and its fields. The panels edit the entries whatever
// the pigment's type, so what they store waits for the type that uses it.
#include "materials/record_panel.h"
#include "materials/rgbft_block.h"

#include <memory>
#include <vector>

class CColorEntryPanel : public CRecordPanel<CPigmentData> {
protected:
    CColorEntryPanel(std::span<const int> groups, int blockCount,
                     std::span<const NumberField<CPigmentData>> fields = {});

    CPigmentData& RecordOf(CMaterialData& mat) override { return mat.m_texture.m_pigment; }
    void ShowMore(CPigmentData& pigment) override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCmdMsg(const CommandMessage& message) override;

private:
    void OnField(size_t block, CRgbftBlock::Field field);
    void OnSwatch(size_t block);

    std::vector<std::unique_ptr<CRgbftBlock>> m_blocks;
};

class CSolidColorPanel : public CColorEntryPanel {
public:
    enum { IDD = 162 };
    CSolidColorPanel();
    const char* GetRuntimeClassName() const override { return "CSolidColorPanel"; }
    UINT GetDialogId() const override { return IDD; }
};

class CCheckerPanel : public CColorEntryPanel {
public:
    enum { IDD = 163 };
    CCheckerPanel();
    const char* GetRuntimeClassName() const override { return "CCheckerPanel"; }
    UINT GetDialogId() const override { return IDD; }
};

class CHexagonPanel : public CColorEntryPanel {
public:
    enum { IDD = 164 };
    CHexagonPanel();
    const char* GetRuntimeClassName() const override { return "CHexagonPanel"; }
    UINT GetDialogId() const override { return IDD; }
};

// The brick size and the mortar take 0.001 to 1000, so that the pigment's
// own sizes (8, 3, 4.5 and 0.5) show and stay as they are.
class CBrickPanel : public CColorEntryPanel {
public:
    enum { IDD = 177 };
    CBrickPanel();
    const char* GetRuntimeClassName() const override { return "CBrickPanel"; }
    UINT GetDialogId() const override { return IDD; }

protected:
    BOOL OnInitDialog() override;
};
