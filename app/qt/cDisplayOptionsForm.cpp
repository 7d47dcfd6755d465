#include "app/qt/cDisplayOptionsForm.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "app/qt/QtText.h"

namespace korval {

cDisplayOptionsForm::cDisplayOptionsForm(cDisplayOptionsDlg& logic, cPlatformServices& platform,
                                         QWidget* parent)
    : cDialogForm(logic, platform, parent) {
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < cDisplayOptionsDlg::kBoxCount; ++i) {
        auto box = static_cast<cDisplayOptionsDlg::Box>(i);
        auto* check = new QCheckBox(ToQString(cDisplayOptionsDlg::Label(box)), this);
        check->setObjectName(QStringLiteral("displayBox%1").arg(i));
        check->setChecked(logic.IsChecked(box));
        check->setVisible(logic.IsVisible(box));
        connect(check, &QCheckBox::toggled, this,
                [&logic, box](bool on) { logic.SetChecked(box, on); });
        layout->addWidget(check);
        boxes_[i] = check;
    }
    layout->addSpacing(8);
    layout->addWidget(MakeButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace korval
