#include "app/TreeSplitter.h"

#include "app/Localisation.h"

#include <QMouseEvent>
#include <QSplitterHandle>
#include <algorithm>

namespace kpt740 {

namespace {

// Moves the splitter with the mouse, within the drag bounds of its splitter.
class TreeSplitterHandle final : public QSplitterHandle {
public:
    TreeSplitterHandle(Qt::Orientation orientation, TreeSplitter* parent)
        : QSplitterHandle(orientation, parent), m_splitter(parent) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            m_grabOffset = static_cast<int>(event->position().x());
            m_dragging = true;
        }
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!m_dragging || !(event->buttons() & Qt::LeftButton)) {
            return;
        }
        const int x = m_splitter->mapFromGlobal(event->globalPosition().toPoint()).x();
        moveSplitter(m_splitter->clampDrag(x - m_grabOffset));
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            m_dragging = false;
        }
    }

private:
    TreeSplitter* m_splitter;
    int m_grabOffset = 0;
    bool m_dragging = false;
};

} // namespace

TreeSplitter::TreeSplitter(QWidget* parent) : QSplitter(Qt::Horizontal, parent) {
    setChildrenCollapsible(false);
    setOpaqueResize(true);
}

QSplitterHandle* TreeSplitter::createHandle() {
    return new TreeSplitterHandle(orientation(), this);
}

int TreeSplitter::clampLayout(int pixels) const {
    const int minimum = TwipsToPixels(this, kMinimumTwips);
    const int maximum = std::max(minimum, window()->width() - minimum);
    return std::clamp(pixels, minimum, maximum);
}

int TreeSplitter::clampDrag(int pixels) const {
    const int minimum = TwipsToPixels(this, kMinimumTwips);
    const int maximum = std::max(minimum, window()->width() / 2);
    return std::clamp(pixels, minimum, maximum);
}

int TreeSplitter::position() const {
    return sizes().isEmpty() ? 0 : PixelsToTwips(this, sizes().front());
}

void TreeSplitter::setPosition(int twips) {
    if (count() < 2) {
        return;
    }
    const int tree = clampLayout(TwipsToPixels(this, twips));
    const int total = std::max(0, width() - handleWidth());
    setSizes({tree, std::max(0, total - tree)});
}

} // namespace kpt740
