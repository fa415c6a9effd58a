#include "app/Application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    kpt740::Application program(kpt740::AppEnvironment::Production());
    program.start();
    return QApplication::exec();
}
