#include "rayleigh/qt/cRayleighSensitivityForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"

namespace korval {

namespace {

using Dlg = cRayleighSensitivityDlg;

// One row per sensitivity type 0 to 3: the edit of its input and its radio button.
struct TypeRow {
    Dlg::Field field;
    const char* label;
    const char* radio;
};

constexpr TypeRow kRows[] = {
    {Dlg::kSlocPercentField, "Source Lines of Code (SLOC)", "SLOC"},
    {Dlg::kSchedulePercentField, "Time to Develop (TDEV)", "TDEV"},
    {Dlg::kMeasurePercentField, "Productivity Measure (PM)", "PM"},
    {Dlg::kIndexStepsField, "Productivity Index (PI)", "PI"},
};

// The id no button of a group has: checking it leaves every button unchecked.
constexpr int kNoButton = -1;

enum Column { kLabelColumn, kSignColumn, kEditColumn, kUnitColumn, kFromColumn, kRadioColumn = 6 };

}  // namespace

cRayleighSensitivityForm::cRayleighSensitivityForm(Dlg& logic, cPlatformServices& platform,
                                                   QWidget* parent)
    : cDialogForm(logic, platform, parent), logic_(logic), types_(new QButtonGroup(this)) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setColumnMinimumWidth(kRadioColumn - 1, 16);
    for (int type = 0; type < 4; ++type) {
        const TypeRow& row = kRows[type];
        QLineEdit* edit = NumberEdit(QStringLiteral("fieldEdit%1").arg(row.field), 8, this);
        fields_[row.field] = edit;
        auto* radio = new QRadioButton(QString::fromLatin1(row.radio), this);
        radio->setObjectName(QStringLiteral("typeRadio%1").arg(type));
        types_->addButton(radio, type);
        grid->addWidget(BuddyLabel(QString::fromLatin1(row.label), edit, this), type, kLabelColumn);
        grid->addWidget(edit, type, kEditColumn);
        grid->addWidget(radio, type, kRadioColumn);
        Dlg::Field field = row.field;
        connect(edit, &QLineEdit::textEdited, this,
                [this, field](const QString& text) { logic_.SetText(field, ToStdString(text)); });
        if (field != Dlg::kIndexStepsField)
            grid->addWidget(new QLabel(QStringLiteral("%"), this), type, kUnitColumn);
    }
    // The PI steps go up and down from the selected type's PI.
    int indexRow = 3;
    grid->addWidget(new QLabel(QStringLiteral("\u00B1"), this), indexRow, kSignColumn,
                    Qt::AlignRight);
    grid->addWidget(new QLabel(QStringLiteral("from"), this), indexRow, kUnitColumn);
    fields_[Dlg::kSelectedIndexField] =
        FigureField(QStringLiteral("fieldEdit%1").arg(Dlg::kSelectedIndexField), 4, this);
    grid->addWidget(fields_[Dlg::kSelectedIndexField], indexRow, kFromColumn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(10);
    layout->addWidget(MakeButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(types_, &QButtonGroup::idClicked, this, [this](int type) {
        logic_.OnRadio(static_cast<RayleighSensitivityType>(type));
        Refresh();
        FocusLogicField();
    });
    Refresh();
    FocusLogicField();
}

void cRayleighSensitivityForm::FocusLogicField() {
    Dlg::Field field = logic_.GetFocus();
    if (field != Dlg::kFieldCount) FocusField(fields_[field]);
}

void cRayleighSensitivityForm::Refresh() {
    std::optional<RayleighSensitivityType> checked = logic_.GetCheckedType();
    CheckButton(types_, checked ? static_cast<int>(*checked) : kNoButton);
    for (int field = 0; field < Dlg::kFieldCount; ++field) {
        auto which = static_cast<Dlg::Field>(field);
        ShowText(fields_[field], logic_.GetText(which));
        if (which != Dlg::kSelectedIndexField) fields_[field]->setEnabled(logic_.IsEnabled(which));
    }
}

bool cRayleighSensitivityForm::ApplyToLogic() {
    if (logic_.OnOk()) return true;
    Refresh();
    FocusLogicField();
    return false;
}

}  // namespace korval
