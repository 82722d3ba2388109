#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageBox::Hook& hook() {
    static MessageBox::Hook h;
    return h;
}
} // namespace

void MessageBox::setHook(Hook h) { hook() = std::move(h); }

void MessageBox::show(QWidget* parent, const QString& text) {
    if (hook()) {
        hook()(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    box.exec();
}
