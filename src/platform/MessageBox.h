#pragma once

#include <QString>
#include <functional>

class QWidget;

// The program's one way to show a modal message. Tests install a hook that answers instead
// of a dialog, so no test ever waits on a window it cannot see.
class MessageBox {
public:
    // Shows the message and returns when the user has dismissed it.
    static void show(QWidget* parent, const QString& text);

    // Called instead of showing a dialog while set; pass an empty function to remove it.
    using Hook = std::function<void(const QString& text)>;
    static void setHook(Hook hook);
};
