#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <typeindex>

namespace korval {

class cDialogLogic;
class cPlatformServices;

// The Qt forms of the dialogs, found by the class of the dialog's logic, so the platform
// never needs to know the forms of the model folders. Each folder's qt/ annex registers
// its forms from its registration function, which the desktop's start-up calls:
//
//     cDialogFormRegistry::RegisterForm<cCocomoAttributesForm, cCocomoAttributesDlg>();
//
// The form's constructor takes (Logic&, cPlatformServices&, QWidget* parent); OK must
// leave the logic holding what the user entered and accepted.
class cDialogFormRegistry {
  public:
    using Factory =
        std::function<std::unique_ptr<QDialog>(cDialogLogic&, cPlatformServices&, QWidget* parent)>;

    // False when a form is already registered for the logic class (the first one stays).
    static bool Register(std::type_index logicClass, Factory factory);

    template <class Form, class Logic>
    static bool RegisterForm() {
        return Register(typeid(Logic),
                        [](cDialogLogic& logic, cPlatformServices& platform,
                           QWidget* parent) -> std::unique_ptr<QDialog> {
                            // Create looks the factory up by the logic's own class.
                            return std::make_unique<Form>(static_cast<Logic&>(logic), platform,
                                                          parent);
                        });
    }

    static bool Has(std::type_index logicClass);
    template <class Logic>
    static bool Has() {
        return Has(typeid(Logic));
    }
    // The form for the logic, or null when none is registered for the logic's class (a
    // class derived from a registered one has no form of its own).
    static std::unique_ptr<QDialog> Create(cDialogLogic& logic, cPlatformServices& platform,
                                           QWidget* parent);
};

}  // namespace korval
