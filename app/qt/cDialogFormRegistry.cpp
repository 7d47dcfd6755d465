#include "app/qt/cDialogFormRegistry.h"

#include <map>

#include "framework/cDialogLogic.h"

namespace korval {

namespace {
std::map<std::type_index, cDialogFormRegistry::Factory>& Factories() {
    static std::map<std::type_index, cDialogFormRegistry::Factory> factories;
    return factories;
}
}  // namespace

bool cDialogFormRegistry::Register(std::type_index logicClass, Factory factory) {
    return Factories().emplace(logicClass, std::move(factory)).second;
}

bool cDialogFormRegistry::Has(std::type_index logicClass) {
    return Factories().count(logicClass) != 0;
}

std::unique_ptr<QDialog> cDialogFormRegistry::Create(cDialogLogic& logic,
                                                     cPlatformServices& platform, QWidget* parent) {
    auto found = Factories().find(typeid(logic));
    if (found == Factories().end()) return nullptr;
    return found->second(logic, platform, parent);
}

}  // namespace korval
