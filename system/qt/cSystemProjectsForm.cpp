#include "system/qt/cSystemProjectsForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"
#include "system/cSystemProjectsDlg.h"
#include "system/qt/cProjectItemDelegate.h"

namespace korval {

namespace {

QLabel* MemberText(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumWidth(380);
    return label;
}

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

cSystemProjectsForm::cSystemProjectsForm(cSystemProjectsDlg& logic, cPlatformServices& platform,
                                         QWidget* parent)
    : cDialogForm(logic, platform, parent),
      logic_(logic),
      list_(new QListWidget(this)),
      title_(MemberText(QStringLiteral("titleText"), this)),
      preparedBy_(MemberText(QStringLiteral("preparedByText"), this)),
      description_(MemberText(QStringLiteral("descriptionText"), this)),
      startTime_(FigureField(QStringLiteral("startTimeEdit"), 8, this)) {
    list_->setObjectName(QStringLiteral("projectList"));
    list_->setItemDelegate(new cProjectItemDelegate(list_));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setMinimumSize(460, 180);
    startTime_->setEnabled(false);

    auto* add = new QPushButton(QStringLiteral("&Add"), this);
    add->setObjectName(QStringLiteral("addButton"));
    add->setAutoDefault(false);
    auto* remove = new QPushButton(QStringLiteral("&Delete"), this);
    remove->setObjectName(QStringLiteral("deleteButton"));
    remove->setAutoDefault(false);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(add);
    listButtons->addWidget(remove);
    listButtons->addStretch();
    auto* members = new QVBoxLayout;
    members->addWidget(list_, 1);
    members->addLayout(listButtons);

    auto* top = new QHBoxLayout;
    top->addLayout(members, 1);
    top->addWidget(MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical));

    auto* member = new QGridLayout;
    member->setColumnStretch(1, 1);
    member->addWidget(Caption(QStringLiteral("Title:"), this), 0, 0);
    member->addWidget(title_, 0, 1, 1, 2);
    member->addWidget(Caption(QStringLiteral("Prepared By:"), this), 1, 0);
    member->addWidget(preparedBy_, 1, 1, 1, 2);
    member->addWidget(Caption(QStringLiteral("Description:"), this), 2, 0);
    member->addWidget(description_, 2, 1, 1, 2);
    member->setRowMinimumHeight(2, 3 * fontMetrics().lineSpacing());
    auto* startTime = new QHBoxLayout;
    startTime->addWidget(BuddyLabel(QStringLiteral("Start Time Adj. (Months)"), startTime_, this));
    startTime->addWidget(startTime_);
    startTime->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addSpacing(4);
    layout->addLayout(member);
    layout->addLayout(startTime);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (updating_ || row < 0) return;
        logic_.Select(row);
        Refresh();
    });
    connect(add, &QPushButton::clicked, this, [this] {
        logic_.OnAdd();
        Refresh();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        logic_.OnDelete();
        Refresh();
    });
    Refresh();
    list_->setFocus();
}

void cSystemProjectsForm::Refresh() {
    updating_ = true;
    QStringList items;
    for (const std::string& item : logic_.Items()) items << ToQString(item);
    QStringList shown;
    for (int row = 0; row < list_->count(); ++row) shown << list_->item(row)->text();
    if (shown != items) {
        list_->clear();
        list_->addItems(items);
    }
    list_->setCurrentRow(logic_.GetSelection());
    title_->setText(ToQString(logic_.SelectedTitle()));
    preparedBy_->setText(ToQString(logic_.SelectedPreparedBy()));
    description_->setText(ToQtLineBreaks(logic_.SelectedDescription()));
    ShowText(startTime_, logic_.StartTimeText());
    updating_ = false;
}

}  // namespace korval
