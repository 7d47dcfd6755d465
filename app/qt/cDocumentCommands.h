#pragma once

#include <functional>

#include "framework/cDocumentKind.h"

namespace korval {

struct cAppContext;
class cModelDoc;

// Which document kind handles which menu command, and how. The main frame enables a
// menu entry or toolbar button only while the active document's kind has a handler for
// its command id, so a model's commands light up once its folder's registration
// function, called by the desktop's start-up, has registered them:
//
//     cDocumentCommands::Register(
//         DocumentKind::Cocomo, commands::kCocomoAttributes,
//         {[](cModelDoc& doc) { static_cast<cCocomoDoc&>(doc).OnAttributes(); }, {}, {}});
//
// The handler runs the command on the document (dialog, copy back, modified flag,
// redraw); the frame refreshes titles and command states afterwards.
class cDocumentCommands {
  public:
    struct Handler {
        std::function<void(cModelDoc&)> run;
        // Empty: always enabled.
        std::function<bool(const cModelDoc&)> enabled;
        // Empty: the entry carries no check mark.
        std::function<bool(const cModelDoc&)> checked;
    };
    using FrameHandler = std::function<void(cAppContext&)>;

    // False when the kind already has a handler for the command (the first one stays).
    static bool Register(DocumentKind kind, int commandId, Handler handler);
    static const Handler* Find(DocumentKind kind, int commandId);

    // Commands the main frame runs itself when no open document handles them (the
    // Languages entry with no document open).
    static bool RegisterFrameCommand(int commandId, FrameHandler handler);
    static const FrameHandler* FindFrameCommand(int commandId);
};

}  // namespace korval
