// What the desktop does to paint its first window sooner must not change what it paints:
// the toolbar pictograms rendered when the program is built, the extension icons read
// when first drawn, and the fonts loaded on a thread of their own.
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <vector>

#include "app/qt/CommandIcons.h"
#include "app/qt/IconMasks.h"
#include "desktop/cDeferredIconStyle.h"
#include "desktop/cFontWarmUp.h"

using namespace korval;

namespace {

// The pictogram drawn from its SVG in the colour, as the desktop drew it before its masks.
QImage FromSvg(const QString& path, const QColor& colour, int side) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray drawing = file.readAll().replace("currentColor", colour.name().toLatin1());
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(drawing);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, side, side));
    return image;
}

// The largest difference of any channel of any pixel; -1 when the sizes differ.
int LargestDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return -1;
    QImage left = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage right = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            QRgb p = left.pixel(x, y), q = right.pixel(x, y);
            for (int channel : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q),
                                qAlpha(p) - qAlpha(q)})
                largest = std::max(largest, std::abs(channel));
        }
    }
    return largest;
}

bool HasInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return true;
    return false;
}

}  // namespace

class DesktopStartTest : public QObject {
    Q_OBJECT
  private slots:
    void pictogramsMatchTheirSvgAtEverySizeAndColour();
    void pictogramsTheBuildDidNotRenderAreBlank();
    void extensionIconsDrawAsTheBaseStylesOwn();
    void otherStandardIconsAreTheBaseStylesOwn();
    void theStyleIsInstalledOnce();
    void aToolbarBuiltUnderTheStyleDefersItsExtensionIcon();
    void fontWarmUpFillsTheFontDatabase();
    void fontWarmUpEndsWhenTheApplicationNeverBecameReady();
    void fontsStartBeforeMainOnlyForTheDesktop();
    void aWarmUpTakesOverTheEarlyStart();
};

void DesktopStartTest::pictogramsMatchTheirSvgAtEverySizeAndColour() {
    const QDir icons(QStringLiteral(KORVAL_SOURCE_DIR "/resources/icons"));
    const QStringList files = icons.entryList({QStringLiteral("*.svg")}, QDir::Files);
    QVERIFY(files.size() >= 20);
    for (const QString& file : files) {
        const QString name = QFileInfo(file).completeBaseName();
        for (const QColor& colour :
             {QColor(20, 20, 20), QColor(235, 235, 235), QColor(200, 100, 20)}) {
            for (int side : kIconMaskSides) {
                QImage expected = FromSvg(icons.filePath(file), colour, side);
                QImage drawn = PictogramPixmap(name, colour, side).toImage();
                const QString what =
                    QStringLiteral("%1 at %2 in %3").arg(name).arg(side).arg(colour.name());
                QVERIFY2(HasInk(expected), qPrintable(what));
                // Blending the strokes one by one rounds differently from tinting their
                // combined coverage once, by one step at most.
                int difference = LargestDifference(drawn, expected);
                QVERIFY2(difference >= 0 && difference <= 1,
                         qPrintable(what + QStringLiteral(": off by %1").arg(difference)));
            }
        }
    }
}

void DesktopStartTest::pictogramsTheBuildDidNotRenderAreBlank() {
    struct Case {
        const char* name;
        int side;
    };
    for (Case c : {Case{"no-such-pictogram", 16}, Case{"save", 22}, Case{"save", 0}}) {
        QVERIFY(IconMask(c.name, c.side) == nullptr);
        if (c.side > 0)
            QVERIFY(
                !HasInk(PictogramPixmap(QString::fromLatin1(c.name), Qt::black, c.side).toImage()));
    }
    QVERIFY(IconMask("save", 16) != nullptr);
}

void DesktopStartTest::extensionIconsDrawAsTheBaseStylesOwn() {
    cDeferredIconStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    std::unique_ptr<QStyle> base(QStyleFactory::create(QStringLiteral("Fusion")));
    QToolBar bar;
    QStyleOption option;
    option.initFrom(&bar);
    for (QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        QVERIFY(cDeferredIconStyle::Defers(which));
        QIcon deferred = style.standardIcon(which, &option, &bar);
        QIcon real = base->standardIcon(which, &option, &bar);
        QVERIFY(!deferred.isNull());
        QCOMPARE(deferred.availableSizes(), real.availableSizes());
        for (int side : {8, 12, 16, 24}) {
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
                for (qreal ratio : {1.0, 2.0}) {
                    QSize size(side, side);
                    QCOMPARE(deferred.actualSize(size, mode), real.actualSize(size, mode));
                    QImage drawn = deferred.pixmap(size, ratio, mode).toImage();
                    QImage expected = real.pixmap(size, ratio, mode).toImage();
                    QCOMPARE(drawn.devicePixelRatio(), expected.devicePixelRatio());
                    QCOMPARE(drawn, expected);
                }
            }
        }
    }
}

void DesktopStartTest::otherStandardIconsAreTheBaseStylesOwn() {
    cDeferredIconStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    std::unique_ptr<QStyle> base(QStyleFactory::create(QStringLiteral("Fusion")));
    for (QStyle::StandardPixmap which : {QStyle::SP_DialogOkButton, QStyle::SP_MessageBoxWarning,
                                         QStyle::SP_TitleBarCloseButton}) {
        QVERIFY(!cDeferredIconStyle::Defers(which));
        QCOMPARE(style.standardIcon(which).pixmap(QSize(16, 16), 1.0).toImage(),
                 base->standardIcon(which).pixmap(QSize(16, 16), 1.0).toImage());
    }
}

void DesktopStartTest::theStyleIsInstalledOnce() {
    const QString name = QApplication::style()->name();
    cDeferredIconStyle::Install();
    QStyle* installed = QApplication::style();
    QVERIFY(dynamic_cast<cDeferredIconStyle*>(installed) != nullptr);
    QCOMPARE(static_cast<QProxyStyle*>(installed)->baseStyle()->name(), name);
    cDeferredIconStyle::Install();
    QCOMPARE(QApplication::style(), installed);
}

void DesktopStartTest::aToolbarBuiltUnderTheStyleDefersItsExtensionIcon() {
    cDeferredIconStyle::Install();
    QToolBar bar;
    bar.resize(40, 30);
    for (int i = 0; i < 12; ++i) bar.addAction(QStringLiteral("Command %1").arg(i));
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QToolButton* extension = bar.findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
    QVERIFY(extension != nullptr);
    QVERIFY(extension->isVisible());
    auto* installed = static_cast<QProxyStyle*>(QApplication::style());
    std::unique_ptr<QStyle> base(QStyleFactory::create(installed->baseStyle()->name()));
    QVERIFY(base != nullptr);
    QStyleOption option;
    option.initFrom(extension);
    QImage expected =
        base->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &option, extension)
            .pixmap(QSize(16, 16), 1.0)
            .toImage();
    QCOMPARE(extension->icon().pixmap(QSize(16, 16), 1.0).toImage(), expected);
}

void DesktopStartTest::fontWarmUpFillsTheFontDatabase() {
    cFontWarmUp warmUp;
    cFontWarmUp::AwaitConfiguration();
    warmUp.ApplicationReady();
    warmUp.Finish();
    QVERIFY(!QFontDatabase::families().isEmpty());
    // Without a warm-up running there is nothing to wait for.
    cFontWarmUp::AwaitConfiguration();
}

void DesktopStartTest::fontWarmUpEndsWhenTheApplicationNeverBecameReady() {
    // A start refused before the application was ready (a bad option) must not hang.
    for (int i = 0; i < 3; ++i) {
        cFontWarmUp warmUp;
    }
    cFontWarmUp::AwaitConfiguration();
}

void DesktopStartTest::fontsStartBeforeMainOnlyForTheDesktop() {
    // The headless printing, --help anywhere and Qt's own options start no desktop.
    struct Case {
        std::vector<const char*> arguments;
        bool early;
    };
    const Case cases[] = {
        {{"korval"}, true},
        {{"korval", "plan.prj"}, true},
        {{"korval", "--print-pdf", "plan.prj", "plan.pdf"}, false},
        {{"korval", "--print-chart", "plan.prj", "plan.svg"}, false},
        {{"korval", "--help"}, false},
        {{"korval", "plan.prj", "--version"}, false},
        {{"korval", "plan.prj", "-"}, true},
        {{"korval", "-style", "fusion"}, false},
    };
    for (const Case& c : cases) {
        std::vector<char*> argv;
        for (const char* argument : c.arguments) argv.push_back(const_cast<char*>(argument));
        argv.push_back(nullptr);
        QCOMPARE(cFontWarmUp::StartsEarly(static_cast<int>(c.arguments.size()), argv.data()),
                 c.early);
    }
}

void DesktopStartTest::aWarmUpTakesOverTheEarlyStart() {
    char program[] = "korval";
    char* argv[] = {program, nullptr};
    cFontWarmUp::StartEarly(1, argv, nullptr);
    {
        cFontWarmUp warmUp;
        cFontWarmUp::AwaitConfiguration();
        warmUp.ApplicationReady();
        warmUp.Finish();
    }
    // A second warm-up finds nothing started early and loads (or finds) the configuration.
    cFontWarmUp again;
    cFontWarmUp::AwaitConfiguration();
    QVERIFY(!QFontDatabase::families().isEmpty());
}

QTEST_MAIN(DesktopStartTest)
#include "tst_DesktopStart.moc"
