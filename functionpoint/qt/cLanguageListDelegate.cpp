#include "functionpoint/qt/cLanguageListDelegate.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

namespace korval {

namespace {

constexpr int kFigureMargin = 6;
constexpr int kFigureGap = 16;

}  // namespace

// The name gives way to the figure: a long name is elided before it reaches the figure's
// column, and the list needs no horizontal scrolling to show the figures.
void cLanguageListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    QString figure = index.data(kFigureRole).toString();
    QRect figureRect = option.rect.adjusted(0, 0, -kFigureMargin, 0);
    int figureWidth =
        figure.isEmpty() ? 0 : item.fontMetrics.horizontalAdvance(figure) + kFigureGap;
    int nameWidth = std::max(0, figureRect.width() - figureWidth - kFigureMargin);
    item.text = item.fontMetrics.elidedText(item.text, Qt::ElideRight, nameWidth);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    if (figure.isEmpty()) return;
    bool selected = option.state.testFlag(QStyle::State_Selected);
    QColor ink = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    if (!selected) ink.setAlphaF(0.65f);
    painter->save();
    painter->setPen(ink);
    painter->setFont(item.font);
    painter->drawText(figureRect, Qt::AlignRight | Qt::AlignVCenter, figure);
    painter->restore();
}

}  // namespace korval
