#pragma once

#include "print/ReportPrinter.h"

#include <QDialog>
#include <QPrinter>
#include <array>
#include <functional>

class QCheckBox;
class QPushButton;

namespace kpt740 {

class AppContext;
class Prompter;

// The system's printer dialogs: printer setup, the print dialog and the preview window. The
// print-item dialog reaches them through this seam, so tests never open one.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    // The printer-setup dialog; false when the user cancelled it.
    virtual bool setup(QPrinter& printer, QWidget* parent) = 0;
    // The print dialog; false when the user cancelled it.
    virtual bool print(QPrinter& printer, QWidget* parent) = 0;
    // A preview window whose pages `paint` draws on the printer it is given.
    virtual void preview(QPrinter& printer, QWidget* parent,
                         const std::function<void(QPrinter&)>& paint) = 0;
};

// QPageSetupDialog, QPrintDialog and QPrintPreviewDialog.
class SystemPrintDialogs final : public PrintDialogs {
public:
    bool setup(QPrinter& printer, QWidget* parent) override;
    bool print(QPrinter& printer, QWidget* parent) override;
    void preview(QPrinter& printer, QWidget* parent,
                 const std::function<void(QPrinter&)>& paint) override;
};

// The print-item dialog: the user ticks the parts of the configuration to print, chooses the
// printer and prints, previews the report or exports it as a PDF file. It keeps its ticks
// while it is open.
class PrintItemDialog final : public QDialog {
    Q_OBJECT
public:
    PrintItemDialog(AppContext& context, Prompter& prompter, PrintDialogs& dialogs,
                    QWidget* parent = nullptr);

    // The ticks of the check boxes now, and the flags stored when a report was last started.
    PrintSelection ticked() const;
    const PrintSelection& selection() const { return m_selection; }
    // The date and time the report's pages show (the current time unless a test fixes it).
    void setClock(ReportPrinter::Clock clock) { m_clock = std::move(clock); }
    QPrinter& printer() { return m_printer; }

private:
    void localise();
    void setAll(bool ticked);
    // Stores the ticks; false (after the warning) when nothing is ticked.
    bool takeSelection();
    ReportDocument collect();
    void printReport();
    void previewReport();
    void exportPdf();

    AppContext& m_context;
    Prompter& m_prompter;
    PrintDialogs& m_dialogs;
    QPrinter m_printer;
    ReportPrinter::Clock m_clock;
    PrintSelection m_selection{};

    std::array<QCheckBox*, kPrintItemCount> m_items{};
    QPushButton* m_selectAll = nullptr;
    QPushButton* m_clearAll = nullptr;
    QPushButton* m_setup = nullptr;
    QPushButton* m_preview = nullptr;
    QPushButton* m_exportPdf = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

// Opens the print-item dialog (modal) with the system's printer dialogs.
void OpenPrintItemDialog(QWidget* parent, AppContext& context, Prompter& prompter);

} // namespace kpt740
