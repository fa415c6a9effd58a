#pragma once

#include <QSplitter>

namespace kpt740 {

// The splitter between the tree and the grids. The tree keeps at least 30 twips; a drag stops
// at half the window's width; a position set by the layout stops 30 twips short of the window's
// right edge.
class TreeSplitter final : public QSplitter {
    Q_OBJECT
public:
    static constexpr int kMinimumTwips = 30;

    explicit TreeSplitter(QWidget* parent = nullptr);

    // The tree's width in twips, and the layout with a given splitter position.
    int position() const;
    void setPosition(int twips);

    // The bounds in pixels: a layout position, and a position reached by dragging.
    int clampLayout(int pixels) const;
    int clampDrag(int pixels) const;

protected:
    QSplitterHandle* createHandle() override;
};

} // namespace kpt740
