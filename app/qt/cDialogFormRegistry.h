#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

namespace korval {

class cDialogLogic;
class cPlatformServices;

// The Qt forms of the dialogs, found by the title of the dialog's logic. A form is
// registered once from its own source file, so the platform never needs to know the
// forms of the model folders:
//
//     const bool kRegistered =
//         cDialogFormRegistry::RegisterForm<cCocomoAttributesForm, cCocomoAttributesDlg>(
//             "COCOMO Attributes");
//
// The form's constructor takes (Logic&, cPlatformServices&, QWidget* parent); OK must
// leave the logic holding what the user entered and accepted.
class cDialogFormRegistry {
  public:
    using Factory =
        std::function<std::unique_ptr<QDialog>(cDialogLogic&, cPlatformServices&, QWidget* parent)>;

    // False when a form is already registered for the title (the first one stays).
    static bool Register(const std::string& title, Factory factory);

    template <class Form, class Logic>
    static bool RegisterForm(const std::string& title) {
        return Register(title,
                        [](cDialogLogic& logic, cPlatformServices& platform,
                           QWidget* parent) -> std::unique_ptr<QDialog> {
                            auto* typed = dynamic_cast<Logic*>(&logic);
                            if (typed == nullptr) return nullptr;
                            return std::make_unique<Form>(*typed, platform, parent);
                        });
    }

    static bool Has(const std::string& title);
    // The form for the logic, or null when none is registered for its title and type.
    static std::unique_ptr<QDialog> Create(cDialogLogic& logic, cPlatformServices& platform,
                                           QWidget* parent);
};

}  // namespace korval
