#pragma once

namespace kpt740 {

class AppContext;

// The start-up sequence before the splash, in its order: "." as decimal separator, English,
// fixed defaults, the operating-system check, the settings, the port validation, the settings
// written back, the fresh configuration and the embedded-information defaults.
void RunStartUpSequence(AppContext& context);

// True on the platform that offers a fixed port list instead of enumerating (NT 6.0).
bool UsesFixedPortList(int major, int minor, bool windowsNt);

} // namespace kpt740
