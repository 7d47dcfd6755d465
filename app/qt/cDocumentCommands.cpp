#include "app/qt/cDocumentCommands.h"

#include <map>
#include <utility>

namespace korval {

namespace {
std::map<std::pair<DocumentKind, int>, cDocumentCommands::Handler>& Handlers() {
    static std::map<std::pair<DocumentKind, int>, cDocumentCommands::Handler> handlers;
    return handlers;
}

std::map<int, cDocumentCommands::FrameHandler>& FrameHandlers() {
    static std::map<int, cDocumentCommands::FrameHandler> handlers;
    return handlers;
}
}  // namespace

bool cDocumentCommands::Register(DocumentKind kind, int commandId, Handler handler) {
    if (!handler.run) return false;
    return Handlers().emplace(std::make_pair(kind, commandId), std::move(handler)).second;
}

const cDocumentCommands::Handler* cDocumentCommands::Find(DocumentKind kind, int commandId) {
    auto found = Handlers().find({kind, commandId});
    return found == Handlers().end() ? nullptr : &found->second;
}

bool cDocumentCommands::RegisterFrameCommand(int commandId, FrameHandler handler) {
    if (!handler) return false;
    return FrameHandlers().emplace(commandId, std::move(handler)).second;
}

const cDocumentCommands::FrameHandler* cDocumentCommands::FindFrameCommand(int commandId) {
    auto found = FrameHandlers().find(commandId);
    return found == FrameHandlers().end() ? nullptr : &found->second;
}

}  // namespace korval
