#include "processing/windowProcess.h"
#include "platform/MessageBox.h"
#include "platform/ProjectOpener.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

namespace {

// Records what the window asks of the application.
class RecordingOpener : public ProjectOpener {
public:
    void startNewProject(const FolderItem& folder, bool newWindow, QWidget* target) override {
        calls.push_back({folder.absolutePath(), newWindow, target});
    }
    struct Call {
        QString folder;
        bool newWindow;
        QWidget* target;
    };
    std::vector<Call> calls;
};

// A stand-in for the settings window: only the controls the run reads, by their names.
std::unique_ptr<QWidget> fakeSettings(const QString& size) {
    auto w = std::make_unique<QWidget>();
    for (const char* name :
         {"boxSplitGPX", "boxRenameGPX", "boxDeleteSourceGPX", "boxRenamePRC", "boxSaveLog"}) {
        auto* box = new QCheckBox(w.get());
        box->setObjectName(QLatin1String(name));
        box->setChecked(true);
    }
    auto* field = new QLineEdit(size, w.get());
    field->setObjectName(QStringLiteral("fldMaxFileSIzeKB"));
    return w;
}

} // namespace

class WindowProcessTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ProjectOpener::setInstance(&m_opener);
        m_opener.calls.clear();
        m_messages.clear();
        MessageBox::setHook([this](const QString& text) { m_messages << text; });
    }
    void cleanup() {
        ProjectOpener::setInstance(nullptr);
        MessageBox::setHook({});
    }

    void layoutAtCreation() {
        QPointer<windowProcess> w = new windowProcess;
        QCOMPARE(w->windowTitle(), QStringLiteral("Untitled"));
        QCOMPARE(w->minimumSize(), QSize(585, 256));
        QCOMPARE(w->maximumSize(), QSize(585, 256));
        QVERIFY(!(w->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);

        const struct {
            const char* name;
            QRect geometry;
        } controls[] = {{"StaticText1", {20, 14, 165, 20}},
                        {"fldLog", {20, 47, 545, 157}},
                        {"progressBar", {20, 216, 141, 20}},
                        {"btnDone", {485, 216, 80, 20}}};
        for (const auto& c : controls) {
            auto* control = w->findChild<QWidget*>(QLatin1String(c.name));
            QVERIFY2(control, c.name);
            QCOMPARE(control->geometry(), c.geometry);
        }
        auto* caption = w->findChild<QLabel*>(QStringLiteral("StaticText1"));
        QCOMPARE(caption->text(), QStringLiteral("Process Information:"));
        QVERIFY(caption->font().bold());
        auto* log = w->findChild<QPlainTextEdit*>(QStringLiteral("fldLog"));
        QVERIFY(log->isReadOnly());
        QVERIFY(log->toPlainText().isEmpty());
        auto* bar = w->findChild<QProgressBar*>(QStringLiteral("progressBar"));
        QCOMPARE(bar->value(), 0);
        QCOMPARE(bar->maximum(), 100);
        auto* done = w->findChild<QPushButton*>(QStringLiteral("btnDone"));
        QCOMPARE(done->text(), QStringLiteral("Done"));
        QVERIFY(!done->isEnabled());
        QVERIFY(done->isDefault());
        QCOMPARE(windowProcess::platformReturn(), QString(QChar(13)));
        w->close();
        QTRY_VERIFY(w.isNull());
    }

    void optionsNeedEnabledAndChecked() {
        const struct {
            const char* box;
            bool enabled, checked, on;
        } cases[] = {
            {"boxSplitGPX", true, true, true},          {"boxSplitGPX", false, true, false},
            {"boxSplitGPX", true, false, false},        {"boxRenameGPX", false, true, false},
            {"boxDeleteSourceGPX", false, true, false}, {"boxRenamePRC", false, true, false},
            {"boxSaveLog", true, false, false},         {"boxRenamePRC", true, true, true},
        };
        for (const auto& c : cases) {
            auto settings = fakeSettings(QStringLiteral("250"));
            auto* box = settings->findChild<QCheckBox*>(QLatin1String(c.box));
            box->setEnabled(c.enabled);
            box->setChecked(c.checked);
            const ProcessOptions o = windowProcess::optionsFromSettings(settings.get());
            const std::map<std::string, bool> got = {{"boxSplitGPX", o.splitGPX},
                                                     {"boxRenameGPX", o.renameGPX},
                                                     {"boxDeleteSourceGPX", o.deleteSourceGPX},
                                                     {"boxRenamePRC", o.renamePRC},
                                                     {"boxSaveLog", o.saveLog}};
            for (const auto& [name, on] : got)
                QCOMPARE(on, name == c.box ? c.on : true);
        }
        QCOMPARE(windowProcess::optionsFromSettings(fakeSettings(QStringLiteral(" 60")).get())
                     .maxFileSizeKB,
                 60);
        QCOMPARE(windowProcess::optionsFromSettings(fakeSettings(QStringLiteral("49.9kB")).get())
                     .maxFileSizeKB,
                 49);
    }

    void outputsReachTheControls() {
        QPointer<windowProcess> w = new windowProcess;
        w->show();
        const QString cr = windowProcess::platformReturn();
        w->startLog(QStringLiteral("first") + cr);
        w->appendLine(QStringLiteral("second") + cr);
        w->progress(50);
        w->redraw();
        w->message(QStringLiteral("The text file could not be created."));
        w->appendLine(QStringLiteral("third") + cr);
        w->scrollToEnd(9999999);
        w->finished();

        QCOMPARE(m_messages, QStringList{QStringLiteral("The text file could not be created.")});
        QCOMPARE(w->logText(), QStringLiteral("first\rsecond\rthird\r"));
        auto* log = w->findChild<QPlainTextEdit*>(QStringLiteral("fldLog"));
        QCOMPARE(log->toPlainText(), QStringLiteral("first\nsecond\nthird"));
        QCOMPARE(w->findChild<QProgressBar*>(QStringLiteral("progressBar"))->value(), 50);
        QVERIFY(w->findChild<QPushButton*>(QStringLiteral("btnDone"))->isEnabled());

        // A new first line replaces what the log held.
        w->startLog(QStringLiteral("again") + cr);
        w->finished();
        QCOMPARE(log->toPlainText(), QStringLiteral("again"));
        QCOMPARE(w->logText(), QStringLiteral("again\r"));
        w->close();
    }

    void closingClosesTheSettingsWindowToo() {
        // "Done" by click or by Return also asks for a new empty window; closing the window
        // otherwise (the Close Window command) does not.
        enum class How { Click, Return, Close };
        for (const How how : {How::Click, How::Return, How::Close}) {
            auto* settings = new QWidget;
            settings->setAttribute(Qt::WA_DeleteOnClose);
            QPointer<QWidget> settingsGuard = settings;
            QPointer<windowProcess> w = new windowProcess;
            w->wSettings = settings;
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            // Before the end of the run, Return does nothing.
            QTest::keyClick(w, Qt::Key_Return);
            QVERIFY(!w.isNull());
            QVERIFY(m_opener.calls.empty());
            w->finished();
            if (how == How::Click)
                QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnDone")),
                                  Qt::LeftButton);
            else if (how == How::Return)
                QTest::keyClick(w, Qt::Key_Return);
            else
                w->close();
            QTRY_VERIFY(w.isNull());
            QTRY_VERIFY(settingsGuard.isNull());
            if (how == How::Close) {
                QVERIFY(m_opener.calls.empty());
            } else {
                QCOMPARE(m_opener.calls.size(), size_t(1));
                QVERIFY(m_opener.calls[0].newWindow);
                QCOMPARE(m_opener.calls[0].folder, QString());
            }
            m_opener.calls.clear();
        }
    }

private:
    RecordingOpener m_opener;
    QStringList m_messages;
};

QTEST_MAIN(WindowProcessTest)
#include "WindowProcessTest.moc"
