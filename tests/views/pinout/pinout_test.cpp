// The Pinout window's picture path and the window's size for the picture.
#include <gtest/gtest.h>

#include "views/pinout/pinout.h"

namespace varnolux {
namespace {

TEST(PinoutPicture, PathIsFolderDeviceAndSuffix) {
    EXPECT_EQ(PinoutImagePath("E:\\Pinout", "18F25K22"), "E:\\Pinout\\18F25K22pinout.png");
    EXPECT_EQ(PinoutImagePath("Pinout", "16F1829"), "Pinout\\16F1829pinout.png");
}

const Rect kWork{0, 0, 1280, 984};
const ClientSize kFrame{16, 39};

ClientSize ClientOf(const Rect& window) {
    return ClientSize{window.right - window.left - kFrame.width,
                      window.bottom - window.top - kFrame.height};
}

TEST(PinoutWindowSize, ClientAreaTakesThePicturesSizeAndTheCornerStays) {
    const Rect created{100, 80, 100 + 539 + 16, 80 + 361 + 39};
    const Rect fitted = PinoutWindowRect(created, ClientSize{600, 400}, kFrame, kWork);
    EXPECT_EQ(ClientOf(fitted).width, 600);
    EXPECT_EQ(ClientOf(fitted).height, 400);
    EXPECT_EQ(fitted.left, 100);
    EXPECT_EQ(fitted.top, 80);
}

TEST(PinoutWindowSize, MissingPictureShrinksTheClientAreaToNothing) {
    const Rect created{100, 80, 655, 480};
    const Rect fitted = PinoutWindowRect(created, ClientSize{0, 0}, kFrame, kWork);
    EXPECT_EQ(ClientOf(fitted).width, 0);
    EXPECT_EQ(ClientOf(fitted).height, 0);
}

TEST(PinoutWindowSize, PictureLargerThanTheWorkAreaIsCutNotScaled) {
    const Rect created{300, 200, 855, 600};
    const Rect fitted = PinoutWindowRect(created, ClientSize{3000, 2000}, kFrame, kWork);
    EXPECT_EQ(fitted, kWork) << "the whole work area, title bar on the screen";
}

TEST(PinoutWindowSize, GrownWindowIsMovedBackIntoTheWorkArea) {
    const Rect nearRight{1000, 700, 1100, 800};
    const Rect fitted = PinoutWindowRect(nearRight, ClientSize{600, 400}, kFrame, kWork);
    EXPECT_EQ(fitted.right, 1280);
    EXPECT_EQ(fitted.bottom, 984);
    EXPECT_EQ(ClientOf(fitted).width, 600);
    EXPECT_EQ(ClientOf(fitted).height, 400);
}

TEST(PinoutWindowSize, WindowOfTheRightSizeIsNotMovedWhereverItIs) {
    const Rect partlyOff{1100, 700, 1100 + 616, 700 + 439};
    EXPECT_EQ(PinoutWindowRect(partlyOff, ClientSize{600, 400}, kFrame, kWork), partlyOff);
}

}  // namespace
}  // namespace varnolux
