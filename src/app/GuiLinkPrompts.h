#pragma once

#include "app/ProgressWindow.h"
#include "link/LinkPrompts.h"

#include <QPointer>
#include <functional>

class QWidget;

namespace kpt740 {

class AppContext;

// What the radio link asks of the user and tells the windows, with the program's real windows:
// message boxes and questions through the prompter, the password dialog, the modal progress
// window and the embedded-message window. What follows on the main window (saving, redrawing,
// the end of an exchange) is handed to the callbacks it sets.
class GuiLinkPrompts final : public LinkPrompts {
public:
    struct Callbacks {
        std::function<void()> saveConfiguration;
        std::function<void()> configurationReplaced;
        std::function<void()> radioIdentified;
        std::function<void(TransferMode, bool)> transferFinished;
    };

    GuiLinkPrompts(AppContext& context, QWidget* window);
    ~GuiLinkPrompts() override;
    GuiLinkPrompts(const GuiLinkPrompts&) = delete;
    GuiLinkPrompts& operator=(const GuiLinkPrompts&) = delete;

    void setCallbacks(Callbacks callbacks) { m_callbacks = std::move(callbacks); }
    // The progress window, created at the first read or write.
    ProgressWindow* progressWindow() const { return m_progress; }

    void showMessage(const Message& message) override;
    bool confirm(const Message& question) override;
    YesNoCancel askSaveFirst(const Message& question) override;
    void saveConfiguration() override;
    bool askRetry(const Message& message) override;
    std::optional<std::string> askPassword(std::string_view enteredPassword) override;
    void showEmbeddedInfo(const EmbeddedInfo& info) override;

    void progressOpened(TransferMode mode, const BuiltInText& title,
                        const BuiltInText& label) override;
    void progressChanged(int percent) override;
    void progressClosed() override;
    void radioIdentified(const RadioIdentity& radio) override;
    void configurationReplaced() override;
    void transferFinished(TransferMode mode, bool success) override;

private:
    QString textOf(const Message& message) const;
    // The window boxes belong to: the progress window while it is shown.
    QWidget* owner() const;

    AppContext& m_context;
    QWidget* m_window;
    QPointer<ProgressWindow> m_progress;
    Callbacks m_callbacks;
};

} // namespace kpt740
