#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMenuBar;

// The application's menus, File and Edit. One instance holds every item as a QAction; each
// window that shows menus gets a QMenuBar filled with these same actions, so an item's
// enabled state and shortcut are the same in every window.
class myMenuBar : public QObject {
    Q_OBJECT
public:
    // The one instance, built on first use; it lives as long as the application object.
    static myMenuBar* instance();

    // The item of that name ("menuItemNewWindow", "EditCopy", ...); null for an unknown name.
    QAction* item(const QString& name) const;
    // Every item, separators included, in the order of the menus.
    QList<QAction*> items() const { return m_items; }

    // Fills `bar` with the File and Edit menus of the shared items.
    void installInto(QMenuBar* bar) const;

signals:
    // A menu is about to open: the items' enabled states are wanted now.
    void menuAboutToShow();

private:
    explicit myMenuBar(QObject* parent);
    void runEditCommand(const QString& name) const;
    // Enables the Edit items that would do something on the focused text field now.
    void updateEditItems() const;

    QList<QAction*> m_items;
};
