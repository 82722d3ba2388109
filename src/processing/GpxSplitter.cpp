#include "processing/GpxSplitter.h"

#include "platform/Failure.h"
#include "platform/FileWriter.h"
#include "processing/CacheSerializer.h"
#include "processing/PartName.h"
#include "processing/PartText.h"

#include <algorithm>
#include <limits>
#include <string>

namespace {

constexpr int kScrollAfterCache = 9999;

// The label of a cache in the log: the text inside its second child (a waypoint's name).
// A cache without one gets an empty label.
QString labelOf(pugi::xml_node cache) {
    return textInside(childAt(cache, 1));
}

} // namespace

GpxSplitter::GpxSplitter(const project& record, const ProcessOptions& options,
                         const QString& partBase, ProcessLog& log, RunOutput& out)
    : m_record(record), m_options(options), m_partBase(partBase), m_log(log), m_out(out) {}

std::int64_t GpxSplitter::limitFor(std::int64_t kilobytes) {
    constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max() / 1024;
    const std::int64_t k = std::clamp<std::int64_t>(kilobytes, 0, kLargest);
    return 1024 * k - 1024;
}

GpxSplitter::Outcome GpxSplitter::run() {
    const pugi::xml_node root = m_record.xcontent;
    if (!root || m_record.GPXFile.isEmpty())
        throw Failure(QStringLiteral("The GPX file %1.gpx has not been loaded, so it cannot be "
                                     "split.")
                          .arg(m_record.name));

    const std::int64_t childTotal = childCount(root);
    const std::int64_t cacheTotal = childTotal - kHeaderChildren;
    m_log.start(QStringLiteral("Splitting file ") + m_record.GPXFile.absolutePath() +
                QStringLiteral(". ") + QString::number(cacheTotal) +
                QStringLiteral(" Caches found to process."));

    const std::int64_t limit = limitFor(m_options.maxFileSizeKB);
    const PartName names(m_partBase, PartName::extensionOf(m_record.GPXFile.displayName()));
    const CacheSerializer serializer(root);

    pugi::xml_node cache = childAt(root, kHeaderChildren);

    Outcome outcome;
    PartText part;
    std::string cacheText;
    std::int64_t cacheLength = 0;
    bool haveText = false;   // cacheText holds `cache`, refused by the previous part
    std::int64_t number = 1; // the cache's number, from 1

    while (cache) {
        const std::int64_t partNumber = outcome.parts + 1;
        const QString partName = names.of(partNumber);
        part.restart();
        while (cache) {
            m_out.progress(int(double(number) / double(cacheTotal) * 100.0));
            if (!haveText) {
                serializer.serialize(cache, cacheText);
                cacheLength = PartText::codePoints(cacheText);
            }
            const bool fits = part.length() + cacheLength < limit;
            // A cache that does not fit even into an empty part still gets a part of its
            // own: refusing it there would start empty parts forever.
            if (!fits && part.caches() > 0) {
                haveText = true;
                m_out.redraw();
                break;
            }
            part.append(cacheText, cacheLength);
            haveText = false;
            const QString label = labelOf(cache);
            m_log.append(QStringLiteral("Cache #") + QString::number(number) +
                         QStringLiteral(" (") + label + QStringLiteral(") written to ") + partName);
            m_out.scrollToEnd(kScrollAfterCache);
            if (!fits)
                m_log.append(QStringLiteral("Warning: Cache #") + QString::number(number) +
                             QStringLiteral(" (") + label +
                             QStringLiteral(") does not fit into a part of ") +
                             QString::number(m_options.maxFileSizeKB) +
                             QStringLiteral("kB; it has been written on its own to ") + partName +
                             QStringLiteral("."));
            ++number;
            cache = cache.next_sibling();
            m_out.redraw();
            if (!fits)
                break;
        }
        if (!FileWriter::writeWhole(m_record.path + partName, part.close())) {
            m_out.message(QStringLiteral("The text file could not be created."));
            ++outcome.failedParts;
        }
        ++outcome.parts;
    }

    m_log.append(QStringLiteral("Splitting complete. ") + QString::number(cacheTotal) +
                 QStringLiteral(" Caches processed. ") + QString::number(outcome.parts) +
                 QStringLiteral(" parts generated with maximum file size of ") +
                 QString::number(m_options.maxFileSizeKB) + QStringLiteral("kB."));
    return outcome;
}
