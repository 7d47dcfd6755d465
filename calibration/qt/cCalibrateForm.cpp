#include "calibration/qt/cCalibrateForm.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/qt/QtText.h"
#include "app/qt/cQtPrintJob.h"
#include "app/qt/cQtPrinterSurface.h"
#include "calibration/cCalibrateDlg.h"
#include "calibration/cCalibrationReportPrinter.h"
#include "calibration/qt/cCalibrationReportView.h"
#include "framework/cPlatformServices.h"

namespace korval {

cCalibrateForm::cCalibrateForm(cCalibrateDlg& logic, cPlatformServices& platform, QWidget* parent)
    : cDialogForm(logic, platform, parent),
      logic_(logic),
      summary_(new QLabel(this)),
      problems_(new QListWidget(this)),
      report_(new cCalibrationReportView(logic.Result(), this)),
      items_(new QListWidget(this)),
      saveProfile_(new QPushButton(QStringLiteral("&Save Profile..."), this)) {
    summary_->setObjectName(QStringLiteral("summaryLabel"));
    problems_->setObjectName(QStringLiteral("problemList"));
    items_->setObjectName(QStringLiteral("fitList"));
    saveProfile_->setObjectName(QStringLiteral("saveProfileButton"));
    for (const std::string& problem : logic_.ProblemTexts()) {
        problems_->addItem(ToQString(problem));
    }
    problems_->setVisible(problems_->count() > 0);
    problems_->setMaximumHeight(110);
    for (const CalibrationItem& item : logic_.Items()) {
        auto* row = new QListWidgetItem(ToQString(item.label), items_);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        row->setCheckState(item.applied ? Qt::Checked : Qt::Unchecked);
    }
    items_->setMaximumHeight(150);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(report_);
    scroll->setWidgetResizable(true);
    scroll->setMinimumSize(780, 300);

    auto* print = new QPushButton(QStringLiteral("&Print..."), this);
    print->setObjectName(QStringLiteral("printButton"));
    auto* pdf = new QPushButton(QStringLiteral("Save P&DF..."), this);
    pdf->setObjectName(QStringLiteral("pdfButton"));
    QDialogButtonBox* buttons = MakeButtonBox(QDialogButtonBox::Close);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setText(QStringLiteral("Close"));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(print);
    buttonRow->addWidget(pdf);
    buttonRow->addWidget(saveProfile_);
    buttonRow->addStretch();
    buttonRow->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(problems_);
    layout->addWidget(scroll, 1);
    layout->addWidget(new QLabel(QStringLiteral("Values to take into the new profile:"), this));
    layout->addWidget(items_);
    layout->addLayout(buttonRow);

    connect(items_, &QListWidget::itemChanged, this, [this](QListWidgetItem* row) {
        logic_.SetApplied(static_cast<std::size_t>(items_->row(row)),
                          row->checkState() == Qt::Checked);
        Refresh();
    });
    connect(saveProfile_, &QPushButton::clicked, this, [this] {
        logic_.OnSaveProfile();
        Refresh();
    });
    connect(print, &QPushButton::clicked, this, &cCalibrateForm::OnPrint);
    connect(pdf, &QPushButton::clicked, this, &cCalibrateForm::OnSavePdf);
    Refresh();
}

void cCalibrateForm::Refresh() {
    summary_->setText(ToQString(logic_.Summary()));
    saveProfile_->setEnabled(logic_.CanSaveProfile());
}

int cCalibrateForm::PrintTo(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    cQtPrinterSurface surface(painter, printer);
    cCalibrationReportPrinter cycle(logic_.Result(), surface);
    int last = cycle.BeginPrinting(Platform().Now());
    int printed = 0;
    for (int page = 1; page <= last; ++page) {
        if (printed > 0 && !printer.newPage()) break;
        cycle.PrintPage(page);
        ++printed;
    }
    painter.end();
    return printed;
}

void cCalibrateForm::OnPrint() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (PrintTo(printer) == 0) Platform().ShowMessage("The report could not be printed.");
}

void cCalibrateForm::OnSavePdf() {
    std::string path =
        Platform().PromptSaveFileName("calibration.pdf", "PDF files (*.pdf)|*.pdf|", "pdf");
    if (path.empty()) return;
    QPrinter printer(QPrinter::HighResolution);
    cQtPrintJob::SetUpPdfPrinter(printer, ToQString(path));
    if (PrintTo(printer) == 0) Platform().ShowMessage("Cannot write " + path);
}

}  // namespace korval
