#pragma once
// Makes the panel that shows the items of a kind (MaterialPanels() lists the
// kinds, dialogs and registry ids); null for a kind no panel shows.
#include "materials/material_element_panel.h"

#include <memory>

std::unique_ptr<CMaterialElementPanel> MakeMaterialPanel(int kind);
