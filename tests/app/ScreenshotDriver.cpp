// Opens the program's windows with a generated project folder and saves pictures of them, for
// scripts/screenshots. It goes through the same calls as a folder drop and the About command.

#include "PocketQueryFixture.h"
#include "app/App.h"
#include "app/windowAbout.h"
#include "platform/FolderItem.h"
#include "settings/windowSettings.h"

#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

namespace {
bool save(QWidget* window, const QString& path) {
    if (window->grab().save(path))
        return true;
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return false;
}
} // namespace

int main(int argc, char** argv) {
    App app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    app.openDefaultWindow();

    QTemporaryDir tmp;
    PocketQuerySpec spec;
    spec.folderName = QStringLiteral("Paris North");
    spec.queryName = QStringLiteral("Paris North Caches");
    spec.caches = 25;
    const QString folder = writePocketQuery(tmp.path(), spec);

    windowSettings* settings = windowSettings::defaultInstance();
    app.startNewProject(FolderItem(folder), false, settings);
    bool ok = save(settings, out.filePath(QStringLiteral("settings-project.png")));

    app._menuItemAbout_Action();
    ok = save(windowAbout::defaultInstance(), out.filePath(QStringLiteral("about.png"))) && ok;
    return ok ? 0 : 1;
}
