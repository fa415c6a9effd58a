#pragma once

#include "features/twotone/TwoToneSettings.h"

#include <QDialog>
#include <QString>
#include <array>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace kpt740 {

class AppContext;
class FilteredLineEdit;
class Prompter;
class TwoToneEntryDelegate;
class TwoToneEntryModel;
class TwoToneEntryView;

// The 2-Tone dialog: timing lists, side tone and the 32-entry grid on the first page; the own
// code's format, the response and the tones A-D on the second. It edits a copy of the record;
// OK stores it, then re-points channels that name an entry no longer in use.
class TwoToneDialog final : public QDialog {
    Q_OBJECT
public:
    TwoToneDialog(AppContext& context, Prompter& prompter, QWidget* parent = nullptr);
    ~TwoToneDialog() override;

    const TwoToneSettings& workingCopy() const { return m_copy; }
    TwoToneEntryView* grid() const { return m_grid; }
    TwoToneEntryModel* gridModel() const { return m_model; }
    // The labels and shown texts of the controls of both pages (timing lists, side tone, then
    // format, response and the tones A-D), for the printed report; the entry grid is not among
    // them (its model gives its rows). The side-tone box gives its caption and the report's
    // ON/OFF text; a disabled tone box still gives what it shows.
    std::vector<std::pair<QString, QString>> shownItems() const;

private:
    void showRecord();
    void enableToneBoxes(int formatPosition);
    void commandOk();

    AppContext& m_context;
    TwoToneSettings m_copy;
    QTabWidget* m_tabs;
    std::array<QComboBox*, 3> m_timeLists{};
    QComboBox* m_time4;
    QComboBox* m_interval;
    QCheckBox* m_sideTone;
    QComboBox* m_format;
    QComboBox* m_response;
    std::array<FilteredLineEdit*, 4> m_toneBoxes{};
    TwoToneEntryModel* m_model;
    TwoToneEntryDelegate* m_delegate;
    TwoToneEntryView* m_grid;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    // Label and control of every row of both pages, in reading order (no label for the check
    // box).
    std::vector<std::pair<QLabel*, QWidget*>> m_shownRows;
};

// Opens the 2-Tone dialog modally; true when OK changed the configuration (the record or a
// channel's entry reference). The caller redraws the channel grid.
bool OpenTwoToneDialog(QWidget* parent, AppContext& context, Prompter& prompter);

} // namespace kpt740
