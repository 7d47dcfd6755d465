// The report view and the Qt surfaces: fonts, metrics, text placement, scrolling and
// the keyboard table.
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>

#include "app/qt/QtText.h"
#include "app/qt/cQtPrintJob.h"
#include "app/qt/cQtPrinterSurface.h"
#include "app/qt/cQtScreenSurface.h"
#include "desktop/cReportView.h"
#include "framework/PageMetrics.h"
#include "tests/qt/support/QtTestFiles.h"
#include "tests/qt/support/cNumberedRowsDoc.h"
#include "tests/qt/support/cTestQtPlatform.h"

using namespace korval;
using korval::testing::cNumberedRowsDoc;
using korval::testing::cTestQtPlatform;

namespace {

// A surface over an image, for looking at where text lands.
struct ImageSurface {
    QImage image{600, 200, QImage::Format_RGB32};
    QPainter painter;
    QWidget widget;
    std::unique_ptr<cQtScreenSurface> surface;

    ImageSurface() {
        image.fill(Qt::white);
        widget.resize(600, 200);
        painter.begin(&image);
        surface = std::make_unique<cQtScreenSurface>(&painter, widget, widget);
    }
    QImage Finish() {
        painter.end();
        return image;
    }
};

// Leftmost and rightmost inked columns of the image.
std::pair<int, int> InkedSpan(const QImage& image) {
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 160) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

// The contrast ratio of two colours as accessibility guidelines measure it (1 to 21).
double ContrastRatio(QRgb first, QRgb second) {
    auto luminance = [](QRgb colour) {
        auto channel = [](int value) {
            double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
               0.0722 * channel(qBlue(colour));
    };
    double a = luminance(first);
    double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The strongest contrast any pixel of the image has against its top left corner (the
// background): the report's text at its darkest or lightest.
double StrongestContrast(const QImage& image) {
    QRgb background = image.pixel(0, 0);
    double strongest = 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            strongest = std::max(strongest, ContrastRatio(image.pixel(x, y), background));
    }
    return strongest;
}

}  // namespace

class ReportViewTest : public QObject {
    Q_OBJECT

  private slots:
    void printFontIsTwelvePointTimesResolvedToLiberationSerif_data();
    void printFontIsTwelvePointTimesResolvedToLiberationSerif();
    void printerSurfaceUsesTheDevicesPagesAndResolution();
    void measuringGivesTheHeightDrawingTakes_data();
    void measuringGivesTheHeightDrawingTakes();
    void alignmentPlacesTextInItsRectangle_data();
    void alignmentPlacesTextInItsRectangle();
    void measureOnlyDrawsNothing();
    void measuringGivesTheHeightTheFontLaysOut();
    void scrollSizeFollowsTheReportExtent();
    void keyboardScrollsAsTheTableSays_data();
    void keyboardScrollsAsTheTableSays();
    void paintShowsTheReportAndFollowsTheDocument();
    void scrollingPaintsWithoutLayingOutAgain();
    void reportTextIsReadableUnderEveryPalette_data();
    void reportTextIsReadableUnderEveryPalette();
};

void ReportViewTest::printFontIsTwelvePointTimesResolvedToLiberationSerif_data() {
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("72 dpi") << 72 << 12;
    QTest::newRow("300 dpi") << 300 << 50;
    QTest::newRow("600 dpi") << 600 << 100;
    QTest::newRow("1200 dpi") << 1200 << 200;
    QTest::newRow("rounded to nearest") << 100 << 17;  // 16.67
}

void ReportViewTest::printFontIsTwelvePointTimesResolvedToLiberationSerif() {
    QFETCH(int, dpi);
    QFETCH(int, pixels);
    QFont font = cQtPrinterSurface::PrintFont(dpi);
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Serif"));
    QVERIFY(!font.bold() && !font.italic() && !font.underline() && !font.strikeOut());
}

void ReportViewTest::printerSurfaceUsesTheDevicesPagesAndResolution() {
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("metrics.pdf"));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setFullPage(true);
    QPainter painter(&printer);
    cQtPrinterSurface surface(painter, printer);
    QVERIFY(surface.IsPrinter());
    QCOMPARE(surface.PixelsPerInchY(), 1200);
    QCOMPARE(surface.DeviceWidth(), 8 * 1200 + 600);  // 8.5 x 11 inches
    QCOMPARE(surface.DeviceHeight(), 11 * 1200);
    PageMetrics m = PageMetrics::Compute(surface);
    QCOMPARE(m.topMargin, 1200);
    QCOMPARE(m.leftMargin, 600);
    QCOMPARE(m.bottomEdge, 10 * 1200);
    QCOMPARE(m.bodyHeight, 9 * 1200);
    // Liberation Serif at 200 pixels: a line is a little over the em, columns follow it.
    QVERIFY(m.text.height >= 200 && m.text.height <= 260);
    QVERIFY(m.columnUnit > 0);
    QCOMPARE(m.column[2] - m.column[1], 20 * m.columnUnit);
    painter.end();
}

void ReportViewTest::measuringGivesTheHeightDrawingTakes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<unsigned>("flags");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("lines");
    QTest::newRow("one line") << "Adjusted Effort:" << TextFlags::kBase << 400 << 1;
    QTest::newRow("centred") << "12" << TextFlags::kCenter << 400 << 1;
    QTest::newRow("right") << "12" << TextFlags::kRight << 400 << 1;
    QTest::newRow("CR LF breaks lines")
        << "first\r\nsecond\r\nthird" << TextFlags::kBase << 400 << 3;
    QTest::newRow("no wrap without word break")
        << "alpha beta gamma delta epsilon" << TextFlags::kBase << 60 << 1;
    // Wrapping at 60 pixels gives at least three lines, however the words fall.
    QTest::newRow("word break wraps")
        << "alpha beta gamma delta epsilon" << unsigned(TextFlags::kWordBreak) << 60 << -3;
}

void ReportViewTest::measuringGivesTheHeightDrawingTakes() {
    QFETCH(QString, text);
    QFETCH(unsigned, flags);
    QFETCH(int, width);
    QFETCH(int, lines);
    ImageSurface s;
    std::string utf8 = text.toStdString();
    SurfaceRect rect{10, 10, 10 + width, 30};
    int measured = s.surface->DrawText(utf8, rect, flags | TextFlags::kMeasureOnly);
    int drawn = s.surface->DrawText(utf8, rect, flags);
    QCOMPARE(measured, drawn);
    int line = s.surface->GetTextMetrics().height;
    if (lines == 1) {
        QCOMPARE(drawn, line);
    } else if (lines < 0) {
        QVERIFY(drawn >= -lines * line);
    } else {
        QVERIFY2(drawn >= lines * line && drawn < (lines + 1) * line,
                 qPrintable(QString::number(drawn)));
    }
}

void ReportViewTest::alignmentPlacesTextInItsRectangle_data() {
    QTest::addColumn<unsigned>("flags");
    QTest::addColumn<int>("where");  // 0 left, 1 middle, 2 right
    QTest::newRow("left") << TextFlags::kBase << 0;
    QTest::newRow("centre") << unsigned(TextFlags::kCenter) << 1;
    QTest::newRow("right") << unsigned(TextFlags::kRight) << 2;
}

void ReportViewTest::alignmentPlacesTextInItsRectangle() {
    QFETCH(unsigned, flags);
    QFETCH(int, where);
    ImageSurface s;
    s.surface->DrawText("Page 7", {100, 50, 500, 80}, flags);
    auto [left, right] = InkedSpan(s.Finish());
    QVERIFY(right > left);
    int middle = (left + right) / 2;
    if (where == 0) QVERIFY(left >= 100 && left < 110);
    if (where == 1) QVERIFY(std::abs(middle - 300) < 6);
    if (where == 2) QVERIFY(right <= 500 && right > 490);
}

// Measuring takes shortcuts for plain lines; the heights stay those the font's layout
// gives, on the screen and on paper.
void ReportViewTest::measuringGivesTheHeightTheFontLaysOut() {
    const char* const texts[] = {"Adjusted Effort:",
                                 "1234.5 person months",
                                 "(0.0 - 0.0)",
                                 "    Project Number",
                                 ">6",
                                 "|_^~`",
                                 " ",
                                 "tab\there",
                                 "first\r\nsecond",
                                 "caf\xc3\xa9"};
    ImageSurface screen;
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    cQtPrintJob::SetUpPdfPrinter(printer, folder.filePath("measure.pdf"));
    QPainter painter(&printer);
    cQtPrinterSurface paper(painter, printer);
    for (cQtReportSurface* surface : {static_cast<cQtReportSurface*>(screen.surface.get()),
                                      static_cast<cQtReportSurface*>(&paper)}) {
        const QPaintDevice* device = surface == &paper ? static_cast<QPaintDevice*>(&printer)
                                                       : static_cast<QPaintDevice*>(&screen.widget);
        QFontMetrics metrics(surface->Font(), device);
        for (const char* text : texts) {
            for (unsigned flags : {TextFlags::kBase, unsigned(TextFlags::kRight),
                                   unsigned(TextFlags::kExpandTabs)}) {
                SurfaceRect rect{10, 10, 2000, 40};
                QRect box(10, 10, 1990, 30);
                int expected = metrics
                                   .boundingRect(box, cQtReportSurface::QtTextFlags(flags),
                                                 ToQtLineBreaks(text))
                                   .height();
                QCOMPARE(surface->DrawText(text, rect, flags | TextFlags::kMeasureOnly), expected);
            }
        }
    }
    painter.end();
}

void ReportViewTest::measureOnlyDrawsNothing() {
    ImageSurface s;
    s.surface->DrawText("Nothing to see", {10, 10, 500, 40}, TextFlags::kMeasureOnly);
    QCOMPARE(korval::testing::InkedPixels(s.Finish()), 0);
}

void ReportViewTest::scrollSizeFollowsTheReportExtent() {
    cTestQtPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    cNumberedRowsDoc document(context, 80);
    cReportView view(document, platform);
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.UpdateScrollSizes();
    int extent = document.GetReportExtentHeight();
    QVERIFY(extent > 80 * view.fontMetrics().height());
    QCOMPARE(document.GetReportExtentWidth(), 1000);
    QCOMPARE(view.verticalScrollBar()->maximum(), extent - view.viewport()->height());
    QCOMPARE(view.horizontalScrollBar()->maximum(), 1000 - view.viewport()->width());
    QCOMPARE(view.verticalScrollBar()->pageStep(), view.viewport()->height());

    // A shorter report after a change shrinks the scroll range.
    cNumberedRowsDoc shortDocument(context, 2);
    cReportView shortView(shortDocument, platform);
    shortView.resize(400, 300);
    shortView.UpdateScrollSizes();
    QCOMPARE(shortView.verticalScrollBar()->maximum(), 0);
}

void ReportViewTest::keyboardScrollsAsTheTableSays_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("vertical");    // "+page", "-page", "+line", "-line", "max", "0", "="
    QTest::addColumn<QString>("horizontal");  // "+line", "-line", "0", "="
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << "-page"
                             << "=";
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << "+page"
                               << "=";
    QTest::newRow("End") << int(Qt::Key_End) << "max"
                         << "0";
    QTest::newRow("Home") << int(Qt::Key_Home) << "0"
                          << "0";
    QTest::newRow("Left") << int(Qt::Key_Left) << "="
                          << "-line";
    QTest::newRow("Up") << int(Qt::Key_Up) << "-line"
                        << "=";
    QTest::newRow("Right") << int(Qt::Key_Right) << "="
                           << "+line";
    QTest::newRow("Down") << int(Qt::Key_Down) << "+line"
                          << "=";
}

void ReportViewTest::keyboardScrollsAsTheTableSays() {
    QFETCH(int, key);
    QFETCH(QString, vertical);
    QFETCH(QString, horizontal);
    cTestQtPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    cNumberedRowsDoc document(context, 200);
    cReportView view(document, platform);
    view.resize(400, 300);
    view.UpdateScrollSizes();
    QScrollBar* v = view.verticalScrollBar();
    QScrollBar* h = view.horizontalScrollBar();
    v->setValue(v->maximum() / 2);
    h->setValue(h->maximum() / 2);
    int v0 = v->value();
    int h0 = h->value();
    QTest::keyClick(&view, static_cast<Qt::Key>(key));
    auto expected = [](const QString& rule, int start, const QScrollBar* bar) {
        if (rule == "+page") return start + bar->pageStep();
        if (rule == "-page") return start - bar->pageStep();
        if (rule == "+line") return start + bar->singleStep();
        if (rule == "-line") return start - bar->singleStep();
        if (rule == "max") return bar->maximum();
        if (rule == "0") return 0;
        return start;
    };
    QCOMPARE(v->value(), expected(vertical, v0, v));
    QCOMPARE(h->value(), expected(horizontal, h0, h));
}

void ReportViewTest::paintShowsTheReportAndFollowsTheDocument() {
    cTestQtPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    cNumberedRowsDoc document(context, 3);
    cReportView view(document, platform);
    view.resize(500, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QImage before = view.viewport()->grab().toImage();
    QVERIFY(korval::testing::InkedPixels(before) > 100);
    korval::testing::SaveScreenshot(view, "report-view");

    QSignalSpy changed(&view, &cReportView::DocumentChanged);
    document.SetDescriptionTexts("A much longer title than before, to change the picture", "", "");
    document.UpdateAllViews();
    QCOMPARE(changed.count(), 1);
    QImage after = view.viewport()->grab().toImage();
    QVERIFY(korval::testing::InkedPixels(after) > korval::testing::InkedPixels(before));
}

void ReportViewTest::reportTextIsReadableUnderEveryPalette_data() {
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("text");
    QTest::newRow("light") << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("dark") << QColor(0x2a, 0x2a, 0x2a) << QColor(0xe0, 0xe0, 0xe0);
    QTest::newRow("dark blue") << QColor(0x10, 0x18, 0x30) << QColor(0xd0, 0xd8, 0xff);
}

// The report on screen takes its background and its text from the palette, so a dark theme
// gives light text on a dark ground instead of black on dark grey.
void ReportViewTest::reportTextIsReadableUnderEveryPalette() {
    QFETCH(QColor, base);
    QFETCH(QColor, text);
    cTestQtPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    cNumberedRowsDoc document(context, 3);
    cReportView view(document, platform);
    QPalette palette = view.palette();
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Window, base.darker(110));
    palette.setColor(QPalette::WindowText, text);
    view.setPalette(palette);
    view.resize(400, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QImage image = view.viewport()->grab().toImage();
    QCOMPARE(QColor(image.pixel(0, 0)), base);
    QVERIFY2(StrongestContrast(image) >= 7.0,
             qPrintable(QStringLiteral("contrast %1").arg(StrongestContrast(image))));
}

// The report is laid out once for the view's font and width: scrolling and repainting draw
// from that layout; a new width or a changed document lays it out again.
void ReportViewTest::scrollingPaintsWithoutLayingOutAgain() {
    cTestQtPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    cNumberedRowsDoc document(context, 2000);
    cReportView view(document, platform);
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.viewport()->repaint();
    int laidOut = view.LayoutCount();
    QVERIFY(laidOut >= 1);
    QScrollBar* vertical = view.verticalScrollBar();
    QVERIFY(vertical->maximum() > 2000 * view.fontMetrics().height());
    for (int step = 1; step <= 10; ++step) {
        vertical->setValue(step * vertical->maximum() / 10);
        view.viewport()->repaint();
        QVERIFY(korval::testing::InkedPixels(view.viewport()->grab().toImage()) > 100);
    }
    QCOMPARE(view.LayoutCount(), laidOut);

    view.resize(500, 300);
    view.viewport()->repaint();
    QCOMPARE(view.LayoutCount(), laidOut + 1);
    document.UpdateAllViews();
    QCOMPARE(view.LayoutCount(), laidOut + 2);
}

QTEST_MAIN(ReportViewTest)
#include "tst_ReportView.moc"
