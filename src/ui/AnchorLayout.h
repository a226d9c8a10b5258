#pragma once

#include <QLayout>
#include <QList>
#include <QRect>
#include <QSize>

namespace orvanta {

// Lays widgets out the way a form designer anchors them. Each widget is
// added with its rectangle at the window's default size and with how far
// each of its edges follows the container's growth beyond that size: 0
// keeps the edge where it is (anchored left or top), 1 moves it with the
// container's right or bottom edge, 0.5 half as far (two boxes sharing the
// room). So at the default size every widget stands exactly on its
// rectangle, and when the window grows the widgets anchored on both sides
// grow and those anchored right or bottom move. The container never shrinks
// below its default size: the window's minimum size sees to that.
//
// The growth is measured on a widget whose default size is known: the
// container itself, or for a page of a tab widget the tab widget, since the
// page grows as it does and its own default size depends on the style.
class AnchorLayout : public QLayout {
public:
    // How far each edge follows the growth, from 0 to 1. A top or bottom
    // edge that follows part of it falls behind the container's bottom
    // edge by at most `bottomLag` pixels when that is not 0: the room
    // below it stops growing there, and what stands above takes the rest.
    struct Edges {
        double left, top, right, bottom;
        int bottomLag = 0;
    };
    static constexpr Edges TopLeft{0, 0, 0, 0, 0};
    static constexpr Edges TopWide{0, 0, 1, 0, 0};
    static constexpr Edges TopRight{1, 0, 1, 0, 0};
    static constexpr Edges Fill{0, 0, 1, 1, 0};
    static constexpr Edges BottomLeft{0, 1, 0, 1, 0};
    static constexpr Edges BottomWide{0, 1, 1, 1, 0};
    static constexpr Edges BottomRight{1, 1, 1, 1, 0};

    // The widget on which the growth is measured, and its default size.
    struct Growth {
        const QWidget *measured;
        QSize defaultSize;
    };

    // `container`'s growth is its own beyond `defaultSize`.
    AnchorLayout(QWidget *container, QSize defaultSize);
    AnchorLayout(QWidget *container, Growth growth);
    ~AnchorLayout() override;

    // Makes `widget` a child of the container and places it on `rect`; a
    // rect of 0 x 0 takes the widget's size hint (a label as long as its
    // text), while one with only a width or a height stands as it is: a
    // widget that has room only once the window grows. Returns `widget`.
    template <typename W>
    W *add(W *widget, const QRect &rect, Edges edges = TopLeft)
    {
        place(widget, rect, edges);
        return widget;
    }

    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

private:
    struct Placed {
        QLayoutItem *item;
        QRect rect;
        Edges edges;
    };

    void place(QWidget *widget, const QRect &rect, Edges edges);

    Growth m_growth;
    QList<Placed> m_placed;
};

} // namespace orvanta
