#pragma once

#include <QStyledItemDelegate>

namespace korval {

// Draws the items of the System Level Estimation Projects list. Each item's text starts
// with a marker that is not shown: "?" for a member whose file was found, "!" for one
// that was not. A "!" item is drawn in inverse colours whatever its selection, so a
// missing file stands out; the text starts 4 pixels from the item's left edge.
class cProjectItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    static constexpr int kIndent = 4;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // As wide as the shown text, so the list scrolls horizontally to its widest item.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The text an item shows: its text without the marker.
    static QString ShownText(const QModelIndex& index);
    static bool IsMissing(const QModelIndex& index);
};

}  // namespace korval
