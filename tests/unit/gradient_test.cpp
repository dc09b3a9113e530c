#include "announce/gradient.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"

namespace wendora {
namespace {

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Rgb& c) {
  return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

Rgb Split(platform::Color c) {
  return {GetRed(c), GetGreen(c), GetBlue(c)};
}

class GradientTest : public ::testing::Test {
 protected:
  fake::FakePictureBox& Box(double width, double height) {
    box_ = std::make_unique<fake::FakePictureBox>(platform_, platform::Bounds{0, 0, width, height});
    return *box_;
  }
  fake::FakePlatform platform_;
  std::unique_ptr<fake::FakePictureBox> box_;
};

TEST_F(GradientTest, TheDefaultColoursOverTheBannersHeight) {
  auto& box = Box(15360, 1335);
  DrawGradient(box, 15, RgbColor(255, 255, 255), RgbColor(98, 255, 98));
  ASSERT_EQ(box.lines.size(), 90u);  // rows 0 to 89: one more than the 89 visible
  EXPECT_EQ(Split(box.lines[0].color), (Rgb{255, 255, 255}));
  EXPECT_EQ(Split(box.lines[1].color), (Rgb{253, 255, 253}));
  EXPECT_EQ(Split(box.lines[88].color), (Rgb{100, 255, 100}));
  EXPECT_EQ(Split(box.lines[89].color), (Rgb{98, 255, 98}));
  const fake::Line& row1 = box.lines[1];
  EXPECT_EQ(std::tie(row1.x1, row1.y1, row1.x2, row1.y2),
            std::make_tuple(0.0, 15.0, 15360.0, 15.0));
}

TEST_F(GradientTest, HalfwayRoundsToEven) {
  auto& box = Box(300, 30);
  DrawGradient(box, 15, RgbColor(0, 0, 0), RgbColor(1, 0, 0));
  ASSERT_EQ(box.lines.size(), 3u);
  EXPECT_EQ(GetRed(box.lines[0].color), 0);
  EXPECT_EQ(GetRed(box.lines[1].color), 0);  // 0.5
  EXPECT_EQ(GetRed(box.lines[2].color), 1);
}

TEST_F(GradientTest, EqualColoursFillUniformly) {
  auto& box = Box(300, 150);
  DrawGradient(box, 15, RgbColor(10, 20, 30), RgbColor(10, 20, 30));
  ASSERT_EQ(box.lines.size(), 11u);
  for (const auto& line : box.lines) {
    EXPECT_EQ(Split(line.color), (Rgb{10, 20, 30}));
  }
}

TEST_F(GradientTest, AnEmptyTargetPaintsNothing) {
  auto& flat = Box(300, 0);
  DrawGradient(flat, 15, RgbColor(0, 0, 0), RgbColor(255, 255, 255));
  EXPECT_TRUE(flat.lines.empty());
}

TEST_F(GradientTest, HighDpiPixelRows) {
  // 144 DPI: 10 twips per pixel; the same banner has 133 rows and a half.
  auto& box = Box(15360, 1335);
  DrawGradient(box, 10, RgbColor(255, 255, 255), RgbColor(98, 255, 98));
  ASSERT_EQ(box.lines.size(), 134u);
  EXPECT_EQ(box.lines[133].y1, 1330.0);
  EXPECT_EQ(Split(box.lines[0].color), (Rgb{255, 255, 255}));
}

TEST_F(GradientTest, FractionalTwipsPerPixelPaintEveryRow) {
  // 192 DPI: 7.5 twips per pixel; the banner's 178 rows are all painted.
  auto& box = Box(15360, 1335);
  DrawGradient(box, 7.5, RgbColor(255, 255, 255), RgbColor(98, 255, 98));
  ASSERT_EQ(box.lines.size(), 179u);
  EXPECT_EQ(box.lines[177].y1, 177 * 7.5);
  EXPECT_EQ(Split(box.lines[178].color), (Rgb{98, 255, 98}));
}

TEST(ColorComponents, SplitThePackedValue) {
  const std::int32_t color = 18 + 52 * 256 + 86 * 65536;
  EXPECT_EQ(GetRed(color), 18);
  EXPECT_EQ(GetGreen(color), 52);
  EXPECT_EQ(GetBlue(color), 86);
  const std::int32_t high = static_cast<std::int32_t>(0x7F000000u) | color;
  EXPECT_EQ(GetRed(high), 18);
  EXPECT_EQ(GetBlue(high), 86);
  EXPECT_EQ(GetBlue(-1), 255);
}

}  // namespace
}  // namespace wendora
