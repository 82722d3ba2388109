#pragma once

#include <QByteArray>
#include <QString>

// Every file the program writes goes through here. The data is written to a temporary file
// in the target's folder and renamed into place only when all of it was written and closed,
// so a failure or a crash never leaves a truncated file under the target's name.
class FileWriter {
public:
    // Writes the whole file; false when it could not be created, written or put in place.
    static bool writeWhole(const QString& path, const QByteArray& data);

    // Fault seam for tests: the n-th call of writeWhole from now on (counting from 1) fails
    // as a full disk would, after its temporary file was created. 0 switches it off.
    static void failNthWrite(int n);
};
