#include "cocomo/qt/cCocomoAttributesForm.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"
#include "cocomo/cCocomoAttributesDlg.h"

namespace korval {

namespace {

// The id no button of a group has: checking it leaves every button unchecked.
constexpr int kNoButton = -1;

// A titled column of radio buttons, one per value, with the values' numbers 0, 1, 2 as ids.
template <class Value>
QGroupBox* RadioColumn(const QString& title, const QString& name, const char* (*label)(Value),
                       QButtonGroup* group, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* column = new QVBoxLayout(box);
    for (int id = 0; id < 3; ++id) {
        auto* radio = new QRadioButton(ToQString(label(static_cast<Value>(id))), box);
        radio->setObjectName(QStringLiteral("%1Radio%2").arg(name).arg(id));
        group->addButton(radio, id);
        column->addWidget(radio);
    }
    return box;
}

}  // namespace

cCocomoAttributesForm::cCocomoAttributesForm(cCocomoAttributesDlg& logic,
                                             cPlatformServices& platform, QWidget* parent)
    : cDialogForm(logic, platform, parent),
      logic_(logic),
      modes_(new QButtonGroup(this)),
      models_(new QButtonGroup(this)),
      sourceLines_(NumberEdit(QStringLiteral("sourceLinesEdit"), 14, this)) {
    auto* groups = new QHBoxLayout;
    groups->addWidget(RadioColumn(QStringLiteral("Mode"), QStringLiteral("mode"),
                                  &cCocomoAttributesDlg::ModeLabel, modes_, this));
    groups->addWidget(RadioColumn(QStringLiteral("Model"), QStringLiteral("model"),
                                  &cCocomoAttributesDlg::ModelLabel, models_, this));

    auto* size = new QHBoxLayout;
    size->addWidget(
        BuddyLabel(ToQString(cCocomoAttributesDlg::SourceLinesLabel()), sourceLines_, this));
    size->addStretch();
    size->addWidget(sourceLines_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addSpacing(6);
    layout->addLayout(size);
    layout->addSpacing(10);
    layout->addWidget(MakeButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(modes_, &QButtonGroup::idClicked, this, [this](int mode) {
        logic_.OnRadioMode(static_cast<DevelopmentMode>(mode));
        Refresh();
    });
    connect(models_, &QButtonGroup::idClicked, this, [this](int model) {
        logic_.OnRadioModel(static_cast<ModelType>(model));
        Refresh();
    });
    connect(sourceLines_, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.SetSourceLinesText(ToStdString(text)); });

    ChainTabOrder({modes_->button(0), modes_->button(1), modes_->button(2), models_->button(0),
                   models_->button(1), models_->button(2), sourceLines_, OkButton(), CancelButton(),
                   HelpButton()});
    Refresh();
    if (sourceLines_->isEnabled()) {
        FocusField(sourceLines_);
    } else if (QAbstractButton* mode = modes_->checkedButton()) {
        mode->setFocus();
    }
}

void cCocomoAttributesForm::Refresh() {
    std::optional<DevelopmentMode> mode = logic_.GetSelectedMode();
    CheckButton(modes_, mode ? ModeIndex(*mode) : kNoButton);
    CheckButton(models_, static_cast<int>(logic_.GetSelectedModel()));
    for (int model = 0; model < 3; ++model) {
        models_->button(model)->setEnabled(
            logic_.IsModelRadioEnabled(static_cast<ModelType>(model)));
    }
    bool editable = logic_.IsSourceLinesEnabled();
    ShowFieldState(sourceLines_, editable, !editable);
    ShowText(sourceLines_, logic_.GetSourceLinesText());
}

bool cCocomoAttributesForm::ApplyToLogic() {
    if (logic_.OnOk()) return true;
    Refresh();
    if (logic_.IsSourceLinesFocused()) FocusField(sourceLines_);
    return false;
}

}  // namespace korval
