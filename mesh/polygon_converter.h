#pragma once
// CPolygonConverter: a patch object as the vertices and faces of a polygon
// object at a resolution of 1 to 4 (others are clamped). Control points
// become vertices, every curve segment a chain of line faces through
// resolution - 1 sampled points, every four-sided patch a grid of quads and
// every three-sided patch a fixed fan of quads (and one triangle) round
// interior points; patch borders reuse the points sampled on the curves, so
// patches joined along a curve share their vertices there. Five-sided
// patches are not converted: only their curves appear, as line faces.
// Stateless; build one on the stack. As scratch it overwrites the control
// points' indices, the curves' numbers and the nodes' numbers.
#include <memory>

class CPolygonObj;
class CSpatchObj;

class CPolygonConverter {
public:
    virtual ~CPolygonConverter() = default;

    // Appends to target; nothing else of it is touched.
    void Convert(CPolygonObj* target, CSpatchObj* source, int resolution) const;
};

// What converting the current patch object into a polygon object makes: a
// new object with the source's name and colour, converted at the resolution,
// its edges derived, faces oriented alike and normals computed.
std::unique_ptr<CPolygonObj> MakePolygonObject(CSpatchObj& source, int resolution);
