#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/AppContext.h"
#include "app/BuiltInTexts.h"
#include "app/ChannelGridModel.h"
#include "app/ChannelGridView.h"
#include "app/EmptyGridModel.h"
#include "app/HelpWindow.h"
#include "app/LanguageDialog.h"
#include "app/Localisation.h"
#include "app/ModelTypeDialog.h"
#include "app/TreeSplitter.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>
#include <functional>

namespace kpt740 {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kInitialTreeTwips = 2900;
constexpr int kMinimumWindowTwips = 3000;
constexpr int kHeaderRowTwips = 500;
// Column widths of grid 0 in twips; column 6 (signalling relation) is hidden.
constexpr std::array<int, ChannelGridModel::kColumns> kColumnTwips{
    600, 1300, 1300, 1100, 800, 1500, 0, 1200, 1400, 1400, 1500, 600};

// Tree nodes below N0, in their order: key and caption id (0: the fixed caption "CH").
struct TreeNodeDesign {
    const char* key;
    int textId;
};
constexpr std::array<TreeNodeDesign, 8> kTreeNodes{{
    {"N1", 0},
    {"N4", 5021},
    {"N5", 5023},
    {"N6", 5024},
    {"N7", 5025},
    {"N10", 2400},
    {"N8", 5804},
    {"N9", 5028},
}};

// Tree rows with room for glyphs that come from a fallback font (Chinese captions in a font
// face without Chinese characters would otherwise touch each other).
class TreeRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), option.fontMetrics.height() + 4));
        return size;
    }
};

} // namespace

MainWindow::MainWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context),
      m_sink(std::make_unique<PromptMessageSink>(context.prompter(), context.text, this)) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowIcon(QApplication::windowIcon());

    buildMenus();
    buildToolBar();
    buildCentralArea();
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar"));
    setStatusBar(status);
    setMinimumWidth(TwipsToPixels(this, kMinimumWindowTwips));

    // Load, in its order: the signalling items are always there, the window is localised, the
    // bars are checked, the placement applies, the grids are set up, the tree and the list shown.
    for (const char* name : {"MnuDTMF", "Mnu2Tone", "Mnu5Tone"}) {
        action(QString::fromLatin1(name))->setVisible(true);
    }
    LocaliseForm(this, m_context.text);
    action(QStringLiteral("MnuToolbar"))->setChecked(true);
    action(QStringLiteral("MnuStatusBar"))->setChecked(true);
    loadPlacement();
    setUpGrids();
    LoadShowTree();
    ShowListByData();
    m_splitter->setPosition(kInitialTreeTwips);
    m_loaded = true;
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    struct Item {
        const char* name;
        int id;
        QKeySequence shortcut;
        std::function<void()> command;
    };
    struct Menu {
        const char* name;
        int id;
        std::vector<Item> items; // an item without a name is a separator
    };
    const std::vector<Menu> menus{
        {"MenuFile",
         1000,
         {{"MnuNew", 1001, QKeySequence(Qt::CTRL | Qt::Key_N), [this] { newFile(); }},
          {"MnuOpen", 1002, QKeySequence(Qt::CTRL | Qt::Key_O), [this] { openFile(); }},
          {"MnuSave", 1003, QKeySequence(Qt::CTRL | Qt::Key_S), [this] { saveFile(); }},
          {"MnuSaveAs", 1004, {}, [this] { saveFileAs(); }},
          {nullptr, 0, {}, {}},
          {"MnuPrint", 1005, {}, [this] { printSelection(); }},
          {nullptr, 0, {}, {}},
          {"MnuExit", 1006, {}, [this] { close(); }}}},
        {"MenuModel", 1060, {{"MnuModel", 1061, {}, [this] { openModelDialog(); }}}},
        {"MenuEdit",
         1010,
         {{"MnuChannel", 1011, {}, [this] { channelCommand(); }},
          {"MnuOption", 1021, {}, [this] { openOptionDialog(); }},
          {"MnuHidden", 1022, {}, {}},
          {"MnuDTMF", 1023, {}, [this] { openDtmfDialog(); }},
          {"Mnu2Tone", 1024, {}, [this] { openTwoToneDialog(); }},
          {"Mnu5Tone", 1025, {}, [this] { openFiveToneDialog(); }},
          {"MnuScan", 2401, {}, [this] { openScanDialog(); }},
          {"MnuAlert", 2601, {}, [this] { openAlertDialog(); }},
          {"MnuCommBook", 1804, {}, [this] { openCommBookDialog(); }},
          {"MnuEMg", 1028, {}, [this] { readEmbeddedMessage(); }}}},
        {"MenuSettings",
         1030,
         {{"MnuPort", 1031, {}, [this] { openPortDialog(); }},
          {"MnuLanguage", 1032, {}, [this] { openLanguageDialog(); }},
          {"MnuInitialize", 1033, {}, [this] { initialize(); }}}},
        {"MenuProgram",
         1040,
         {{"MnuRead", 1041, {}, [this] { readRadio(); }},
          {"MnuWrite", 1042, {}, [this] { writeRadio(); }},
          {"MnuPassword", 1043, {}, [this] { openPasswordDialog(); }}}},
        {"MenuView", 1020, {{"MnuToolbar", 1026, {}, {}}, {"MnuStatusBar", 1027, {}, {}}}},
        {"MenuHelp",
         1050,
         {{"MnuContents", 1051, {}, [this] { showHelpContents(); }},
          {"MnuAbout", 1052, {}, [this] { showAboutBox(); }}}},
    };

    menuBar()->setObjectName(QStringLiteral("MenuBar"));
    for (const Menu& design : menus) {
        // The design carries the text ids as captions; localisation moves them into the tags.
        QMenu* menu = menuBar()->addMenu(QString::number(design.id));
        menu->setObjectName(QString::fromLatin1(design.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(design.name) +
                                          QStringLiteral("Action"));
        for (const Item& item : design.items) {
            if (item.name == nullptr) {
                menu->addSeparator();
                continue;
            }
            QAction* entry = menu->addAction(QString::number(item.id));
            entry->setObjectName(QString::fromLatin1(item.name));
            if (!item.shortcut.isEmpty()) {
                entry->setShortcut(item.shortcut);
            }
            if (item.command) {
                connect(entry, &QAction::triggered, this, item.command);
            }
        }
    }
    // Never visible: an unused item, and the alert dialog, which the main window does not offer.
    action(QStringLiteral("MnuHidden"))->setVisible(false);
    action(QStringLiteral("MnuAlert"))->setVisible(false);

    QAction* toolbarItem = action(QStringLiteral("MnuToolbar"));
    toolbarItem->setCheckable(true);
    connect(toolbarItem, &QAction::triggered, this, &MainWindow::setToolbarShown);
    QAction* statusItem = action(QStringLiteral("MnuStatusBar"));
    statusItem->setCheckable(true);
    connect(statusItem, &QAction::triggered, this, &MainWindow::setStatusBarShown);
}

void MainWindow::buildToolBar() {
    struct Button {
        const char* key;
        int tipId; // 0: no tooltip
        const char* themeIcon;
        QStyle::StandardPixmap fallback;
    };
    const std::vector<Button> buttons{
        {"TNewFile", 1001, "document-new", QStyle::SP_FileIcon},
        {"TOpenFile", 1002, "document-open", QStyle::SP_DialogOpenButton},
        {"TSaveFile", 1003, "document-save", QStyle::SP_DialogSaveButton},
        {nullptr, 0, nullptr, QStyle::SP_CustomBase},
        {"TCommRead", 1041, "go-down", QStyle::SP_ArrowDown},
        {"TCommPort", 0, "preferences-system", QStyle::SP_ComputerIcon},
        {"TCommWrite", 1042, "go-up", QStyle::SP_ArrowUp},
        {nullptr, 0, nullptr, QStyle::SP_CustomBase},
        {"TAbout", 1052, "help-about", QStyle::SP_MessageBoxInformation},
    };
    m_toolBar = addToolBar(QStringLiteral("ToolBar"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_toolBar->toggleViewAction()->setVisible(false);
    for (const Button& button : buttons) {
        if (button.key == nullptr) {
            m_toolBar->addSeparator();
            continue;
        }
        const QIcon icon = QIcon::fromTheme(QString::fromLatin1(button.themeIcon),
                                            style()->standardIcon(button.fallback));
        QAction* entry = m_toolBar->addAction(icon, QString());
        entry->setObjectName(QString::fromLatin1(button.key));
        if (button.tipId != 0) {
            SetTipId(entry, button.tipId);
        }
    }
    // A button is known by its key; keys not in the table do nothing.
    connect(m_toolBar, &QToolBar::actionTriggered, this,
            [this](QAction* entry) { toolbarCommand(entry->objectName()); });
}

void MainWindow::buildCentralArea() {
    m_splitter = new TreeSplitter(this);
    m_splitter->setObjectName(QStringLiteral("Splitter"));

    m_tree = new QTreeWidget(m_splitter);
    m_tree->setObjectName(QStringLiteral("TreeView"));
    m_tree->setHeaderHidden(true);
    m_tree->setMinimumWidth(TwipsToPixels(this, TreeSplitter::kMinimumTwips));
    m_tree->setRootIsDecorated(true);
    m_tree->setItemDelegate(new TreeRowDelegate(m_tree));
    connect(m_tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { treeNodeClicked(item->data(0, kKeyRole).toString()); });

    m_gridStack = new QStackedWidget(m_splitter);
    m_gridStack->setObjectName(QStringLiteral("GridStack"));
    m_gridStack->setMinimumWidth(0);
    for (std::size_t i = 0; i < m_grids.size(); ++i) {
        m_grids[i] = new ChannelGridView(m_gridStack);
        m_grids[i]->setObjectName(QStringLiteral("Grid%1").arg(i));
        m_grids[i]->setMinimumWidth(0);
        m_gridStack->addWidget(m_grids[i]);
    }
    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(m_gridStack);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setHandleWidth(std::max(3, TwipsToPixels(this, 40)));
    setCentralWidget(m_splitter);

    ChannelGridView* grid0 = m_grids[0];
    connect(grid0, &ChannelGridView::cellActivated, this, &MainWindow::activateCell);
    connect(grid0, &ChannelGridView::copyRequested, this, &MainWindow::copyChannel);
    connect(grid0, &ChannelGridView::cutRequested, this, &MainWindow::cutChannel);
    connect(grid0, &ChannelGridView::pasteRequested, this, &MainWindow::pasteChannel);
}

void MainWindow::setUpGrids() {
    m_channelModel = new ChannelGridModel(m_context.workspace, m_context.text, *m_sink, this);
    m_grid1Model = new EmptyGridModel(130, 3, this);
    m_grid2Model = new EmptyGridModel(101, 2, this);
    m_grids[0]->setModel(m_channelModel);
    m_grids[1]->setModel(m_grid1Model);
    m_grids[2]->setModel(m_grid2Model);

    const int headerHeight = TwipsToPixels(this, kHeaderRowTwips);
    const int rowHeight = fontMetrics().height() + 4;
    for (ChannelGridView* grid : m_grids) {
        grid->horizontalHeader()->setFixedHeight(headerHeight);
        grid->verticalHeader()->setDefaultSectionSize(rowHeight);
        grid->verticalHeader()->setMinimumSectionSize(rowHeight);
    }
    for (int column = 0; column < ChannelGridModel::kColumns; ++column) {
        const int twips = kColumnTwips[static_cast<std::size_t>(column)];
        m_grids[0]->setColumnWidth(column, TwipsToPixels(this, twips));
    }
    m_grids[0]->setColumnHidden(ChannelGridModel::kHiddenColumn, true);
    // The empty last column takes the room left over, so the grid reaches the window's edge.
    for (ChannelGridView* grid : m_grids) {
        grid->horizontalHeader()->setStretchLastSection(true);
    }
    for (int column = 0; column < 3; ++column) {
        m_grids[1]->setColumnWidth(column, TwipsToPixels(this, 1500));
        m_grids[2]->setColumnWidth(column, TwipsToPixels(this, column == 0 ? 600 : 1500));
    }
    m_gridStack->setCurrentIndex(0);
}

QAction* MainWindow::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

QTreeWidgetItem* MainWindow::treeNode(const QString& key) const {
    const auto found =
        m_tree->findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive);
    for (QTreeWidgetItem* item : found) {
        if (item->data(0, kKeyRole).toString() == key) {
            return item;
        }
    }
    return nullptr;
}

QString MainWindow::titleText() const {
    const Workspace& workspace = m_context.workspace;
    return QStringLiteral("KPT740[%1:%2][%3:%4]")
        .arg(QString::fromStdString(workspace.identity.ProductName),
             QString::fromStdString(workspace.identity.BandText), OtherText(m_context.text, 2012),
             QString::fromStdString(workspace.ConfigFileName));
}

void MainWindow::ShowListByData() {
    setWindowTitle(titleText());
    m_grid2Model->setHeaders({QStringLiteral("ID"), OtherText(m_context.text, 1101)});
    m_channelModel->ShowListByData();
}

void MainWindow::ReShowGrid(int grid, int row) {
    if (grid == 0) {
        m_channelModel->ReShowGrid(row);
    }
}

void MainWindow::LoadShowTree() {
    m_fileFilter = BuiltIn(m_context.text, builtin::kDataFile) + QStringLiteral(" (*.dat)");
    m_tree->clear();
    auto* root = new QTreeWidgetItem(m_tree);
    root->setText(0, QString::fromStdString(m_context.workspace.identity.ProductName));
    root->setData(0, kKeyRole, QStringLiteral("N0"));
    for (const TreeNodeDesign& design : kTreeNodes) {
        auto* node = new QTreeWidgetItem(root);
        node->setText(0, design.textId == 0 ? QStringLiteral("CH")
                                            : OtherText(m_context.text, design.textId));
        node->setData(0, kKeyRole, QString::fromLatin1(design.key));
    }
    root->setExpanded(true);
}

void MainWindow::reload() {
    LocaliseForm(this, m_context.text);
    LoadShowTree();
    ShowListByData();
}

void MainWindow::changeLanguage(int languageIndex) {
    m_context.setLanguage(languageIndex);
    reload();
}

void MainWindow::treeNodeClicked(const QString& key) {
    hideGridEditors();
    if (key == QStringLiteral("N1")) {
        m_gridStack->setCurrentIndex(0);
    } else if (key == QStringLiteral("N4")) {
        openOptionDialog();
    } else if (key == QStringLiteral("N5")) {
        openDtmfDialog();
    } else if (key == QStringLiteral("N6")) {
        openTwoToneDialog();
    } else if (key == QStringLiteral("N7")) {
        openFiveToneDialog();
    } else if (key == QStringLiteral("N10")) {
        openScanDialog();
    } else if (key == QStringLiteral("N8")) {
        openCommBookDialog();
    } else if (key == QStringLiteral("N9")) {
        readEmbeddedMessage();
    }
}

void MainWindow::toolbarCommand(const QString& key) {
    // A command that fails here is abandoned without a report, as the toolbar always did.
    try {
        if (key == QStringLiteral("TNewFile")) {
            newFile();
        } else if (key == QStringLiteral("TOpenFile")) {
            openFile();
        } else if (key == QStringLiteral("TSaveFile")) {
            saveFile();
        } else if (key == QStringLiteral("TCommRead")) {
            readRadio();
        } else if (key == QStringLiteral("TCommPort")) {
            openPortDialog();
        } else if (key == QStringLiteral("TCommWrite")) {
            writeRadio();
        } else if (key == QStringLiteral("TAbout")) {
            showAboutBox();
        }
    } catch (const std::exception&) {
    }
}

void MainWindow::activateCell(int gridRow, int column) {
    if (!m_loaded || gridRow <= 0 || column <= 0) {
        return;
    }
    m_context.selectedRow = gridRow;
    m_context.selectedColumn = column;
    openChannelDialog(gridRow);
}

void MainWindow::channelCommand() {
    activateCell(m_grids[0]->currentGridRow(), m_grids[0]->currentGridColumn());
}

void MainWindow::copyChannel(int gridRow) {
    if (!m_loaded) {
        return;
    }
    m_context.workspace.clipboardFilled[0] = true;
    m_context.channelClipboard.CopyChannel(m_context.workspace.working.Channels, gridRow);
}

void MainWindow::cutChannel(int gridRow) {
    if (!m_loaded) {
        return;
    }
    m_context.workspace.clipboardFilled[0] = true;
    m_context.channelClipboard.CutChannel(m_context.workspace.working.Channels, gridRow);
    ReShowGrid(0, gridRow);
}

void MainWindow::pasteChannel(int gridRow) {
    if (!m_loaded || !m_context.workspace.clipboardFilled[0]) {
        return;
    }
    m_context.channelClipboard.PasteChannel(m_context.workspace.working.Channels, gridRow);
    ReShowGrid(0, gridRow);
}

void MainWindow::openModelDialog() {
    ModelTypeDialog dialog(m_context.workspace, m_context.text, m_context.prompter(), this);
    dialog.exec();
    if (dialog.bandChanged()) {
        ShowListByData();
    }
}

void MainWindow::openLanguageDialog() {
    LanguageDialog dialog(m_context.text, m_context.languageIndex(), this);
    if (dialog.exec() == QDialog::Accepted) {
        changeLanguage(dialog.chosenLanguage());
    }
}

void MainWindow::initialize() {
    m_initializing = true;
    newFile();
    m_initializing = false;
}

void MainWindow::showHelpContents() {
    if (m_helpWindow == nullptr) {
        m_helpWindow = new HelpWindow(this);
    }
    m_helpWindow->showPage(m_context.programFolder() / m_context.helpFile());
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void MainWindow::showAboutBox() {
    AboutDialog dialog(m_context, this);
    dialog.exec();
}

void MainWindow::setToolbarShown(bool shown) {
    action(QStringLiteral("MnuToolbar"))->setChecked(shown);
    m_toolBar->setVisible(shown);
}

void MainWindow::setStatusBarShown(bool shown) {
    action(QStringLiteral("MnuStatusBar"))->setChecked(shown);
    statusBar()->setVisible(shown);
}

void MainWindow::loadPlacement() {
    const std::unique_ptr<QSettings> store = m_context.placementStore();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen != nullptr ? screen->size() : QSize(1024, 768);
    const auto twips = [&](const char* key, int fallbackPixels) {
        bool ok = false;
        const int value = store->value(QStringLiteral("Settings/%1").arg(QLatin1String(key)))
                              .toString()
                              .toInt(&ok);
        return ok ? TwipsToPixels(this, value) : fallbackPixels;
    };
    const int left = twips("MainLeft", 0);
    const int top = twips("MainTop", 0);
    const int width = twips("MainWidth", screenSize.width());
    const int height = twips("MainHeight", screenSize.height());
    move(left, top);
    resize(std::max(width, minimumWidth()), std::max(height, 1));
}

void MainWindow::savePlacement() {
    const std::unique_ptr<QSettings> store = m_context.placementStore();
    const QRect frame = frameGeometry();
    store->beginGroup(QStringLiteral("Settings"));
    store->setValue(QStringLiteral("MainLeft"), QString::number(PixelsToTwips(this, frame.x())));
    store->setValue(QStringLiteral("MainTop"), QString::number(PixelsToTwips(this, frame.y())));
    store->setValue(QStringLiteral("MainWidth"),
                    QString::number(PixelsToTwips(this, frame.width())));
    store->setValue(QStringLiteral("MainHeight"),
                    QString::number(PixelsToTwips(this, frame.height())));
    store->endGroup();
    store->sync();
}

void MainWindow::closeOwnedWindows() {
    const QList<QWidget*> children = findChildren<QWidget*>();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        QWidget* child = *it;
        if (child->isWindow() && child->isVisible()) {
            child->close();
        }
    }
}

void MainWindow::setCommandsEnabled(bool enabled) {
    menuBar()->setEnabled(enabled);
    m_toolBar->setEnabled(enabled);
    m_splitter->setEnabled(enabled);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The link owns the port and the half-read image: it ends its exchange first.
    if (exchangeRunning()) {
        event->ignore();
        return;
    }
    // Closing used to drop every unsaved edit without a word: ask first, as Read and New do.
    if (m_context.workspace.IsModified()) {
        const PromptAnswer answer =
            m_context.prompter().question(this, QString::fromStdString(m_context.text.msg(9001)),
                                          PromptButtons::YesNoCancel, MessageIcon::Warning);
        if (answer == PromptAnswer::Cancel || (answer == PromptAnswer::Yes && !saveFile())) {
            event->ignore();
            return;
        }
    }
    closeOwnedWindows();
    if (!isMinimized()) {
        savePlacement();
    }
    m_context.decimalSeparator.restore();
    event->accept();
}

} // namespace kpt740
