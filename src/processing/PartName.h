#pragma once

#include <QString>
#include <cstdint>

// The names of the part files of one split: base + " part " + n + "." + extension.
class PartName {
public:
    PartName(const QString& base, const QString& extension)
        : m_base(base), m_extension(extension) {}

    // The extension the parts take from the source's display name: the text between its
    // first and second '.', empty when the name has no dot ("a.b.gpx" gives "b").
    static QString extensionOf(const QString& sourceDisplayName);

    // The name of part n (from 1), in plain decimal digits.
    QString of(std::int64_t n) const;

private:
    QString m_base;
    QString m_extension;
};
