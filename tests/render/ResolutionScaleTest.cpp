// The view's reduced resolution: which divisor the measured picture costs
// lead to, with hysteresis, and the hand-over of finished pictures between
// the drawing thread and the view.

#include <gtest/gtest.h>

#include <set>

#include "render/PictureSlots.h"
#include "render/ResolutionScale.h"

namespace fg::test {
namespace {

TEST(ResolutionScale, OverTheBudgetThePictureIsDrawnAsFinelyAsStillFits) {
    ResolutionScale scale(33.0);
    EXPECT_EQ(scale.divisor(), 1);
    scale.measured(20.0, 1);
    EXPECT_EQ(scale.divisor(), 1);
    // 40 ms at full size: a quarter of the pixels fits (10 ms).
    scale.measured(40.0, 1);
    EXPECT_EQ(scale.divisor(), 2);
    // 55 ms at half: a third of the size would be 24 ms.
    scale.measured(55.0, 2);
    EXPECT_EQ(scale.divisor(), 3);
    // Far too costly for any: the coarsest.
    scale.measured(5000.0, 3);
    EXPECT_EQ(scale.divisor(), 4);
    scale.measured(5000.0, 4);
    EXPECT_EQ(scale.divisor(), 4);
}

TEST(ResolutionScale, FinerOnlyAfterSeveralPicturesWithRoomToSpare) {
    ResolutionScale scale(33.0);
    scale.measured(60.0, 1);
    ASSERT_EQ(scale.divisor(), 2);
    // 8 ms at half would be 32 ms at full: under the budget, but without
    // room to spare it stays.
    for (int i = 0; i < 10; ++i) scale.measured(8.0, 2);
    EXPECT_EQ(scale.divisor(), 2);
    // 4 ms at half, 16 at full: after a few such pictures.
    for (int i = 1; i < ResolutionScale::kPicturesBeforeFiner; ++i) {
        scale.measured(4.0, 2);
        EXPECT_EQ(scale.divisor(), 2);
    }
    scale.measured(4.0, 2);
    EXPECT_EQ(scale.divisor(), 1);
    // A costly one in between starts the count again.
    scale.measured(60.0, 1);
    ASSERT_EQ(scale.divisor(), 2);
    scale.measured(4.0, 2);
    scale.measured(4.0, 2);
    scale.measured(9.0, 2);
    scale.measured(4.0, 2);
    scale.measured(4.0, 2);
    EXPECT_EQ(scale.divisor(), 2);
}

TEST(ResolutionScale, AStalePictureNeverMakesItFiner) {
    ResolutionScale scale(33.0);
    scale.measured(500.0, 1);
    const int coarse = scale.divisor();
    ASSERT_GT(coarse, 2);
    // Begun at full size before the change, it finishes over the budget.
    scale.measured(40.0, 1);
    EXPECT_EQ(scale.divisor(), coarse);
    scale.reset();
    EXPECT_EQ(scale.divisor(), 1);
}

TEST(ResolutionScale, SizesAndPercentages) {
    EXPECT_EQ(ResolutionScale::percent(1), 100);
    EXPECT_EQ(ResolutionScale::percent(2), 50);
    EXPECT_EQ(ResolutionScale::percent(3), 33);
    EXPECT_EQ(ResolutionScale::percent(4), 25);
    EXPECT_EQ(ResolutionScale::scaledSize(641, 1), 641);
    EXPECT_EQ(ResolutionScale::scaledSize(641, 2), 321);
    EXPECT_EQ(ResolutionScale::scaledSize(640, 3), 213);
    EXPECT_EQ(ResolutionScale::scaledSize(1, 4), 1);
}

TEST(PictureSlots, TheDrawingSideNeverTouchesTheShownOrTheWaitingPicture) {
    PictureSlots pictures;
    EXPECT_FALSE(pictures.show());
    const auto finish = [&](int frame) {
        const int slot = pictures.slotToDraw();
        ScenePicture picture;
        picture.slot = slot;
        picture.number = static_cast<std::uint64_t>(frame);
        pictures.finished(picture);
        return slot;
    };
    EXPECT_FALSE(pictures.waiting());
    const int first = finish(1);
    EXPECT_TRUE(pictures.waiting());
    const std::optional<ScenePicture> shown = pictures.show();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->slot, first);
    EXPECT_FALSE(pictures.waiting());
    // Two finished while the view shows the first: the newest waits, the
    // one before is dropped.
    const int second = finish(2);
    EXPECT_NE(second, first);
    const int third = finish(3);
    EXPECT_NE(third, first);
    EXPECT_NE(third, second);
    const int fourth = pictures.slotToDraw();
    EXPECT_NE(fourth, first);
    EXPECT_NE(fourth, third);
    EXPECT_TRUE(pictures.waiting());
    const std::optional<ScenePicture> newest = pictures.show();
    ASSERT_TRUE(newest);
    EXPECT_EQ(newest->number, 3u);
    EXPECT_FALSE(pictures.waiting());
    // Shown again without a newer one: the same picture.
    EXPECT_EQ(pictures.show()->number, 3u);
    pictures.clear();
    EXPECT_FALSE(pictures.show());
    EXPECT_FALSE(pictures.waiting());
}

}  // namespace
}  // namespace fg::test
