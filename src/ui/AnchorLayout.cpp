#include "AnchorLayout.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace orvanta {

AnchorLayout::AnchorLayout(QWidget *container, QSize defaultSize)
    : AnchorLayout(container, Growth{container, defaultSize})
{
}

AnchorLayout::AnchorLayout(QWidget *container, Growth growth)
    : QLayout(container)
    , m_growth(growth)
{
    setContentsMargins(0, 0, 0, 0);
}

AnchorLayout::~AnchorLayout()
{
    for (const Placed &placed : m_placed)
        delete placed.item;
}

void AnchorLayout::place(QWidget *widget, const QRect &rect, Edges edges)
{
    addChildWidget(widget);
    m_placed.append({new QWidgetItem(widget), rect, edges});
    invalidate();
}

void AnchorLayout::addItem(QLayoutItem *item)
{
    m_placed.append({item, item->geometry(), TopLeft});
}

QLayoutItem *AnchorLayout::itemAt(int index) const
{
    return index >= 0 && index < m_placed.size() ? m_placed[index].item : nullptr;
}

QLayoutItem *AnchorLayout::takeAt(int index)
{
    return index >= 0 && index < m_placed.size() ? m_placed.takeAt(index).item : nullptr;
}

int AnchorLayout::count() const
{
    return int(m_placed.size());
}

QSize AnchorLayout::sizeHint() const
{
    return minimumSize();
}

QSize AnchorLayout::minimumSize() const
{
    // A page's default size is its tab widget's business.
    return m_growth.measured == parentWidget() ? m_growth.defaultSize : QSize(0, 0);
}

void AnchorLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const QSize grown = m_growth.measured->size() - m_growth.defaultSize;
    const int dx = std::max(0, grown.width());
    const int dy = std::max(0, grown.height());
    auto moved = [](int at, double share, int growth) { return at + int(std::lround(share * growth)); };
    auto movedDown = [&](int at, double share, int lag) {
        const int by = moved(0, share, dy);
        return at + (lag > 0 && share > 0 && share < 1 ? std::max(by, dy - lag) : by);
    };
    for (const Placed &placed : m_placed) {
        QWidget *widget = placed.item->widget();
        QRect at = placed.rect;
        if (at.isNull() && widget)
            at.setSize(widget->sizeHint());
        const Edges &edges = placed.edges;
        const QRect target(QPoint(moved(at.left(), edges.left, dx), movedDown(at.top(), edges.top, edges.bottomLag)),
                           QPoint(moved(at.right(), edges.right, dx),
                                  movedDown(at.bottom(), edges.bottom, edges.bottomLag)));
        // Hidden widgets are placed too: they keep their place for when they show.
        if (widget)
            widget->setGeometry(target.translated(rect.topLeft()));
        else
            placed.item->setGeometry(target.translated(rect.topLeft()));
    }
}

} // namespace orvanta
