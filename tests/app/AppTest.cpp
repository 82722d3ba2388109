#include "app/App.h"
#include "PocketQueryFixture.h"
#include "WindowDriver.h"
#include "app/myMenuBar.h"
#include "app/windowAbout.h"
#include "settings/windowSettings.h"

#include <QAction>
#include <QClipboard>
#include <QFileOpenEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using driver::child;

namespace {

QAction* item(const char* name) {
    return myMenuBar::instance()->item(QString::fromLatin1(name));
}

int aboutWindows() {
    int count = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        count += qobject_cast<windowAbout*>(top) ? 1 : 0;
    return count;
}

} // namespace

class AppTest : public QObject {
    Q_OBJECT

    App* app() const { return App::instance(); }

    windowSettings* newWindow() {
        app()->_menuItemNewWindow_Action();
        auto* w = qobject_cast<windowSettings*>(app()->windowAt(0));
        if (w)
            driver::activate(w);
        return w;
    }

private slots:
    // Runs first, on the window that start-up opened.
    void startUpOpensOneEmptyWindow() {
        QCOMPARE(app()->windowCount(), 1);
        auto* first = qobject_cast<windowSettings*>(app()->windowAt(0));
        QVERIFY(first);
        QCOMPARE(first, windowSettings::defaultInstance());
        QCOMPARE(first->windowTitle(), QStringLiteral("Untitled Project"));
        QVERIFY(!first->project);
        QVERIFY(item("menuItemCloseWindow")->isEnabled());
        QVERIFY(!QGuiApplication::quitOnLastWindowClosed());

        // The menus sit above the content, which keeps its size.
        auto* bar = child<QMenuBar>(first, "menuBar");
        QVERIFY(bar);
        QVERIFY(bar->isVisible());
        QWidget* content = child<QWidget>(first, "contentArea");
        QCOMPARE(content->size(), QSize(557, 627));
        QVERIFY(content->y() >= bar->geometry().bottom());

        QPointer<windowSettings> closed = first;
        QTest::mouseClick(child<QPushButton>(first, "btnCancel"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());
        QCOMPARE(app()->windowCount(), 0);
        QVERIFY(!item("menuItemCloseWindow")->isEnabled());
    }

    void cleanup() { driver::closeAllWindows(); }

    void menusHoldTheItemsOfTheTable_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("menuText");
        // name|text|shortcut per item, "-" for a separator.
        QTest::addColumn<QStringList>("items");
        QTest::newRow("File") << "FileMenu"
                              << "&File"
                              << QStringList{"menuItemNewWindow|New Window|Ctrl+N",
                                             "menuItemCloseWindow|Close Window|Ctrl+W",
                                             "menuItemAbout|About...|", "FileQuit|Quit|Ctrl+Q"};
        QTest::newRow("Edit") << "EditMenu"
                              << "&Edit"
                              << QStringList{
                                     "EditUndo|&Undo|Ctrl+Z",   "UntitledMenu1|-|",
                                     "EditCut|Cu&t|Ctrl+X",     "EditCopy|&Copy|Ctrl+C",
                                     "EditPaste|&Paste|Ctrl+V", "EditClear|Clear|",
                                     "UntitledMenu0|-|",        "EditSelectAll|Select &All|Ctrl+A"};
    }

    void menusHoldTheItemsOfTheTable() {
        QFETCH(QString, menu);
        QFETCH(QString, menuText);
        QFETCH(QStringList, items);
        windowSettings* w = newWindow();
        auto* bar = child<QMenuBar>(w, "menuBar");
        QCOMPARE(bar->actions().size(), 2);
        QCOMPARE(bar->actions().at(0)->text(), QStringLiteral("&File"));
        QCOMPARE(bar->actions().at(1)->text(), QStringLiteral("&Edit"));

        auto* m = bar->findChild<QMenu*>(menu);
        QVERIFY(m);
        QCOMPARE(m->title(), menuText);
        const QList<QAction*> actions = m->actions();
        QCOMPARE(actions.size(), items.size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            const QStringList parts = items[i].split(u'|');
            QAction* a = actions[i];
            QCOMPARE(a->objectName(), parts[0]);
            QCOMPARE(a->isSeparator(), parts[1] == u"-");
            // A separator is a line; a text on it would be drawn beside the line.
            QCOMPARE(a->text(), a->isSeparator() ? QString() : parts[1]);
            QCOMPARE(a->shortcut(), QKeySequence(parts[2]));
            // Every window shows the same items, not copies.
            QCOMPARE(a, myMenuBar::instance()->item(parts[0]));
        }
    }

    void closeWindowIsDisabledWithoutAWindow() {
        QCOMPARE(app()->windowCount(), 0);
        app()->EnableMenuItems();
        QVERIFY(!item("menuItemCloseWindow")->isEnabled());
        QVERIFY(item("menuItemNewWindow")->isEnabled());
        QVERIFY(item("menuItemAbout")->isEnabled());
        QVERIFY(item("FileQuit")->isEnabled());
        item("menuItemCloseWindow")->trigger();
        QCOMPARE(app()->windowCount(), 0);

        windowSettings* w = newWindow();
        QVERIFY(w);
        QVERIFY(item("menuItemCloseWindow")->isEnabled());
    }

    void closeWindowClosesTheFrontmostWindow_data() {
        QTest::addColumn<QString>("front");
        QTest::newRow("a settings window") << "settings";
        QTest::newRow("the About window") << "about";
    }

    void closeWindowClosesTheFrontmostWindow() {
        QFETCH(QString, front);
        QPointer<windowSettings> behind = newWindow();
        QPointer<windowSettings> second = newWindow();
        QPointer<QWidget> frontmost = second.data();
        if (front == u"about") {
            app()->_menuItemAbout_Action();
            frontmost = windowAbout::defaultInstance();
        }
        QVERIFY(driver::activate(frontmost));
        QCOMPARE(app()->windowAt(0), frontmost.data());

        // The shortcut works in every window, also in the About window without a menu bar.
        QTest::keyClick(frontmost, Qt::Key_W, Qt::ControlModifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(frontmost.isNull());
        QVERIFY(behind);
        QCOMPARE(second.isNull(), front == u"settings");
        QCOMPARE(aboutWindows(), 0);

        if (front == u"about") {
            // The next About makes a fresh window like the first.
            app()->_menuItemAbout_Action();
            windowAbout* fresh = windowAbout::defaultInstance();
            QVERIFY(fresh->isVisible());
            QCOMPARE(fresh->windowTitle(), QStringLiteral("About Morvane Assistant"));
            QCOMPARE(aboutWindows(), 1);
        }
    }

    void newWindowAlwaysAddsAWindow_data() {
        QTest::addColumn<QString>("front");
        QTest::newRow("an empty settings window") << "settings";
        QTest::newRow("the About window") << "about";
    }

    void newWindowAlwaysAddsAWindow() {
        QFETCH(QString, front);
        windowSettings* empty = newWindow();
        QWidget* frontmost = empty;
        if (front == u"about") {
            app()->_menuItemAbout_Action();
            frontmost = windowAbout::defaultInstance();
        }
        QVERIFY(driver::activate(frontmost));
        const int before = app()->windowCount();
        QTest::keyClick(frontmost, Qt::Key_N, Qt::ControlModifier);
        auto* added = qobject_cast<windowSettings*>(app()->windowAt(0));
        QVERIFY(added);
        QVERIFY(added != empty);
        QCOMPARE(added->windowTitle(), QStringLiteral("Untitled Project"));
        QVERIFY(!added->project);
        QCOMPARE(empty->windowTitle(), QStringLiteral("Untitled Project"));
        // The About window hides when the new window takes the front.
        const int aboutHidden = front == u"about" ? 1 : 0;
        QTRY_COMPARE(app()->windowCount(), before + 1 - aboutHidden);
    }

    void aboutTwiceGivesOneWindow() {
        newWindow();
        app()->_menuItemAbout_Action();
        QPointer<windowAbout> first = windowAbout::defaultInstance();
        item("menuItemAbout")->trigger();
        QCOMPARE(aboutWindows(), 1);
        QCOMPARE(windowAbout::defaultInstance(), first.data());
        QVERIFY(first->isVisible());
        QCOMPARE(app()->windowAt(0), first.data());
        QCOMPARE(first->size(), QSize(310, 183));
        QCOMPARE(first->minimumSize(), first->maximumSize());
        QCOMPARE(first->windowTitle(), QStringLiteral("About Morvane Assistant"));

        const QStringList lines = windowAbout::aboutText().split(QChar(13));
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], QStringLiteral("Morvane Assistant 1.0"));
        QCOMPARE(lines[1], QStringLiteral("23.9.2005"));
        QVERIFY(lines[2].isEmpty() && lines[4].isEmpty() && lines[5].isEmpty());
        QVERIFY(lines[3].contains(QStringLiteral("geocaching web site")));
        auto* text = child<QLabel>(first, "StaticText1");
        QCOMPARE(text->geometry(), QRect(20, 14, 270, 149));
        QCOMPARE(text->text().split(QChar(10)), lines);
    }

    void aboutHidesAndComesBackUnchanged_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("another window activated") << "deactivate";
        QTest::newRow("a click in the window") << "window";
        QTest::newRow("a click on the text") << "text";
    }

    void aboutHidesAndComesBackUnchanged() {
        QFETCH(QString, how);
        windowSettings* w = newWindow();
        app()->_menuItemAbout_Action();
        QPointer<windowAbout> about = windowAbout::defaultInstance();
        QVERIFY(driver::activate(about));

        if (how == u"deactivate")
            QVERIFY(driver::activate(w));
        else if (how == u"window")
            QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(5, 175));
        else
            QTest::mouseClick(child<QLabel>(about, "StaticText1"), Qt::LeftButton, {},
                              QPoint(30, 10));
        QTRY_VERIFY(!about->isVisible());
        QVERIFY(about);
        QCOMPARE(app()->windowAt(0), w);

        app()->_menuItemAbout_Action();
        QCOMPARE(windowAbout::defaultInstance(), about.data());
        QVERIFY(about->isVisible());
        QCOMPARE(app()->windowAt(0), about.data());
    }

    void editCommandsActOnTheFocusedField() {
        QTemporaryDir tmp;
        const QString folder = writePocketQuery(tmp.path(), {});
        windowSettings* w = newWindow();
        app()->startNewProject(FolderItem(folder), false, w);
        QVERIFY(driver::activate(w));
        auto* field = child<QLineEdit>(w, "fldMaxFileSIzeKB");
        QTRY_VERIFY(field->hasFocus());

        const struct {
            const char* command;
            const char* text;
            const char* selected;
        } steps[] = {
            {"EditCut", "", ""},        {"EditPaste", "250", ""}, {"EditSelectAll", "250", "250"},
            {"EditCopy", "250", "250"}, {"EditClear", "", ""},    {"EditUndo", "250", "250"},
        };
        for (const auto& step : steps) {
            // As a user does: open the Edit menu, then choose the item.
            emit myMenuBar::instance()->menuAboutToShow();
            QVERIFY2(item(step.command)->isEnabled(), step.command);
            item(step.command)->trigger();
            QVERIFY2(field->text() == QLatin1String(step.text), step.command);
            QVERIFY2(field->selectedText() == QLatin1String(step.selected), step.command);
        }
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("250"));
    }

    void editItemsAreEnabledByWhatTheFocusedFieldOffers() {
        QTemporaryDir tmp;
        const QString folder = writePocketQuery(tmp.path(), {});
        windowSettings* w = newWindow();
        const auto states = [] {
            emit myMenuBar::instance()->menuAboutToShow();
            QString s;
            for (const char* name :
                 {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"})
                s += item(name)->isEnabled() ? u'1' : u'0';
            return s;
        };
        QGuiApplication::clipboard()->setText(QStringLiteral("75"));
        // An empty window: no text field can take the focus.
        QCOMPARE(states(), QStringLiteral("000000"));

        app()->startNewProject(FolderItem(folder), false, w);
        QVERIFY(driver::activate(w));
        auto* field = child<QLineEdit>(w, "fldMaxFileSIzeKB");
        QTRY_VERIFY(field->hasFocus());
        QCOMPARE(field->selectedText(), QStringLiteral("250"));
        QCOMPARE(states(), QStringLiteral("011111"));
        field->deselect();
        QCOMPARE(states(), QStringLiteral("000101"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(states(), QStringLiteral("100101"));
        QGuiApplication::clipboard()->clear();
        QCOMPARE(states(), QStringLiteral("100001"));
    }

    void openDocumentRequestsAreIgnored() {
        QTemporaryDir tmp;
        const QString folder = writePocketQuery(tmp.path(), {});
        windowSettings* w = newWindow();
        const int before = app()->windowCount();
        QFileOpenEvent request(folder);
        request.ignore();
        QVERIFY(QCoreApplication::sendEvent(app(), &request));
        QVERIFY(request.isAccepted());
        QCOMPARE(app()->windowCount(), before);
        QCOMPARE(w->windowTitle(), QStringLiteral("Untitled Project"));
        QVERIFY(!w->project);
    }
};

int main(int argc, char** argv) {
    App app(argc, argv);
    app.openDefaultWindow();
    AppTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AppTest.moc"
