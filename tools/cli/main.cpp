#include "CliCommands.h"

#include <QCoreApplication>
#include <iostream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("kpt740-cli");
    QCoreApplication::setApplicationVersion("1.0.0");
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    const std::filesystem::path folder = QCoreApplication::applicationDirPath().toStdString();
    return kpt740::cli::Run(args, folder, std::cout, std::cerr);
}
