#include "functionpoint/qt/cFpSensitivityForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"

namespace korval {

namespace {

constexpr SensitivityType kTypes[] = {SensitivityType::DETAILS, SensitivityType::INTERM_TOT,
                                      SensitivityType::UNADJ_FP, SensitivityType::ADJ_FP};

QString TypeLabel(FunctionType type) {
    return ToQString(FunctionTypeLabel(type));
}

}  // namespace

QLineEdit* cFpSensitivityForm::AddPercentField(int field, QGridLayout* grid, int row, int column,
                                               QWidget* parent) {
    QLineEdit* edit = NumberEdit(QStringLiteral("percentEdit%1").arg(field), 4, parent);
    fields_[field] = edit;
    grid->addWidget(edit, row, column);
    grid->addWidget(new QLabel(QStringLiteral("%"), parent), row, column + 1);
    connect(edit, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { logic_.SetFieldText(field, ToStdString(text)); });
    return edit;
}

cFpSensitivityForm::cFpSensitivityForm(cFpSensitivityDlg& logic, cPlatformServices& platform,
                                       QWidget* parent)
    : cDialogForm(logic, platform, parent), logic_(logic), types_(new QButtonGroup(this)) {
    auto* radios = new QHBoxLayout;
    for (SensitivityType type : kTypes) {
        auto* radio = new QRadioButton(ToQString(cFpSensitivityDlg::RadioLabel(type)), this);
        radio->setObjectName(QStringLiteral("typeRadio%1").arg(static_cast<int>(type)));
        types_->addButton(radio, static_cast<int>(type));
        radios->addWidget(radio);
        radios->addSpacing(12);
    }
    radios->addStretch();

    const std::array<int, cFpSensitivityDlg::kFieldCount>& order =
        cFpSensitivityDlg::DisplayOrder();
    // The fields come in display order: five types of three cells, five type totals, then
    // the unadjusted and the adjusted total.
    auto* details = new QGroupBox(QStringLiteral("Adjust Details"), this);
    auto* detailsGrid = new QGridLayout(details);
    detailsGrid->setHorizontalSpacing(6);
    for (int complexity = 0; complexity < kFunctionComplexityCount; ++complexity) {
        auto* heading = new QLabel(
            ToQString(FunctionComplexityLabel(static_cast<FunctionComplexity>(complexity))),
            details);
        heading->setAlignment(Qt::AlignCenter);
        detailsGrid->addWidget(heading, 0, 1 + complexity * 2, 1, 2);
    }
    std::size_t next = 0;
    for (int row = 1; row <= kFunctionTypeCount; ++row) {
        int firstCell = order[next];
        QLineEdit* first = nullptr;
        for (int complexity = 0; complexity < kFunctionComplexityCount; ++complexity, ++next) {
            QLineEdit* edit =
                AddPercentField(order[next], detailsGrid, row, 1 + complexity * 2, details);
            if (first == nullptr) first = edit;
        }
        detailsGrid->addWidget(BuddyLabel(TypeLabel(FunctionTypeOfCell(firstCell)), first, details),
                               row, 0);
    }
    detailsGrid->setRowStretch(kFunctionTypeCount + 1, 1);

    auto* totals = new QGroupBox(QStringLiteral("Adjust Intermediate Totals"), this);
    auto* totalsGrid = new QGridLayout(totals);
    totalsGrid->setHorizontalSpacing(6);
    // A blank heading keeps the type rows level with those of the details.
    totalsGrid->addWidget(new QLabel(QStringLiteral(" "), totals), 0, 0);
    for (int row = 1; next < order.size(); ++row, ++next) {
        int field = order[next];
        QString label =
            field == cFpSensitivityDlg::kUnadjustedField
                ? QStringLiteral("Unadjusted Function Points")
            : field == cFpSensitivityDlg::kAdjustedField
                ? QStringLiteral("Adjusted Function Points")
                : TypeLabel(static_cast<FunctionType>(field - cFpSensitivityDlg::kFirstTypeField));
        QLineEdit* edit = AddPercentField(field, totalsGrid, row, 1, totals);
        totalsGrid->addWidget(BuddyLabel(label, edit, totals), row, 0);
    }

    auto* groups = new QHBoxLayout;
    groups->addWidget(details);
    groups->addWidget(totals);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(radios);
    layout->addLayout(groups);
    layout->addSpacing(6);
    layout->addWidget(MakeButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(types_, &QButtonGroup::idClicked, this, [this](int type) {
        logic_.OnRadio(static_cast<SensitivityType>(type));
        Refresh();
        FocusLogicField();
    });
    Refresh();
    FocusLogicField();
}

void cFpSensitivityForm::FocusLogicField() {
    int field = logic_.GetFocusField();
    if (field >= 0 && field < cFpSensitivityDlg::kFieldCount) FocusField(fields_[field]);
}

void cFpSensitivityForm::Refresh() {
    CheckButton(types_, static_cast<int>(logic_.GetType()));
    for (int field = 0; field < cFpSensitivityDlg::kFieldCount; ++field) {
        ShowText(fields_[field], logic_.GetFieldText(field));
        fields_[field]->setEnabled(logic_.IsFieldEnabled(field));
    }
}

bool cFpSensitivityForm::ApplyToLogic() {
    if (logic_.OnOk()) return true;
    Refresh();
    FocusLogicField();
    return false;
}

}  // namespace korval
