#pragma once

#include <QProxyStyle>

namespace korval {

// The application's style, with the icons of the toolbars' and the menu bar's extension
// buttons read when they are first drawn. Each toolbar asks for its extension icon as it
// is built, though the button shows only when the bar is too short for its buttons; the
// first icon read loads every image format plugin Qt has (GIF, ICO, JPEG, SVG and their
// libraries), which was most of the toolbars' construction before the first paint. The
// icons drawn are the base style's own, so nothing on screen changes.
class cDeferredIconStyle : public QProxyStyle {
  public:
    // Wraps the application's current style, unless it is wrapped already.
    static void Install();
    // Whether the style defers this standard icon.
    static bool Defers(StandardPixmap icon);

    explicit cDeferredIconStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace korval
