#pragma once

#include <QStyledItemDelegate>

namespace korval {

// Draws a language item with its source lines per function point right-aligned beside
// the name, in a quieter colour, so that the list reads as a table of names and figures
// while the item's text stays the name alone.
class cLanguageListDelegate : public QStyledItemDelegate {
  public:
    // The item data role holding the figure's text.
    static constexpr int kFigureRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace korval
