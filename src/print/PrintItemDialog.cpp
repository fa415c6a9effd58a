#include "print/PrintItemDialog.h"

#include "app/AppContext.h"
#include "app/BuiltInTexts.h"
#include "app/Localisation.h"
#include "print/PrintTexts.h"
#include "print/ReportJob.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace kpt740 {

namespace {

// The print command's own menu text, which also names the dialog.
constexpr int kPrintCommandText = 1005;

} // namespace

bool SystemPrintDialogs::setup(QPrinter& printer, QWidget* parent) {
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool SystemPrintDialogs::print(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void SystemPrintDialogs::preview(QPrinter& printer, QWidget* parent,
                                 const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}

PrintItemDialog::PrintItemDialog(AppContext& context, Prompter& prompter, PrintDialogs& dialogs,
                                 QWidget* parent)
    : QDialog(parent), m_context(context), m_prompter(prompter), m_dialogs(dialogs),
      m_printer(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("FrmPrint"));
    setModal(true);

    auto* items = new QGridLayout;
    for (int i = 0; i < kPrintItemCount; ++i) {
        m_items[static_cast<std::size_t>(i)] = new QCheckBox(this);
        m_items[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("PrintItem%1").arg(i));
        // Two columns of five, read top to bottom.
        items->addWidget(m_items[static_cast<std::size_t>(i)], i % 5, i / 5);
    }
    auto button = [this](const char* name) {
        auto* created = new QPushButton(this);
        created->setObjectName(QLatin1String(name));
        created->setAutoDefault(false);
        return created;
    };
    m_selectAll = button("CommandSelectAll");
    m_clearAll = button("CommandClearAll");
    m_setup = button("CommandSetup");
    m_preview = button("CommandPreview");
    m_exportPdf = button("CommandExportPdf");
    m_ok = button("CommandOK");
    m_ok->setDefault(true);
    m_cancel = button("CommandCancel");

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_selectAll, m_clearAll, m_setup, m_preview, m_exportPdf}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(items, 1);
    layout->addLayout(buttons);

    connect(m_selectAll, &QPushButton::clicked, this, [this] { setAll(true); });
    connect(m_clearAll, &QPushButton::clicked, this, [this] { setAll(false); });
    // Cancelling the printer setup is no error: the printer keeps its settings.
    connect(m_setup, &QPushButton::clicked, this, [this] { m_dialogs.setup(m_printer, this); });
    connect(m_preview, &QPushButton::clicked, this, &PrintItemDialog::previewReport);
    connect(m_exportPdf, &QPushButton::clicked, this, &PrintItemDialog::exportPdf);
    connect(m_ok, &QPushButton::clicked, this, &PrintItemDialog::printReport);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    localise();
}

void PrintItemDialog::localise() {
    const LanguageText& text = m_context.text;
    LocaliseForm(this, text);
    setWindowTitle(OtherText(text, kPrintCommandText).remove(QLatin1Char('&')));
    for (int i = 0; i < kPrintItemCount; ++i) {
        m_items[static_cast<std::size_t>(i)]->setText(
            PrintItemCaption(m_context, static_cast<PrintItem>(i)));
    }
    m_selectAll->setText(BuiltIn(text, builtin::kSelectAll));
    m_clearAll->setText(BuiltIn(text, builtin::kClearAllItems));
    m_setup->setText(BuiltIn(text, builtin::kPrinterSetup));
    m_preview->setText(BuiltIn(text, builtin::kPrintPreview));
    m_exportPdf->setText(BuiltIn(text, builtin::kExportPdf));
    m_ok->setText(BuiltIn(text, builtin::kPrintOk));
    m_cancel->setText(BuiltIn(text, builtin::kPrintCancel));
}

PrintSelection PrintItemDialog::ticked() const {
    PrintSelection selection{};
    for (std::size_t i = 0; i < selection.size(); ++i) {
        selection[i] = m_items[i]->isChecked();
    }
    return selection;
}

void PrintItemDialog::setAll(bool ticked) {
    for (QCheckBox* item : m_items) {
        item->setChecked(ticked);
    }
}

bool PrintItemDialog::takeSelection() {
    const PrintSelection now = ticked();
    if (std::find(now.begin(), now.end(), true) == now.end()) {
        m_prompter.tell(this, BuiltIn(m_context.text, builtin::kSelectPrintItems),
                        MessageIcon::Warning);
        return false;
    }
    m_selection = now;
    return true;
}

ReportDocument PrintItemDialog::collect() {
    return CollectReportDocument(m_context, m_prompter, m_selection);
}

void PrintItemDialog::printReport() {
    if (!takeSelection() || !m_dialogs.print(m_printer, this)) {
        return;
    }
    // Only items 1 and 2 ticked: the job runs to its end without a page.
    if (!ReportPrinter(m_clock).print(m_printer, collect())) {
        m_prompter.tell(this, BuiltIn(m_context.text, builtin::kPrintFailed), MessageIcon::Warning);
        return;
    }
    accept();
}

void PrintItemDialog::previewReport() {
    if (!takeSelection()) {
        return;
    }
    const ReportDocument document = collect();
    const ReportPrinter printer(m_clock);
    m_dialogs.preview(m_printer, this, [&](QPrinter& target) { printer.print(target, document); });
}

void PrintItemDialog::exportPdf() {
    if (!takeSelection()) {
        return;
    }
    const ReportDocument document = collect();
    if (document.sections.empty()) {
        // No empty file that looks like a report.
        m_prompter.tell(this, BuiltIn(m_context.text, builtin::kNothingToPrint),
                        MessageIcon::Warning);
        return;
    }
    const QString path = m_prompter.fileName(
        this, FileRequest{true,
                          BuiltIn(m_context.text, builtin::kExportPdf).remove(QLatin1Char('&')),
                          {},
                          BuiltIn(m_context.text, builtin::kPdfFilter),
                          QStringLiteral("pdf")});
    if (path.isEmpty()) {
        return;
    }
    if (!PrintReportToPdf(ReportPrinter(m_clock), document, path)) {
        m_prompter.tell(this, BuiltIn(m_context.text, builtin::kPdfFailed), MessageIcon::Warning);
    }
}

void OpenPrintItemDialog(QWidget* parent, AppContext& context, Prompter& prompter) {
    SystemPrintDialogs dialogs;
    PrintItemDialog dialog(context, prompter, dialogs, parent);
    dialog.exec();
}

} // namespace kpt740
