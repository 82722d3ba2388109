#include "RunArguments.h"

#include <cstring>

RunArguments RunArguments::parse(int argc, char** argv) {
    RunArguments args;
    for (int a = 1; a < argc; ++a) {
        const char* arg = argv[a];
        if (std::strcmp(arg, "--split") == 0) {
            if (++a >= argc) {
                args.problem = QStringLiteral("--split needs a size in kilobytes");
                return args;
            }
            args.options.splitGPX = true;
            args.sizeText = QString::fromLocal8Bit(argv[a]);
            args.options.maxFileSizeKB = ProcessOptions::kilobytesFromText(args.sizeText);
        } else if (std::strcmp(arg, "--rename-gpx") == 0) {
            args.options.renameGPX = true;
        } else if (std::strcmp(arg, "--delete-source") == 0) {
            args.options.deleteSourceGPX = true;
        } else if (std::strcmp(arg, "--rename-prc") == 0) {
            args.options.renamePRC = true;
        } else if (std::strcmp(arg, "--save-log") == 0) {
            args.options.saveLog = true;
        } else if (arg[0] == '-' && arg[1] != '\0') {
            args.problem = QStringLiteral("unknown option ") + QString::fromLocal8Bit(arg);
            return args;
        } else if (args.folder.isEmpty()) {
            args.folder = QString::fromLocal8Bit(arg);
        } else {
            args.problem = QStringLiteral("only one folder, please");
            return args;
        }
    }
    if (args.folder.isEmpty())
        args.problem = QStringLiteral("no folder given");
    return args;
}
