#pragma once
// A stand-in for the document the model reads its cameras and display
// settings from, and a check of vectors.
// Everything is inline: a test executable lists the model library before the
// support library, so these helpers are compiled into the tests themselves.
#include "model/camera.h"
#include "model/model_document.h"

#include <gtest/gtest.h>
#include <string>

namespace qf::test {

// The document as the model sees it, with every value public.
class StandInDocument : public CModelDocument {
public:
    const CCamera& GetPaneCamera(int view) const override { return cameras[view]; }
    double GetNearDistance() const override { return nearDistance; }
    int GetCurveType() const override { return curveType; }
    int GetMaterialAxisShape() const override { return materialAxisShape; }

    CCamera cameras[paneCount];
    double nearDistance = 5.0;
    int curveType = 0;
    int materialAxisShape = 4;
};

namespace detail {
inline StandInDocument* g_standIn = nullptr;
inline CModelDocument* CurrentStandIn() {
    return g_standIn;
}
} // namespace detail

// Makes a stand-in the current document for the life of the scope.
class ScopedStandInDocument {
public:
    ScopedStandInDocument() {
        detail::g_standIn = &doc;
        SetModelDocumentAccessor(detail::CurrentStandIn);
    }
    ~ScopedStandInDocument() {
        SetModelDocumentAccessor(nullptr);
        detail::g_standIn = nullptr;
    }
    ScopedStandInDocument(const ScopedStandInDocument&) = delete;
    ScopedStandInDocument& operator=(const ScopedStandInDocument&) = delete;

    StandInDocument doc;
};

// Each component within tolerance, naming what is compared when it fails.
inline void ExpectVectorNear(const CVector3& actual, const CVector3& expected, const std::string& what = "",
                             float tolerance = 1e-5f) {
    EXPECT_NEAR(actual.GetX(), expected.GetX(), tolerance) << what << " (x)";
    EXPECT_NEAR(actual.GetY(), expected.GetY(), tolerance) << what << " (y)";
    EXPECT_NEAR(actual.GetZ(), expected.GetZ(), tolerance) << what << " (z)";
}

} // namespace qf::test
