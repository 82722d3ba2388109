#include "platform/Val.h"

#include <QString>
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

TEST(Val, NumberAtTheStartOfAText) {
    const struct {
        const char16_t* text;
        double expected;
    } cases[] = {
        {u"250", 250},     {u"49.9", 49.9},   {u" 60", 60},   {u"\t60", 60},   {u"50abc", 50},
        {u"", 0},          {u"abc", 0},       {u"-5", -5},    {u"+7", 7},      {u"0x40", 0},
        {u"1e3", 1000},    {u"1e", 1},        {u"2E+2kB", 200}, {u".5", 0.5},  {u"-.5", -0.5},
        {u"5.", 5},        {u".", 0},         {u"-", 0},      {u"inf", 0},     {u"nan", 0},
        {u"0049", 49},     {u"12 34", 12},    {u"\u0665\u0660", 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Val(QStringView(c.text)), c.expected)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(Val, HugeValuesAreInfiniteNotUndefined) {
    EXPECT_EQ(Val(u"1e30"), 1e30);
    EXPECT_TRUE(std::isinf(Val(u"1e999")));
    EXPECT_GT(Val(u"1e999"), 0);
    EXPECT_LT(Val(u"-1e999"), 0);
    EXPECT_EQ(Val(u"1e-999"), 0.0);
    EXPECT_TRUE(std::isinf(Val(QString(400, u'9'))));
}

TEST(Val, ClampedWholeNumbers) {
    constexpr auto big = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(toClampedInt(49.9, 0, 100), 49);
    EXPECT_EQ(toClampedInt(-3.7, -10, 10), -3);
    EXPECT_EQ(toClampedInt(1e30, 0, 1000), 1000);
    EXPECT_EQ(toClampedInt(-1e30, -5, 5), -5);
    EXPECT_EQ(toClampedInt(std::numeric_limits<double>::infinity(), 0, big), big);
    EXPECT_EQ(toClampedInt(std::nan(""), -5, 5), 0);
    EXPECT_EQ(toClampedInt(9.3e18, 0, big), big);
}
