#include "rayleigh/qt/cRayleighAttributesForm.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"

namespace korval {

namespace {

using Dlg = cRayleighAttributesDlg;

constexpr int kFieldDigits = 14;

struct FieldRow {
    Dlg::Field field;
    const char* label;
    const char* unit;  // after the field
};

// The fields below the productivity, in their order on the form.
constexpr FieldRow kInputRows[] = {
    {Dlg::kScheduleField, "Time to Develop (Months):", ""},
    {Dlg::kPercentageField, "Main Build Phase Percentage:", "%"},
    {Dlg::kBuildTimeField, "Main Build Phase Time (Months):", ""},
    {Dlg::kSourceLinesField, "Source Lines of Code (SLOC):", ""},
    {Dlg::kMbiLevelField, "Manpower Buildup Index (MBI) Level:", ""},
};

// The fields the dialog works out itself; they are never typed.
bool IsPreview(Dlg::Field field) {
    return field == Dlg::kBuildTimeField || field == Dlg::kMbiLevelField;
}

}  // namespace

cRayleighAttributesForm::cRayleighAttributesForm(Dlg& logic, cPlatformServices& platform,
                                                 QWidget* parent)
    : cDialogForm(logic, platform, parent),
      logic_(logic),
      applicationTypes_(new QComboBox(this)),
      buildupLevels_(new QComboBox(this)),
      forms_(new QButtonGroup(this)) {
    applicationTypes_->setObjectName(QStringLiteral("applicationTypeList"));
    applicationTypes_->setMinimumContentsLength(26);
    applicationTypes_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (const std::string& name : logic_.GetApplicationTypeNames())
        applicationTypes_->addItem(ToQString(name));

    auto* grid = new QGridLayout;
    grid->addWidget(BuddyLabel(QStringLiteral("Application Type:"), applicationTypes_, this), 0, 0);
    grid->addWidget(applicationTypes_, 0, 1, 1, 2);

    const char* formLabels[] = {"Productivity Index (PI):", "Productivity Measure (PM):"};
    const Dlg::Field formFields[] = {Dlg::kIndexField, Dlg::kMeasureField};
    for (int form = 0; form < 2; ++form) {
        auto* radio = new QRadioButton(QString::fromLatin1(formLabels[form]), this);
        radio->setObjectName(QStringLiteral("formRadio%1").arg(form));
        forms_->addButton(radio, form);
        QLineEdit* edit =
            NumberEdit(QStringLiteral("fieldEdit%1").arg(formFields[form]), kFieldDigits, this);
        fields_[formFields[form]] = edit;
        grid->addWidget(radio, 1 + form, 0);
        grid->addWidget(edit, 1 + form, 1);
    }
    int row = 3;
    for (const FieldRow& entry : kInputRows) {
        QString name = QStringLiteral("fieldEdit%1").arg(entry.field);
        QLineEdit* edit = IsPreview(entry.field) ? FigureField(name, kFieldDigits, this)
                                                 : NumberEdit(name, kFieldDigits, this);
        fields_[entry.field] = edit;
        grid->addWidget(BuddyLabel(QString::fromLatin1(entry.label), edit, this), row, 0);
        grid->addWidget(edit, row, 1);
        if (*entry.unit != '\0')
            grid->addWidget(new QLabel(QString::fromLatin1(entry.unit), this), row, 2);
        ++row;
    }
    buildupLevels_->setObjectName(QStringLiteral("buildupLevelList"));
    for (const std::string& name : logic_.GetBuildupLevelNames())
        buildupLevels_->addItem(ToQString(name));
    buildupLevels_->setToolTip(
        QStringLiteral("The buildup Putnam's own estimate plans for: 0 is the slowest the MBI "
                       "scale describes, 6 the fastest."));
    grid->addWidget(BuddyLabel(QStringLiteral("Planned Buildup Level:"), buildupLevels_, this), row,
                    0);
    grid->addWidget(buildupLevels_, row, 1, 1, 2);
    grid->setColumnStretch(3, 1);

    for (int field = 0; field < Dlg::kFieldCount; ++field) {
        auto which = static_cast<Dlg::Field>(field);
        connect(fields_[field], &QLineEdit::textEdited, this, [this, which](const QString& text) {
            logic_.SetText(which, ToStdString(text));
            logic_.PreviewAsTyped();
            Refresh();
        });
        if (!IsPreview(which)) OnFocusLeave(fields_[field], [this, which] { OnLeave(which); });
    }
    connect(forms_, &QButtonGroup::idClicked, this, [this](int form) {
        if (static_cast<Dlg::Form>(form) == Dlg::Form::Index)
            logic_.OnIndexRadio();
        else
            logic_.OnMeasureRadio();
        Refresh();
    });
    connect(applicationTypes_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        logic_.OnSelectApplicationType(index);
        Refresh();
    });
    connect(buildupLevels_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        logic_.OnSelectBuildupLevel(index);
        Refresh();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(10);
    layout->addWidget(MakeButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Clicking a button must not count as leaving a field: OK checks every field itself,
    // and Cancel needs no check at all.
    for (QPushButton* button : {OkButton(), CancelButton()}) button->setFocusPolicy(Qt::TabFocus);

    Refresh();
    applicationTypes_->setFocus();
}

void cRayleighAttributesForm::OnLeave(Dlg::Field field) {
    switch (field) {
        case Dlg::kIndexField:
            logic_.OnLeaveIndexField();
            break;
        case Dlg::kMeasureField:
            logic_.OnLeaveMeasureField();
            break;
        default:
            logic_.OnLeaveInputField();
            break;
    }
    Refresh();
}

void cRayleighAttributesForm::Refresh() {
    if (applicationTypes_->currentIndex() != logic_.GetSelectedApplication())
        applicationTypes_->setCurrentIndex(logic_.GetSelectedApplication());
    if (buildupLevels_->currentIndex() != logic_.GetBuildupLevel())
        buildupLevels_->setCurrentIndex(logic_.GetBuildupLevel());
    CheckButton(forms_, static_cast<int>(logic_.GetProductivityForm()));
    for (QAbstractButton* radio : forms_->buttons())
        radio->setEnabled(logic_.AreFormRadiosEnabled());
    for (int field = 0; field < Dlg::kFieldCount; ++field) {
        auto which = static_cast<Dlg::Field>(field);
        ShowText(fields_[field], logic_.GetText(which));
        ShowFieldState(fields_[field], logic_.IsEnabled(which), logic_.IsReadOnly(which));
    }
}

bool cRayleighAttributesForm::ApplyToLogic() {
    if (logic_.OnOk()) return true;
    Refresh();
    return false;
}

}  // namespace korval
