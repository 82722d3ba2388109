#include "app/App.h"
#include "app/FileTypes.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    try {
        FileTypes::instance();
        App app(argc, argv);
        app.openDefaultWindow();
        return app.exec();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "Morvane Assistant: %s\n", failure.what());
        return 1;
    }
}
