#pragma once

#include <QByteArray>
#include <QString>

// The text in the Mac Roman encoding, one byte per character. The text is first composed
// (NFC), so a letter with a separate combining accent still finds its single byte. A
// character Mac Roman cannot represent becomes '?'.
QByteArray toMacRoman(const QString& text);

// Mac Roman bytes back to text; every byte has a character.
QString fromMacRoman(const QByteArray& bytes);
