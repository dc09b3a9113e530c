#include "base/number.h"

#include <gtest/gtest.h>

#include "base/runtime_error.h"

namespace wendora {
namespace {

int ErrorOf(void (*convert)(std::string_view), std::string_view text) {
  try {
    convert(text);
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

void AsInt32(std::string_view t) {
  ToInt32(t);
}
void AsInt16(std::string_view t) {
  ToInt16(t);
}
void AsUInt8(std::string_view t) {
  ToUInt8(t);
}

TEST(Number, AcceptsBlanksSignFractionAndExponent) {
  EXPECT_EQ(ToInt32(" 12 "), 12);
  EXPECT_EQ(ToInt32("\t+7\t"), 7);
  EXPECT_EQ(ToInt32("-3"), -3);
  EXPECT_EQ(ToInt32("5."), 5);
  EXPECT_EQ(ToInt32(".6"), 1);
  EXPECT_EQ(ToInt32("1e3"), 1000);
  EXPECT_EQ(ToInt32("25E-1"), 2);
  EXPECT_EQ(ToInt32("007"), 7);
}

TEST(Number, RoundsHalvesToEven) {
  EXPECT_EQ(ToInt32("2.5"), 2);
  EXPECT_EQ(ToInt32("3.5"), 4);
  EXPECT_EQ(ToInt32("-2.5"), -2);
  EXPECT_EQ(ToInt32("2.5000001"), 3);
  EXPECT_EQ(ToUInt8("254.5"), 254);
  EXPECT_EQ(ToUInt8("-0.4"), 0);
  EXPECT_EQ(ToInt32("-2147483648.5"), INT32_MIN);
}

TEST(Number, TextThatIsNotANumberIsATypeMismatch) {
  for (const char* text : {"", " ", "abc", "4s", "1 2", "--1", "+", ".", "e5", "1e", "0x10", "inf",
                           "nan", "１２", "1,000",
                           "\xE3\x80\x80"
                           "5"}) {
    EXPECT_EQ(ErrorOf(AsInt32, text), kErrTypeMismatch) << "'" << text << "'";
  }
}

TEST(Number, OutOfRangeIsAnOverflow) {
  EXPECT_EQ(ErrorOf(AsUInt8, "255.5"), kErrOverflow);  // rounds to 256
  EXPECT_EQ(ErrorOf(AsUInt8, "256"), kErrOverflow);
  EXPECT_EQ(ErrorOf(AsUInt8, "-1"), kErrOverflow);
  EXPECT_EQ(ErrorOf(AsUInt8, "-0.6"), kErrOverflow);
  EXPECT_EQ(ToUInt8("255"), 255);
  EXPECT_EQ(ToInt16("32767"), 32767);
  EXPECT_EQ(ToInt16("-32768"), -32768);
  EXPECT_EQ(ErrorOf(AsInt16, "32768"), kErrOverflow);
  EXPECT_EQ(ErrorOf(AsInt16, "32767.5"), kErrOverflow);
  EXPECT_EQ(ToInt32("2147483647"), INT32_MAX);
  EXPECT_EQ(ErrorOf(AsInt32, "2147483648"), kErrOverflow);
  EXPECT_EQ(ErrorOf(AsInt32, "1e999"), kErrOverflow);
  EXPECT_EQ(ToInt32("1e-999"), 0);
}

TEST(Number, ErrorsCarryTheirStandardDescriptions) {
  EXPECT_EQ(RuntimeError(kErrTypeMismatch).description(), "型が一致しません。");
  EXPECT_EQ(RuntimeError(kErrOverflow).description(), "オーバーフローしました。");
  EXPECT_EQ(RuntimeError(kErrCantOpenClipboard).description(), "クリップボードを開けません。");
}

}  // namespace
}  // namespace wendora
