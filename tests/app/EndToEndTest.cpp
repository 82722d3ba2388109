// A user's whole road through the real windows: drop a folder, press "Process...", read the
// log, find the files on disk, press "Done".

#include "PocketQueryFixture.h"
#include "WindowDriver.h"
#include "app/App.h"
#include "platform/MessageBox.h"
#include "processing/windowProcess.h"
#include "settings/windowSettings.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using driver::child;

namespace {

QStringList filesIn(const QString& folder) {
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    return files;
}

int settingsWindows() {
    int count = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        count += qobject_cast<windowSettings*>(top) && top->isVisible() ? 1 : 0;
    return count;
}

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

    App* app() const { return App::instance(); }

    // A fresh settings window in front with the folder dropped on it.
    windowSettings* openFolder(const QString& folder) {
        app()->_menuItemNewWindow_Action();
        auto* w = qobject_cast<windowSettings*>(app()->windowAt(0));
        if (!w || !driver::activate(w) || !driver::dropFolder(w, folder))
            return nullptr;
        return w;
    }

    windowProcess* processWindow() const {
        return qobject_cast<windowProcess*>(app()->windowAt(0));
    }

private slots:
    void init() {
        m_messages.clear();
        MessageBox::setHook([this](const QString& text) { m_messages << text; });
    }
    void cleanup() {
        MessageBox::setHook({});
        driver::closeAllWindows();
    }

    void defaultsFromDropToDone_data() {
        QTest::addColumn<bool>("byReturnKey");
        QTest::newRow("click") << false;
        QTest::newRow("Return key") << true;
    }
    void defaultsFromDropToDone() {
        QFETCH(bool, byReturnKey);
        QTemporaryDir tmp;
        PocketQuerySpec pq;
        pq.label = [](int k) {
            return k == 2 ? QStringLiteral("Müller") : QStringLiteral("GC%1").arg(k);
        };
        const QString folder = writePocketQuery(tmp.path(), pq);
        QPointer<windowSettings> settings = openFolder(folder);
        QVERIFY(settings);
        QCOMPARE(settings->windowTitle(), QStringLiteral("Settings for 12345"));

        if (byReturnKey)
            QTest::keyClick(settings, Qt::Key_Return);
        else
            QTest::mouseClick(child<QPushButton>(settings, "btnProcess"), Qt::LeftButton);

        QPointer<windowProcess> run = processWindow();
        QVERIFY(run);
        QCOMPARE(run->windowTitle(), QStringLiteral("Processing 12345"));
        QVERIFY(settings && settings->isHidden());
        QVERIFY(m_messages.isEmpty());

        const QString path = QDir(folder).absolutePath();
        const QString expected =
            QStringLiteral("Splitting file %1/12345.gpx. 3 Caches found to process.\r"
                           "Cache #1 (GC1) written to My Query part 1.gpx\r"
                           "Cache #2 (Müller) written to My Query part 1.gpx\r"
                           "Cache #3 (GC3) written to My Query part 1.gpx\r"
                           "Splitting complete. 3 Caches processed. 1 parts generated "
                           "with maximum file size of 250kB.\r"
                           "The GPX Source File 12345.gpx has been deleted.\r"
                           "12345.prc has been renamed to My Query.prc.\r")
                .arg(path);
        QCOMPARE(run->logText(),
                 expected + QStringLiteral("Log File Log My Query.txt has been created.\r"));
        // The field shows the same lines.
        QString shown = run->logText();
        shown.chop(1);
        QCOMPARE(child<QPlainTextEdit>(run, "fldLog")->toPlainText(), shown.replace(u'\r', u'\n'));
        QCOMPARE(child<QProgressBar>(run, "progressBar")->value(), 100);
        auto* done = child<QPushButton>(run, "btnDone");
        QVERIFY(done->isEnabled());
        QVERIFY(done->isDefault());

        QCOMPARE(filesIn(folder), (QStringList{QStringLiteral("Log My Query.txt"),
                                               QStringLiteral("My Query part 1.gpx"),
                                               QStringLiteral("My Query.prc")}));
        // The file holds the lines before its own, in Mac Roman (ü is 0x9F), and an empty last
        // line.
        QByteArray inMacRoman = expected.toLatin1();
        inMacRoman.replace("M\xFCller", "M\x9Fller");
        QCOMPARE(readFile(folder + QStringLiteral("/Log My Query.txt")), inMacRoman + "\r");

        const int settingsBefore = settingsWindows();
        if (byReturnKey)
            QTest::keyClick(run, Qt::Key_Return);
        else
            QTest::mouseClick(done, Qt::LeftButton);
        QTRY_VERIFY(run.isNull());
        QTRY_VERIFY(settings.isNull());
        QCOMPARE(settingsWindows(), settingsBefore + 1);
        auto* fresh = qobject_cast<windowSettings*>(app()->windowAt(0));
        QVERIFY(fresh);
        QCOMPARE(fresh->windowTitle(), QStringLiteral("Untitled Project"));
        QVERIFY(!fresh->project);
    }

    void splitClearedRunsOnlyTheRename() {
        QTemporaryDir tmp;
        const QString folder = writePocketQuery(tmp.path(), {});
        QPointer<windowSettings> settings = openFolder(folder);
        QVERIFY(settings);
        QTest::mouseClick(child<QCheckBox>(settings, "boxSplitGPX"), Qt::LeftButton);
        auto* del = child<QCheckBox>(settings, "boxDeleteSourceGPX");
        QVERIFY(del->isChecked() && !del->isEnabled()); // checked but disabled counts as off
        QTest::mouseClick(child<QPushButton>(settings, "btnProcess"), Qt::LeftButton);

        windowProcess* run = processWindow();
        QVERIFY(run);
        QCOMPARE(run->logText(), QStringLiteral("12345.prc has been renamed to My Query.prc.\r"
                                                "Log File Log My Query.txt has been created.\r"));
        QCOMPARE(child<QProgressBar>(run, "progressBar")->value(), 0);
        QCOMPARE(filesIn(folder),
                 (QStringList{QStringLiteral("12345.gpx"), QStringLiteral("Log My Query.txt"),
                              QStringLiteral("My Query.prc")}));
    }

    void aPartThatCannotBeCreatedIsReportedOnceAndTheRunGoesOn() {
        QTemporaryDir tmp;
        PocketQuerySpec pq;
        pq.caches = 30;
        pq.descriptionChars = 4000; // several parts at the smallest size
        const QString folder = writePocketQuery(tmp.path(), pq);
        // A folder holds the name of the second part.
        QVERIFY(QDir(folder).mkdir(QStringLiteral("My Query part 2.gpx")));
        QPointer<windowSettings> settings = openFolder(folder);
        QVERIFY(settings);
        auto* size = child<QLineEdit>(settings, "fldMaxFileSIzeKB");
        size->selectAll();
        QTest::keyClicks(size, QStringLiteral("50"));
        QTest::mouseClick(child<QPushButton>(settings, "btnProcess"), Qt::LeftButton);

        windowProcess* run = processWindow();
        QVERIFY(run);
        QCOMPARE(m_messages, QStringList{QStringLiteral("The text file could not be created.")});
        QVERIFY(child<QPushButton>(run, "btnDone")->isEnabled());
        // Nothing is lost: the source stays because a part is missing; the parts after it exist.
        const QStringList files = filesIn(folder);
        QVERIFY(files.contains(QStringLiteral("12345.gpx")));
        QVERIFY(files.contains(QStringLiteral("My Query part 1.gpx")));
        QVERIFY(files.contains(QStringLiteral("My Query part 3.gpx")));
        QVERIFY(files.contains(QStringLiteral("Log My Query.txt")));
        QVERIFY(!run->logText().contains(QStringLiteral("has been deleted.")));
    }

    void closeWindowOnAFinishedRunClosesBothAndOpensNothing() {
        QTemporaryDir tmp;
        const QString folder = writePocketQuery(tmp.path(), {});
        QPointer<windowSettings> settings = openFolder(folder);
        QVERIFY(settings);
        QTest::mouseClick(child<QPushButton>(settings, "btnProcess"), Qt::LeftButton);
        QPointer<windowProcess> run = processWindow();
        QVERIFY(run);
        QVERIFY(driver::activate(run));
        const int before = settingsWindows();
        app()->_menuItemCloseWindow_Action();
        QTRY_VERIFY(run.isNull());
        QTRY_VERIFY(settings.isNull());
        QCOMPARE(settingsWindows(), before);
    }

private:
    QStringList m_messages;
};

int main(int argc, char** argv) {
    App app(argc, argv);
    EndToEndTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "EndToEndTest.moc"
