// Opens the program's windows with a generated project folder and saves pictures of them, for
// scripts/screenshots: the settings window with the project, the About window, and the
// processing window part-way through the run and after it. It goes through the same calls as
// a folder drop, the About command and a click on "Process...".
//
// On an X server with ImageMagick's `import` at hand, each picture is taken from the screen
// with the window manager's frame, so the title bar is the real one; elsewhere the window
// draws itself into the picture.

#include "PocketQueryFixture.h"
#include "app/App.h"
#include "app/windowAbout.h"
#include "platform/FolderItem.h"
#include "processing/windowProcess.h"
#include "settings/windowSettings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {

// Lets the window system map, place and draw windows for a while.
void settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

bool save(QWidget* window, const QString& path) {
    const QString import = QStandardPaths::findExecutable(QStringLiteral("import"));
    bool saved = false;
    if (QGuiApplication::platformName() == QLatin1String("xcb") && !import.isEmpty()) {
        // -frame takes the window manager's decoration along with the window.
        saved = QProcess::execute(import, {QStringLiteral("-frame"), QStringLiteral("-window"),
                                           QString::number(window->winId()), path}) == 0;
    } else {
        saved = window->grab().save(path);
    }
    if (!saved)
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return saved;
}

windowProcess* processWindow() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* run = qobject_cast<windowProcess*>(top); run && run->isVisible())
            return run;
    return nullptr;
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

    // Large enough that the run takes a while, and splits into several parts.
    QTemporaryDir tmp;
    PocketQuerySpec pq;
    pq.folderName = QStringLiteral("Paris North");
    pq.queryName = QStringLiteral("Paris North Caches");
    pq.caches = 1500;
    pq.realistic = true;
    const QString folder = writePocketQuery(tmp.path(), pq);

    windowSettings* settings = windowSettings::defaultInstance();
    app.startNewProject(FolderItem(folder), false, settings);
    settle(700);
    bool ok = save(settings, out.filePath(QStringLiteral("settings-project.png")));

    app._menuItemAbout_Action();
    settle(700);
    ok = save(windowAbout::defaultInstance(), out.filePath(QStringLiteral("about.png"))) && ok;
    windowAbout::defaultInstance()->close();
    settle(300);

    // The run holds the event loop but lets timers through whenever it paints: this one takes
    // the picture once the progress bar is well on its way.
    bool grabbedRunning = false;
    QTimer during;
    during.setInterval(0);
    QObject::connect(&during, &QTimer::timeout, [&] {
        windowProcess* run = processWindow();
        auto* bar = run ? run->findChild<QProgressBar*>(QStringLiteral("progressBar")) : nullptr;
        if (grabbedRunning || !bar || bar->value() < 40)
            return;
        grabbedRunning = true;
        // The window manager frames a new window a moment after it is mapped.
        settle(500);
        ok = save(run, out.filePath(QStringLiteral("processing-running.png"))) && ok;
    });
    during.start();
    settings->findChild<QPushButton*>(QStringLiteral("btnProcess"))->click();
    during.stop();
    if (!grabbedRunning) {
        std::fprintf(stderr, "the run ended before a picture of it could be taken\n");
        ok = false;
    }

    windowProcess* run = processWindow();
    if (!run) {
        std::fprintf(stderr, "no processing window after the run\n");
        return 1;
    }
    settle(500);
    ok = save(run, out.filePath(QStringLiteral("processing-done.png"))) && ok;
    return ok ? 0 : 1;
}
