#include "features/fivetone/FiveToneCodeListModel.h"

#include "app/Localisation.h"
#include "features/fivetone/FiveToneStandards.h"
#include "features/fivetone/FiveToneTextBox.h"

#include <QColor>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace kpt740 {

namespace {

constexpr int kCodeCount = static_cast<int>(kFiveToneListCodeCount);
constexpr int kCodeBoxLength = 40;
constexpr int kNameBoxLength = 7;
constexpr std::array<int, kFiveToneCodeListColumns> kColumnTwips = {400,  1200, 4300,
                                                                    1600, 1800, 1050};
constexpr int kHeaderTwips = 500;
constexpr char kRowProperty[] = "codeRow";
constexpr char kColumnProperty[] = "codeColumn";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString& CellOf(const FiveToneCodeRow& row, int column, QString& scratch) {
    switch (column) {
    case 1:
        scratch = Q(row.kind);
        break;
    case kFiveToneCodeColumn:
        scratch = Q(row.code);
        break;
    case kFiveToneStandardColumn:
        scratch = Q(row.standard);
        break;
    case kFiveToneDurationColumn:
        scratch = Q(row.duration);
        break;
    case kFiveToneNameColumn:
        scratch = Q(row.name);
        break;
    default:
        scratch.clear();
        break;
    }
    return scratch;
}

} // namespace

FiveToneCodeListModel::FiveToneCodeListModel(FiveToneSettings& working,
                                             std::function<std::string()> ownId,
                                             FiveToneRowTexts texts, QStringList headers,
                                             QObject* parent)
    : QAbstractTableModel(parent), m_working(working), m_ownId(std::move(ownId)),
      m_texts(std::move(texts)), m_headers(std::move(headers)) {}

int FiveToneCodeListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kCodeCount;
}

int FiveToneCodeListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFiveToneCodeListColumns;
}

QVariant FiveToneCodeListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= kCodeCount) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        if (index.column() == 0) {
            return QString::number(index.row());
        }
        QString text;
        return CellOf(row(index.row()), index.column(), text);
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignCenter);
    case Qt::ForegroundRole:
        if (index.column() == 0) {
            return QColor(0, 0, 255);
        }
        return {};
    default:
        return {};
    }
}

QVariant FiveToneCodeListModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headers.size()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (role) {
    case Qt::DisplayRole:
        return m_headers.at(section);
    case Qt::ForegroundRole:
        return QColor(0, 0, 155);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignCenter);
    default:
        return {};
    }
}

Qt::ItemFlags FiveToneCodeListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    // The number and kind columns are fixed, like a grid's fixed columns.
    if (index.column() < kFiveToneCodeColumn) {
        return Qt::ItemIsEnabled;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (CodeCellOpensEditor(row(index.row()), index.column())) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool FiveToneCodeListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() < kFiveToneCodeColumn) {
        return false;
    }
    const auto code = static_cast<std::size_t>(index.row());
    FiveToneCodeRow& cells = m_rows.at(code);
    FiveToneCode& stored = m_working.codes.at(code);
    const std::string text = value.toString().toStdString();
    switch (index.column()) {
    case kFiveToneCodeColumn:
        cells.code = CommitCodeCell(text, m_ownId(), stored);
        break;
    case kFiveToneStandardColumn:
        CommitStandardCell(value.toInt(), cells, stored);
        break;
    case kFiveToneDurationColumn:
        CommitDurationCell(text, cells, stored);
        break;
    default:
        CommitNameCell(text, cells, stored);
        break;
    }
    rowChanged(index.row());
    return true;
}

void FiveToneCodeListModel::showRows() {
    beginResetModel();
    const std::string ownId = m_ownId();
    for (std::size_t code = 0; code < m_rows.size(); ++code) {
        m_rows[code] = ShowCodeRow(m_working.codes[code], ownId, m_texts);
    }
    endResetModel();
}

void FiveToneCodeListModel::saveRows() {
    const std::string ownId = m_ownId();
    for (std::size_t code = 0; code < m_rows.size(); ++code) {
        SaveCodeRow(m_rows[code], ownId, m_working.codes[code]);
    }
}

void FiveToneCodeListModel::setDurationCell(int code, const QString& text) {
    if (code < 0 || code >= kCodeCount) {
        return;
    }
    m_rows[static_cast<std::size_t>(code)].duration = text.toStdString();
    // Only this cell: a wider range would reload the standard editor open on the same row.
    const QModelIndex cell = index(code, kFiveToneDurationColumn);
    emit dataChanged(cell, cell);
}

void FiveToneCodeListModel::resetSpecialCall(int code) {
    if (code < 0 || code >= kCodeCount) {
        return;
    }
    FiveToneCode& stored = m_working.codes[static_cast<std::size_t>(code)];
    stored.digitCount = 0;
    stored.digits = "";
    FiveToneCodeRow& cells = m_rows[static_cast<std::size_t>(code)];
    cells.kind.clear();
    cells.code.clear();
    rowChanged(code);
}

void FiveToneCodeListModel::applySpecialCall(int code, FiveToneCallType type, const std::string& id,
                                             char separator, const std::string& message) {
    if (code < 0 || code >= kCodeCount) {
        return;
    }
    ApplySpecialCallToCode(type, id, separator, message, m_ownId(), m_texts,
                           m_working.codes[static_cast<std::size_t>(code)],
                           m_rows[static_cast<std::size_t>(code)]);
    rowChanged(code);
}

std::vector<std::array<QString, kFiveToneCodeListColumns>>
FiveToneCodeListModel::shownRows() const {
    std::vector<std::array<QString, kFiveToneCodeListColumns>> rows;
    for (int r = 0; r < kCodeCount; ++r) {
        std::array<QString, kFiveToneCodeListColumns> cells;
        for (int c = 0; c < kFiveToneCodeListColumns; ++c) {
            cells[static_cast<std::size_t>(c)] = data(index(r, c), Qt::DisplayRole).toString();
        }
        rows.push_back(cells);
    }
    return rows;
}

void FiveToneCodeListModel::rowChanged(int code) {
    emit dataChanged(index(code, 0), index(code, kFiveToneCodeListColumns - 1));
}

// ---- Delegate -------------------------------------------------------------------------------

QWidget* FiveToneCodeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const {
    QWidget* editor = nullptr;
    switch (index.column()) {
    case kFiveToneCodeColumn: {
        auto* box = new FiveToneTextBox(&FiveToneHexDigitKey, kCodeBoxLength, parent);
        box->setEnterMovesFocus(false);
        box->setObjectName(QStringLiteral("CodeEditor"));
        editor = box;
        break;
    }
    case kFiveToneStandardColumn: {
        auto* list = new QComboBox(parent);
        list->setObjectName(QStringLiteral("StandardEditor"));
        for (const std::string_view name : FiveToneStandardNames()) {
            list->addItem(Q(name));
        }
        const int row = index.row();
        // createEditor is const, but the choice is reported by this delegate's own signal.
        auto* self = const_cast<FiveToneCodeDelegate*>(this);
        connect(list, &QComboBox::activated, self,
                [self, row](int standard) { emit self->standardChosen(row, standard); });
        editor = list;
        break;
    }
    case kFiveToneDurationColumn: {
        auto* list = new QComboBox(parent);
        list->setObjectName(QStringLiteral("DurationEditor"));
        for (const std::string_view item : FiveToneDurationItems()) {
            list->addItem(Q(item));
        }
        editor = list;
        break;
    }
    case kFiveToneNameColumn: {
        auto* box = new FiveToneTextBox(&FiveToneCodeNameKey, kNameBoxLength, parent);
        box->setEnterMovesFocus(false);
        box->setObjectName(QStringLiteral("NameEditor"));
        editor = box;
        break;
    }
    default:
        return nullptr;
    }
    editor->setProperty(kRowProperty, index.row());
    editor->setProperty(kColumnProperty, index.column());
    return editor;
}

void FiveToneCodeDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        // An empty or unknown cell opens the list on its first item.
        list->setCurrentIndex(std::max(0, list->findText(text)));
    } else if (auto* box = qobject_cast<QLineEdit*>(editor)) {
        box->setText(text);
        box->selectAll();
    }
}

void FiveToneCodeDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const {
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        if (index.column() == kFiveToneStandardColumn) {
            model->setData(index, list->currentIndex());
        } else {
            model->setData(index, list->currentText());
        }
    } else if (auto* box = qobject_cast<QLineEdit*>(editor)) {
        model->setData(index, box->text());
    }
}

bool FiveToneCodeDelegate::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            const auto* box = qobject_cast<QLineEdit*>(object);
            emit enterPressed(object->property(kRowProperty).toInt(),
                              object->property(kColumnProperty).toInt(),
                              box != nullptr && box->text().isEmpty());
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

// ---- View -----------------------------------------------------------------------------------

FiveToneCodeListView::FiveToneCodeListView(QWidget* parent)
    : QTableView(parent), m_delegate(new FiveToneCodeDelegate(this)) {
    setItemDelegate(m_delegate);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    connect(m_delegate, &FiveToneCodeDelegate::enterPressed, this,
            &FiveToneCodeListView::moveOnEnter);
    // Scrolling takes the editor away from its cell: commit it and hide it.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            &FiveToneCodeListView::commitOpenEditor);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &FiveToneCodeListView::commitOpenEditor);
}

void FiveToneCodeListView::setCodeModel(FiveToneCodeListModel* model) {
    setModel(model);
    for (int column = 0; column < kFiveToneCodeListColumns; ++column) {
        setColumnWidth(column, TwipsToPixels(this, kColumnTwips[static_cast<std::size_t>(column)]));
    }
    horizontalHeader()->setFixedHeight(TwipsToPixels(this, kHeaderTwips));
}

QWidget* FiveToneCodeListView::openEditor() const {
    return m_editIndex.isValid() ? indexWidget(m_editIndex) : nullptr;
}

int FiveToneCodeListView::editRow() const {
    return openEditor() != nullptr ? m_editIndex.row() + 1 : 0;
}

int FiveToneCodeListView::editColumn() const {
    return openEditor() != nullptr ? m_editIndex.column() : 0;
}

void FiveToneCodeListView::commitOpenEditor() {
    if (QWidget* editor = openEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void FiveToneCodeListView::enterCell(const QModelIndex& index) {
    if (currentIndex() != index) {
        setCurrentIndex(index);
    }
    if (openEditor() == nullptr) {
        edit(index, QAbstractItemView::AllEditTriggers, nullptr);
    }
}

bool FiveToneCodeListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool editing = QTableView::edit(index, trigger, event);
    if (editing && indexWidget(index) != nullptr) {
        m_editIndex = index;
        indexWidget(index)->setFocus();
    }
    return editing;
}

void FiveToneCodeListView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor == openEditor()) {
        m_editIndex = QPersistentModelIndex();
    }
    QTableView::closeEditor(editor, hint);
}

void FiveToneCodeListView::moveOnEnter(int row, int column, bool emptyText) {
    const int nextRow = (row + 1) % static_cast<int>(kFiveToneListCodeCount);
    QModelIndex target;
    switch (column) {
    case kFiveToneCodeColumn:
        target = emptyText ? model()->index(nextRow, kFiveToneCodeColumn)
                           : model()->index(row, kFiveToneStandardColumn);
        break;
    case kFiveToneStandardColumn:
        target = model()->index(row, kFiveToneDurationColumn);
        break;
    default:
        // The duration and name editors go on to the code of the next row.
        target = model()->index(nextRow, kFiveToneCodeColumn);
        break;
    }
    setCurrentIndex(target);
}

} // namespace kpt740
