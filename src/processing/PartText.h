#pragma once

#include <QByteArray>
#include <cstdint>
#include <string_view>

// The text of one part file as it is filled: the 43-character header, the caches placed so
// far and, once closed, "</gpx>". Its length in characters (Unicode code points) is kept up
// to date as caches are added, so the whole text is never measured again.
class PartText {
public:
    // An XML declaration for UTF-8 directly followed by the bare root start tag.
    static constexpr std::string_view kHeader = "<?xml version=\"1.0\" encoding=\"utf-8\"?><gpx>";
    static constexpr std::string_view kFooter = "</gpx>";

    PartText() { restart(); }

    // The number of characters of UTF-8 text: every byte that does not continue a sequence.
    static std::int64_t codePoints(std::string_view utf8);

    // Back to the header alone, for the next part.
    void restart();
    // Adds a cache's text; `characters` is its length in code points.
    void append(std::string_view cacheText, std::int64_t characters);

    // Length in characters of the header and the caches (the footer not counted).
    std::int64_t length() const { return m_length; }
    // The number of caches placed since the last restart.
    std::int64_t caches() const { return m_caches; }
    // Adds the footer and returns the complete part as UTF-8 bytes.
    const QByteArray& close();

private:
    QByteArray m_bytes;
    std::int64_t m_length = 0;
    std::int64_t m_caches = 0;
};
