#pragma once

#include "core/EmbeddedInfo.h"
#include "core/Messages.h"
#include "link/LinkFrames.h"
#include "link/LinkTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace kpt740 {

// Everything the link asks of the user or tells the windows: message boxes, questions, the
// password dialog, the progress window and the outcome. The GUI shows dialogs, the console
// program answers on its own, tests queue answers.
//
// Questions may be modal (run a nested event loop): the engine ignores bytes and timer events
// that arrive while one of its handlers waits for an answer. The notifications must not block.
class LinkPrompts {
public:
    virtual ~LinkPrompts() = default;

    // A plain message box (icon as given).
    virtual void showMessage(const Message& message) = 0;
    // OK/Cancel with a question icon; true for OK.
    virtual bool confirm(const Message& question) = 0;
    // The question whether to save the modified configuration before a read.
    virtual YesNoCancel askSaveFirst(const Message& question) = 0;
    // Runs the Save command of the file layer (after Yes to askSaveFirst).
    virtual void saveConfiguration() = 0;
    // Retry/Cancel; true for Retry.
    virtual bool askRetry(const Message& message) = 0;
    // The password dialog, filled with the entered password; the new text on OK, none on Cancel.
    virtual std::optional<std::string> askPassword(std::string_view enteredPassword) = 0;
    // The embedded-information window, modal; returns when the user has closed it.
    virtual void showEmbeddedInfo(const EmbeddedInfo& info) = 0;

    // The progress window of a read or a write: opened before the handshake, closed at the end.
    virtual void progressOpened(TransferMode /*mode*/, const BuiltInText& /*title*/,
                                const BuiltInText& /*label*/) {}
    virtual void progressChanged(int /*percent*/) {}
    virtual void progressClosed() {}
    // A radio has identified itself (the main window rebuilds its tree).
    virtual void radioIdentified(const RadioIdentity& /*radio*/) {}
    // A read replaced the configuration (grid and title are redrawn).
    virtual void configurationReplaced() {}
    // The exchange has ended and its outcome has been shown; the link is idle again.
    virtual void transferFinished(TransferMode /*mode*/, bool /*success*/) {}
};

} // namespace kpt740
