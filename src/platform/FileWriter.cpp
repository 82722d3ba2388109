#include "platform/FileWriter.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {
int g_failCountdown = 0;
}

void FileWriter::failNthWrite(int n) {
    g_failCountdown = n;
}

bool FileWriter::writeWhole(const QString& path, const QByteArray& data) {
    bool injectFailure = false;
    if (g_failCountdown > 0 && --g_failCountdown == 0)
        injectFailure = true;

    // QSaveFile writes through a symbolic link to wherever it points, which may lie outside
    // the project folder (a dangling link even creates a file there). A link under the
    // target's name is neither followed nor replaced: the file counts as not created.
    if (QFileInfo(path).isSymLink())
        return false;

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
    // A short text stays in QSaveFile's buffer until commit, and commit does not notice when
    // writing that buffer out fails (a full disk): it would put an empty file in place. So the
    // buffer is written out here, where a failure can still be seen.
    if (file.write(data) != data.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
