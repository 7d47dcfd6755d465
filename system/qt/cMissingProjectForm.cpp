#include "system/qt/cMissingProjectForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/qt/QtText.h"
#include "system/cMissingProjectDlg.h"

namespace korval {

cMissingProjectForm::cMissingProjectForm(cMissingProjectDlg& logic, cPlatformServices& platform,
                                         QWidget* parent)
    : cDialogForm(logic, platform, parent),
      logic_(logic),
      first_(new QLabel(this)),
      second_(new QLabel(this)) {
    first_->setObjectName(QStringLiteral("firstLabel"));
    second_->setObjectName(QStringLiteral("secondLabel"));
    for (QLabel* label : {first_, second_}) {
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setMinimumWidth(360);
    }
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("iconLabel"));
    int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()
                        ->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this)
                        .pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);

    auto* texts = new QGridLayout;
    texts->setHorizontalSpacing(12);
    texts->addWidget(icon, 0, 0, Qt::AlignTop);
    texts->addWidget(first_, 0, 1);
    texts->addWidget(second_, 1, 1);
    texts->setColumnStretch(1, 1);

    auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
    browse->setObjectName(QStringLiteral("browseButton"));
    browse->setAutoDefault(false);
    QDialogButtonBox* buttons = MakeButtonBox();
    // Enter keeps the member as listed (or as browsed for): OK, as in every dialog.
    OkButton()->setDefault(true);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(browse);
    buttonRow->addStretch();
    buttonRow->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(texts);
    layout->addSpacing(10);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(browse, &QPushButton::clicked, this, [this] {
        logic_.OnBrowse();
        Refresh();
    });
    Refresh();
    browse->setFocus();
}

void cMissingProjectForm::Refresh() {
    first_->setText(ToQtLineBreaks(logic_.FirstLabel()));
    second_->setText(ToQtLineBreaks(logic_.SecondLabel()));
}

}  // namespace korval
