#include "app/GuiLinkPrompts.h"

#include "app/AppContext.h"
#include "app/EmbeddedInfoDialog.h"
#include "app/PasswordDialog.h"
#include "app/ProgressWindow.h"

namespace kpt740 {

GuiLinkPrompts::GuiLinkPrompts(AppContext& context, QWidget* window)
    : m_context(context), m_window(window) {}

GuiLinkPrompts::~GuiLinkPrompts() {
    delete m_progress.data();
}

QString GuiLinkPrompts::textOf(const Message& message) const {
    return QString::fromStdString(m_context.text.resolve(message));
}

QWidget* GuiLinkPrompts::owner() const {
    if (m_progress && m_progress->isVisible()) {
        return m_progress;
    }
    return m_window;
}

void GuiLinkPrompts::showMessage(const Message& message) {
    m_context.prompter().tell(owner(), textOf(message), message.icon);
}

bool GuiLinkPrompts::confirm(const Message& question) {
    return m_context.prompter().question(owner(), textOf(question), PromptButtons::OkCancel,
                                         MessageIcon::Question) == PromptAnswer::Ok;
}

YesNoCancel GuiLinkPrompts::askSaveFirst(const Message& question) {
    switch (m_context.prompter().question(owner(), textOf(question), PromptButtons::YesNoCancel,
                                          MessageIcon::Warning)) {
    case PromptAnswer::Yes:
        return YesNoCancel::Yes;
    case PromptAnswer::No:
        return YesNoCancel::No;
    default:
        return YesNoCancel::Cancel;
    }
}

void GuiLinkPrompts::saveConfiguration() {
    if (m_callbacks.saveConfiguration) {
        m_callbacks.saveConfiguration();
    }
}

bool GuiLinkPrompts::askRetry(const Message& message) {
    return m_context.prompter().question(owner(), textOf(message), PromptButtons::RetryCancel,
                                         message.icon) == PromptAnswer::Retry;
}

std::optional<std::string> GuiLinkPrompts::askPassword(std::string_view enteredPassword) {
    PasswordDialog dialog(enteredPassword, m_context.text, owner());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    // The entered password is the program's, kept for every later exchange.
    m_context.password = dialog.password();
    return m_context.password;
}

void GuiLinkPrompts::showEmbeddedInfo(const EmbeddedInfo& info) {
    EmbeddedInfoDialog dialog(info, m_context.workspace.identity.ProductName, m_context.text,
                              m_context.programFolder() / m_context.helpFile(), m_window);
    dialog.exec();
}

void GuiLinkPrompts::progressOpened(TransferMode, const BuiltInText& title,
                                    const BuiltInText& label) {
    if (!m_progress) {
        m_progress = new ProgressWindow(m_window);
    }
    const int language = m_context.languageIndex();
    const auto shown = [language](const BuiltInText& text) {
        return QString::fromStdString(std::string(text.forLanguage(language)));
    };
    m_progress->begin(shown(title), shown(label));
}

void GuiLinkPrompts::progressChanged(int percent) {
    if (m_progress) {
        m_progress->SetProgressValue(percent);
    }
}

void GuiLinkPrompts::progressClosed() {
    if (m_progress) {
        m_progress->finish();
    }
}

void GuiLinkPrompts::radioIdentified(const RadioIdentity&) {
    if (m_callbacks.radioIdentified) {
        m_callbacks.radioIdentified();
    }
}

void GuiLinkPrompts::configurationReplaced() {
    if (m_callbacks.configurationReplaced) {
        m_callbacks.configurationReplaced();
    }
}

void GuiLinkPrompts::transferFinished(TransferMode mode, bool success) {
    if (m_callbacks.transferFinished) {
        m_callbacks.transferFinished(mode, success);
    }
}

} // namespace kpt740
