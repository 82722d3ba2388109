#pragma once

#include "project/ScanFact.h"
#include "project/project.h"

#include <QDateTime>

// Scans a project folder into a record whose name and path are set: looks for NAME.gpx and
// NAME.prc, loads the GPX document and reads the Pocket Query name, date and cache count.
// Each fact goes to the sink as soon as it is known. A failing step throws Failure; the facts
// already yielded and the record's fields already set stay. `now` is the date shown when the
// document's time cannot be read.
void scanProject(project& record, const FactSink& sink,
                 const QDateTime& now = QDateTime::currentDateTime());
