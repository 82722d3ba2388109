#include "processing/PartName.h"

#include "platform/TextFields.h"

QString PartName::extensionOf(const QString& sourceDisplayName) {
    return nthField(sourceDisplayName, u'.', 2);
}

QString PartName::of(std::int64_t n) const {
    return m_base + QStringLiteral(" part ") + QString::number(n) + u'.' + m_extension;
}
