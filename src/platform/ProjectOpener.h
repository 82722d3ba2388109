#pragma once

#include "platform/FolderItem.h"

class QWidget;

// Opens project folders in settings windows. The application object provides it; windows
// call it without knowing the application class, so the window libraries stay independent.
class ProjectOpener {
public:
    virtual ~ProjectOpener() = default;

    // Opens `folder` (empty: none) in a new settings window when `newWindow` is true, else in
    // `target`, the settings window that received the drop.
    virtual void startNewProject(const FolderItem& folder, bool newWindow, QWidget* target) = 0;

    // The application's opener; null before the application object exists.
    static ProjectOpener* instance();
    static void setInstance(ProjectOpener* opener);
};
