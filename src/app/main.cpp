#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Morvane Assistant"));
    window.setWindowTitle(QStringLiteral("Untitled Project"));
    window.show();
    return app.exec();
}
