#include "app/Prompter.h"

#include "text/LanguageText.h"

#include <QFileDialog>
#include <QMessageBox>

namespace kpt740 {

namespace {

QMessageBox::StandardButtons ButtonsOf(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    default:
        return QMessageBox::NoIcon;
    }
}

PromptAnswer EscapeAnswer(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::Ok:
        return PromptAnswer::Ok;
    case PromptButtons::YesNo:
        return PromptAnswer::No;
    default:
        return PromptAnswer::Cancel;
    }
}

} // namespace

void Prompter::tell(QWidget* parent, const QString& text, MessageIcon icon, const QString& title) {
    ask(parent, PromptRequest{title, text, PromptButtons::Ok, icon});
}

PromptAnswer Prompter::question(QWidget* parent, const QString& text, PromptButtons buttons,
                                MessageIcon icon, const QString& title) {
    return ask(parent, PromptRequest{title, text, buttons, icon});
}

PromptAnswer WidgetPrompter::ask(QWidget* parent, const PromptRequest& request) {
    QMessageBox box(IconOf(request.icon), request.title, request.text, ButtonsOf(request.buttons),
                    parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    switch (box.exec()) {
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Retry:
        return PromptAnswer::Retry;
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    default:
        return EscapeAnswer(request.buttons);
    }
}

QString WidgetPrompter::fileName(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, request.title, request.directory, request.filter);
    dialog.setObjectName(QStringLiteral("FileDialog"));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultSuffix.isEmpty()) {
        dialog.setDefaultSuffix(request.defaultSuffix);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

PromptAnswer QueuedPrompter::ask(QWidget*, const PromptRequest& request) {
    m_asked.push_back(request);
    if (m_answers.empty()) {
        return EscapeAnswer(request.buttons);
    }
    const PromptAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

QString QueuedPrompter::fileName(QWidget*, const FileRequest& request) {
    m_fileRequests.push_back(request);
    if (m_fileNames.empty()) {
        return {};
    }
    QString name = m_fileNames.front();
    m_fileNames.pop_front();
    return name;
}

void QueuedPrompter::clear() {
    m_answers.clear();
    m_fileNames.clear();
    m_asked.clear();
    m_fileRequests.clear();
}

void PromptMessageSink::show(const Message& message) {
    m_prompter.tell(m_parent, QString::fromStdString(m_text.resolve(message)), message.icon);
}

} // namespace kpt740
