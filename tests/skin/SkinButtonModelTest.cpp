#include <gtest/gtest.h>

#include "skin/SkinButtonModel.h"

namespace orbelle {
namespace {

SkinButtonModel skinned(SkinImagesGiven given, SkinOptions options = {}) {
  SkinButtonModel model;
  model.setSkin(given, options);
  return model;
}

TEST(SkinButtonModel, FacesFallBackAndOnlyCheckAndRadioButtonsKeepACheck) {
  SkinButtonModel plain = skinned({true, false, false, false, true}, skinOptions(1, true, 3));
  plain.move(true);  // no hover image: focus image, then normal
  EXPECT_EQ(plain.face(true, false, true),
            (SkinFace{SkinImage::Focus, SkinEdge::Raised, CaptionStyle::Plain, true}));
  EXPECT_EQ(plain.face(true, false, false).image, SkinImage::Normal);
  // Pressed without a pressed image: the button face colour, sunken.
  EXPECT_EQ(plain.face(true, true, false),
            (SkinFace{std::nullopt, SkinEdge::Sunken, CaptionStyle::Pushed, false}));
  // Disabled without a disabled image: the normal image, embossed, no focus rectangle.
  EXPECT_EQ(plain.face(false, false, true),
            (SkinFace{SkinImage::Normal, SkinEdge::Raised, CaptionStyle::Embossed, false}));
  EXPECT_EQ(skinned({true, false, false, true, false}).face(false, false, false).image,
            SkinImage::Disabled);
  EXPECT_EQ(skinned({}).face(true, false, true).image, std::nullopt);

  // Only check and radio buttons keep a check; a checked check button is drawn pushed in.
  SkinButtonModel push;
  EXPECT_FALSE(push.setCheck(true));
  EXPECT_FALSE(push.checked());
  SkinButtonModel check(SkinKind::Check);
  check.setCheck(true);
  EXPECT_EQ(check.face(true, false, false).caption, CaptionStyle::Pushed);
  EXPECT_FALSE(check.checkAfterClick());
  SkinButtonModel radio(SkinKind::Radio);
  EXPECT_TRUE(radio.setCheck(true));  // the others of the group go out
  radio.setKind(SkinKind::Push);
  EXPECT_FALSE(radio.checked());
}

TEST(SkinButtonModel, SkinOptionsAreBroughtIntoRange) {
  EXPECT_EQ(skinOptions(5, false, 0).drawMode, SkinDrawMode::Tiled);
  EXPECT_EQ(skinOptions(-1, false, 0).drawMode, SkinDrawMode::Natural);
  EXPECT_EQ(skinOptions(0, true, -4), (SkinOptions{SkinDrawMode::Natural, true, 0}));
  EXPECT_EQ(skinOptions(1, false, 2), (SkinOptions{SkinDrawMode::Stretched, false, 2}));
}

TEST(SkinButtonModel, ShortCaptionsGoOnOneLineLongOnesBreakOnlyAtLineBreaks) {
  EXPECT_EQ(layoutCaption("Upgrade Base"), (CaptionLayout{true, "Upgrade Base"}));
  EXPECT_EQ(layoutCaption("Set\r\nBase"), (CaptionLayout{true, "Set Base"}));
  EXPECT_EQ(layoutCaption("Upgrade Base "), (CaptionLayout{false, "Upgrade Base "}));
  EXPECT_EQ(layoutCaption("Upgrade\r\nHandheld\rUnit\n"),
            (CaptionLayout{false, "Upgrade\nHandheld\nUnit\n"}));
  EXPECT_TRUE(
      layoutCaption("\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9")
          .oneLine);  // characters, not bytes
  EXPECT_EQ(spokenCaption("  Upgrade\r\nBase Unit\n"), "Upgrade Base Unit");
  EXPECT_EQ(spokenCaption("\r\n"), "");
}

}  // namespace
}  // namespace orbelle
