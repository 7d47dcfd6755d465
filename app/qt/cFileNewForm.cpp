#include "app/qt/cFileNewForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/qt/QtText.h"

namespace korval {

cFileNewForm::cFileNewForm(cFileNewDlg& logic, cPlatformServices& platform, QWidget* parent)
    : cDialogForm(logic, platform, parent), list_(new QListWidget(this)) {
    list_->setObjectName(QStringLiteral("kindList"));
    for (const std::string& entry : logic.Entries()) list_->addItem(ToQString(entry));
    list_->setCurrentRow(logic.Selection());
    list_->setMinimumHeight(list_->sizeHintForRow(0) * 6);
    connect(list_, &QListWidget::currentRowChanged, this, [&logic](int row) { logic.Select(row); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });

    auto* label = new QLabel(QStringLiteral("&New"), this);
    label->setBuddy(list_);
    auto* column = new QVBoxLayout;
    column->addWidget(label);
    column->addWidget(list_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column);
    layout->addWidget(MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical),
                      0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace korval
