#include "app/myMenuBar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace {

struct MenuRow {
    // The menu the item belongs to; null for a menu of the bar itself.
    const char* menu;
    const char* name;
    // "-" makes a separator.
    const char* text;
    // "Ctrl" is the platform's command modifier; null: no shortcut at all.
    const char* shortcut;
    QAction::MenuRole role;
};

// The menus in the order they are built and appear.
constexpr MenuRow kMenu[] = {
    {nullptr, "FileMenu", "&File", "", QAction::NoRole},
    {"FileMenu", "menuItemNewWindow", "New Window", "Ctrl+N", QAction::NoRole},
    {"FileMenu", "menuItemCloseWindow", "Close Window", "Ctrl+W", QAction::NoRole},
    {"FileMenu", "menuItemAbout", "About...", "", QAction::AboutRole},
    {"FileMenu", "FileQuit", "Quit", "Ctrl+Q", QAction::QuitRole},
    {nullptr, "EditMenu", "&Edit", "", QAction::NoRole},
    {"EditMenu", "EditUndo", "&Undo", "Ctrl+Z", QAction::NoRole},
    {"EditMenu", "UntitledMenu1", "-", nullptr, QAction::NoRole},
    {"EditMenu", "EditCut", "Cu&t", "Ctrl+X", QAction::NoRole},
    {"EditMenu", "EditCopy", "&Copy", "Ctrl+C", QAction::NoRole},
    {"EditMenu", "EditPaste", "&Paste", "Ctrl+V", QAction::NoRole},
    {"EditMenu", "EditClear", "Clear", "", QAction::NoRole},
    {"EditMenu", "UntitledMenu0", "-", nullptr, QAction::NoRole},
    {"EditMenu", "EditSelectAll", "Select &All", "Ctrl+A", QAction::NoRole},
};

bool isEditItem(const MenuRow& row) {
    return row.menu && qstrcmp(row.menu, "EditMenu") == 0 && qstrcmp(row.text, "-") != 0;
}

// Carries out an Edit command on a text field; read-only text only copies and selects.
template <class Field> void edit(Field* field, const QString& command) {
    const bool writable = !field->isReadOnly();
    if (command == u"EditUndo" && writable)
        field->undo();
    else if (command == u"EditCut" && writable)
        field->cut();
    else if (command == u"EditCopy")
        field->copy();
    else if (command == u"EditPaste" && writable)
        field->paste();
    else if (command == u"EditSelectAll")
        field->selectAll();
}

// What a text field offers to the Edit commands now.
struct FieldState {
    bool writable = false;
    bool selection = false;
    bool undo = false;
    bool text = false;
};

// The same for the multi-line fields, which hold their text in a document.
template <class Field> FieldState stateOf(Field* field) {
    return {!field->isReadOnly(), field->textCursor().hasSelection(),
            field->document()->isUndoAvailable(), !field->document()->isEmpty()};
}

// An Edit command on a multi-line field; Clear removes the selection.
template <class Field> void editDocument(Field* field, const QString& command) {
    if (command != u"EditClear")
        edit(field, command);
    else if (!field->isReadOnly())
        field->textCursor().removeSelectedText();
}

} // namespace

myMenuBar* myMenuBar::instance() {
    static QPointer<myMenuBar> bar;
    if (!bar)
        bar = new myMenuBar(QCoreApplication::instance());
    return bar;
}

myMenuBar::myMenuBar(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("myMenuBar"));
    for (const MenuRow& row : kMenu) {
        if (!row.menu)
            continue; // the menus themselves exist only inside each window's bar
        const bool separator = qstrcmp(row.text, "-") == 0;
        auto* action = new QAction(separator ? QString() : QString::fromUtf8(row.text), this);
        action->setObjectName(QString::fromLatin1(row.name));
        action->setSeparator(separator);
        if (row.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
        action->setMenuRole(row.role);
        m_items.append(action);
    }
    // Close Window is enabled only while a window is open; the application decides.
    item(QStringLiteral("menuItemCloseWindow"))->setEnabled(false);

    connect(item(QStringLiteral("FileQuit")), &QAction::triggered, qApp, &QCoreApplication::quit,
            Qt::QueuedConnection);
    for (const MenuRow& row : kMenu) {
        if (!isEditItem(row))
            continue;
        const QString name = QString::fromLatin1(row.name);
        connect(item(name), &QAction::triggered, this, [this, name] { runEditCommand(name); });
    }
    connect(this, &myMenuBar::menuAboutToShow, this, &myMenuBar::updateEditItems);
}

void myMenuBar::updateEditItems() const {
    // What the focused field offers: a writable field with text selected can cut, and so on.
    FieldState field;
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus))
        field = {!line->isReadOnly(), line->hasSelectedText(), line->isUndoAvailable(),
                 !line->text().isEmpty()};
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus))
        field = stateOf(plain);
    else if (auto* rich = qobject_cast<QTextEdit*>(focus))
        field = stateOf(rich);
    const bool clipboard = !QGuiApplication::clipboard()->text().isEmpty();
    item(QStringLiteral("EditUndo"))->setEnabled(field.writable && field.undo);
    item(QStringLiteral("EditCut"))->setEnabled(field.writable && field.selection);
    item(QStringLiteral("EditCopy"))->setEnabled(field.selection);
    item(QStringLiteral("EditPaste"))->setEnabled(field.writable && clipboard);
    item(QStringLiteral("EditClear"))->setEnabled(field.writable && field.selection);
    item(QStringLiteral("EditSelectAll"))->setEnabled(field.text);
}

QAction* myMenuBar::item(const QString& name) const {
    for (QAction* action : m_items)
        if (action->objectName() == name)
            return action;
    return nullptr;
}

void myMenuBar::installInto(QMenuBar* bar) const {
    for (const MenuRow& row : kMenu) {
        if (!row.menu) {
            QMenu* menu = bar->addMenu(QString::fromUtf8(row.text));
            menu->setObjectName(QString::fromLatin1(row.name));
            connect(menu, &QMenu::aboutToShow, this, &myMenuBar::menuAboutToShow);
            continue;
        }
        auto* menu = bar->findChild<QMenu*>(QString::fromLatin1(row.menu));
        menu->addAction(item(QString::fromLatin1(row.name)));
    }
}

void myMenuBar::runEditCommand(const QString& name) const {
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        if (name != u"EditClear")
            edit(line, name);
        else if (!line->isReadOnly() && line->hasSelectedText())
            line->del();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) {
        editDocument(plain, name);
    } else if (auto* rich = qobject_cast<QTextEdit*>(focus)) {
        editDocument(rich, name);
    }
}
