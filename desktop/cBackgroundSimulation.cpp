#include "desktop/cBackgroundSimulation.h"

#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>
#include <utility>
#include <vector>

#include "desktop/cChildFrame.h"
#include "desktop/cMainFrame.h"
#include "simulation/CalculatorOutputs.h"
#include "simulation/SimulationReport.h"

namespace korval {

namespace {

constexpr int kPollMilliseconds = 100;
// Runs shorter than this finish without the status bar flickering.
constexpr int kQuietPolls = 5;

}  // namespace

cBackgroundSimulation::cBackgroundSimulation(cMainFrame& frame) : frame_(frame) {
    progress_ = new QProgressBar(frame_.statusBar());
    progress_->setMaximumWidth(200);
    progress_->setFormat(QStringLiteral("Simulating %p%"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"), frame_.statusBar());
    frame_.statusBar()->addPermanentWidget(progress_);
    frame_.statusBar()->addPermanentWidget(cancel_);
    ShowProgress(false);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (run_) run_->control.cancel = true;
    });
    poll_.setInterval(kPollMilliseconds);
    connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
}

cBackgroundSimulation::~cBackgroundSimulation() {
    // The thread reads nothing of the documents; it only has to stop before its results go.
    if (run_) run_->control.cancel = true;
}

int cBackgroundSimulation::Appendix(const cModelDoc& document, cDrawContext& dc, int& y) {
    return CachedSimulationAppendix(document, dc, y, cache_,
                                    [this](const cModelDoc& pending) { Start(pending); });
}

void cBackgroundSimulation::HoldRuns() {
    held_ = true;
}

void cBackgroundSimulation::ReleaseRuns() {
    held_ = false;
    const cModelDoc* requested = std::exchange(heldRequest_, nullptr);
    if (cModelDoc* document = OpenDocument(requested)) Start(*document);
}

SimulatedOutputs cBackgroundSimulation::CalculatorOutputs(const cModelDoc& document,
                                                          const std::vector<std::string>& keys) {
    SimulatedOutputs answer =
        CachedCalculatorOutputs(document, keys, cache_, [this](const cModelDoc& pending) {
            Start(pending);
            return Progress();
        });
    if (answer.status == SimulatedOutputs::Status::Running) {
        answer.cancel = [this] {
            if (run_) run_->control.cancel = true;
        };
    }
    return answer;
}

double cBackgroundSimulation::Progress() const {
    if (!run_) return 0;
    std::int64_t trials = std::max<std::int64_t>(1, run_->trials);
    return std::clamp(
        static_cast<double>(run_->control.completedTrials) / static_cast<double>(trials), 0.0, 1.0);
}

void cBackgroundSimulation::Start(const cModelDoc& document) {
    if (held_) {
        heldRequest_ = &document;
        return;
    }
    if (run_) {
        if (run_->document == &document && run_->revision == document.Revision()) return;
        // Another document or an older revision: its results would be drawn nowhere.
        run_->control.cancel = true;
        run_.reset();
    }
    auto run = std::make_unique<Run>();
    run->document = &document;
    run->revision = document.Revision();
    run->trials = SimulationSettingsOf(document).trials;
    Run* started = run.get();
    run->thread = std::jthread([started, prepared = PrepareSimulation(document)] {
        try {
            started->results = prepared(&started->control);
        } catch (const std::exception& error) {
            started->failure = error.what();
        } catch (...) {
            started->failure = "an unknown error";
        }
        started->done = true;
    });
    run_ = std::move(run);
    polls_ = 0;
    progress_->setValue(0);
    poll_.start();
}

void cBackgroundSimulation::Poll() {
    if (!run_) {
        poll_.stop();
        ShowProgress(false);
        return;
    }
    if (run_->done) {
        Finish();
        return;
    }
    if (++polls_ == kQuietPolls) ShowProgress(true);
    progress_->setValue(static_cast<int>(100 * Progress()));
}

void cBackgroundSimulation::Finish() {
    std::unique_ptr<Run> run = std::move(run_);
    run->thread.join();
    poll_.stop();
    ShowProgress(false);
    std::vector<const cModelDoc*> open;
    for (cChildFrame* child : frame_.Children()) open.push_back(&child->Document());
    // Results of windows closed since are of no use any more.
    cache_.KeepOnly(open);
    cModelDoc* document = OpenDocument(run->document);
    if (!document) return;
    if (!run->failure.empty()) {
        frame_.statusBar()->showMessage(
            QStringLiteral("The simulation stopped: %1").arg(QString::fromStdString(run->failure)));
        // Kept as a run without outputs, as a cancelled one: it is not started again at once.
        run->results.emplace().cancelled = true;
    }
    if (!run->results) return;
    // A run the user cancelled is kept as results without outputs: the report drops the
    // block until the next edit instead of starting the run again at once.
    cache_.Store(*document, run->revision, std::move(*run->results));
    document->UpdateAllViews();
}

cModelDoc* cBackgroundSimulation::OpenDocument(const cModelDoc* document) const {
    for (cChildFrame* child : frame_.Children()) {
        if (&child->Document() == document) return &child->Document();
    }
    return nullptr;
}

void cBackgroundSimulation::ShowProgress(bool shown) {
    progress_->setVisible(shown);
    cancel_->setVisible(shown);
}

}  // namespace korval
