#include "app/underlay_settings.h"

#include "app/quel_doc.h"

namespace {

// The two world axes (0 x, 1 y, 2 z) of each image's view.
constexpr int kAxes[4][2] = {{0, 2}, {0, 1}, {1, 2}, {0, 1}};

CVector3 Place(int image, const float values[2], float third) {
    float xyz[3] = {third, third, third};
    xyz[kAxes[image][0]] = values[0];
    xyz[kAxes[image][1]] = values[1];
    return CVector3(xyz[0], xyz[1], xyz[2]);
}

} // namespace

CUnderlayEntries ReadUnderlayEntries(const CQuelDoc& doc) {
    CUnderlayEntries entries;
    for (int i = 0; i < 4; ++i) {
        const CUnderlayImage& image = doc.m_underlays[static_cast<size_t>(i)];
        CUnderlayEntry& e = entries[static_cast<size_t>(i)];
        e.path = doc.m_underlayFiles[static_cast<size_t>(i)];
        for (int k = 0; k < 2; ++k) {
            e.centre[k] = image.m_offset.Get(kAxes[i][k]);
            e.scale[k] = image.m_scale.Get(kAxes[i][k]);
        }
    }
    return entries;
}

std::vector<CUnderlayFailure> ApplyUnderlayEntries(CQuelDoc& doc, const CUnderlayEntries& entries) {
    std::vector<CUnderlayFailure> failures;
    for (int i = 0; i < 4; ++i) {
        const CUnderlayEntry& e = entries[static_cast<size_t>(i)];
        CUnderlayImage& image = doc.m_underlays[static_cast<size_t>(i)];
        CString& file = doc.m_underlayFiles[static_cast<size_t>(i)];
        const bool changed = !(file == e.path);
        if (changed || (!e.path.IsEmpty() && !image.IsTextureReady())) {
            file = e.path;
            std::string reason;
            if (!LoadUnderlayPicture(image, e.path, &reason) && !e.path.IsEmpty())
                failures.push_back({e.path, reason});
        }
        image.m_offset = Place(i, e.centre, 0.0f);
        image.m_scale = Place(i, e.scale, 1.0f);
    }
    return failures;
}
