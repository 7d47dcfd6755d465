#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace korval {

class cModelDoc;

// Undo and Redo for a document of any kind: before each change the document's inputs are
// kept as its model file would hold them (a snapshot), and undoing puts a snapshot back
// by reading it as the document reads its file. Figures are computed from the inputs, so
// they come back with them. Back at the state last saved the document is not modified.
class cUndoHistory {
  public:
    static constexpr std::size_t kDepth = 100;

    explicit cUndoHistory(cModelDoc& document);

    // Runs change; when it changed the document's inputs the state before it can be undone
    // (and whatever was undone before can no longer be redone). True when it changed them.
    bool Record(const std::function<void()>& change);
    // The document was saved (or opened): its inputs now match its file.
    void MarkSaved();

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    bool Undo();
    bool Redo();

    // The document's inputs as its model file would hold them.
    std::string Snapshot() const;

  private:
    struct State {
        std::string inputs;
        bool modified;
    };
    bool Step(std::vector<State>& from, std::vector<State>& to);
    void Restore(const State& state);

    cModelDoc& document_;
    std::vector<State> undo_;
    std::vector<State> redo_;
    std::string saved_;
};

}  // namespace korval
