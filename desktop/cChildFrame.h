#pragma once

#include <QMdiSubWindow>
#include <memory>

namespace korval {

class cModelDoc;
class cPlatformServices;
class cReportView;
class cUndoHistory;

// The window of one open document inside the main frame: it owns the document and its
// report view, and asks about unsaved changes before it closes.
class cChildFrame : public QMdiSubWindow {
    Q_OBJECT
  public:
    cChildFrame(std::unique_ptr<cModelDoc> document, cPlatformServices& platform,
                QWidget* parent = nullptr);
    ~cChildFrame() override;

    cModelDoc& Document() const { return *document_; }
    cReportView& View() const { return *view_; }
    // The document's undo and redo.
    cUndoHistory& History();
    // Whether Undo and Redo have anything to take back, asked without taking the opened
    // state: the commands are refreshed before the report's first paint.
    bool CanUndo() const;
    bool CanRedo() const;

    // The main frame has already asked (at exit): close without asking again.
    void SetCloseConfirmed(bool confirmed) { closeConfirmed_ = confirmed; }
    // The caption follows the document's title (its file name once saved), with " *" while
    // the document has unsaved changes.
    void RefreshTitle();

  signals:
    void DocumentChanged();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // The opened document's state as its file holds it, for undo to know when it is back
    // there; a snapshot writes the document out, so it waits for the report's first paint
    // unless the history is wanted sooner.
    void TakeOpenedState();

    std::unique_ptr<cModelDoc> document_;
    std::unique_ptr<cUndoHistory> history_;
    cReportView* view_;
    bool closeConfirmed_ = false;
    bool openedStatePending_ = false;
};

}  // namespace korval
