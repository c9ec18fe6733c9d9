#pragma once
// How objects without a material of their own are rendered: with their own
// colour and a plain finish, or with the colour and finish of one chosen
// material.
#include "app/material_data.h"
#include "platform/base/obj_list.h"

class CArchive;

class CDefaultMatSetting {
public:
    CDefaultMatSetting() { Reset(); }

    void Reset();

    // The "default_mat_setting" body (the document writes the keyword). The
    // reference is stored by name: the name of the material in materials
    // whose id it is, or " " when none is.
    int Store(CArchive& ar, const CObjList<CMaterialData>& materials) const;
    // Reads the body and turns the name back into the id of the material of
    // that name among materials (those read from the same file); -1 when none
    // has it.
    int Load(CArchive& ar, const CObjList<CMaterialData>& materials);

    int m_colorType;          // 0 own colour, 1 the referenced material's solid colour
    int m_useReference;       // 1: the referenced material's finish
    int m_referencedMaterial; // material id, -1 none
};
