#include "functionpoint/qt/cValueAdjustmentForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"
#include "functionpoint/cValueAdjustmentDlg.h"

namespace korval {

cValueAdjustmentForm::cValueAdjustmentForm(cValueAdjustmentDlg& logic, cPlatformServices& platform,
                                           QWidget* parent)
    : cDialogForm(logic, platform, parent), logic_(logic) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(4);
    for (int rating = 0; rating < cValueAdjustmentDlg::kRatingCount; ++rating) {
        auto* heading = new QLabel(ToQString(cValueAdjustmentDlg::RatingLabel(rating)), this);
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(heading, 0, rating + 1);
    }
    // Equal rating columns, as wide as the widest heading.
    int columnWidth = 0;
    for (int rating = 0; rating < cValueAdjustmentDlg::kRatingCount; ++rating) {
        columnWidth = std::max(
            columnWidth,
            fontMetrics().horizontalAdvance(ToQString(cValueAdjustmentDlg::RatingLabel(rating))));
    }
    for (int rating = 0; rating < cValueAdjustmentDlg::kRatingCount; ++rating)
        grid->setColumnMinimumWidth(rating + 1, columnWidth);
    for (int row = 0; row < kSystemCharacteristicCount; ++row) {
        grid->addWidget(new QLabel(ToQString(cValueAdjustmentDlg::RowLabel(row)), this), row + 1,
                        0);
        auto* group = new QButtonGroup(this);
        for (int rating = 0; rating < cValueAdjustmentDlg::kRatingCount; ++rating) {
            auto* radio = new QRadioButton(this);
            radio->setObjectName(QStringLiteral("ratingRadio%1_%2").arg(row).arg(rating));
            radio->setAccessibleName(ToQString(cValueAdjustmentDlg::RowLabel(row)) + ' ' +
                                     ToQString(cValueAdjustmentDlg::RatingLabel(rating)));
            group->addButton(radio, rating);
            grid->addWidget(radio, row + 1, rating + 1, Qt::AlignHCenter);
        }
        connect(group, &QButtonGroup::idClicked, this, [this, row](int rating) {
            logic_.Select(row, rating);
            Refresh();
        });
        rows_[row] = group;
    }

    total_ = new QLabel(this);
    total_->setObjectName(QStringLiteral("totalText"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(total_);
    layout->addSpacing(4);
    layout->addWidget(MakeButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Refresh();
    if (QAbstractButton* first = rows_[0]->checkedButton()) first->setFocus();
}

void cValueAdjustmentForm::Refresh() {
    for (int row = 0; row < kSystemCharacteristicCount; ++row)
        CheckButton(rows_[row], logic_.GetSelection(row));
    total_->setText(ToQString(logic_.TotalText()));
}

}  // namespace korval
