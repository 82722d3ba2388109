#include "platform/MacRoman.h"

#include <gtest/gtest.h>

TEST(MacRoman, KnownBytes) {
    EXPECT_EQ(toMacRoman(QStringLiteral("€")), QByteArray("\xDB"));
    EXPECT_EQ(toMacRoman(QStringLiteral("Müller")), QByteArray("M\x9Fller"));
    EXPECT_EQ(toMacRoman(QStringLiteral("Ä é ß – ™")), QByteArray("\x80 \x8E \xA7 \xD0 \xAA"));
    EXPECT_EQ(toMacRoman(QStringLiteral("a\rb")), QByteArray("a\rb"));
}

TEST(MacRoman, DecomposedLettersFindTheirByte) {
    const QString decomposed = QStringLiteral("u") + QChar(0x0308); // u + combining diaeresis
    EXPECT_EQ(toMacRoman(decomposed), QByteArray("\x9F"));
}

TEST(MacRoman, UnrepresentableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(toMacRoman(QStringLiteral("Ł€ж")), QByteArray("?\xDB?"));
    // One character outside the basic plane is one replacement, not two.
    EXPECT_EQ(toMacRoman(QString::fromUtf8("a\xF0\x9F\x98\x80" "b")), QByteArray("a?b"));
}

TEST(MacRoman, EveryByteRoundTrips) {
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    const QString text = fromMacRoman(all);
    EXPECT_EQ(text.size(), 255);
    // Composition may merge nothing here: no byte decodes to a combining character.
    EXPECT_EQ(toMacRoman(text), all);
}
