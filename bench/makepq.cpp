// Writes a realistic Pocket Query folder for benchmarks:
//   makepq PARENT NAME CACHES
// creates PARENT/NAME with NAME.gpx (descriptions, 2 to 12 logs per cache, non-ASCII text,
// indentation) and NAME.prc, and prints the folder's path.
#include "PocketQueryFixture.h"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: makepq PARENT NAME CACHES\n");
        return 2;
    }
    char* end = nullptr;
    const long caches = std::strtol(argv[3], &end, 10);
    if (*end != '\0' || caches < 0 || caches > 10'000'000) {
        std::fprintf(stderr, "makepq: CACHES must be a whole number from 0 to 10000000\n");
        return 2;
    }
    PocketQuerySpec pq;
    pq.folderName = QString::fromLocal8Bit(argv[2]);
    pq.queryName = QStringLiteral("Bench Query ") + pq.folderName;
    pq.caches = int(caches);
    pq.realistic = true;
    try {
        std::printf(
            "%s\n",
            writePocketQuery(QString::fromLocal8Bit(argv[1]), pq).toLocal8Bit().constData());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "makepq: %s\n", e.what());
        return 1;
    }
    return 0;
}
