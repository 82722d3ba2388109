#pragma once

#include <QString>
#include <QWidget>

// The About panel: name, version, date and purpose of the program. It hides itself as soon
// as it stops being the active window or is clicked; closing it destroys it.
class windowAbout : public QWidget {
    Q_OBJECT
public:
    // The one About window: the existing one, or a new one.
    static windowAbout* defaultInstance();

    // The six lines of the text, separated by carriage returns.
    static QString aboutText();

    static constexpr int kWidth = 310;
    static constexpr int kHeight = 183;

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    explicit windowAbout(QWidget* parent = nullptr);
};
