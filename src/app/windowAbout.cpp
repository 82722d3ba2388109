#include "app/windowAbout.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

namespace {
QPointer<windowAbout>& theWindow() {
    static QPointer<windowAbout> window;
    return window;
}
} // namespace

windowAbout* windowAbout::defaultInstance() {
    QPointer<windowAbout>& window = theWindow();
    if (!window)
        window = new windowAbout();
    return window;
}

QString windowAbout::aboutText() {
    const QChar cr(13);
    return QStringLiteral("Morvane Assistant 1.0") + cr + QStringLiteral("23.9.2005") + cr + cr +
           QStringLiteral("Utility prepare downloaded PocketQuery files from the geocaching web "
                          "site for easier import into the Series 60 GPS Application Morvane.") +
           cr + cr;
}

windowAbout::windowAbout(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About Morvane Assistant"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kWidth, kHeight);

    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("StaticText1"));
    text->setGeometry(20, 14, 270, 149);
    // A label breaks lines at line feeds only; the carriage returns stay in aboutText().
    text->setText(aboutText().replace(QChar(13), QChar(10)));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = text->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    text->setPalette(palette);
    // The text covers most of the window: a press on it is a press in the window.
    text->setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool windowAbout::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate)
        hide();
    return QWidget::event(event);
}

void windowAbout::mousePressEvent(QMouseEvent* event) {
    event->accept();
    hide();
}
