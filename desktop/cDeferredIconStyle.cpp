#include "desktop/cDeferredIconStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <optional>

namespace korval {

namespace {

// An icon that asks the style for the real one the first time it is needed.
class cDeferredIconEngine : public QIconEngine {
  public:
    cDeferredIconEngine(QStyle* style, QStyle::StandardPixmap which, const QStyleOption* option,
                        const QWidget* widget)
        : style_(style), which_(which), widget_(const_cast<QWidget*>(widget)) {
        if (option != nullptr) option_ = *option;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().actualSize(size, mode, state);
    }
    // The icon's own pixmap at the size asked for; QIcon applies the device pixel ratio.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().pixmap(size, 1.0, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Loaded().availableSizes(mode, state);
    }
    bool isNull() override { return loaded_ && icon_.isNull(); }
    QString key() const override { return QStringLiteral("korval-deferred"); }
    QIconEngine* clone() const override { return new cDeferredIconEngine(*this); }

  private:
    const QIcon& Loaded() {
        if (!loaded_) {
            QStyle* style = style_ ? style_.data() : QApplication::style();
            icon_ = style->standardIcon(which_, option_ ? &*option_ : nullptr, widget_.data());
            loaded_ = true;
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    // The extension buttons pass a plain QStyleOption: its direction, palette and state.
    std::optional<QStyleOption> option_;
    // Only read; QPointer cannot hold a const object.
    QPointer<QWidget> widget_;
    bool loaded_ = false;
    QIcon icon_;
};

}  // namespace

void cDeferredIconStyle::Install() {
    QStyle* current = QApplication::style();
    if (dynamic_cast<cDeferredIconStyle*>(current) != nullptr) return;
    // A fresh instance of the same style: the current one belongs to the application.
    if (QStyle* base = QStyleFactory::create(current->name()))
        QApplication::setStyle(new cDeferredIconStyle(base));
}

bool cDeferredIconStyle::Defers(StandardPixmap icon) {
    return icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton;
}

cDeferredIconStyle::cDeferredIconStyle(QStyle* base) : QProxyStyle(base) {}

QIcon cDeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                       const QWidget* widget) const {
    if (!Defers(icon)) return QProxyStyle::standardIcon(icon, option, widget);
    return QIcon(new cDeferredIconEngine(baseStyle(), icon, option, widget));
}

}  // namespace korval
