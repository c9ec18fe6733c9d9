#include "model/piece_indices.h"

#include <algorithm>

CPieceIndices::CPieceIndices(const std::vector<GLuint>& piece, int points)
    : m_points(std::max(points, 1)), m_piecesPerCall(std::max(1, 65536 / m_points)),
      m_indicesPerPiece(static_cast<int>(piece.size())) {
    m_indices.reserve(piece.size() * static_cast<size_t>(m_piecesPerCall));
    for (int k = 0; k < m_piecesPerCall; ++k)
        for (GLuint index : piece)
            m_indices.push_back(index + static_cast<GLuint>(k * m_points));
}

void CPieceIndices::Draw(GLenum mode, const float* positions, const float* normals, const float* colours,
                         int count) const {
    for (int first = 0; first < count; first += m_piecesPerCall) {
        const size_t offset = static_cast<size_t>(first) * static_cast<size_t>(m_points) * 3;
        glVertexPointer(3, GL_FLOAT, 0, positions + offset);
        if (normals)
            glNormalPointer(GL_FLOAT, 0, normals + offset);
        if (colours)
            glColorPointer(3, GL_FLOAT, 0, colours + offset);
        const int pieces = std::min(m_piecesPerCall, count - first);
        glDrawElements(mode, pieces * m_indicesPerPiece, GL_UNSIGNED_INT, m_indices.data());
    }
}
