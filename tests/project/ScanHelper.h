#pragma once

#include "platform/Failure.h"
#include "project/FolderScan.h"

#include <QDateTime>
#include <vector>

// The outcome of scanning one folder as a window would: the facts in order, the record and
// the failure message, if any.
struct ScanOutcome {
    std::vector<ScanFact> facts;
    ProjectPtr record;
    QString error;

    QString text(ScanFact::Kind kind) const {
        for (const auto& f : facts)
            if (f.kind == kind)
                return f.text;
        return QStringLiteral("<none>");
    }
};

// A fixed "now" so that an unreadable date shows a known day.
inline QDateTime scanMoment() { return QDateTime(QDate(2026, 3, 4), QTime(12, 0)); }

inline ScanOutcome scanFolder(const QString& folder) {
    ScanOutcome out;
    out.record = std::make_shared<project>();
    const FolderItem item(folder);
    out.record->name = item.name();
    out.record->path = item.absolutePath();
    try {
        scanProject(
            *out.record, [&](const ScanFact& f) { out.facts.push_back(f); }, scanMoment());
    } catch (const Failure& e) {
        out.error = e.message();
    }
    return out;
}
