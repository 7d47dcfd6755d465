#include "system/qt/cSystemAttributesForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"
#include "system/cSystemAttributesDlg.h"

namespace korval {

namespace {

enum Source { kProjectDerived, kUserSpecified };
constexpr int kDigits = 12;

}  // namespace

cSystemAttributesForm::cSystemAttributesForm(cSystemAttributesDlg& logic,
                                             cPlatformServices& platform, QWidget* parent)
    : cDialogForm(logic, platform, parent),
      logic_(logic),
      source_(new QButtonGroup(this)),
      productDesignTdev_(NumberEdit(QStringLiteral("productDesignTdevEdit"), kDigits, this)),
      productDesignEffort_(NumberEdit(QStringLiteral("productDesignEffortEdit"), kDigits, this)),
      finalTestTdev_(NumberEdit(QStringLiteral("finalTestTdevEdit"), kDigits, this)),
      finalTestEffort_(NumberEdit(QStringLiteral("finalTestEffortEdit"), kDigits, this)) {
    auto* productDesign = new QGroupBox(QStringLiteral("Product Design Phase"), this);
    auto* productGrid = new QGridLayout(productDesign);
    auto* derived = new QRadioButton(QStringLiteral("Project Derived"), productDesign);
    derived->setObjectName(QStringLiteral("projectDerivedRadio"));
    auto* specified = new QRadioButton(QStringLiteral("User Specified"), productDesign);
    specified->setObjectName(QStringLiteral("userSpecifiedRadio"));
    source_->addButton(derived, kProjectDerived);
    source_->addButton(specified, kUserSpecified);
    productGrid->addWidget(derived, 0, 0, 1, 2);
    productGrid->addWidget(specified, 1, 0, 1, 2);
    productGrid->addWidget(BuddyLabel(QStringLiteral("TDEV:"), productDesignTdev_, productDesign),
                           2, 0);
    productGrid->addWidget(productDesignTdev_, 2, 1, Qt::AlignRight);
    productGrid->addWidget(
        BuddyLabel(QStringLiteral("Effort:"), productDesignEffort_, productDesign), 3, 0);
    productGrid->addWidget(productDesignEffort_, 3, 1, Qt::AlignRight);
    productGrid->setRowStretch(4, 1);

    auto* finalTest = new QGroupBox(QStringLiteral("Final Test and Evaluation"), this);
    auto* finalGrid = new QGridLayout(finalTest);
    finalGrid->addWidget(BuddyLabel(QStringLiteral("TDEV (Months):"), finalTestTdev_, finalTest), 0,
                         0);
    finalGrid->addWidget(finalTestTdev_, 0, 1, Qt::AlignRight);
    finalGrid->addWidget(
        BuddyLabel(QStringLiteral("Effort (Person Months):"), finalTestEffort_, finalTest), 1, 0);
    finalGrid->addWidget(finalTestEffort_, 1, 1, Qt::AlignRight);
    finalGrid->setRowStretch(2, 1);

    auto* groups = new QHBoxLayout;
    groups->addWidget(productDesign);
    groups->addWidget(finalTest);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addSpacing(6);
    layout->addWidget(MakeButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const std::pair<QLineEdit*, std::string cSystemAttributesDlg::*> edits[] = {
        {productDesignTdev_, &cSystemAttributesDlg::productDesignTdevText},
        {productDesignEffort_, &cSystemAttributesDlg::productDesignEffortText},
        {finalTestTdev_, &cSystemAttributesDlg::finalTestTdevText},
        {finalTestEffort_, &cSystemAttributesDlg::finalTestEffortText},
    };
    for (const auto& [edit, text] : edits) {
        auto member = text;
        connect(edit, &QLineEdit::textEdited, this,
                [this, member](const QString& typed) { logic_.*member = ToStdString(typed); });
    }
    connect(source_, &QButtonGroup::idClicked, this, [this](int source) {
        if (source == kUserSpecified)
            logic_.OnUserSpecified();
        else
            logic_.OnProjectDerived();
        Refresh();
        if (logic_.AreProductDesignEditsEnabled()) FocusField(productDesignTdev_);
    });
    ChainTabOrder({derived, specified, productDesignTdev_, productDesignEffort_, finalTestTdev_,
                   finalTestEffort_, OkButton(), CancelButton()});
    Refresh();
    source_->checkedButton()->setFocus();
}

void cSystemAttributesForm::Refresh() {
    CheckButton(source_, logic_.IsUserSpecified() ? kUserSpecified : kProjectDerived);
    bool enabled = logic_.AreProductDesignEditsEnabled();
    ShowFieldState(productDesignTdev_, enabled, !enabled);
    ShowFieldState(productDesignEffort_, enabled, !enabled);
    ShowText(productDesignTdev_, logic_.productDesignTdevText);
    ShowText(productDesignEffort_, logic_.productDesignEffortText);
    ShowText(finalTestTdev_, logic_.finalTestTdevText);
    ShowText(finalTestEffort_, logic_.finalTestEffortText);
}

bool cSystemAttributesForm::ApplyToLogic() {
    return logic_.OnOk();
}

}  // namespace korval
