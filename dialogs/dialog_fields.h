#pragma once
// Setting up the fields the render dialogs share: a number field with its
// spin, range and value, and the drop-down list of renderer definitions.
#include "controls/my_edit.h"
#include "controls/quel_spin.h"
#include "platform/ui/controls.h"

class CRendererList;

// The range clamps what the user enters, not the value given: one outside
// it is shown, and read back, unchanged until the user edits the field.
void SetupFloatField(CMyEdit& edit, CQuelSpin& spin, float min, float max, float value);
void SetupIntField(CMyEdit& edit, CQuelSpin& spin, int min, int max, int value);
// One entry per definition in list order, its title shown and the
// definition kept as the entry's data; nothing chosen.
void FillRendererList(CComboBox& list, const CRendererList& renderers);
