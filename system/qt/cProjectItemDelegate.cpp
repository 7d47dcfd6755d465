#include "system/qt/cProjectItemDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace korval {

QString cProjectItemDelegate::ShownText(const QModelIndex& index) {
    return index.data(Qt::DisplayRole).toString().mid(1);
}

bool cProjectItemDelegate::IsMissing(const QModelIndex& index) {
    return index.data(Qt::DisplayRole).toString().startsWith(QLatin1Char('!'));
}

void cProjectItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QPalette& palette = option.palette;
    QColor background = palette.color(QPalette::Base);
    QColor text = palette.color(QPalette::Text);
    if (IsMissing(index)) {
        background = palette.color(QPalette::Text);
        text = palette.color(QPalette::Base);
    } else if (option.state & QStyle::State_Selected) {
        background = palette.color(QPalette::Highlight);
        text = palette.color(QPalette::HighlightedText);
    }
    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(option.rect, background);
    painter->setPen(text);
    painter->setFont(option.font);
    painter->drawText(option.rect.adjusted(kIndent, 0, 0, 0),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ShownText(index));
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor = background;
        QStyle* style = option.widget ? option.widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
    }
    painter->restore();
}

QSize cProjectItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    QFontMetrics metrics(option.font);
    return {kIndent + metrics.horizontalAdvance(ShownText(index)) + kIndent, metrics.height() + 2};
}

}  // namespace korval
