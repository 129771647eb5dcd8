#include "core/dialog_filter.h"
#include "core/sound_flags.h"
#include "core/twips.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlBorder, SurroundsTheControlWithDarkTopLeftAndLightBottomRight) {
    core::SunkenEdge edge = core::ControlBorderLines(1000, 500, 2000, 300);
    EXPECT_EQ(edge[0].from.x, 985);
    EXPECT_EQ(edge[0].from.y, 485);
    EXPECT_EQ(edge[1].to.x, 3005);
    EXPECT_EQ(edge[1].to.y, 800);
    EXPECT_EQ(edge[3].to.x, 985);
    EXPECT_EQ(edge[3].to.y, 485);
    EXPECT_FALSE(edge[0].light);
    EXPECT_TRUE(edge[1].light);
    EXPECT_TRUE(edge[2].light);
    EXPECT_FALSE(edge[3].light);
}

TEST(InsetFrame, SitsOnePixelInsideTheScale) {
    core::SunkenEdge edge = core::InsetFrameLines(0, 0, 3000, 1500);
    EXPECT_EQ(edge[1].to.x, 2985);
    EXPECT_EQ(edge[1].to.y, 1485);
}

TEST(CenterForm, OverTheMainWindowWhenItFits) {
    core::Point p =
        core::CenterFormPosition({0, 0, 3000, 2000}, {1000, 500, 9600, 7200}, {15360, 11520});
    EXPECT_EQ(p.x, 1000 + (9600 - 3000) / 2);
    EXPECT_EQ(p.y, 500 + (7200 - 2000) / 2);
}

TEST(CenterForm, OnTheScreenWhenLargerInEitherDirection) {
    core::Point wide =
        core::CenterFormPosition({0, 0, 10000, 2000}, {0, 0, 9600, 7200}, {15360, 11520});
    EXPECT_EQ(wide.x, (15360 - 10000) / 2);
    EXPECT_EQ(wide.y, (11520 - 2000) / 2);
    core::Point tall =
        core::CenterFormPosition({0, 0, 2000, 8000}, {0, 0, 9600, 7200}, {15360, 11520});
    EXPECT_EQ(tall.y, (11520 - 8000) / 2);
}

TEST(DialogFilter, BecomesNameFilters) {
    auto filters = core::DialogNameFilters("Course Files (*.crs)|*.crs|All Files (*.*)|*.*|");
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0], "Course Files (*.crs)");
    EXPECT_EQ(filters[1], "All Files (*)");
    EXPECT_EQ(core::DialogNameFilters("Handicap files (*.hcp)|*.hcp|")[0],
              "Handicap files (*.hcp)");
}

TEST(SoundFlags, DefaultIsASynchronousFileWithoutTheSystemSound) {
    EXPECT_EQ(core::NormalizeSoundFlags(std::nullopt), 0x20002);
    EXPECT_EQ(core::NormalizeSoundFlags(0x10000 | 0x4 | 0x2), 0x20002);
    EXPECT_EQ(core::NormalizeSoundFlags(0), 0x20000);
}

} // namespace
