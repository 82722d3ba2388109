#pragma once

#include "platform/FolderItem.h"
#include "platform/ProjectOpener.h"

#include <QApplication>
#include <QPointer>
#include <vector>

// The application object: opens project folders in settings windows, runs the File menu's
// commands and keeps its windows in the order they were last brought to the front, so that
// "the frontmost window" means the same on every platform, offscreen included.
class App : public QApplication, public ProjectOpener {
    Q_OBJECT
public:
    App(int& argc, char** argv);
    ~App() override;

    // The application object; null before it exists.
    static App* instance();

    // Opens the first, empty settings window.
    void openDefaultWindow();

    // ProjectOpener: opens `folder` in a new settings window or in `target`. An empty item
    // or one that is no folder only provides the window.
    void startNewProject(const FolderItem& folder, bool newWindow, QWidget* target) override;

    // Brings the states of the program's own menu items up to date.
    void EnableMenuItems();
    // Close Window is enabled exactly when a window is open.
    void updateMenu();
    // Requests from the system to open an item are accepted and ignored.
    void OpenDocument(const FolderItem& item);

    void _menuItemAbout_Action();
    void _menuItemNewWindow_Action();
    void _menuItemCloseWindow_Action();

    // The visible windows of the program.
    int windowCount() const;
    // The visible window at `index` from the front (0: the frontmost); null past the end.
    QWidget* windowAt(int index) const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void installMenuHandlers();
    void track(QWidget* window);
    void bringToFront(QWidget* window);
    std::vector<QWidget*> visibleWindows() const;

    // Front first; hidden windows stay in the list and keep their place.
    std::vector<QPointer<QWidget>> m_windows;
};
