#include "framework/cUndoHistory.h"

#include <atomic>
#include <filesystem>

#include "framework/cModelDoc.h"
#include "framework/cProfileStore.h"

namespace korval {

namespace {

// A snapshot is a file that lives in the profile store's memory only, gone with the object:
// nothing is written to disk, so no link planted at a guessable name in a shared folder can
// turn a snapshot into a write to another file. It is named as if it lay beside the
// document's file, as a system resolves its relative member paths from its file's folder.
class cSnapshotFile {
  public:
    explicit cSnapshotFile(const cModelDoc& document, std::string content = {}) {
        static std::atomic<unsigned> counter{0};
        std::filesystem::path folder = std::filesystem::path(document.GetPathName()).parent_path();
        path_ = (folder / (".korval-undo-" + std::to_string(counter++))).string();
        cProfileStore::Instance().KeepInMemory(path_, std::move(content));
    }
    ~cSnapshotFile() { cProfileStore::Instance().Forget(path_); }
    cSnapshotFile(const cSnapshotFile&) = delete;
    cSnapshotFile& operator=(const cSnapshotFile&) = delete;

    const std::string& Path() const { return path_; }
    std::string Read() const { return cProfileStore::Instance().MemoryText(path_); }

  private:
    std::string path_;
};

}  // namespace

cUndoHistory::cUndoHistory(cModelDoc& document) : document_(document) {}

std::string cUndoHistory::Snapshot() const {
    cSnapshotFile file(document_);
    bool modified = document_.IsModified();
    std::string text = document_.SaveModel(file.Path()) ? file.Read() : std::string();
    document_.SetModifiedFlag(modified);
    return text;
}

void cUndoHistory::MarkSaved() {
    saved_ = Snapshot();
}

bool cUndoHistory::Record(const std::function<void()>& change) {
    State before{Snapshot(), document_.IsModified()};
    change();
    if (before.inputs.empty() || Snapshot() == before.inputs) return false;
    undo_.push_back(std::move(before));
    if (undo_.size() > kDepth) undo_.erase(undo_.begin());
    redo_.clear();
    return true;
}

bool cUndoHistory::Undo() {
    return Step(undo_, redo_);
}

bool cUndoHistory::Redo() {
    return Step(redo_, undo_);
}

bool cUndoHistory::Step(std::vector<State>& from, std::vector<State>& to) {
    if (from.empty()) return false;
    to.push_back({Snapshot(), document_.IsModified()});
    State state = std::move(from.back());
    from.pop_back();
    Restore(state);
    return true;
}

void cUndoHistory::Restore(const State& state) {
    {
        cSnapshotFile file(document_, state.inputs);
        document_.ResetToDefaults();
        static_cast<void>(document_.LoadModel(file.Path()));
    }
    // Back at the saved inputs the document has nothing to save; elsewhere it has.
    document_.SetModifiedFlag(saved_.empty() ? state.modified : state.inputs != saved_);
    document_.UpdateAllViews();
}

}  // namespace korval
