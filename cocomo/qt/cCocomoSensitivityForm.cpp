#include "cocomo/qt/cCocomoSensitivityForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"
#include "cocomo/cCocomoSensitivityDlg.h"

namespace korval {

cCocomoSensitivityForm::cCocomoSensitivityForm(cCocomoSensitivityDlg& logic,
                                               cPlatformServices& platform, QWidget* parent)
    : cDialogForm(logic, platform, parent), logic_(logic), types_(new QButtonGroup(this)) {
    // One row per quantity: its percentage field, then the radio that selects it.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setColumnMinimumWidth(3, 16);
    for (int field = 0; field < cCocomoSensitivityDlg::kFieldCount; ++field) {
        QLineEdit* edit = NumberEdit(QStringLiteral("percentEdit%1").arg(field), 8, this);
        fields_[field] = edit;
        auto type = static_cast<CocomoSensitivityType>(field);
        auto* radio = new QRadioButton(ToQString(cCocomoSensitivityDlg::RadioLabel(type)), this);
        radio->setObjectName(QStringLiteral("typeRadio%1").arg(field));
        types_->addButton(radio, field);
        grid->addWidget(BuddyLabel(ToQString(cCocomoSensitivityDlg::FieldLabel(field)), edit, this),
                        field, 0);
        grid->addWidget(edit, field, 1);
        grid->addWidget(new QLabel(QStringLiteral("%"), this), field, 2);
        grid->addWidget(radio, field, 4);
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            logic_.SetFieldText(field, ToStdString(text));
        });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(10);
    layout->addWidget(MakeButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(types_, &QButtonGroup::idClicked, this, [this](int type) {
        logic_.OnRadioType(static_cast<CocomoSensitivityType>(type));
        Refresh();
        FocusField(fields_[logic_.GetFocusField()]);
    });
    Refresh();
    FocusField(fields_[logic_.GetFocusField()]);
}

void cCocomoSensitivityForm::Refresh() {
    CheckButton(types_, cCocomoSensitivityDlg::FieldOf(logic_.GetSelectedType()));
    for (int field = 0; field < cCocomoSensitivityDlg::kFieldCount; ++field) {
        ShowText(fields_[field], logic_.GetFieldText(field));
        fields_[field]->setEnabled(logic_.IsFieldEnabled(field));
    }
}

bool cCocomoSensitivityForm::ApplyToLogic() {
    if (logic_.OnOk()) return true;
    // A refused field that is disabled cannot take the focus; the message has named it.
    Refresh();
    FocusField(fields_[logic_.GetFocusField()]);
    return false;
}

}  // namespace korval
