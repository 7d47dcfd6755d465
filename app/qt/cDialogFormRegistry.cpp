#include "app/qt/cDialogFormRegistry.h"

#include <map>

#include "framework/cDialogLogic.h"

namespace korval {

namespace {
// Built on first use: forms register themselves while static objects are being created.
std::map<std::string, cDialogFormRegistry::Factory>& Factories() {
    static std::map<std::string, cDialogFormRegistry::Factory> factories;
    return factories;
}
}  // namespace

bool cDialogFormRegistry::Register(const std::string& title, Factory factory) {
    return Factories().emplace(title, std::move(factory)).second;
}

bool cDialogFormRegistry::Has(const std::string& title) {
    return Factories().count(title) != 0;
}

std::unique_ptr<QDialog> cDialogFormRegistry::Create(cDialogLogic& logic,
                                                     cPlatformServices& platform, QWidget* parent) {
    auto found = Factories().find(logic.Title());
    if (found == Factories().end()) return nullptr;
    return found->second(logic, platform, parent);
}

}  // namespace korval
