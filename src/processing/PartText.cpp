#include "processing/PartText.h"

std::int64_t PartText::codePoints(std::string_view utf8) {
    std::int64_t count = 0;
    for (const char c : utf8)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

void PartText::restart() {
    m_bytes.resize(0);
    m_bytes.append(kHeader.data(), qsizetype(kHeader.size()));
    m_length = std::int64_t(kHeader.size());
    m_caches = 0;
}

void PartText::append(std::string_view cacheText, std::int64_t characters) {
    m_bytes.append(cacheText.data(), qsizetype(cacheText.size()));
    m_length += characters;
    ++m_caches;
}

const QByteArray& PartText::close() {
    m_bytes.append(kFooter.data(), qsizetype(kFooter.size()));
    return m_bytes;
}
