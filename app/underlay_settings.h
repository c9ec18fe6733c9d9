#pragma once
// The underlays as the background image dialog edits them: per image its
// file and, in the two axes of its view, its centre and scale (top: x and z,
// front: x and y, right: y and z, the other views: x and y).
#include "platform/base/cstring.h"

#include <array>
#include <string>
#include <vector>

class CQuelDoc;

struct CUnderlayEntry {
    CString path;
    float centre[2] = {0.0f, 0.0f};
    float scale[2] = {1.0f, 1.0f};
};
using CUnderlayEntries = std::array<CUnderlayEntry, 4>;

CUnderlayEntries ReadUnderlayEntries(const CQuelDoc& doc);

// A picture that could not be used: its file and why.
struct CUnderlayFailure {
    CString path;
    std::string reason;
};

// Stores every entry: its centre (0 on the third axis) and scale (1 on the
// third axis) always, its file too. The picture is loaded again when the file
// changed or its last load failed; an empty file empties the image. Returns
// the pictures that could not be used.
std::vector<CUnderlayFailure> ApplyUnderlayEntries(CQuelDoc& doc, const CUnderlayEntries& entries);
