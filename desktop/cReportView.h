#pragma once

#include <QAbstractScrollArea>

#include "framework/cDocObserver.h"

class QPrinter;
class QPrintPreviewDialog;

namespace korval {

class cModelDoc;
class cPlatformServices;

// The scrolling report window every document kind shares: it lays the document's
// report out on the screen on every paint, scrolls over the report extent the layout
// leaves behind, and prints through the shared print path.
class cReportView : public QAbstractScrollArea, public cDocObserver {
    Q_OBJECT
  public:
    cReportView(cModelDoc& document, cPlatformServices& platform, QWidget* parent = nullptr);
    ~cReportView() override;

    cModelDoc& Document() const { return document_; }

    // Print, with the platform's print dialog; Print Preview.
    void Print(QPrinter& printer);
    void PrintPreview(QPrinter& printer);
    // The preview window over the print path (PrintPreview shows it modally).
    QPrintPreviewDialog* CreatePreviewDialog(QPrinter& printer);
    // The print path without dialogs; returns the pages printed.
    int PrintTo(QPrinter& printer);

    void OnDocumentUpdated(cModelDoc& document) override;

    // Lays the report out once without drawing, so the scroll size follows the report.
    void UpdateScrollSizes();

  signals:
    void DocumentChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    void LayOut(QPainter* painter);
    void ApplyScrollSizes();

    cModelDoc& document_;
    cPlatformServices& platform_;
};

}  // namespace korval
