#pragma once
// The image-map panel: the image map of the pigment ("[Image Map]" under a
// pigment) or the bump map of the normal ("[Bump Map]"): the picture file,
// whose extension gives the file type POV-Ray reads it as, the mapping, the
// interpolation and the once and use-index switches. A file of a type
// POV-Ray cannot read as a map is refused with the types it can.
#include "materials/material_element_panel.h"

class CImageMapPanel : public CMaterialElementPanel {
public:
    enum { IDD = 179 };
    CImageMapPanel();
    const char* GetRuntimeClassName() const override { return "CImageMapPanel"; }
    UINT GetDialogId() const override { return IDD; }
    void Refresh() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    // The map the panel edits; null without a selected material.
    CImageMapData* CurrentMap();
    void OnChooseFile();
    void OnMapType();
    void OnInterpolation();
    void OnOnce();
    void OnUseIndex();

    CComboBox m_mapType;
    CComboBox m_interpolation;
};
