#include "app/App.h"

#include "app/FileTypes.h"
#include "app/myMenuBar.h"
#include "app/windowAbout.h"
#include "settings/windowSettings.h"

#include <QAction>
#include <QFileOpenEvent>
#include <QIcon>
#include <algorithm>

namespace {
// The program's own windows; menus, tooltips and message boxes are of other window types.
bool isDocumentWindow(const QObject* object) {
    if (!object->isWidgetType())
        return false;
    const auto* widget = static_cast<const QWidget*>(object);
    return widget->isWindow() && widget->windowType() == Qt::Window;
}
} // namespace

App::App(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Morvane Assistant"));
    setApplicationVersion(QStringLiteral("1.0"));
    // Every window shows the icon of the desktop entry. Drawing the SVG needs Qt's SVG plugins;
    // without them the rendering in PNG stands in.
    QIcon icon(QStringLiteral(":/icons/morvane-assistant.svg"));
    icon.addFile(QStringLiteral(":/icons/morvane-assistant-64.png"));
    setWindowIcon(icon);
    // The program keeps running without windows; New Window opens the next one.
    setQuitOnLastWindowClosed(false);

    myMenuBar* menus = myMenuBar::instance();
    windowSettings::setMenuInstaller([menus](QMenuBar* bar) { menus->installInto(bar); });
    installMenuHandlers();

    installEventFilter(this);
    ProjectOpener::setInstance(this);
}

App::~App() {
    ProjectOpener::setInstance(nullptr);
    windowSettings::setMenuInstaller({});
}

App* App::instance() {
    return qobject_cast<App*>(QCoreApplication::instance());
}

void App::installMenuHandlers() {
    myMenuBar* menus = myMenuBar::instance();
    connect(menus->item(QStringLiteral("menuItemAbout")), &QAction::triggered, this,
            &App::_menuItemAbout_Action);
    connect(menus->item(QStringLiteral("menuItemNewWindow")), &QAction::triggered, this,
            &App::_menuItemNewWindow_Action);
    connect(menus->item(QStringLiteral("menuItemCloseWindow")), &QAction::triggered, this,
            &App::_menuItemCloseWindow_Action);
    connect(menus, &myMenuBar::menuAboutToShow, this, &App::EnableMenuItems);
}

void App::openDefaultWindow() {
    windowSettings* window = windowSettings::defaultInstance();
    bringToFront(window);
    updateMenu();
}

void App::startNewProject(const FolderItem& folder, bool newWindow, QWidget* target) {
    windowSettings* window = nullptr;
    if (newWindow) {
        window = new windowSettings();
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        window->activateWindow();
        bringToFront(window);
    } else {
        window = qobject_cast<windowSettings*>(target);
        if (!window)
            window = qobject_cast<windowSettings*>(windowAt(0));
    }

    if (window && FileTypes::instance().accepts(QStringLiteral("Folder"), folder)) {
        auto record = std::make_shared<project>();
        record->name = folder.name();
        record->path = folder.absolutePath();
        window->project = record;
        window->setWindowTitle(QStringLiteral("Settings for ") + record->name);
        window->initProject();
        window->show();
        window->raise();
        window->activateWindow();
        bringToFront(window);
    }
    updateMenu();
}

void App::EnableMenuItems() {
    myMenuBar* menus = myMenuBar::instance();
    menus->item(QStringLiteral("menuItemNewWindow"))->setEnabled(true);
    menus->item(QStringLiteral("menuItemAbout"))->setEnabled(true);
    updateMenu();
}

void App::updateMenu() {
    myMenuBar::instance()
        ->item(QStringLiteral("menuItemCloseWindow"))
        ->setEnabled(windowCount() != 0);
}

void App::OpenDocument(const FolderItem& item) {
    Q_UNUSED(item);
}

void App::_menuItemAbout_Action() {
    windowAbout* about = windowAbout::defaultInstance();
    about->show();
    about->raise();
    about->activateWindow();
    bringToFront(about);
    updateMenu();
}

void App::_menuItemNewWindow_Action() {
    startNewProject(FolderItem(), true, nullptr);
}

void App::_menuItemCloseWindow_Action() {
    if (QWidget* front = windowAt(0))
        front->close();
    updateMenu();
}

std::vector<QWidget*> App::visibleWindows() const {
    std::vector<QWidget*> visible;
    for (const QPointer<QWidget>& window : m_windows)
        if (window && window->isVisible())
            visible.push_back(window);
    return visible;
}

int App::windowCount() const {
    return int(visibleWindows().size());
}

QWidget* App::windowAt(int index) const {
    const std::vector<QWidget*> visible = visibleWindows();
    return index >= 0 && index < int(visible.size()) ? visible[size_t(index)] : nullptr;
}

void App::track(QWidget* window) {
    const auto known = std::find(m_windows.begin(), m_windows.end(), window);
    if (known != m_windows.end())
        return;
    m_windows.emplace_back(window);
    // The menu shortcuts work in every window of the program, also in those without a menu
    // bar of their own.
    window->addActions(myMenuBar::instance()->items());
    connect(window, &QObject::destroyed, this, [this] {
        std::erase_if(m_windows, [](const QPointer<QWidget>& w) { return w.isNull(); });
        updateMenu();
    });
}

void App::bringToFront(QWidget* window) {
    track(window);
    const auto at = std::find(m_windows.begin(), m_windows.end(), window);
    std::rotate(m_windows.begin(), at, at + 1);
}

bool App::event(QEvent* event) {
    if (event->type() == QEvent::FileOpen) {
        OpenDocument(FolderItem(static_cast<QFileOpenEvent*>(event)->file()));
        event->accept();
        return true;
    }
    return QApplication::event(event);
}

bool App::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::WindowActivate:
        if (isDocumentWindow(watched)) {
            bringToFront(static_cast<QWidget*>(watched));
            updateMenu();
        }
        break;
    case QEvent::Hide:
        if (isDocumentWindow(watched))
            updateMenu();
        break;
    default:
        break;
    }
    return QApplication::eventFilter(watched, event);
}
