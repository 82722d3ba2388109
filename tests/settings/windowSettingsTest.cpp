#include "settings/windowSettings.h"
#include "PocketQueryFixture.h"
#include "WindowDriver.h"
#include "app/App.h"
#include "app/windowAbout.h"
#include "platform/MessageBox.h"
#include "processing/windowProcess.h"
#include "settings/ElidedLabel.h"

#include <QCheckBox>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <memory>

using driver::child;

namespace {

// The seven controls the option rules drive, in the order of the expectation strings below.
const char* const kRuled[] = {"boxSplitGPX",        "fldMaxFileSIzeKB", "boxRenameGPX",
                              "boxDeleteSourceGPX", "boxRenamePRC",     "btnProcess",
                              "boxSaveLog"};
const char* const kInert[] = {"boxRemoveHTML", "boxRemoveCacheDescriptions", "boxCreateZIP"};

// "1" per enabled control of kRuled, "0" per disabled one.
QString enabledStates(const windowSettings* w) {
    QString states;
    for (const char* name : kRuled)
        states += child<QWidget>(w, name)->isEnabled() ? u'1' : u'0';
    return states;
}

QColor textColor(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

} // namespace

class windowSettingsTest : public QObject {
    Q_OBJECT

    // A fresh folder for every test function and every row of a table.
    std::unique_ptr<QTemporaryDir> m_tmp;
    QStringList m_messages;

    // A project folder under the temporary folder.
    QString folder(const QString& name, bool gpx, bool prc) {
        PocketQuerySpec pq;
        pq.folderName = name;
        pq.withGpx = gpx;
        pq.withPrc = prc;
        return writePocketQuery(m_tmp->path(), pq);
    }

    windowSettings* newWindow() {
        App::instance()->startNewProject(FolderItem(), true, nullptr);
        auto* w = qobject_cast<windowSettings*>(App::instance()->windowAt(0));
        if (w)
            driver::activate(w);
        return w;
    }

    // Applies one user step: "click:NAME" clicks a check box on its mark, "size:TEXT" replaces
    // the size text by typing.
    void perform(windowSettings* w, const QString& step) {
        const QString arg = step.section(u':', 1);
        if (step.startsWith(u"click:")) {
            auto* box = w->findChild<QCheckBox*>(arg);
            QVERIFY2(box && box->isEnabled(), qPrintable(step));
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        } else if (step.startsWith(u"size:")) {
            auto* field = child<QLineEdit>(w, "fldMaxFileSIzeKB");
            QVERIFY2(field->isEnabled(), qPrintable(step));
            field->setFocus();
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, arg);
            QCOMPARE(field->text(), arg);
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }

private slots:
    void init() {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
        m_messages.clear();
        MessageBox::setHook([this](const QString& text) { m_messages << text; });
    }

    void cleanup() {
        driver::closeAllWindows();
        MessageBox::setHook({});
    }

    void emptyWindowHasTheLayoutOfItsTable() {
        windowSettings* w = newWindow();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Untitled Project"));
        QVERIFY(!w->project);
        QCOMPARE(child<QWidget>(w, "contentArea")->size(), QSize(557, 627));
        QCOMPARE(w->minimumSize(), w->maximumSize());

        const QString dropHint = QStringLiteral("Drag a folder containing the unzipped geocaching "
                                                "web site files from a Pocket Query onto this "
                                                "window.");
        const struct {
            const char* name;
            const char* kind;
            const char* text;
            QRect geometry;
            bool enabled;
            int checked; // -1: no check box
            bool bold;
        } rows[] = {
            {"StaticText9", "QLabel", "GPX File:", QRect(86, 92, 67, 20), true, -1, false},
            {"txtGPXFile", "QLabel", "", QRect(164, 92, 125, 20), true, -1, false},
            {"StaticText11", "QLabel", "PRC File:", QRect(276, 92, 67, 20), true, -1, false},
            {"txtPRCFile", "QLabel", "", QRect(355, 92, 183, 20), true, -1, false},
            {"btnProcess", "QPushButton", "Process...", QRect(438, 587, 101, 20), false, -1, false},
            {"fldMaxFileSIzeKB", "QLineEdit", "250", QRect(495, 228, 45, 22), false, -1, false},
            {"StaticText1", "QLabel", "Maximum File Size in KB (min 50):", QRect(266, 228, 216, 20),
             true, -1, false},
            {"boxRenameGPX", "QCheckBox", "Name Split Files after Pocket Query Name",
             QRect(22, 262, 321, 20), false, 1, false},
            {"boxSplitGPX", "QCheckBox", "Split GPX File into Parts", QRect(22, 229, 215, 20),
             false, 1, false},
            {"boxRenamePRC", "QCheckBox", "Rename PRC File to Pocket Query Name",
             QRect(23, 430, 321, 20), false, 1, false},
            {"boxRemoveHTML", "QCheckBox", "Remove HTML-Tags in Cache Descriptions",
             QRect(23, 324, 321, 20), false, 0, false},
            {"boxCreateZIP", "QCheckBox", "Create ZIP Archive", QRect(22, 542, 321, 20), false, 0,
             false},
            {"StaticText2", "QLabel", "GPX File Options", QRect(22, 198, 131, 20), true, -1, true},
            {"StaticText3", "QLabel", "PRC File Options:", QRect(23, 399, 131, 20), true, -1, true},
            {"boxRemoveCacheDescriptions", "QCheckBox", "Remove Cache Descriptions",
             QRect(23, 354, 321, 20), false, 0, false},
            {"StaticText4", "QLabel", "Output Options:", QRect(23, 478, 122, 20), true, -1, true},
            {"Separator1", "QFrame", "", QRect(22, 464, 518, 9), true, -1, false},
            {"Separator2", "QFrame", "", QRect(23, 386, 518, 9), true, -1, false},
            {"Separator3", "QFrame", "", QRect(22, 188, 518, 9), true, -1, false},
            {"Separator4", "QFrame", "", QRect(22, 566, 518, 9), true, -1, false},
            {"StaticText5", "QLabel", "DROP", QRect(20, 14, 522, 34), true, -1, true},
            {"StaticText7", "QLabel", "Pocket Query Name:", QRect(210, 156, 133, 20), true, -1,
             false},
            {"txtQueryName", "QLabel", "", QRect(355, 156, 182, 20), true, -1, false},
            {"StaticText13", "QLabel", "Number of Caches:", QRect(20, 156, 133, 20), true, -1,
             false},
            {"txtCacheNumber", "QLabel", "", QRect(164, 156, 37, 20), true, -1, false},
            {"StaticText15", "QLabel", "GPX File Date:", QRect(51, 124, 101, 20), true, -1, false},
            {"txtDate", "QLabel", "", QRect(165, 124, 375, 20), true, -1, false},
            {"StaticText16", "QLabel", "Location:", QRect(20, 60, 133, 20), true, -1, false},
            {"txtProjectPath", "QLabel", "", QRect(164, 60, 373, 20), true, -1, false},
            {"boxDeleteSourceGPX", "QCheckBox", "Delete Source GPX File", QRect(22, 293, 321, 20),
             false, 1, false},
            {"boxSaveLog", "QCheckBox", "Save Processing Log as Text File", QRect(22, 510, 321, 20),
             false, 1, false},
            {"btnCancel", "QPushButton", "Cancel", QRect(312, 587, 101, 20), true, -1, false},
        };
        QCOMPARE(int(std::size(rows)), 32);
        QWidget* content = child<QWidget>(w, "contentArea");
        QCOMPARE(content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 32);
        for (const auto& row : rows) {
            const QByteArray name(row.name);
            QWidget* c = content->findChild<QWidget*>(QString::fromLatin1(row.name));
            QVERIFY2(c, name);
            QVERIFY2(c->inherits(row.kind), name);
            QCOMPARE(c->geometry(), row.geometry);
            QCOMPARE(c->isEnabled(), row.enabled);
            QCOMPARE(c->font().bold(), row.bold);
            const QString text =
                qstrcmp(row.text, "DROP") == 0 ? dropHint : QString::fromUtf8(row.text);
            if (auto* label = qobject_cast<QLabel*>(c)) {
                QCOMPARE(label->text(), text);
                QCOMPARE(textColor(label), kBlack);
            } else if (auto* button = qobject_cast<QAbstractButton*>(c)) {
                QCOMPARE(button->text(), text);
            } else if (auto* field = qobject_cast<QLineEdit*>(c)) {
                QCOMPARE(field->text(), text);
                QVERIFY(field->alignment() & Qt::AlignRight);
            }
            if (row.checked >= 0)
                QCOMPARE(qobject_cast<QCheckBox*>(c)->isChecked(), row.checked == 1);
            QCOMPARE(c->toolTip().isEmpty(), name != "fldMaxFileSIzeKB");
        }
        QCOMPARE(child<QWidget>(w, "fldMaxFileSIzeKB")->toolTip(),
                 QStringLiteral("Enter here the maximum file size in KB."));
        QVERIFY(child<QPushButton>(w, "btnProcess")->isDefault());
        QVERIFY(!child<QPushButton>(w, "btnCancel")->isDefault());
        for (const char* right : {"StaticText9", "StaticText11", "StaticText7", "StaticText13",
                                  "StaticText15", "StaticText16"})
            QVERIFY2(child<QLabel>(w, right)->alignment() & Qt::AlignRight, right);
        QVERIFY(child<QLabel>(w, "StaticText5")->wordWrap());
        // The disabled size field keeps the style's disabled text colour: it must look disabled.
        const QPalette field = child<QLineEdit>(w, "fldMaxFileSIzeKB")->palette();
        QCOMPARE(field.color(QPalette::Active, QPalette::Text), QColor(0, 0, 0));
        QVERIFY(field.color(QPalette::Disabled, QPalette::Text) !=
                field.color(QPalette::Active, QPalette::Text));
    }

    void cancelClosesTheWindow() {
        QPointer<windowSettings> w = newWindow();
        QVERIFY(w);
        QTest::mouseClick(child<QPushButton>(w, "btnCancel"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }

    void bothFilesWithDefaults() {
        windowSettings* w = newWindow();
        const QString path = folder(QStringLiteral("12345"), true, true);
        QVERIFY(driver::dropFolder(w, path));
        QCOMPARE(w->windowTitle(), QStringLiteral("Settings for 12345"));
        QVERIFY(w->project);
        QCOMPARE(child<QLabel>(w, "txtProjectPath")->text(), QDir(path).absolutePath() + u'/');
        QCOMPARE(child<QLabel>(w, "txtGPXFile")->text(), QStringLiteral("12345.gpx"));
        QCOMPARE(child<QLabel>(w, "txtPRCFile")->text(), QStringLiteral("12345.prc"));
        QCOMPARE(child<QLabel>(w, "txtQueryName")->text(), QStringLiteral("My Query"));
        QCOMPARE(child<QLabel>(w, "txtCacheNumber")->text(), QStringLiteral("3"));
        QVERIFY(!child<QLabel>(w, "txtDate")->text().isEmpty());
        QCOMPARE(textColor(child<QLabel>(w, "txtGPXFile")), kBlack);
        QCOMPARE(textColor(child<QLabel>(w, "txtPRCFile")), kBlack);

        QCOMPARE(enabledStates(w), QStringLiteral("1111111"));
        for (const char* inert : kInert) {
            QVERIFY2(!child<QCheckBox>(w, inert)->isEnabled(), inert);
            QVERIFY2(!child<QCheckBox>(w, inert)->isChecked(), inert);
        }
        auto* field = child<QLineEdit>(w, "fldMaxFileSIzeKB");
        QVERIFY(driver::activate(w));
        QTRY_VERIFY(field->hasFocus());
        QCOMPARE(field->selectedText(), QStringLiteral("250"));
    }

    void optionRulesInTheWindow_data() {
        QTest::addColumn<bool>("gpx");
        QTest::addColumn<bool>("prc");
        QTest::addColumn<QStringList>("steps");
        // Split, size, name parts, delete, rename PRC, Process, save log.
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<bool>("sizeFocused");

        const QStringList none;
        QTest::newRow("both, defaults") << true << true << none << "1111111" << true;
        QTest::newRow("split cleared")
            << true << true << QStringList{"click:boxSplitGPX"} << "1000111" << false;
        QTest::newRow("split and rename cleared")
            << true << true << QStringList{"click:boxSplitGPX", "click:boxRenamePRC"} << "1000100"
            << false;
        QTest::newRow("rename cleared")
            << true << true << QStringList{"click:boxRenamePRC"} << "1111111" << true;
        QTest::newRow("rename cleared and checked again")
            << true << true << QStringList{"click:boxRenamePRC", "click:boxRenamePRC"} << "1111111"
            << true;
        QTest::newRow("size 50") << true << true << QStringList{"size:50"} << "1111111" << true;
        QTest::newRow("size 49") << true << true << QStringList{"size:49"} << "1111100" << true;
        QTest::newRow("size 49.9") << true << true << QStringList{"size:49.9"} << "1111100" << true;
        QTest::newRow("size empty") << true << true << QStringList{"size:"} << "1111100" << true;
        QTest::newRow("size letters")
            << true << true << QStringList{"size:abc"} << "1111100" << true;
        QTest::newRow("size 30, split cleared")
            << true << true << QStringList{"size:30", "click:boxSplitGPX"} << "1000100" << false;
        QTest::newRow("size 30, split cleared and checked again")
            << true << true << QStringList{"size:30", "click:boxSplitGPX", "click:boxSplitGPX"}
            << "1111100" << true;
        QTest::newRow("only gpx") << true << false << none << "1111011" << true;
        QTest::newRow("only prc") << false << true << none << "0000000" << false;
        QTest::newRow("neither") << false << false << none << "0000000" << false;
    }

    void optionRulesInTheWindow() {
        QFETCH(bool, gpx);
        QFETCH(bool, prc);
        QFETCH(QStringList, steps);
        QFETCH(QString, enabled);
        QFETCH(bool, sizeFocused);

        windowSettings* w = newWindow();
        QVERIFY(driver::dropFolder(w, folder(QStringLiteral("P"), gpx, prc)));
        QVERIFY(driver::activate(w));
        // The rules never touch a check mark: each ends as the user's clicks left it.
        QHash<QString, bool> marks;
        for (QCheckBox* box : w->findChildren<QCheckBox*>())
            marks[box->objectName()] = box->isChecked();
        for (const QString& step : steps) {
            perform(w, step);
            if (QTest::currentTestFailed())
                return;
            if (step.startsWith(u"click:"))
                marks[step.section(u':', 1)] = !marks[step.section(u':', 1)];
        }
        for (QCheckBox* box : w->findChildren<QCheckBox*>())
            QCOMPARE(box->isChecked(), marks[box->objectName()]);
        QCOMPARE(enabledStates(w), enabled);
        QTRY_COMPARE(child<QWidget>(w, "fldMaxFileSIzeKB")->hasFocus(), sizeFocused);
        for (const char* inert : kInert) {
            QVERIFY2(!child<QCheckBox>(w, inert)->isEnabled(), inert);
            QVERIFY2(!child<QCheckBox>(w, inert)->isChecked(), inert);
        }
    }

    void typingKeepsEveryCharacterAndTheFocus_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("processEnabled");
        QTest::newRow("two digits, enough") << "75" << true;
        QTest::newRow("one digit, too small") << "4" << false;
        QTest::newRow("four digits") << "1234" << true;
        QTest::newRow("two digits, too small") << "12" << false;
    }

    void typingKeepsEveryCharacterAndTheFocus() {
        QFETCH(QString, typed);
        QFETCH(bool, processEnabled);
        windowSettings* w = newWindow();
        QVERIFY(driver::dropFolder(w, folder(QStringLiteral("T"), true, true)));
        QVERIFY(driver::activate(w));
        auto* field = child<QLineEdit>(w, "fldMaxFileSIzeKB");
        QTRY_VERIFY(field->hasFocus());
        QCOMPARE(field->selectedText(), QStringLiteral("250"));
        // The first key replaces the selected "250"; every later key is added.
        QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), typed);
        QVERIFY(field->hasFocus());
        QCOMPARE(field->cursorPosition(), int(typed.size()));
        QCOMPARE(child<QPushButton>(w, "btnProcess")->isEnabled(), processEnabled);
        QCOMPARE(child<QCheckBox>(w, "boxSaveLog")->isEnabled(), processEnabled);

        // Gaining the focus again selects the whole text: a click on a box without rules
        // takes the focus away, a toggle of a ruled box hands it back through the rules.
        auto* saveLog = child<QCheckBox>(w, "boxSaveLog");
        auto* partNames = child<QCheckBox>(w, "boxRenameGPX");
        if (saveLog->isEnabled()) {
            QTest::mouseClick(saveLog, Qt::LeftButton, {}, QPoint(8, saveLog->height() / 2));
            QTRY_VERIFY(!field->hasFocus());
            QCOMPARE(saveLog->isChecked(), false);
        }
        QTest::mouseClick(partNames, Qt::LeftButton, {}, QPoint(8, partNames->height() / 2));
        QTRY_VERIFY(field->hasFocus());
        QCOMPARE(field->selectedText(), typed);
    }

    void dragsAreAcceptedOnlyForALocalFolderFirst_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("a folder") << "folder" << true;
        QTest::newRow("a folder, then a file") << "folder,file" << true;
        QTest::newRow("a file") << "file" << false;
        QTest::newRow("a file, then a folder") << "file,folder" << false;
        QTest::newRow("a remote address") << "remote" << false;
        QTest::newRow("a missing folder") << "missing" << false;
        QTest::newRow("plain text naming a folder") << "text" << false;
    }

    void dragsAreAcceptedOnlyForALocalFolderFirst() {
        QFETCH(QString, what);
        QFETCH(bool, accepted);
        const QString path = folder(QStringLiteral("D"), true, true);
        driver::Payload payload;
        for (const QString& item : what.split(u',')) {
            if (item == u"folder")
                payload.urls << QUrl::fromLocalFile(path);
            else if (item == u"file")
                payload.urls << QUrl::fromLocalFile(path + QStringLiteral("/D.gpx"));
            else if (item == u"remote")
                payload.urls << QUrl(QStringLiteral("https://example.org/D/"));
            else if (item == u"missing")
                payload.urls << QUrl::fromLocalFile(m_tmp->filePath(QStringLiteral("nothing")));
            else if (item == u"text")
                payload.text = path;
        }

        windowSettings* w = newWindow();
        QCOMPARE(driver::dragEnter(w, payload), accepted);
        QCOMPARE(driver::drop(w, payload), accepted);
        if (accepted) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Settings for D"));
            QVERIFY(w->project);
            QCOMPARE(w->project->name, QStringLiteral("D"));
        } else {
            QCOMPARE(w->windowTitle(), QStringLiteral("Untitled Project"));
            QVERIFY(!w->project);
            QCOMPARE(child<QLabel>(w, "txtProjectPath")->text(), QString());
            QCOMPARE(enabledStates(w), QStringLiteral("0000000"));
        }
    }

    void aSecondFolderReplacesTheProject_data() {
        QTest::addColumn<bool>("firstGpx");
        QTest::addColumn<bool>("firstPrc");
        QTest::addColumn<bool>("secondGpx");
        QTest::addColumn<bool>("secondPrc");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("neither, then both") << false << false << true << true << "1111111";
        QTest::newRow("both, then neither") << true << true << false << false << "0001000";
        // The delete box keeps its state without a .gpx file; nothing can run anyway.
        QTest::newRow("both, then only prc") << true << true << false << true << "0001100";
        QTest::newRow("only prc, then only gpx") << false << true << true << false << "1111011";
    }

    void aSecondFolderReplacesTheProject() {
        QFETCH(bool, firstGpx);
        QFETCH(bool, firstPrc);
        QFETCH(bool, secondGpx);
        QFETCH(bool, secondPrc);
        QFETCH(QString, enabled);

        windowSettings* w = newWindow();
        QVERIFY(driver::dropFolder(w, folder(QStringLiteral("First"), firstGpx, firstPrc)));
        const ProjectPtr first = w->project;
        QVERIFY(driver::dropFolder(w, folder(QStringLiteral("Second"), secondGpx, secondPrc)));
        QVERIFY(w->project);
        QVERIFY(w->project != first);
        QCOMPARE(w->project->name, QStringLiteral("Second"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Settings for Second"));

        const struct {
            const char* label;
            bool found;
            QString name;
        } files[] = {{"txtGPXFile", secondGpx, QStringLiteral("Second.gpx")},
                     {"txtPRCFile", secondPrc, QStringLiteral("Second.prc")}};
        for (const auto& f : files) {
            auto* label = child<QLabel>(w, f.label);
            QCOMPARE(label->text(), f.found ? f.name : QStringLiteral("not found"));
            QCOMPARE(textColor(label), f.found ? kBlack : kRed);
        }
        // The Pocket Query facts of the first folder never stay beside the second folder.
        for (const char* gpxFact : {"txtQueryName", "txtDate", "txtCacheNumber"})
            QCOMPARE(child<QLabel>(w, gpxFact)->text().isEmpty(), !secondGpx);
        QCOMPARE(enabledStates(w), enabled);
    }

    void aDropOpensInTheWindowThatReceivedIt_data() {
        QTest::addColumn<QString>("inFront");
        QTest::newRow("another settings window in front") << "settings";
        QTest::newRow("the About window in front") << "about";
    }

    void aDropOpensInTheWindowThatReceivedIt() {
        QFETCH(QString, inFront);
        windowSettings* behind = newWindow();
        windowSettings* other = newWindow();
        QVERIFY(driver::dropFolder(other, folder(QStringLiteral("Kept"), true, true)));
        QWidget* front = other;
        if (inFront == u"about") {
            App::instance()->_menuItemAbout_Action();
            front = windowAbout::defaultInstance();
        }
        QVERIFY(driver::activate(front));
        QCOMPARE(App::instance()->windowAt(0), front);

        QVERIFY(driver::dropFolder(behind, folder(QStringLiteral("Dropped"), true, true)));
        QCOMPARE(behind->windowTitle(), QStringLiteral("Settings for Dropped"));
        QCOMPARE(behind->project->name, QStringLiteral("Dropped"));
        QCOMPARE(other->windowTitle(), QStringLiteral("Settings for Kept"));
        QCOMPARE(other->project->name, QStringLiteral("Kept"));
    }

    void longFactsShowShortenedWithTheWholeTextOnHover() {
        windowSettings* w = newWindow();
        const QString name = QStringLiteral("A very long folder name for the width of the labels");
        QVERIFY(driver::dropFolder(w, folder(name, true, true)));
        auto* gpx = child<ElidedLabel>(w, "txtGPXFile");
        auto* count = child<ElidedLabel>(w, "txtCacheNumber");
        QVERIFY(gpx && count);
        // The label keeps the whole text; only its picture is shortened.
        QCOMPARE(gpx->text(), name + QStringLiteral(".gpx"));
        QVERIFY(gpx->isElided());
        QVERIFY(!count->isElided());
        QCOMPARE(w->project->GCQueryName, child<QLabel>(w, "txtQueryName")->text());

        QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), gpx->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(gpx, &hover);
        QTRY_COMPARE(QToolTip::text(), name + QStringLiteral(".gpx"));
        QHelpEvent hoverShort(QEvent::ToolTip, QPoint(5, 5), count->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(count, &hoverShort);
        QTRY_VERIFY(QToolTip::text().isEmpty());
    }

    void aDropIsOverBeforeTheFolderOpens() {
        // The file manager waits for the drop to end: the scan and any message about the
        // folder come after it, from the event loop.
        windowSettings* w = newWindow();
        const QString bad = folder(QStringLiteral("Late"), true, true);
        writeFile(bad + QStringLiteral("/Late.gpx"), "<gpx><name>unclosed");
        const driver::Payload payload{{QUrl::fromLocalFile(bad)}, {}};
        QVERIFY(driver::dragEnter(w, payload));
        QMimeData data;
        data.setUrls(payload.urls);
        QDropEvent drop(driver::dropPoint(w), Qt::CopyAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(w, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(w->windowTitle(), QStringLiteral("Untitled Project"));
        QVERIFY(m_messages.isEmpty());
        QTRY_COMPARE(w->windowTitle(), QStringLiteral("Settings for Late"));
        QCOMPARE(m_messages.size(), 1);
    }

    void aMalformedGpxIsReportedAndOffersNoRun_data() {
        QTest::addColumn<bool>("reused");
        QTest::addColumn<QByteArray>("gpxText");
        QTest::addColumn<QString>("problem");
        const QByteArray broken = "<?xml version=\"1.0\"?><gpx><name>unclosed";
        const QByteArray noHeader = "<?xml version=\"1.0\"?><gpx></gpx>";
        QTest::newRow("not XML, fresh window") << false << broken << "well-formed";
        QTest::newRow("not XML, reused window") << true << broken << "well-formed";
        QTest::newRow("no header, fresh window") << false << noHeader << "";
        QTest::newRow("no header, reused window") << true << noHeader << "";
    }

    void aMalformedGpxIsReportedAndOffersNoRun() {
        QFETCH(bool, reused);
        QFETCH(QByteArray, gpxText);
        QFETCH(QString, problem);

        windowSettings* w = newWindow();
        if (reused) {
            QVERIFY(driver::dropFolder(w, folder(QStringLiteral("Good"), true, true)));
            QCOMPARE(enabledStates(w), QStringLiteral("1111111"));
        }
        const QString bad = folder(QStringLiteral("Bad"), true, true);
        writeFile(bad + QStringLiteral("/Bad.gpx"), gpxText);
        QVERIFY(driver::dropFolder(w, bad));

        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.first().contains(QStringLiteral("Bad.gpx")),
                 qPrintable(m_messages.first()));
        QVERIFY2(m_messages.first().contains(problem), qPrintable(m_messages.first()));
        QCOMPARE(w->windowTitle(), QStringLiteral("Settings for Bad"));
        // What the scan found before the document failed stays on display.
        QCOMPARE(child<QLabel>(w, "txtGPXFile")->text(), QStringLiteral("Bad.gpx"));
        QCOMPARE(child<QLabel>(w, "txtPRCFile")->text(), QStringLiteral("Bad.prc"));
        QVERIFY(!child<QLabel>(w, "txtProjectPath")->text().isEmpty());
        for (const char* gpxFact : {"txtQueryName", "txtDate", "txtCacheNumber"})
            QCOMPARE(child<QLabel>(w, gpxFact)->text(), QString());
        // No GPX option, no run; the rename box keeps the state the earlier project gave it.
        QCOMPARE(enabledStates(w), reused ? QStringLiteral("0000100") : QStringLiteral("0000000"));

        // Return, the default button's key, starts nothing either.
        QVERIFY(driver::activate(w));
        QTest::keyClick(w, Qt::Key_Return);
        QVERIFY(w->isVisible());
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<windowProcess*>(top));
    }
};

int main(int argc, char** argv) {
    App app(argc, argv);
    windowSettingsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowSettingsTest.moc"
