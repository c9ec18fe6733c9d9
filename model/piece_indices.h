#pragma once
// Drawing many equal pieces (the grid of one patch net, the polyline of one
// curve segment) from vertex arrays with few calls: the indices of one piece
// repeated for as many consecutive pieces as one call may address, and the
// draw of a run of pieces in calls of at most 65,536 points.
#include <GL/gl.h>
#include <vector>

class CPieceIndices {
public:
    // piece: the indices of one piece, counted from its first point; points:
    // how many points a piece has.
    CPieceIndices(const std::vector<GLuint>& piece, int points);

    // Draws count consecutive pieces, the first at the given arrays (three
    // floats a point; normals and colours null when not drawn). The caller
    // enables the client arrays.
    void Draw(GLenum mode, const float* positions, const float* normals, const float* colours,
              int count) const;

private:
    int m_points;
    int m_piecesPerCall;
    int m_indicesPerPiece;
    std::vector<GLuint> m_indices;
};
