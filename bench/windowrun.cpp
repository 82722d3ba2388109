// Runs a project folder through the program's real windows, as a user would:
//   windowrun FOLDER [--split K] [--rename-gpx] [--delete-source] [--rename-prc] [--save-log]
// opens FOLDER in a settings window as a drop does, sets the options like pqrun's flags (every
// box not named is cleared), presses "Process..." and waits for the run in the processing
// window to end. Prints the log as pqrun does after its "---" line, and the milliseconds from
// the press to the end of the run on stderr. Meant for QT_QPA_PLATFORM=offscreen.
// Exit 0 after a run, 1 when the run could not be started or did not finish, 2 on wrong
// arguments.
#include "RunArguments.h"
#include "app/App.h"
#include "platform/FolderItem.h"
#include "platform/MessageBox.h"
#include "processing/ProcessOptions.h"
#include "processing/windowProcess.h"
#include "settings/windowSettings.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

namespace {

int usage(const QString& problem) {
    std::fprintf(stderr,
                 "windowrun: %s\nusage: windowrun FOLDER [--split K] [--rename-gpx] "
                 "[--delete-source] [--rename-prc] [--save-log]\n",
                 problem.toLocal8Bit().constData());
    return 2;
}

template <class T> T* control(const QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

// Brings a box to the wanted state the way a user does, by clicking it, so that the window's
// option rules run as they would.
void setBox(windowSettings* window, const char* name, bool on) {
    auto* box = control<QCheckBox>(window, name);
    if (box && box->isEnabled() && box->isChecked() != on)
        box->click();
}

bool sameOptions(const ProcessOptions& a, const ProcessOptions& b) {
    return a.splitGPX == b.splitGPX && a.renameGPX == b.renameGPX &&
           a.deleteSourceGPX == b.deleteSourceGPX && a.renamePRC == b.renamePRC &&
           a.saveLog == b.saveLog && (!a.splitGPX || a.maxFileSizeKB == b.maxFileSizeKB);
}

} // namespace

int main(int argc, char** argv) {
    App app(argc, argv);

    const RunArguments args = RunArguments::parse(argc, argv);
    if (!args.problem.isEmpty())
        return usage(args.problem);
    const QString& folderArg = args.folder;
    const QString& sizeText = args.sizeText;
    const ProcessOptions& wanted = args.options;

    // A message box would wait for a click nobody gives; report it as pqrun does.
    MessageBox::setHook([](const QString& text) {
        std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
    });

    app.openDefaultWindow();
    windowSettings* settings = windowSettings::defaultInstance();
    app.startNewProject(FolderItem(folderArg), false, settings);
    if (!settings->project) {
        std::fprintf(stderr, "windowrun: %s could not be opened\n", qPrintable(folderArg));
        return 1;
    }

    // The split first: the boxes below it depend on it.
    setBox(settings, "boxSplitGPX", wanted.splitGPX);
    if (wanted.splitGPX)
        control<QLineEdit>(settings, "fldMaxFileSIzeKB")->setText(sizeText);
    setBox(settings, "boxRenameGPX", wanted.renameGPX);
    setBox(settings, "boxDeleteSourceGPX", wanted.deleteSourceGPX);
    setBox(settings, "boxRenamePRC", wanted.renamePRC);
    setBox(settings, "boxSaveLog", wanted.saveLog);
    if (!sameOptions(windowProcess::optionsFromSettings(settings), wanted)) {
        std::fprintf(stderr, "windowrun: the settings window does not allow these options "
                             "for this folder\n");
        return 2;
    }
    auto* process = control<QPushButton>(settings, "btnProcess");
    if (!process->isEnabled()) {
        std::fprintf(stderr, "windowrun: \"Process...\" is disabled for this folder\n");
        return 1;
    }

    QElapsedTimer clock;
    clock.start();
    process->click(); // the whole run happens inside the click
    const qint64 elapsed = clock.elapsed();

    windowProcess* run = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<windowProcess*>(top))
            run = candidate;
    auto* done = run ? control<QPushButton>(run, "btnDone") : nullptr;
    if (!done || !done->isEnabled()) {
        std::fprintf(stderr, "windowrun: the run did not finish\n");
        return 1;
    }

    QByteArray log = run->logText().toUtf8();
    log.replace('\r', '\n');
    std::fwrite(log.constData(), 1, size_t(log.size()), stdout);
    std::fflush(stdout);
    std::fprintf(stderr, "run in the window: %lld ms\n", static_cast<long long>(elapsed));
    return 0;
}
