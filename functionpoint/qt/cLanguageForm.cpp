#include "functionpoint/qt/cLanguageForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"
#include "functionpoint/cLanguageDlg.h"
#include "functionpoint/qt/cLanguageListDelegate.h"

namespace korval {

namespace {

QPushButton* ActionButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

cLanguageForm::cLanguageForm(cLanguageDlg& logic, cPlatformServices& platform, QWidget* parent)
    : cDialogForm(logic, platform, parent),
      logic_(logic),
      name_(new QLineEdit(this)),
      list_(new QListWidget(this)),
      multiplier_(NumberEdit(QStringLiteral("multiplierEdit"), 6, this)),
      setDefaults_(new QCheckBox(QStringLiteral("Set Defaults"), this)),
      setCurrentModel_(new QCheckBox(QStringLiteral("Set Current Model"), this)) {
    name_->setObjectName(QStringLiteral("languageEdit"));
    name_->setMaxLength(static_cast<int>(cLanguageDlg::kNameLimit));
    list_->setObjectName(QStringLiteral("languageList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumSize(320, 220);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setItemDelegate(new cLanguageListDelegate(list_));
    setDefaults_->setObjectName(QStringLiteral("setDefaultsBox"));
    setCurrentModel_->setObjectName(QStringLiteral("setCurrentModelBox"));

    // The name sits right over its list, as one combined field.
    auto* languages = new QVBoxLayout;
    languages->setSpacing(0);
    languages->addWidget(name_);
    languages->addWidget(list_);
    auto* fields = new QGridLayout;
    fields->addWidget(BuddyLabel(QStringLiteral("Language:"), name_, this), 0, 0, Qt::AlignTop);
    fields->addLayout(languages, 0, 1);
    fields->addWidget(BuddyLabel(QStringLiteral("Multiplier:"), multiplier_, this), 1, 0);
    fields->addWidget(multiplier_, 1, 1, Qt::AlignLeft);

    QPushButton* useDefaults =
        ActionButton(QStringLiteral("&Use Defaults"), QStringLiteral("useDefaultsButton"), this);
    QPushButton* add = ActionButton(QStringLiteral("&Add"), QStringLiteral("addButton"), this);
    QPushButton* modify =
        ActionButton(QStringLiteral("&Modify"), QStringLiteral("modifyButton"), this);
    QPushButton* remove =
        ActionButton(QStringLiteral("&Delete"), QStringLiteral("deleteButton"), this);
    auto* actions = new QVBoxLayout;
    for (QPushButton* button : {useDefaults, add, modify, remove}) actions->addWidget(button);
    actions->addSpacing(16);
    actions->addWidget(setDefaults_);
    actions->addWidget(setCurrentModel_);
    actions->addStretch();
    actions->addWidget(
        MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical));

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(actions);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(name_, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.SetNameText(ToStdString(text)); });
    connect(multiplier_, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.SetMultiplierText(ToStdString(text)); });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (updating_ || row < 0) return;
        logic_.OnSelectItem(row);
        Refresh();
    });
    // Clicking the selected item again takes its name back after the name was edited.
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        logic_.OnSelectItem(list_->row(item));
        Refresh();
    });
    connect(setDefaults_, &QCheckBox::clicked, this, [this](bool checked) {
        logic_.SetSetDefaults(checked);
        Refresh();
    });
    connect(setCurrentModel_, &QCheckBox::clicked, this, [this](bool checked) {
        logic_.SetSetCurrentModel(checked);
        Refresh();
    });
    connect(add, &QPushButton::clicked, this, [this] { RunButton(!logic_.OnAdd()); });
    connect(modify, &QPushButton::clicked, this, [this] { RunButton(!logic_.OnModify()); });
    connect(remove, &QPushButton::clicked, this, [this] { RunButton(!logic_.OnDelete()); });
    connect(useDefaults, &QPushButton::clicked, this, [this] {
        logic_.OnUseDefaults();
        RunButton(false);
    });

    ChainTabOrder({name_, list_, multiplier_, useDefaults, add, modify, remove, setDefaults_,
                   setCurrentModel_, OkButton(), CancelButton(), HelpButton()});
    Refresh();
    name_->setFocus();
}

void cLanguageForm::RunButton(bool refused) {
    Refresh();
    if (refused) FocusLogicField();
}

void cLanguageForm::FocusLogicField() {
    FocusField(logic_.GetFocusField() == cLanguageDlg::kMultiplierField ? multiplier_ : name_);
}

void cLanguageForm::Refresh() {
    updating_ = true;
    QStringList items;
    for (const std::string& name : logic_.GetList()) items << ToQString(name);
    QStringList shown;
    for (int row = 0; row < list_->count(); ++row) shown << list_->item(row)->text();
    if (shown != items) {
        list_->clear();
        list_->addItems(items);
    }
    // A modified multiplier keeps the item, so the figures are set afresh every time.
    std::vector<std::string> figures = logic_.GetListFigures();
    for (int row = 0; row < list_->count(); ++row)
        list_->item(row)->setData(cLanguageListDelegate::kFigureRole,
                                  ToQString(figures.at(static_cast<std::size_t>(row))));
    int selected = logic_.GetSelectedIndex();
    list_->setCurrentRow(selected);
    if (selected < 0)
        list_->clearSelection();
    else
        list_->scrollToItem(list_->item(selected));
    ShowText(name_, logic_.GetNameText());
    ShowText(multiplier_, logic_.GetMultiplierText());
    setDefaults_->setChecked(logic_.IsSetDefaultsChecked());
    setCurrentModel_->setEnabled(logic_.IsSetCurrentModelEnabled());
    setCurrentModel_->setChecked(logic_.IsSetCurrentModelChecked());
    updating_ = false;
}

bool cLanguageForm::ApplyToLogic() {
    if (logic_.OnOk()) return true;
    RunButton(true);
    return false;
}

}  // namespace korval
