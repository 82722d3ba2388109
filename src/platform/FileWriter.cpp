#include "platform/FileWriter.h"

#include <QSaveFile>

namespace {
int g_failCountdown = 0;
}

void FileWriter::failNthWrite(int n) { g_failCountdown = n; }

bool FileWriter::writeWhole(const QString& path, const QByteArray& data) {
    bool injectFailure = false;
    if (g_failCountdown > 0 && --g_failCountdown == 0)
        injectFailure = true;

    QSaveFile file(path);
    // Without a temporary file there is no safe way to write; never fall back to writing
    // the target in place.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (injectFailure) {
        file.cancelWriting();
        return false;
    }
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
