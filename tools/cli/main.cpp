#include <QCoreApplication>
#include <QTextStream>

namespace {
const char* const kUsage = R"(Usage: kpt740-cli <command> [options]

The KPT740 Programmer without windows.

Commands come with the configuration model; run "kpt740-cli --help" to list them.
)";
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("kpt740-cli");
    QCoreApplication::setApplicationVersion("1.0.0");
    QTextStream(stdout) << kUsage;
    return 0;
}
