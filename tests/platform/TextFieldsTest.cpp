#include "platform/TextFields.h"

#include <gtest/gtest.h>

TEST(TextFields, FieldsAtASeparator) {
    EXPECT_EQ(countFields(QStringLiteral("12345.gpx"), u'.'), 2);
    EXPECT_EQ(nthField(QStringLiteral("12345.gpx"), u'.', 2), QStringLiteral("gpx"));
    EXPECT_EQ(nthField(QStringLiteral("a.b.gpx"), u'.', 2), QStringLiteral("b"));
    EXPECT_EQ(nthField(QStringLiteral("12345"), u'.', 2), QString());
    EXPECT_EQ(nthField(QStringLiteral("12345"), u'.', 1), QStringLiteral("12345"));
    EXPECT_EQ(nthField(QStringLiteral(".gpx"), u'.', 1), QString());
    EXPECT_EQ(nthField(QStringLiteral(".gpx"), u'.', 2), QStringLiteral("gpx"));
    EXPECT_EQ(nthField(QStringLiteral("x"), u'.', 0), QString());
    // A text ending with the separator has an empty last field.
    EXPECT_EQ(countFields(QStringLiteral("a\rb\r"), u'\r'), 3);
    EXPECT_EQ(nthField(QStringLiteral("a\rb\r"), u'\r', 3), QString());
    EXPECT_EQ(countFields(QString(), u'\r'), 1);
}
