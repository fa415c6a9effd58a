#include "CliCommands.h"
#include "app/ProgramFolder.h"

#include <QApplication>
#include <QCoreApplication>
#include <iostream>
#include <memory>

int main(int argc, char* argv[]) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    // The report loads the program's dialogs without showing them and lays out its pages with
    // fonts: only that command starts the widgets, on no display unless one is chosen.
    std::unique_ptr<QCoreApplication> app;
    if (kpt740::cli::NeedsWidgets(args)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName("kpt740-cli");
    QCoreApplication::setApplicationVersion("1.0.0");
    // The program folder as the GUI finds it: beside this program, else the installed data
    // folder, else (in the build tree) the GUI's folder.
    const std::filesystem::path own = QCoreApplication::applicationDirPath().toStdString();
    std::filesystem::path folder = kpt740::LocateProgramFolder(own, KPT740_CLI_DATA_RELATIVE);
    if (folder == own) {
        folder = kpt740::LocateProgramFolder(own, KPT740_CLI_BUILD_RELATIVE);
    }
    return kpt740::cli::Run(args, folder, std::cout, std::cerr);
}
