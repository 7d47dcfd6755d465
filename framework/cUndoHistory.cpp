#include "framework/cUndoHistory.h"

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/cModelDoc.h"
#include "framework/cProfileStore.h"

namespace korval {

namespace {

// A file of its own for one snapshot, gone (and forgotten by the store) with the object.
// A system reads relative member paths beside its file, so a document with a file keeps its
// snapshots in that file's folder when it may write there; others use the temporary folder.
class cSnapshotFile {
  public:
    explicit cSnapshotFile(const cModelDoc& document) {
        static std::atomic<unsigned> counter{0};
        std::filesystem::path folder = std::filesystem::temp_directory_path();
        if (!document.GetPathName().empty()) {
            std::filesystem::path own = std::filesystem::path(document.GetPathName()).parent_path();
            std::error_code error;
            if (!own.empty() && std::filesystem::is_directory(own, error) &&
                ::access(own.c_str(), W_OK) == 0) {
                folder = own;
            }
        }
        path_ = (folder /
                 (".korval-undo-" + std::to_string(::getpid()) + "-" + std::to_string(counter++)))
                    .string();
    }
    ~cSnapshotFile() {
        std::error_code error;
        std::filesystem::remove(path_, error);
        cProfileStore::Instance().Forget(path_);
    }
    cSnapshotFile(const cSnapshotFile&) = delete;
    cSnapshotFile& operator=(const cSnapshotFile&) = delete;

    const std::string& Path() const { return path_; }
    std::string Read() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return std::move(text).str();
    }
    void Write(const std::string& text) const {
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << text;
    }

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
        cSnapshotFile file(document_);
        file.Write(state.inputs);
        document_.ResetToDefaults();
        static_cast<void>(document_.LoadModel(file.Path()));
    }
    // Back at the saved inputs the document has nothing to save; elsewhere it has.
    document_.SetModifiedFlag(saved_.empty() ? state.modified : state.inputs != saved_);
    document_.UpdateAllViews();
}

}  // namespace korval
