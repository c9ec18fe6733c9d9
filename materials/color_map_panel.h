#pragma once
// "[Color Map]": the colour map of a pigment of the colour-map kind, edited
// in a CColorMapEditor with the buttons "add", "delete", "mirror", "space",
// "<-" and "->" beside it, the selected stop in an RGBFT block below it,
// and the pigment's pattern under "Noise Pattern".
//
// The editor holds the map while the panel is shown; every change made in
// the panel (a field left, a colour chosen, a button, a release of the
// mouse in the editor) stores the whole map into the pigment at once, so
// the pigment and the editor agree whenever no stop is being dragged.
#include "materials/color_map_editor.h"
#include "materials/noise_panels.h"
#include "materials/rgbft_block.h"

class CColorMapPanel : public CPatternPanel, public CColorMapEditorHost {
public:
    enum { IDD = 170 };
    // Where the editor is made, and its id.
    static constexpr int placeholderId = 1067;
    static constexpr UINT editorId = 200;

    CColorMapPanel();
    const char* GetRuntimeClassName() const override { return "CColorMapPanel"; }
    UINT GetDialogId() const override { return IDD; }

    // The pigment's map in the editor with its first stop selected, then the pattern.
    void Refresh() override;
    void LoadCurrentStop() override;
    void CommitColorMap() override;
    CColorMapEditor& GetEditor() { return m_editor; }

protected:
    CPatternData& RecordOf(CMaterialData& mat) override { return mat.m_texture.m_pigment.m_pattern; }
    void DoDataExchange(CDataExchange* dx) override;
    void CreateOwnControls() override;
    BOOL OnInitDialog() override;
    BOOL OnCmdMsg(const CommandMessage& message) override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnField(CRgbftBlock::Field field);
    void OnSwatch();
    // A button's operation on the editor, then the map is stored.
    void Apply(void (CColorMapEditor::*operation)());
    void OnAdd() { Apply(&CColorMapEditor::InsertStop); }
    void OnDelete() { Apply(&CColorMapEditor::DeleteStop); }
    void OnMirror() { Apply(&CColorMapEditor::Mirror); }
    void OnSpace() { Apply(&CColorMapEditor::SpaceEvenly); }
    void OnRotateLeft() { Apply(&CColorMapEditor::RotateLeft); }
    void OnRotateRight() { Apply(&CColorMapEditor::RotateRight); }

    CColorMapEditor m_editor;
    CRgbftBlock m_block;
};
