#pragma once
// Base of `gl` tests: gives each test a current OSMesa context and, when the
// test fails, leaves the picture as PNG in the test output folder.
#include "support/image.h"
#include "support/osmesa_surface.h"
#include "support/temp_dir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <string>

namespace qf::test {

class GlFixture : public ::testing::Test {
protected:
    // Makes (or remakes) the context at the given size and makes it current.
    OsMesaSurface& MakeSurface(int width, int height) {
        m_surface = std::make_unique<OsMesaSurface>(width, height);
        if (!m_surface->IsValid())
            ADD_FAILURE() << "OSMesa context could not be created";
        return *m_surface;
    }
    // The same, cleared to black, with GL units that are its pixels: x right
    // and y up from the lower left corner, z from -100 to 100.
    OsMesaSurface& MakePixelSurface(int width, int height) {
        OsMesaSurface& surface = MakeSurface(width, height);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, width, 0, height, -100, 100);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        return surface;
    }
    Image Pixels() const { return m_surface ? m_surface->ReadPixels() : Image{}; }

    // Compares the current picture with tests/data/<reference>; a missing
    // reference is written to the output folder for review and fails the test.
    void ExpectMatchesReference(const std::string& reference, int tolerance = 8, double maxShare = 0.002) {
        Image actual = Pixels();
        Image expected;
        const std::string name = std::filesystem::path(reference).filename().string();
        if (!LoadPng((DataDir() / reference).string(), expected)) {
            SavePng((OutputDir() / name).string(), actual);
            ADD_FAILURE() << "no reference picture " << reference << "; wrote "
                          << (OutputDir() / name).string();
            return;
        }
        const std::string diffPath = (OutputDir() / ("diff-" + name)).string();
        ImageDiff diff = CompareImages(actual, expected, tolerance, diffPath);
        EXPECT_TRUE(diff.sizeMatches) << reference << ": picture size differs";
        EXPECT_LE(diff.share, maxShare)
            << reference << ": " << diff.share * 100.0 << "% of pixels differ; see " << diffPath;
    }

    void TearDown() override {
        if (m_surface && HasFailure()) {
            const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
            const std::string path =
                (OutputDir() / (std::string(info->test_suite_name()) + "." + info->name() + ".png")).string();
            if (SavePng(path, m_surface->ReadPixels()))
                std::cerr << "picture of the failed test: " << path << "\n";
        }
        m_surface.reset();
    }

private:
    std::unique_ptr<OsMesaSurface> m_surface;
};

} // namespace qf::test
