#include "project/ScanFact.h"

QString captionOf(ScanFact::Kind kind) {
    switch (kind) {
    case ScanFact::Kind::Location:
        return QStringLiteral("Location:");
    case ScanFact::Kind::GpxFile:
        return QStringLiteral("GPX File:");
    case ScanFact::Kind::PrcFile:
        return QStringLiteral("PRC File:");
    case ScanFact::Kind::QueryName:
        return QStringLiteral("Pocket Query Name:");
    case ScanFact::Kind::FileDate:
        return QStringLiteral("GPX File Date:");
    case ScanFact::Kind::CacheCount:
        return QStringLiteral("Number of Caches:");
    }
    return {};
}
