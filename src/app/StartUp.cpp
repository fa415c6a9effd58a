#include "app/StartUp.h"

#include "app/AppContext.h"
#include "app/BuiltInTexts.h"

#include <QString>

namespace kpt740 {

bool UsesFixedPortList(int major, int minor, bool windowsNt) {
    return windowsNt && major == 6 && minor == 0;
}

void RunStartUpSequence(AppContext& context) {
    context.decimalSeparator.useDot(context.environment.userLocale);

    context.setLanguage(kEnglish);

    context.password.clear();
    context.workspace.identity = Identity{};

    if (const auto& os = context.environment.os) {
        context.FixedPortList = UsesFixedPortList(os->major, os->minor, os->windowsNt);
    } else {
        context.prompter().tell(nullptr, QString::fromLatin1(builtin::kUnknownSystem));
        context.FixedPortList = false;
    }

    context.values = context.settings.readAppSettings();

    if (!context.FixedPortList) {
        std::vector<int> listed;
        for (const ListedPort& port : context.ports().ports()) {
            listed.push_back(port.number);
        }
        context.values.comPort = ValidatedPort(context.values.comPort, listed);
    }
    if (context.values.IsFirstRun) {
        context.settings.write(kSettingsSection, "IsFirstRun", "0");
    }
    context.settings.write(kSettingsSection, "comPort", std::to_string(context.values.comPort));

    context.selectedRow = 0;
    context.selectedColumn = 0;
    context.workspace.setOptions(
        WorkspaceOptions{context.programFolder(), context.values.FactoryFres});
    context.workspace.NewConfiguration();
    context.workspace.embedded = DefaultEmbeddedInfo(context.environment.today);
}

} // namespace kpt740
