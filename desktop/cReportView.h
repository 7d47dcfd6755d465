#pragma once

#include <QAbstractScrollArea>
#include <QStringList>
#include <optional>

#include "framework/cDocObserver.h"
#include "framework/cReportLayout.h"

class QPrinter;
class QPrintPreviewDialog;

namespace korval {

class cModelDoc;
class cPlatformServices;

// The scrolling report window every document kind shares: it lays the document's report
// out once for its font and width, paints only the rows in view, scrolls over the report
// extent the layout leaves behind, and prints through the shared print path.
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
    // Reads again what the document is made from when it changed on disk (a system's member
    // files) and tells SourcesReadAgain; the files read again. Most documents have none.
    virtual QStringList ReadChangedSourcesAgain() { return {}; }

    // Lays the report out anew without drawing, so the scroll size follows the report.
    void UpdateScrollSizes();
    // Lays the report out anew and paints it again: the document may have changed.
    void Refresh();
    // How many times the report was laid out: scrolling and repainting lay out nothing.
    int LayoutCount() const { return layoutCount_; }

  signals:
    void DocumentChanged();
    void SourcesReadAgain(const QStringList& files);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    // Lays the report out when there is no layout yet or the view's font or size changed
    // since; true when it did.
    bool EnsureLayout();
    void ApplyScrollSizes();

    cModelDoc& document_;
    cPlatformServices& platform_;
    std::optional<cReportLayout> layout_;
    int layoutCount_ = 0;
};

}  // namespace korval
