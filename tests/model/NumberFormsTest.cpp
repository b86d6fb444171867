#include <gtest/gtest.h>

#include "model/NumberForms.h"

using namespace td;

TEST(SingleText, WholeValuesHaveNoPointAndNegativesAMinus) {
    EXPECT_EQ(SingleText(0.0f), "0");
    EXPECT_EQ(SingleText(-0.0f), "0");
    EXPECT_EQ(SingleText(100.0f), "100");
    EXPECT_EQ(SingleText(-200.0f), "-200");
    EXPECT_EQ(SingleText(1234567.0f), "1234567");
}

TEST(SingleText, FractionsKeepALeadingZeroAndNoTrailingZeros) {
    EXPECT_EQ(SingleText(0.5f), "0.5");
    EXPECT_EQ(SingleText(-0.25f), "-0.25");
    EXPECT_EQ(SingleText(1.5f), "1.5");
    EXPECT_EQ(SingleText(0.0001f), "0.0001");
    EXPECT_EQ(SingleText(123.456f), "123.456");
}

TEST(SingleText, RoundsToSevenSignificantDigits) {
    EXPECT_EQ(SingleText(0.1f), "0.1"); // float 0.100000001490116...
    EXPECT_EQ(SingleText(1.0f / 3.0f), "0.3333333");
    EXPECT_EQ(SingleText(2.0f / 3.0f), "0.6666667");
    EXPECT_EQ(SingleText(-1234.5678f), "-1234.568");
    EXPECT_EQ(SingleText(9999999.0f), "9999999");
}

TEST(SingleText, UsesExponentFormOutsideTheFixedRange) {
    EXPECT_EQ(SingleText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(SingleText(10000000.0f), "1E+07");
    EXPECT_EQ(SingleText(0.00001f), "1E-05");
    EXPECT_EQ(SingleText(-0.000012345f), "-1.2345E-05");
    EXPECT_EQ(SingleText(3.0e38f), "3E+38");
    EXPECT_EQ(SingleText(1.0e-40f), "9.999946E-41"); // subnormal: the float nearest 1E-40
}

TEST(SingleText, RoundingThatCarriesIntoTheNextDecadeChoosesTheFormAfterwards) {
    // 9999999.5 rounds to 1.000000E+07: seven integer digits are not enough.
    EXPECT_EQ(SingleText(9999999.5f), "1E+07");
    // 0.000099999999 rounds up to 0.0001, which is written in fixed form.
    EXPECT_EQ(SingleText(0.000099999999f), "0.0001");
}

TEST(SingleText, ValuesTheReaderCannotTakeBackAreWrittenAsTheNearestItCan) {
    EXPECT_EQ(SingleText(std::numeric_limits<float>::quiet_NaN()), "0");
    EXPECT_EQ(SingleText(std::numeric_limits<float>::infinity()), "3.402823E+38");
    EXPECT_EQ(SingleText(-std::numeric_limits<float>::infinity()), "-3.402823E+38");
}

TEST(IntNumber, HasASignPlaceAndATrailingBlank) {
    EXPECT_EQ(IntNumber(5), " 5 ");
    EXPECT_EQ(IntNumber(-1), "-1 ");
    EXPECT_EQ(IntNumber(0), " 0 ");
    EXPECT_EQ(IntNumber(1800467), " 1800467 ");
    EXPECT_EQ(IntNumber(-2147483648LL), "-2147483648 ");
}

TEST(PrintZones, PadEachFieldToTheNextMultipleOfFourteen) {
    std::string line = "xx";
    const std::size_t start = 2;
    line += "100";
    PadToNextZone(line, start);
    EXPECT_EQ(line.size() - start, 14u);
    line += "-1.234568E+07"; // 13 characters, the longest field
    PadToNextZone(line, start);
    EXPECT_EQ(line.size() - start, 28u);
}
