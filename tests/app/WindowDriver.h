#pragma once

// Drives the program's real windows in tests: drags and drops as a file manager sends
// them, activation, and a clean slate between test functions.

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWidget>

namespace driver {

// What a drag from outside the program carries.
struct Payload {
    QList<QUrl> urls;
    QString text;
};

inline void fill(QMimeData& data, const Payload& payload) {
    if (!payload.urls.isEmpty())
        data.setUrls(payload.urls);
    if (!payload.text.isNull())
        data.setText(payload.text);
}

// A point inside the content of a settings window, below the facts.
inline QPoint dropPoint(QWidget* window) {
    return QPoint(window->width() / 2, 300);
}

// Sends a drag entering `window`; true when the window accepts it. The event starts out
// accepted so that a handler which forgets to refuse is caught.
inline bool dragEnter(QWidget* window, const Payload& payload) {
    QMimeData data;
    fill(data, payload);
    QDragEnterEvent event(dropPoint(window), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    event.setAccepted(true);
    QApplication::sendEvent(window, &event);
    return event.isAccepted();
}

// Sends the drop itself, as after an accepted drag, and lets the window act on it as the
// event loop would once the drop is over.
inline bool drop(QWidget* window, const Payload& payload) {
    QMimeData data;
    fill(data, payload);
    QDropEvent event(dropPoint(window), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    event.setAccepted(false);
    QApplication::sendEvent(window, &event);
    QCoreApplication::sendPostedEvents(window, QEvent::MetaCall);
    return event.isAccepted();
}

// A drag of one local folder, entered and dropped.
inline bool dropFolder(QWidget* window, const QString& folder) {
    const Payload payload{{QUrl::fromLocalFile(folder)}, {}};
    return dragEnter(window, payload) && drop(window, payload);
}

// Brings `window` to the front and waits until it is the active window.
inline bool activate(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// Closes every window of the program and destroys those that delete themselves on close.
inline void closeAllWindows() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isWindow())
            w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <class T> T* child(const QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

} // namespace driver
