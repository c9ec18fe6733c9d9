#include "materials/material_rules.h"

#include "app/material_data.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr const char* kPatternNames[patternCount] = {
    "agate", "bozo",   "crackle",  "gradient", "granite", "leopard",     "mandel", "marble",
    "onion", "radial", "spiral1",  "spiral2",  "spotted", "wood",        "bumps",  "ripples",
    "dents", "waves",  "wrinkles", "quilted",  "boxed",   "cylindrical", "planar", "spherical",
};
constexpr const char* kWaveTypes[] = {"ramp", "triangle", "sine", "scallop"};
constexpr const char* kMapTypes[mapTypeCount] = {"Planar", "Spherical", "Cylindrical", "Toroidal"};
constexpr const char* kInterpolations[] = {"None", "Bilinear", "Normalized Distance"};
// By ImageFileType; the last names the system's bitmap.
constexpr const char* kExtensions[fileTypeCount] = {"gif", "tga", "iff", "ppm", "pgm", "png", "bmp"};

} // namespace

std::span<const char* const> PatternNames() {
    return kPatternNames;
}

std::span<const char* const> WaveTypeNames() {
    return kWaveTypes;
}

std::span<const char* const> ImageMapTypeNames() {
    return kMapTypes;
}

std::span<const char* const> InterpolationNames() {
    return kInterpolations;
}

PatternFields FieldsForPattern(int pattern) {
    PatternFields fields;
    fields.agateTurbulence = pattern == patternAgate;
    fields.mandelIterations = pattern == patternMandel;
    fields.numberOfArms = pattern == patternSpiral1 || pattern == patternSpiral2;
    fields.quilted = pattern == patternQuilted;
    fields.gradientAxes = pattern == patternGradient;
    return fields;
}

void KeepOneGradientAxis(int axes[3], int clicked) {
    if (!axes[0] && !axes[1] && !axes[2] && clicked >= 0 && clicked < 3)
        axes[clicked] = 1;
}

int ComponentToByte(float value) {
    return std::clamp(static_cast<int>(value * 255.0f), 0, 255);
}

float ByteToComponent(int value) {
    return static_cast<float>(value / 255.0);
}

COLORREF GreyOf(float value) {
    const int grey = ComponentToByte(value);
    return RGB(grey, grey, grey);
}

COLORREF ComponentsToColor(const float rgb[3]) {
    return RGB(ComponentToByte(rgb[0]), ComponentToByte(rgb[1]), ComponentToByte(rgb[2]));
}

void ColorToComponents(COLORREF color, float rgb[3]) {
    rgb[0] = static_cast<float>(GetRValue(color) / 255.0);
    rgb[1] = static_cast<float>(GetGValue(color) / 255.0);
    rgb[2] = static_cast<float>(GetBValue(color) / 255.0);
}

std::optional<int> ImageFileTypeOf(const CString& path) {
    std::string extension = std::filesystem::path(path.str()).extension().string();
    if (extension.empty())
        return std::nullopt;
    CString lower(extension.substr(1));
    lower.MakeLower();
    for (int type = 0; type < fileTypeCount; ++type)
        if (lower == kExtensions[type])
            return type;
    return std::nullopt;
}

CString ImageFileExtensionList() {
    std::string list;
    for (const char* extension : kExtensions)
        list += (list.empty() ? "" : ", ") + std::string(extension);
    return list;
}
