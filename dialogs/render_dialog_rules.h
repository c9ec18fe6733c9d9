#pragma once
// The rules of the render dialogs, free of windows: which controls of the
// render settings dialog are usable, the aspect-locked height, the file name
// for an output format, the output folder as chosen, the preview shapes of
// the preview setting radios, and the clip planes the debug dialog accepts.
#include "platform/base/cstring.h"

struct CRenderSettingControlStates {
    bool width = false;
    bool useAspect = false;
    bool height = false;
    bool aspect = false;
    bool threshold = false;
    bool jitterBox = false;
    bool rays = false;
    bool sampling = false;
    bool jitterAmount = false;
};

// sizeMode 0 takes the pane's size, 1 the typed size.
CRenderSettingControlStates RenderSettingControlStates(int sizeMode, int useAspect, int antialias,
                                                       int jitter);

// width x (aspectY / aspectX), the ratio in single precision and the product
// truncated; the width itself for an aspect of 0 or less.
int AspectLockedHeight(int width, int aspectX, int aspectY);

// The name with the extension of the list's format (0 bmp .. 4 tga); the
// name unchanged for no format (-1).
CString FileNameForFormat(const CString& name, int formatIndex);

// A chosen folder with one '/' at its end.
CString FolderWithSeparator(const CString& folder);

// The preview setting's shape radios 0..3 stand for the shapes 0, 1, 2, 8.
int PreviewShapeFromRadio(int radio);
// The radio of a shape; the first for a shape the radios do not offer.
int PreviewRadioFromShape(int shape);

// The near and far clip distances a pane can draw with: 0 < near < far.
bool IsUsableClipRange(double nearPlane, double farPlane);

// Whether the path names a bitmap by its extension, in any case.
bool HasBitmapExtension(const CString& path);
