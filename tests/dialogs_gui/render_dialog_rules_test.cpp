// The rules behind the render dialogs, checked without windows.
#include "dialogs/render_dialog_rules.h"

#include <gtest/gtest.h>

TEST(RenderDialogRulesTest, ControlsFollowSizeModeAspectAndAntialiasing) {
    const struct {
        const char* name;
        int sizeMode, useAspect, antialias, jitter;
        CRenderSettingControlStates expected;
    } cases[] = {
        {"the pane's size, no anti-aliasing", 0, 1, 0, 1, {}},
        {"typed size", 1, 0, 0, 0, {true, true, true, false, false, false, false, false, false}},
        {"typed size with the aspect lock",
         1,
         1,
         0,
         0,
         {true, true, false, true, false, false, false, false, false}},
        {"anti-aliasing without jitter",
         0,
         0,
         1,
         0,
         {false, false, false, false, true, true, true, true, false}},
        {"anti-aliasing with jitter", 0, 0, 1, 1, {false, false, false, false, true, true, true, true, true}},
    };
    for (const auto& c : cases) {
        const CRenderSettingControlStates s =
            RenderSettingControlStates(c.sizeMode, c.useAspect, c.antialias, c.jitter);
        const CRenderSettingControlStates& e = c.expected;
        EXPECT_EQ(s.width, e.width) << c.name;
        EXPECT_EQ(s.useAspect, e.useAspect) << c.name;
        EXPECT_EQ(s.height, e.height) << c.name;
        EXPECT_EQ(s.aspect, e.aspect) << c.name;
        EXPECT_EQ(s.threshold, e.threshold) << c.name;
        EXPECT_EQ(s.jitterBox, e.jitterBox) << c.name;
        EXPECT_EQ(s.rays, e.rays) << c.name;
        EXPECT_EQ(s.sampling, e.sampling) << c.name;
        EXPECT_EQ(s.jitterAmount, e.jitterAmount) << c.name;
    }
}

TEST(RenderDialogRulesTest, AspectLockTruncatesTheHeight) {
    EXPECT_EQ(AspectLockedHeight(800, 16, 9), 450);
    EXPECT_EQ(AspectLockedHeight(1000, 3, 7), 2333);
    EXPECT_EQ(AspectLockedHeight(640, 4, 3), 480);
    EXPECT_EQ(AspectLockedHeight(5, 3, 1), 1) << "1.666 truncates";
    EXPECT_EQ(AspectLockedHeight(640, 0, 3), 640);
}

TEST(RenderDialogRulesTest, FileNamesFollowTheFormatAndFoldersEndInOneSlash) {
    EXPECT_EQ(FileNameForFormat("image.png", 0), "image.bmp");
    EXPECT_EQ(FileNameForFormat("picture", 3), "picture.tga");
    EXPECT_EQ(FileNameForFormat("picture.tga", 4), "picture.tga");
    EXPECT_EQ(FileNameForFormat("picture.ppm", -1), "picture.ppm");
    EXPECT_EQ(FolderWithSeparator("/home/u/Pictures"), "/home/u/Pictures/");
    EXPECT_EQ(FolderWithSeparator("/"), "/") << "a root gets no second slash";
    EXPECT_EQ(FolderWithSeparator("/home/u/"), "/home/u/");
}

TEST(RenderDialogRulesTest, PreviewShapesClipRangesAndBitmapNames) {
    for (int radio = 0; radio < 4; ++radio)
        EXPECT_EQ(PreviewRadioFromShape(PreviewShapeFromRadio(radio)), radio);
    EXPECT_EQ(PreviewShapeFromRadio(3), 8) << "the fourth radio is the torus";
    EXPECT_EQ(PreviewRadioFromShape(5), 0);

    EXPECT_TRUE(IsUsableClipRange(5.0, 5000.0));
    EXPECT_TRUE(IsUsableClipRange(0.01, 100000.0));
    EXPECT_FALSE(IsUsableClipRange(0.0, 5000.0)) << "a near plane of 0 breaks the depth buffer";
    EXPECT_FALSE(IsUsableClipRange(10.0, 10.0));
    EXPECT_FALSE(IsUsableClipRange(20.0, 10.0));

    EXPECT_TRUE(HasBitmapExtension("/p/sketch.bmp"));
    EXPECT_TRUE(HasBitmapExtension("/p/picture.BMP")) << "any case";
    EXPECT_FALSE(HasBitmapExtension("/p/picture.png"));
    EXPECT_FALSE(HasBitmapExtension(".bmp"));
}
