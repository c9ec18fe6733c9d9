#include "materials/material_panel_factory.h"

#include "materials/color_entry_panels.h"
#include "materials/color_map_panel.h"
#include "materials/declared_name_panel.h"
#include "materials/element_type_panels.h"
#include "materials/image_map_panel.h"
#include "materials/material_panels.h"
#include "materials/noise_panels.h"
#include "materials/parameter_panels.h"

std::unique_ptr<CMaterialElementPanel> MakeMaterialPanel(int kind) {
    switch (kind) {
    case itemMaterial:
        return std::make_unique<CMaterialPanel>();
    case itemTexture:
        return std::make_unique<CTexturePanel>();
    case itemPigment:
        return std::make_unique<CPigmentPanel>();
    case itemNormal:
        return std::make_unique<CNormalPanel>();
    case itemFinish:
        return std::make_unique<CFinishPanel>();
    case itemInterior:
        return std::make_unique<CInteriorPanel>();
    case itemSolidColor:
        return std::make_unique<CSolidColorPanel>();
    case itemChecker:
        return std::make_unique<CCheckerPanel>();
    case itemHexagon:
        return std::make_unique<CHexagonPanel>();
    case itemBrick:
        return std::make_unique<CBrickPanel>();
    case itemColorMap:
        return std::make_unique<CColorMapPanel>();
    case itemImageMap:
        return std::make_unique<CImageMapPanel>();
    case itemInclude:
        return std::make_unique<CDeclaredNamePanel>();
    case itemNoisePattern:
        return std::make_unique<CNoisePatternPanel>();
    case itemNoise:
        return std::make_unique<CNoisePanel>();
    case itemBumpSize:
        return std::make_unique<CBumpSizePanel>();
    case itemFinishSet:
        return std::make_unique<CFinishSetPanel>();
    case itemInteriorSet:
        return std::make_unique<CInteriorSetPanel>();
    case itemFinishMegaPov:
        return std::make_unique<CFinishMegaPovPanel>();
    default:
        return nullptr;
    }
}
