#include "app/qt/cAboutForm.h"

#include <QGridLayout>
#include <QLabel>

#include "app/qt/CommandIcons.h"
#include "app/qt/QtText.h"

namespace korval {

namespace {
QLabel* TextLabel(const std::string& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
}  // namespace

cAboutForm::cAboutForm(cAboutDlg& logic, cPlatformServices& platform, QWidget* parent)
    : cDialogForm(logic, platform, parent) {
    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(48, 48));
    QLabel* name = TextLabel(logic.ProductName(), "productName", this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    name->setFont(bold);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(TextLabel(logic.VersionText(), "versionText", this), 1, 1);
    layout->addWidget(TextLabel(logic.CopyrightText(), "copyrightText", this), 2, 1);
    layout->addWidget(MakeButtonBox(QDialogButtonBox::Ok, Qt::Vertical), 0, 2, 3, 1, Qt::AlignTop);
    layout->setHorizontalSpacing(16);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace korval
