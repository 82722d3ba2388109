#include "processing/windowProcess.h"

#include "platform/MessageBox.h"
#include "platform/ProjectOpener.h"
#include "processing/ProcessingRun.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

namespace {

// A redraw asked for sooner than this after the last one waits for the next: screens show
// about 60 frames a second, and painting every cache would slow a long run down.
constexpr qint64 kFrameMs = 16;

enum class Kind { Caption, Log, Progress, Button };

// One control of the window as laid out at creation.
struct ControlRow {
    const char* name;
    Kind kind;
    const char* text;
    int left, top, width, height;
};

constexpr ControlRow kControls[] = {
    {"StaticText1", Kind::Caption, "Process Information:", 20, 14, 165, 20},
    {"fldLog", Kind::Log, "", 20, 47, 545, 157},
    {"progressBar", Kind::Progress, "", 20, 216, 141, 20},
    {"btnDone", Kind::Button, "Done", 485, 216, 80, 20},
};

// A check box of the settings window counts only when it is both enabled and checked.
bool optionOn(const QWidget* settings, const char* name) {
    const auto* box = settings->findChild<const QCheckBox*>(QLatin1String(name));
    return box && box->isEnabled() && box->isChecked();
}

} // namespace

windowProcess::windowProcess(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Untitled"));
    // Minimise only: a run cannot be stopped, and the window closes through "Done".
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint);
    setFixedSize(585, 256);
    // A processing window serves one run; closing it ends it for good.
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
}

windowProcess::~windowProcess() = default;

void windowProcess::buildControls() {
    for (const ControlRow& row : kControls) {
        QWidget* control = nullptr;
        switch (row.kind) {
        case Kind::Caption: {
            auto* label = new QLabel(QString::fromLatin1(row.text), this);
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            m_caption = label;
            control = label;
            break;
        }
        case Kind::Log: {
            auto* log = new QPlainTextEdit(this);
            log->setReadOnly(true);
            log->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            log->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            log->setTabChangesFocus(true);
            // A read-only log has nothing to undo; recording every appended line would only
            // cost memory on a long run.
            log->setUndoRedoEnabled(false);
            m_fldLog = log;
            control = log;
            break;
        }
        case Kind::Progress: {
            auto* bar = new QProgressBar(this);
            bar->setRange(0, 100);
            bar->setValue(0);
            bar->setTextVisible(false);
            m_progressBar = bar;
            control = bar;
            break;
        }
        case Kind::Button: {
            auto* button = new QPushButton(QString::fromLatin1(row.text), this);
            button->setEnabled(false);
            button->setDefault(true);
            m_btnDone = button;
            control = button;
            break;
        }
        }
        control->setObjectName(QLatin1String(row.name));
        control->setGeometry(row.left, row.top, row.width, row.height);
    }

    // Handlers last, once every attribute is in place. A plain widget has no default-button
    // handling of its own, so Return and Enter are bound to "Done" here.
    connect(m_btnDone, &QPushButton::clicked, this, &windowProcess::btnDone_Action);
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (m_btnDone->isEnabled())
                m_btnDone->click();
        });
    }
}

QString windowProcess::platformReturn() {
    return QString(QChar(13));
}

ProcessOptions windowProcess::optionsFromSettings(const QWidget* settings) {
    ProcessOptions options;
    if (!settings)
        return options;
    options.splitGPX = optionOn(settings, "boxSplitGPX");
    if (const auto* field =
            settings->findChild<const QLineEdit*>(QStringLiteral("fldMaxFileSIzeKB")))
        options.maxFileSizeKB = ProcessOptions::kilobytesFromText(field->text());
    options.renameGPX = optionOn(settings, "boxRenameGPX");
    options.deleteSourceGPX = optionOn(settings, "boxDeleteSourceGPX");
    options.renamePRC = optionOn(settings, "boxRenamePRC");
    options.saveLog = optionOn(settings, "boxSaveLog");
    return options;
}

void windowProcess::processProject() {
    if (!project) {
        finished();
        return;
    }
    m_sincePaint.start();
    ProcessingRun::run(*project, optionsFromSettings(wSettings), *this);
}

void windowProcess::startLog(const QString& line) {
    m_log = line;
    m_pendingLines.clear();
    m_fldLog->clear();
    m_pendingLines = line;
}

void windowProcess::appendLine(const QString& line) {
    m_log += line;
    m_pendingLines += line;
}

void windowProcess::scrollToEnd(int) {
    m_scrollPending = true;
}

void windowProcess::progress(int percent) {
    m_progressBar->setValue(percent);
}

void windowProcess::redraw() {
    if (m_sincePaint.isValid() && m_sincePaint.elapsed() < kFrameMs)
        return;
    paintNow();
}

void windowProcess::message(const QString& text) {
    paintNow();
    MessageBox::show(this, text);
}

void windowProcess::finished() {
    flushLog();
    // Clicks and keys that came during the run were held back; they reach their windows now,
    // while "Done" is still disabled, so that an impatient click where it sits does not
    // close the window the moment the run ends.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    m_btnDone->setEnabled(true);
    m_btnDone->setFocus();
    paintNow();
}

void windowProcess::flushLog() {
    if (!m_pendingLines.isEmpty()) {
        // The field holds one paragraph per line; the log's carriage returns stay in m_log.
        QString shown = m_pendingLines;
        if (shown.endsWith(QChar(13)))
            shown.chop(1);
        shown.replace(QChar(13), QChar(10));
        m_fldLog->appendPlainText(shown);
        m_pendingLines.clear();
    }
    if (m_scrollPending) {
        QScrollBar* bar = m_fldLog->verticalScrollBar();
        bar->setValue(bar->maximum());
        m_scrollPending = false;
    }
}

void windowProcess::paintNow() {
    flushLog();
    // The run holds the event loop; let paint and layout events through, but no input.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sincePaint.restart();
}

void windowProcess::btnDone_Action() {
    close();
    if (ProjectOpener* opener = ProjectOpener::instance())
        opener->startNewProject(FolderItem(), true, nullptr);
}

void windowProcess::btnDone_Close() {
    if (wSettings)
        wSettings->close();
}

void windowProcess::closeEvent(QCloseEvent* event) {
    btnDone_Close();
    QWidget::closeEvent(event);
}
