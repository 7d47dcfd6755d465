#include "cocomo/qt/cCostDriverForm.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"
#include "cocomo/cCostDriverDlg.h"

namespace korval {

namespace {

QGroupBox* RadioColumn(const QString& title, const QString& name, int count,
                       const char* (*label)(int), QButtonGroup* group, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* column = new QVBoxLayout(box);
    for (int id = 0; id < count; ++id) {
        auto* radio = new QRadioButton(ToQString(label(id)), box);
        radio->setObjectName(QStringLiteral("%1Radio%2").arg(name).arg(id));
        group->addButton(radio, id);
        column->addWidget(radio);
    }
    column->addStretch();
    return box;
}

// A row is "<rating text>\t<name>"; the list shows the two parts in aligned columns.
QStringList RowColumns(const std::string& row) {
    QString text = ToQString(row);
    int tab = text.indexOf('\t');
    if (tab < 0) return {QString(), text};
    return {text.left(tab).trimmed(), text.mid(tab + 1)};
}

}  // namespace

cCostDriverForm::cCostDriverForm(cCostDriverDlg& logic, cPlatformServices& platform,
                                 QWidget* parent)
    : cDialogForm(logic, platform, parent),
      logic_(logic),
      groups_(new QButtonGroup(this)),
      ratings_(new QButtonGroup(this)),
      list_(new QTreeWidget(this)) {
    list_->setObjectName(QStringLiteral("attributeList"));
    list_->setColumnCount(2);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list_->setAllColumnsShowFocus(true);
    // The rating column is as wide as its longest label, "Extra High".
    list_->setColumnWidth(
        0, list_->fontMetrics().horizontalAdvance(QStringLiteral("Extra High")) + 24);
    // Wide enough for the longest standard name; the selection spans the whole row.
    list_->setMinimumSize(430, 300);

    auto* attributes = new QGroupBox(QStringLiteral("Attributes"), this);
    auto* attributesLayout = new QVBoxLayout(attributes);
    attributesLayout->addWidget(list_);

    auto* body = new QHBoxLayout;
    body->addWidget(RadioColumn(QStringLiteral("Attribute Groups"), QStringLiteral("group"),
                                cCostDriverDlg::kGroupChoiceCount, &cCostDriverDlg::GroupLabel,
                                groups_, this));
    body->addWidget(attributes, 1);
    body->addWidget(RadioColumn(QStringLiteral("Effort"), QStringLiteral("rating"), kRatingCount,
                                &cCostDriverDlg::RatingLabel, ratings_, this));

    factor_ = new QLabel(this);
    factor_->setObjectName(QStringLiteral("factorText"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(factor_);
    layout->addWidget(MakeButtonBox());

    connect(groups_, &QButtonGroup::idClicked, this, &cCostDriverForm::OnGroupChoice);
    connect(ratings_, &QButtonGroup::idClicked, this, &cCostDriverForm::OnRating);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (updating_ || item == nullptr) return;
        logic_.OnSelectRow(list_->indexOfTopLevelItem(item));
        Refresh(Scroll::ToSelection);
    });

    QList<QWidget*> order;
    for (QAbstractButton* group : groups_->buttons()) order << group;
    order << list_;
    for (QAbstractButton* rating : ratings_->buttons()) order << rating;
    ChainTabOrder(order << OkButton() << CancelButton() << HelpButton());
    Refresh(Scroll::ToSelection);
    list_->setFocus();
}

int cCostDriverForm::TopVisibleRow() const {
    return list_->verticalScrollBar()->value();
}

void cCostDriverForm::OnGroupChoice(int choice) {
    logic_.OnGroupChoice(choice);
    Refresh(Scroll::ToSelection);
}

void cCostDriverForm::OnRating(int rating) {
    logic_.SetTopRow(TopVisibleRow());
    logic_.OnRating(rating);
    Refresh(Scroll::KeepTopRow);
}

// Rows are rewritten in place while their number stays, so the list does not jump.
void cCostDriverForm::ShowRows() {
    const std::vector<std::string>& rows = logic_.GetRows();
    if (list_->topLevelItemCount() != static_cast<int>(rows.size())) list_->clear();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QStringList columns = RowColumns(rows[i]);
        QTreeWidgetItem* item = list_->topLevelItem(static_cast<int>(i));
        if (item == nullptr) item = new QTreeWidgetItem(list_);
        item->setText(0, columns[0]);
        item->setText(1, columns[1]);
    }
}

void cCostDriverForm::Refresh(Scroll scroll) {
    updating_ = true;
    CheckButton(groups_, logic_.GetGroupChoice());
    for (int choice = 0; choice < cCostDriverDlg::kGroupChoiceCount; ++choice)
        groups_->button(choice)->setEnabled(logic_.IsGroupChoiceEnabled(choice));
    ShowRows();
    QTreeWidgetItem* selected = list_->topLevelItem(logic_.GetSelectedRow());
    list_->setCurrentItem(selected);
    if (selected == nullptr) list_->clearSelection();
    if (scroll == Scroll::KeepTopRow) {
        list_->verticalScrollBar()->setValue(logic_.GetTopRow());
    } else if (selected != nullptr) {
        list_->scrollToItem(selected);
    }
    int checked = -1;
    for (int rating = 0; rating < kRatingCount; ++rating) {
        ratings_->button(rating)->setEnabled(logic_.IsRatingEnabled(rating));
        ratings_->button(rating)->setText(ToQString(logic_.RatingRadioText(rating)));
        if (logic_.IsRatingChecked(rating)) checked = rating;
    }
    factor_->setText(ToQString(logic_.FactorText()));
    CheckButton(ratings_, checked);
    updating_ = false;
}

}  // namespace korval
