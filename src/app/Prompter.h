#pragma once

#include "core/Messages.h"

#include <QString>
#include <deque>
#include <vector>

class QWidget;

namespace kpt740 {

class LanguageText;

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

// One message box as the program asks it.
struct PromptRequest {
    QString title;
    QString text;
    PromptButtons buttons = PromptButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

// One file dialog as the program asks it.
struct FileRequest {
    bool save = false;
    QString title;
    QString directory;
    QString filter;
    QString defaultSuffix;
};

inline const QString kMessageTitle = QStringLiteral("KPT740");

// The one seam through which the program asks the user anything: message boxes, questions and
// file dialogs. Production shows real boxes; tests queue the answers, so no modal box blocks.
class Prompter {
public:
    virtual ~Prompter() = default;

    virtual PromptAnswer ask(QWidget* parent, const PromptRequest& request) = 0;
    // The chosen file, or an empty text when the user cancelled.
    virtual QString fileName(QWidget* parent, const FileRequest& request) = 0;

    void tell(QWidget* parent, const QString& text, MessageIcon icon = MessageIcon::None,
              const QString& title = kMessageTitle);
    PromptAnswer question(QWidget* parent, const QString& text, PromptButtons buttons,
                          MessageIcon icon, const QString& title = kMessageTitle);
};

// QMessageBox and QFileDialog.
class WidgetPrompter final : public Prompter {
public:
    PromptAnswer ask(QWidget* parent, const PromptRequest& request) override;
    QString fileName(QWidget* parent, const FileRequest& request) override;
};

// Answers from queues filled beforehand and keeps every request. With an empty queue a box
// gets its escape answer (OK for an OK-only box, else Cancel, or No for Yes/No) and a file
// dialog is cancelled.
class QueuedPrompter final : public Prompter {
public:
    void queueAnswer(PromptAnswer answer) { m_answers.push_back(answer); }
    void queueFileName(QString name) { m_fileNames.push_back(std::move(name)); }

    PromptAnswer ask(QWidget* parent, const PromptRequest& request) override;
    QString fileName(QWidget* parent, const FileRequest& request) override;

    const std::vector<PromptRequest>& asked() const { return m_asked; }
    const std::vector<FileRequest>& fileRequests() const { return m_fileRequests; }
    std::size_t pendingAnswers() const { return m_answers.size(); }
    void clear();

private:
    std::deque<PromptAnswer> m_answers;
    std::deque<QString> m_fileNames;
    std::vector<PromptRequest> m_asked;
    std::vector<FileRequest> m_fileRequests;
};

// Shows the model's messages as message boxes in the current language.
class PromptMessageSink final : public MessageSink {
public:
    PromptMessageSink(Prompter& prompter, const LanguageText& text, QWidget* parent = nullptr)
        : m_prompter(prompter), m_text(text), m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    void show(const Message& message) override;

private:
    Prompter& m_prompter;
    const LanguageText& m_text;
    QWidget* m_parent;
};

} // namespace kpt740
