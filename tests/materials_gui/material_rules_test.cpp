// The material panels' rules without windows: the pattern fields that
// apply, the gradient axes, colours from components and the image file
// types a map may name.
#include "app/material_data.h"
#include "materials/material_rules.h"

#include <gtest/gtest.h>

TEST(MaterialRulesTest, OnlyTheFieldsOfThePatternApply) {
    struct Case {
        int pattern;
        PatternFields fields;
    };
    const Case cases[] = {
        {patternAgate, {.agateTurbulence = true}},
        {patternMandel, {.mandelIterations = true}},
        {patternSpiral1, {.numberOfArms = true}},
        {patternSpiral2, {.numberOfArms = true}},
        {patternQuilted, {.quilted = true}},
        {patternGradient, {.gradientAxes = true}},
        {patternBozo, {}},
        {patternSpherical, {}},
    };
    for (const Case& c : cases) {
        const PatternFields f = FieldsForPattern(c.pattern);
        EXPECT_EQ(f.agateTurbulence, c.fields.agateTurbulence) << PatternNames()[c.pattern];
        EXPECT_EQ(f.mandelIterations, c.fields.mandelIterations) << PatternNames()[c.pattern];
        EXPECT_EQ(f.numberOfArms, c.fields.numberOfArms) << PatternNames()[c.pattern];
        EXPECT_EQ(f.quilted, c.fields.quilted) << PatternNames()[c.pattern];
        EXPECT_EQ(f.gradientAxes, c.fields.gradientAxes) << PatternNames()[c.pattern];
    }
    ASSERT_EQ(PatternNames().size(), static_cast<size_t>(patternCount));
    EXPECT_STREQ(PatternNames()[patternWrinkles], "wrinkles");
}

TEST(MaterialRulesTest, AGradientKeepsOneAxis) {
    int lastOff[3] = {0, 0, 0}; // Z, the only one, was just unchecked
    KeepOneGradientAxis(lastOff, 2);
    EXPECT_EQ(lastOff[2], 1);
    int another[3] = {1, 0, 0}; // Z unchecked while X stays
    KeepOneGradientAxis(another, 2);
    EXPECT_EQ(another[2], 0);
    EXPECT_EQ(another[0], 1);
}

TEST(MaterialRulesTest, ComponentsBecomeColourBytesTruncated) {
    const float half[3] = {0.5f, 0.5f, 0.5f};
    EXPECT_EQ(ComponentsToColor(half), RGB(127, 127, 127));
    const float mixed[3] = {1.0f, 0.0f, 0.2f};
    EXPECT_EQ(ComponentsToColor(mixed), RGB(255, 0, 51));
    float back[3];
    ColorToComponents(RGB(255, 0, 51), back);
    EXPECT_FLOAT_EQ(back[0], 1.0f);
    EXPECT_FLOAT_EQ(back[1], 0.0f);
    EXPECT_FLOAT_EQ(back[2], 0.2f);
}

TEST(MaterialRulesTest, TheExtensionGivesTheFileTypeAndAnUnreadableOneNone) {
    EXPECT_EQ(ImageFileTypeOf("/maps/Wood.PNG"), filePng) << "capitals";
    EXPECT_EQ(ImageFileTypeOf("/maps/a.gif"), fileGif);
    EXPECT_EQ(ImageFileTypeOf("/maps/a.tga"), fileTga);
    EXPECT_EQ(ImageFileTypeOf("/maps/a.iff"), fileIff);
    EXPECT_EQ(ImageFileTypeOf("/maps/a.ppm"), filePpm);
    EXPECT_EQ(ImageFileTypeOf("/maps/a.pgm"), filePgm);
    EXPECT_EQ(ImageFileTypeOf("/maps/a.Bmp"), fileSys);
    for (const char* unreadable : {"/maps/photo.jpg", "/maps/photo.jpeg", "/maps/photo.JPEG", "/maps/readme",
                                   "/maps.png/photo", "/maps/photo.png.txt"})
        EXPECT_EQ(ImageFileTypeOf(unreadable), std::nullopt) << unreadable;
    EXPECT_EQ(ImageFileExtensionList(), "gif, tga, iff, ppm, pgm, png, bmp");
}
