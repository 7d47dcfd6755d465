#include "app/qt/cToolbarConfigForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/qt/QtText.h"

namespace korval {

cToolbarConfigForm::cToolbarConfigForm(cToolbarConfigDlg& logic, cPlatformServices& platform,
                                       QWidget* parent)
    : cDialogForm(logic, platform, parent) {
    auto* group = new QGroupBox(QStringLiteral("ToolBars"), this);
    auto* boxes = new QVBoxLayout(group);
    for (int i = 0; i < cToolbarConfigDlg::kBarCount; ++i) {
        auto bar = static_cast<cToolbarConfigDlg::Bar>(i);
        auto* check = new QCheckBox(ToQString(cToolbarConfigDlg::Label(bar)), group);
        check->setObjectName(QStringLiteral("barBox%1").arg(cToolbarConfigDlg::BarId(bar)));
        check->setChecked(logic.IsChecked(bar));
        connect(check, &QCheckBox::toggled, this,
                [&logic, bar](bool on) { logic.SetChecked(bar, on); });
        boxes->addWidget(check);
        boxes_[i] = check;
    }
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical),
                      0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace korval
