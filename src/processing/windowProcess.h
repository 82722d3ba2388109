#pragma once

#include "processing/ProcessOptions.h"
#include "processing/RunOutput.h"
#include "project/project.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// The window in which one processing run takes place: a caption, the live log, a progress
// bar and "Done". It reads the run's options from the hidden settings window that started it.
class windowProcess : public QWidget, public RunOutput {
    Q_OBJECT
public:
    explicit windowProcess(QWidget* parent = nullptr);
    ~windowProcess() override;

    // The record of the run: the same record as the settings window's.
    ProjectPtr project;
    // The settings window that started the run; closed when this window closes.
    QPointer<QWidget> wSettings;

    // Runs the processing with the options read from wSettings; returns when the run is over.
    void processProject();
    // The log's line end: one carriage return.
    static QString platformReturn();

    // "Done": closes this window and asks for a fresh, empty settings window.
    void btnDone_Action();
    // Runs whenever this window closes: closes the settings window of the run.
    void btnDone_Close();

    // The log as the run wrote it, with its carriage returns.
    QString logText() const { return m_log; }

    // The options of a run from a settings window's controls, found by their names: a check
    // box counts only when it is both enabled and checked.
    static ProcessOptions optionsFromSettings(const QWidget* settings);

    // RunOutput
    void startLog(const QString& line) override;
    void appendLine(const QString& line) override;
    void scrollToEnd(int line) override;
    void progress(int percent) override;
    void redraw() override;
    void message(const QString& text) override;
    void finished() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void flushLog();
    void paintNow();

    QString m_log;
    QString m_pendingLines; // lines logged since the field was last brought up to date
    bool m_scrollPending = false;
    QLabel* m_caption = nullptr;
    QPlainTextEdit* m_fldLog = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QPushButton* m_btnDone = nullptr;
    QElapsedTimer m_sincePaint;
};
