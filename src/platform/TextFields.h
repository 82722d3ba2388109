#pragma once

#include <QString>

// Fields of a text split at every occurrence of a one-character separator. A text with c
// separators has c + 1 fields; fields are counted from 1. An empty text has one empty field.
qsizetype countFields(const QString& text, QChar separator);

// The n-th field (from 1); empty when the text has fewer fields or n is below 1.
QString nthField(const QString& text, QChar separator, qsizetype n);
