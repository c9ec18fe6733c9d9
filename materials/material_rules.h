#pragma once
// The rules of the material panels that are no matter of windows: the
// choices their lists offer, which pattern fields apply to a pattern, the
// gradient axes, the colour of three float components, and the image file
// types a map can name.
#include "platform/base/cstring.h"
#include "platform/base/win_types.h"

#include <optional>
#include <span>

// The 24 pattern names, the index of each being its pattern number.
std::span<const char* const> PatternNames();
// The wave types 0 to 3 of a turbulence.
std::span<const char* const> WaveTypeNames();
// The map types 0 to 3 and the interpolations 0 to 2 of an image map.
std::span<const char* const> ImageMapTypeNames();
std::span<const char* const> InterpolationNames();

// The fields of the noise-pattern panel that apply to a pattern; the bump
// depth applies to all.
struct PatternFields {
    bool agateTurbulence = false;
    bool mandelIterations = false;
    bool numberOfArms = false;
    bool quilted = false;
    bool gradientAxes = false;
};
PatternFields FieldsForPattern(int pattern);

// After the user clicked the gradient axis box `clicked` (0 to 2), leaving
// the boxes as `axes`: when none is checked, the clicked one is checked
// again, so a gradient always has a direction.
void KeepOneGradientAxis(int axes[3], int clicked);

// A component 0 to 1 as a byte: times 255, truncated, held to 0 .. 255
// (0.5 gives 127); and a byte as a component (127 gives 0.498).
int ComponentToByte(float value);
float ByteToComponent(int value);
// A filter or transmit as the grey it is shown in: 0 black, 1 white.
COLORREF GreyOf(float value);
// Three components 0 to 1 as a colour: each times 255, truncated.
COLORREF ComponentsToColor(const float rgb[3]);
// A colour's red, green and blue bytes over 255.
void ColorToComponents(COLORREF color, float rgb[3]);

// The file type an image file's extension names (ImageFileType), whatever
// its case; none for an extension POV-Ray cannot read as an image map here.
std::optional<int> ImageFileTypeOf(const CString& path);
// The extensions ImageFileTypeOf knows, for the user: "gif, tga, ...".
CString ImageFileExtensionList();
