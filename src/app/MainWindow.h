#pragma once

#include "app/Prompter.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QAction;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace kpt740 {

class AppContext;
class ChannelGridModel;
class ChannelGridView;
class EmptyGridModel;
class HelpWindow;
class TreeSplitter;

// The program's home: menus, toolbar, the tree of configuration areas, the splitter, the three
// grid slots (grid 0 the channel grid) and the status bar. Commands whose dialogs belong to
// other parts of the program run through virtual hooks named after the command; until a
// dialog exists its hook does nothing.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppContext& context() { return m_context; }

    // Full redraw of the channel list with the title; one row of a grid (grid 0 only).
    void ShowListByData();
    void ReShowGrid(int grid, int row);
    // Rebuilds the tree and the file-dialog filter.
    void LoadShowTree();
    // After a language change: the window's texts, the tree, the channel list and the title.
    void reload();
    // What the language dialog's OK does with the chosen language.
    void changeLanguage(int languageIndex);

    QString titleText() const;
    // The file-dialog filter of the current language ("Data File (*.dat)").
    QString fileFilter() const { return m_fileFilter; }
    // True while the Initialize command runs New.
    bool initializing() const { return m_initializing; }

    // Commands as the tree, the toolbar and the grid start them.
    void treeNodeClicked(const QString& key);
    void toolbarCommand(const QString& key);
    void activateCell(int gridRow, int column);
    void copyChannel(int gridRow);
    void cutChannel(int gridRow);
    void pasteChannel(int gridRow);
    void channelCommand();
    void openModelDialog();
    void openLanguageDialog();
    void initialize();
    void showHelpContents();
    void showAboutBox();
    void setToolbarShown(bool shown);
    void setStatusBarShown(bool shown);

    QTreeWidget* tree() const { return m_tree; }
    TreeSplitter* splitter() const { return m_splitter; }
    ChannelGridView* grid(int index) const { return m_grids[static_cast<std::size_t>(index)]; }
    ChannelGridModel* channelModel() const { return m_channelModel; }
    QStackedWidget* gridStack() const { return m_gridStack; }
    HelpWindow* helpWindow() const { return m_helpWindow; }
    QAction* action(const QString& objectName) const;
    QTreeWidgetItem* treeNode(const QString& key) const;

protected:
    // Hooks of the commands that later parts of the program fill in.
    virtual void newFile() {}
    virtual void openFile() {}
    // True when the configuration was saved.
    virtual bool saveFile() { return false; }
    virtual void saveFileAs() {}
    virtual void printSelection() {}
    virtual void openChannelDialog(int /*position*/) {}
    virtual void openOptionDialog() {}
    virtual void openDtmfDialog() {}
    virtual void openTwoToneDialog() {}
    virtual void openFiveToneDialog() {}
    virtual void openScanDialog() {}
    virtual void openAlertDialog() {}
    virtual void openCommBookDialog() {}
    virtual void readEmbeddedMessage() {}
    virtual void openPortDialog() {}
    virtual void readRadio() {}
    virtual void writeRadio() {}
    virtual void openPasswordDialog() {}
    // Hides the grids' in-place editors before the tree acts.
    virtual void hideGridEditors() {}
    // True while a radio exchange runs: the window then refuses to close.
    virtual bool exchangeRunning() const { return false; }
    // Menus, toolbar, tree and grids: off while an exchange runs without a modal window.
    void setCommandsEnabled(bool enabled);

    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildCentralArea();
    void setUpGrids();
    void loadPlacement();
    void savePlacement();
    void closeOwnedWindows();

    AppContext& m_context;
    std::unique_ptr<MessageSink> m_sink;
    QTreeWidget* m_tree = nullptr;
    TreeSplitter* m_splitter = nullptr;
    QStackedWidget* m_gridStack = nullptr;
    std::array<ChannelGridView*, 3> m_grids{};
    ChannelGridModel* m_channelModel = nullptr;
    EmptyGridModel* m_grid1Model = nullptr;
    EmptyGridModel* m_grid2Model = nullptr;
    QToolBar* m_toolBar = nullptr;
    HelpWindow* m_helpWindow = nullptr;
    QString m_fileFilter;
    bool m_initializing = false;
    bool m_loaded = false;
};

} // namespace kpt740
