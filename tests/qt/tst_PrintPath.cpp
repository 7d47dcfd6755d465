// The one print path: a measuring pass announces the pages, every row is printed exactly
// once on one of them between the top margin and the bottom edge, each page carries its
// header and footer, and Print Preview goes the same way.
#include <QFontDatabase>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <random>

#include "app/qt/cPdfReportWriter.h"
#include "app/qt/cPlainTextGlyphs.h"
#include "app/qt/cQtPagedReport.h"
#include "app/qt/cQtPrintJob.h"
#include "app/qt/cQtPrinterSurface.h"
#include "desktop/cReportView.h"
#include "desktop/pdf/PrintFontMeasurement.h"
#include "framework/cReportPrinter.h"
#include "pdfwriter/PdfReportOutput.h"
#include "tests/qt/support/QtTestFiles.h"
#include "tests/qt/support/cNumberedRowsDoc.h"
#include "tests/qt/support/cTestQtPlatform.h"

using namespace korval;
using namespace korval::testing;

namespace {

std::tm JobTime() {
    std::tm time{};
    time.tm_year = 2024 - 1900;
    time.tm_mon = 2;
    time.tm_mday = 5;
    time.tm_hour = 14;
    time.tm_min = 7;
    return time;
}

struct PrintedPdf {
    QString path;
    int announced = 0;
    int printed = 0;
};

PrintedPdf PrintToPdf(cModelDoc& document, const QString& path, QPageSize::PageSizeId paper,
                      int from = 0, int to = 0) {
    QPrinter printer(QPrinter::HighResolution);
    cQtPrintJob::SetUpPdfPrinter(printer, path);
    printer.setPageSize(QPageSize(paper));
    if (from > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(from, to);
    }
    cQtPrintJob job(document, JobTime());
    int printed = job.Run(printer);
    return {path, job.LastPage(), printed};
}

QString RowLine(int row) {
    return QString::fromStdString(cNumberedRowsDoc::RowLabel(row) + " " +
                                  cNumberedRowsDoc::RowValue(row)) +
           " person months";
}

// Every word's box on the pages, from pdftotext -bbox: (page, yMin, yMax, word).
struct Word {
    int page;
    double yMin;
    double yMax;
    QString text;
};

std::vector<Word> PdfWords(const QString& path) {
    QString html = RunTool("pdftotext", {"-bbox", path, "-"});
    std::vector<Word> words;
    int page = 0;
    QRegularExpression wordPattern(
        "<word xMin=\"[^\"]+\" yMin=\"([^\"]+)\" xMax=\"[^\"]+\" yMax=\"([^\"]+)\">([^<]*)</word>");
    for (const QString& line : html.split('\n')) {
        if (line.contains("<page ")) ++page;
        QRegularExpressionMatch match = wordPattern.match(line);
        if (match.hasMatch()) {
            words.push_back({page, match.captured(1).toDouble(), match.captured(2).toDouble(),
                             match.captured(3)});
        }
    }
    return words;
}

// The pages and every word's box on them, without the file's metadata (its date).
QStringList PdfLayout(const QString& path) {
    QStringList boxes;
    for (const QString& line : RunTool("pdftotext", {"-bbox", path, "-"}).split('\n')) {
        if (line.contains("<page ") || line.contains("<word ")) boxes << line.trimmed();
    }
    return boxes;
}

}  // namespace

class PrintPathTest : public QObject {
    Q_OBJECT

  private slots:
    void everyRowOnceWithinTheAnnouncedPages_data();
    void everyRowOnceWithinTheAnnouncedPages();
    void rowsStayBetweenTheMarginsOnEveryPage();
    void headerAndFooterOnEveryPage();
    void footerNamesTheDocument_data();
    void footerNamesTheDocument();
    void pageRangePrintsOnlyThosePages();
    void previewShowsTheAnnouncedPages();
    void pdfWriterReportsAnUnwritableFile();
    void pdfWriterPagesMatchThePdfPrinter_data();
    void pdfWriterPagesMatchThePdfPrinter();
    void pdfWriterPrintsInAFontWithoutTrueTypeOutlines();
    void pagesFromThePrintFontsMetricsMatchQts_data();
    void pagesFromThePrintFontsMetricsMatchQts();
    void wrappedTextFromThePrintFontsMetricsMatchesQts();
    void plainLinesSitWhereQtsTextLayoutPutsThem_data();
    void plainLinesSitWhereQtsTextLayoutPutsThem();
    void glyphTablesDrawWhatQtShapes_data();
    void glyphTablesDrawWhatQtShapes();
};

void PrintPathTest::everyRowOnceWithinTheAnnouncedPages_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("paper");
    QTest::newRow("one page") << 5 << int(QPageSize::Letter);
    QTest::newRow("several letter pages") << 140 << int(QPageSize::Letter);
    QTest::newRow("several A4 pages") << 140 << int(QPageSize::A4);
    QTest::newRow("many pages") << 400 << int(QPageSize::A4);
}

void PrintPathTest::everyRowOnceWithinTheAnnouncedPages() {
    QFETCH(int, rows);
    QFETCH(int, paper);
    cTestQtPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    cNumberedRowsDoc document(context, rows);
    document.SetDescriptionTexts("Print test", "Tester", "Two lines\r\nof description");
    QTemporaryDir folder;
    PrintedPdf pdf = PrintToPdf(document, folder.filePath("rows.pdf"),
                                static_cast<QPageSize::PageSizeId>(paper));
    QVERIFY(pdf.announced >= 1);
    QCOMPARE(pdf.printed, pdf.announced);
    QCOMPARE(PdfPageCount(pdf.path), pdf.announced);
    if (rows > 100) QVERIFY(pdf.announced > 1);

    QStringList lines = NormalisedLines(PdfText(pdf.path));
    for (int row = 1; row <= rows; ++row) {
        QCOMPARE(lines.count(RowLine(row)), 1);
    }
    QCOMPARE(lines.count("Title: Print test"), 1);
    QCOMPARE(lines.count("Description: Two lines"), 1);
    QCOMPARE(lines.count("of description"), 1);
    // Rows follow each other across page breaks: page p ends where page p + 1 begins.
    int lastRowSeen = 0;
    for (int page = 1; page <= pdf.announced; ++page) {
        for (const QString& line : NormalisedLines(PdfText(pdf.path, page))) {
            if (!line.startsWith("Row ")) continue;
            int row = line.mid(4, 3).toInt();
            QCOMPARE(row, lastRowSeen + 1);
            lastRowSeen = row;
        }
    }
    QCOMPARE(lastRowSeen, rows);
}

void PrintPathTest::rowsStayBetweenTheMarginsOnEveryPage() {
    cTestQtPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    cNumberedRowsDoc document(context, 200);
    QTemporaryDir folder;
    PrintedPdf pdf = PrintToPdf(document, folder.filePath("margins.pdf"), QPageSize::Letter);
    QVERIFY(pdf.announced > 2);
    const double top = 72.0;               // one inch
    const double bottom = 11 * 72.0 - 72;  // the bottom edge: one inch above the paper's end
    int rowWords = 0;
    for (const Word& word : PdfWords(pdf.path)) {
        if (!word.text.startsWith("Row")) continue;
        ++rowWords;
        QVERIFY2(
            word.yMin >= top - 1 && word.yMax <= bottom + 1,
            qPrintable(QString("page %1 y %2..%3").arg(word.page).arg(word.yMin).arg(word.yMax)));
    }
    QCOMPARE(rowWords, 200);
}

void PrintPathTest::headerAndFooterOnEveryPage() {
    cTestQtPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    cNumberedRowsDoc document(context, 150);
    document.SetPathName("/tmp/reports/myplan.ccm");
    QTemporaryDir folder;
    PrintedPdf pdf = PrintToPdf(document, folder.filePath("bands.pdf"), QPageSize::Letter);
    for (int page = 1; page <= pdf.announced; ++page) {
        QStringList lines = NormalisedLines(PdfText(pdf.path, page));
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.first(), QStringLiteral("Korval COCOMO Report"));
        QCOMPARE(lines.last(), QStringLiteral("MYPLAN.CCM %1 03/05/2024 02:07PM").arg(page));
    }
}

void PrintPathTest::footerNamesTheDocument_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("footer");
    QTest::newRow("untitled") << ""
                              << "COCOMO1"
                              << "COCOMO1.CCM";
    QTest::newRow("no title") << ""
                              << ""
                              << "UNTITLED.CCM";
    QTest::newRow("saved") << "/home/a/Plans/Estimate.ccm"
                           << ""
                           << "ESTIMATE.CCM";
}

void PrintPathTest::footerNamesTheDocument() {
    QFETCH(QString, path);
    QFETCH(QString, title);
    QFETCH(QString, footer);
    cTestQtPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    cNumberedRowsDoc document(context, 1);
    if (!path.isEmpty())
        document.SetPathName(path.toStdString());
    else
        document.SetDocumentTitle(title.toStdString());
    QTemporaryDir folder;
    PrintedPdf pdf = PrintToPdf(document, folder.filePath("footer.pdf"), QPageSize::A4);
    QVERIFY(NormalisedLines(PdfText(pdf.path)).last().startsWith(footer + " 1 "));
}

void PrintPathTest::pageRangePrintsOnlyThosePages() {
    cTestQtPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    cNumberedRowsDoc document(context, 200);
    QTemporaryDir folder;
    PrintedPdf all = PrintToPdf(document, folder.filePath("all.pdf"), QPageSize::Letter);
    QVERIFY(all.announced >= 3);
    PrintedPdf second =
        PrintToPdf(document, folder.filePath("second.pdf"), QPageSize::Letter, 2, 2);
    QCOMPARE(second.printed, 1);
    QCOMPARE(PdfPageCount(second.path), 1);
    QCOMPARE(PdfText(second.path), PdfText(all.path, 2));
    // A range past the end stops at the last page.
    PrintedPdf tail =
        PrintToPdf(document, folder.filePath("tail.pdf"), QPageSize::Letter, all.announced - 1, 99);
    QCOMPARE(tail.printed, 2);
}

void PrintPathTest::previewShowsTheAnnouncedPages() {
    cTestQtPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    cNumberedRowsDoc document(context, 200);
    cReportView view(document, platform);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 2);  // left over from a print: the preview still shows everything
    std::unique_ptr<QPrintPreviewDialog> preview(view.CreatePreviewDialog(printer));
    auto* widget = preview->findChild<QPrintPreviewWidget*>();
    QVERIFY(widget);
    widget->updatePreview();
    QTemporaryDir folder;
    PrintedPdf pdf = PrintToPdf(document, folder.filePath("count.pdf"), QPageSize::Letter);
    QCOMPARE(widget->pageCount(), pdf.announced);
    preview->show();
    SaveScreenshot(*preview, "print-preview");
}

void PrintPathTest::pdfWriterReportsAnUnwritableFile() {
    cTestQtPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    cNumberedRowsDoc document(context, 3);
    cPdfReportWriter writer;
    std::string error;
    QVERIFY(!writer.Write(document, "/nonexistent-folder/x.pdf", JobTime(), error));
    QCOMPARE(error, std::string("cannot write /nonexistent-folder/x.pdf"));
    QTemporaryDir folder;
    QVERIFY(writer.Write(document, folder.filePath("ok.pdf").toStdString(), JobTime(), error));
    QCOMPARE(writer.PagesWritten(), 1);
}

void PrintPathTest::pdfWriterPagesMatchThePdfPrinter_data() {
    QTest::addColumn<int>("rows");
    QTest::newRow("one page") << 5;
    QTest::newRow("several pages") << 140;
    QTest::newRow("many pages") << 400;
}

// korval-cli's PDF (cPdfReportWriter) and File, Print to a PDF printer give the same pages:
// same paper, same words at the same places, same title.
void PrintPathTest::pdfWriterPagesMatchThePdfPrinter() {
    QFETCH(int, rows);
    cTestQtPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    cNumberedRowsDoc document(context, rows);
    document.SetDescriptionTexts("Print test", "Tester", "Two lines\r\nof description");
    QTemporaryDir folder;
    PrintedPdf printed = PrintToPdf(document, folder.filePath("printer.pdf"), QPageSize::A4);
    QString written = folder.filePath("writer.pdf");
    cPdfReportWriter writer;
    std::string error;
    QVERIFY(writer.Write(document, written.toStdString(), JobTime(), error));
    QCOMPARE(writer.PagesWritten(), printed.printed);
    QCOMPARE(PdfPageCount(written), PdfPageCount(printed.path));
    QCOMPARE(FirstLayoutDifference(PdfLayout(written), PdfLayout(printed.path), 0.01), QString());
    QString writtenInfo = RunTool("pdfinfo", {written});
    QString printedInfo = RunTool("pdfinfo", {printed.path});
    for (const QString& field :
         {QStringLiteral("Title:"), QStringLiteral("Creator:"), QStringLiteral("Page size:")}) {
        auto line = [&field](const QString& info) {
            for (const QString& each : info.split('\n'))
                if (each.startsWith(field)) return each;
            return QString();
        };
        QVERIFY(!line(printedInfo).isEmpty());
        QCOMPARE(line(writtenInfo), line(printedInfo));
    }
}

void PrintPathTest::plainLinesSitWhereQtsTextLayoutPutsThem_data() {
    QTest::addColumn<unsigned>("flags");
    QTest::newRow("left") << 0u;
    QTest::newRow("centred") << TextFlags::kCenter;
    QTest::newRow("right") << TextFlags::kRight;
}

// A printed plain line is drawn without Qt's paragraph layout; it lands where that layout
// puts it, at every alignment, and takes the height it takes.
void PrintPathTest::plainLinesSitWhereQtsTextLayoutPutsThem() {
    QFETCH(unsigned, flags);
    const std::vector<std::string> lines = {
        "Adjusted Effort:", "12,345.6 person months", "(0.5 - 1.4)", "PAYROLL.PRJ", "i", "Wm W"};
    QTemporaryDir folder;
    auto print = [&](const QString& name, bool throughSurface) {
        QPdfWriter writer(folder.filePath(name));
        cQtPagedReport::SetUpPdfWriter(writer);
        QPainter painter(&writer);
        cQtPrinterSurface surface(painter, writer);
        std::vector<int> heights;
        int top = 500;
        for (const std::string& line : lines) {
            SurfaceRect box{400, top, 400 + 3000 + 17 * static_cast<int>(line.size()), top + 400};
            if (throughSurface) {
                heights.push_back(surface.DrawText(line, box, flags));
            } else {
                QRect taken;
                painter.drawText(QRect(box.left, box.top, box.right - box.left, 400),
                                 cQtReportSurface::QtTextFlags(flags), QString::fromStdString(line),
                                 &taken);
                heights.push_back(taken.height());
            }
            top += 350;
        }
        return heights;
    };
    std::vector<int> drawn = print("surface.pdf", true);
    std::vector<int> laidOut = print("layout.pdf", false);
    QCOMPARE(drawn, laidOut);
    QStringList words = PdfLayout(folder.filePath("surface.pdf"));
    QCOMPARE(words.size(), 1 + 12);  // the page and its words
    QCOMPARE(words, PdfLayout(folder.filePath("layout.pdf")));
}

void PrintPathTest::glyphTablesDrawWhatQtShapes_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("printFont");
    QTest::newRow("print font") << QString() << true;
    for (const char* family : {"DejaVu Sans", "DejaVu Serif", "Liberation Mono", "Nimbus Roman"})
        QTest::newRow(family) << QString::fromLatin1(family) << false;
}

// A font's glyph table, where it has one, puts every glyph where Qt's shaping puts it, at
// whole and fractional origins; the print font has one, so PDF pages are drawn from it.
void PrintPathTest::glyphTablesDrawWhatQtShapes() {
    QFETCH(QString, family);
    QFETCH(bool, printFont);
    const std::vector<std::string> lines = {
        "Adjusted Effort: 12,345.6 person months", "office affluent fluff (0.5 - 1.4)",
        "AVAWAY To. Ty. LT fi fl ffi", "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~", "Wm W i"};
    QTemporaryDir folder;
    QStringList widthsDiffering;
    auto print = [&](const QString& name, bool fromTable) {
        QPdfWriter writer(folder.filePath(name));
        cQtPagedReport::SetUpPdfWriter(writer);
        QPainter painter(&writer);
        QFont font = cQtPrinterSurface::PrintFont(writer.logicalDpiY());
        if (!printFont) font.setFamily(family);
        painter.setFont(font);
        std::shared_ptr<const cPlainTextGlyphs> table =
            cPlainTextGlyphs::For(painter.font(), writer);
        if (!table) return false;
        qreal top = 500.01;
        for (const std::string& line : lines) {
            for (qreal left : {400.0, 1000.01}) {
                if (fromTable)
                    table->Draw(painter, line, QPointF(left, top));
                else
                    painter.drawText(QPointF(left, top), QString::fromStdString(line));
                QString text = QString::fromStdString(line);
                if (fromTable &&
                    (table->Width(line) !=
                         QFontMetricsF(painter.font(), &writer).horizontalAdvance(text) ||
                     table->RoundedWidth(line) !=
                         QFontMetrics(painter.font(), &writer).horizontalAdvance(text)))
                    widthsDiffering << text;
                top += 350.25;
            }
        }
        return true;
    };
    if (!print("table.pdf", true)) {
        QVERIFY2(!printFont, "the print font draws plain text glyph by glyph");
        QSKIP("this font joins or moves glyphs of plain text");
    }
    print("shaped.pdf", false);
    QCOMPARE(widthsDiffering, QStringList());
    QStringList words = PdfLayout(folder.filePath("table.pdf"));
    QVERIFY(words.size() > 20);
    QCOMPARE(words, PdfLayout(folder.filePath("shaped.pdf")));
}

// A print font whose outlines are not TrueType's (OpenType with CFF outlines) cannot be
// embedded by Korval's own writer: the report still comes out whole, in that font, through
// Qt's PDF engine. The renderer runs in a process of its own, whose fonts are configured to
// take such a font for the print font.
void PrintPathTest::pdfWriterPrintsInAFontWithoutTrueTypeOutlines() {
    QString family;
    for (const QString& each : QFontDatabase::families()) {
        QRawFont raw = QRawFont::fromFont(QFont(each));
        if (raw.familyName() == each && !raw.fontTable("CFF ").isEmpty() &&
            raw.fontTable("glyf").isEmpty() && raw.supportsCharacter(QLatin1Char('K'))) {
            // Families of one name from several foundries are listed as "Name [Foundry]".
            family = each.section(QStringLiteral(" ["), 0, 0);
            break;
        }
    }
    if (family.isEmpty()) QSKIP("no font with CFF outlines is installed");
    QTemporaryDir folder;
    QFile config(folder.filePath("fonts.conf"));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(
        QStringLiteral(
            "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
            "<fontconfig><include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>"
            "<match target=\"pattern\"><test name=\"family\"><string>Times New Roman</string>"
            "</test><edit name=\"family\" mode=\"prepend\" binding=\"strong\"><string>%1"
            "</string></edit></match></fontconfig>\n")
            .arg(family)
            .toUtf8());
    config.close();
    QString pdf = folder.filePath("cff.pdf");
    QProcess renderer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), config.fileName());
    renderer.setProcessEnvironment(environment);
    renderer.start(QStringLiteral(KORVAL_PDF_RENDERER_PATH),
                   {QStringLiteral(KORVAL_SOURCE_DIR "/examples/payroll.PRJ"), pdf});
    QVERIFY(renderer.waitForFinished(60000));
    QCOMPARE(renderer.exitCode(), 0);
    QVERIFY(PdfPageCount(pdf) >= 1);
    QVERIFY(RunTool("pdffonts", {pdf}).contains(QString(family).remove(QLatin1Char(' '))));
    QVERIFY(PdfText(pdf, 1).contains(QStringLiteral("Payroll Replacement")));
}

void PrintPathTest::pagesFromThePrintFontsMetricsMatchQts_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("withoutQt");
    QTest::newRow("one page") << 5 << "One line" << true;
    QTest::newRow("several pages") << 140 << "" << true;
    QTest::newRow("many pages") << 400 << "Counted from the baseline" << true;
    QTest::newRow("a description of two lines") << 5 << "Two lines\r\nof description" << true;
    QTest::newRow("a wrapped description")
        << 5
        << "Replacement of the mainframe payroll system for 4,200 employees: salary and "
           "hourly pay runs, tax and pension deductions (bank transfer files) and the "
           "yearly \"tax statements\".\r\n\r\nCounted from the requirements baseline of "
           "March; interfaces to HR and general ledger."
        << true;
    QTest::newRow("another script") << 5 << "\u00DCber" << false;
    QTest::newRow("hyphens") << 5 << "semi-detached, in-house, 2-3 and--so" << true;
    QTest::newRow("a slash") << 5 << "and/or, +/-15 %" << true;
}

// korval-cli draws the pages itself from the print font's metrics as Qt measured them: the
// same words at the same places, to the last digit, as the PDF renderer draws through Qt;
// a text only Qt's layout can place leaves the pages to the renderer.
void PrintPathTest::pagesFromThePrintFontsMetricsMatchQts() {
    QFETCH(int, rows);
    QFETCH(QString, description);
    QFETCH(bool, withoutQt);
    std::optional<PrintFontMetrics> font = MeasurePrintFont();
    QVERIFY(font);
    cTestQtPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    cNumberedRowsDoc document(context, rows);
    document.SetDescriptionTexts("Print test", "Tester", description.toStdString());
    QTemporaryDir folder;
    QString ours = folder.filePath("metrics.pdf");
    PdfReportOutcome outcome = WriteReportPdf(document, *font, ours.toStdString(), JobTime());
    if (!withoutQt) {
        QCOMPARE(outcome.result, PdfReportResult::kNeedsTextLayout);
        QVERIFY(!QFile::exists(ours));
        return;
    }
    QCOMPARE(outcome.result, PdfReportResult::kWritten);
    QString qts = folder.filePath("qt.pdf");
    cPdfReportWriter writer;
    std::string error;
    QVERIFY(writer.Write(document, qts.toStdString(), JobTime(), error));
    QCOMPARE(outcome.pages, writer.PagesWritten());
    QCOMPARE(FirstLayoutDifference(PdfLayout(ours), PdfLayout(qts), 0), QString());
}

// Descriptions of generated words and punctuation, wrapped over up to a dozen lines, come
// out as Qt lays them out wherever korval-cli breaks the lines itself.
void PrintPathTest::wrappedTextFromThePrintFontsMetricsMatchesQts() {
    std::optional<PrintFontMetrics> font = MeasurePrintFont();
    QVERIFY(font);
    const std::vector<std::string> words = {
        "a",        "I",      "of",   "the",        "Wm",     "mainframe",    "4,200",
        "(bank",    "files)", "HR;",  "March.",     "\"tax",  "done\"",       "it's",
        "W.",       "12.5",   "ll",   "employees:", "MMMMM",  "iii",          "x",
        "payroll",  "Qt's",   "(a)",  "fit,",       "ok",     "self-service", "real-time",
        "in-house", "3-4",    "x--y", "well-",      "and/or", "15%",          "$400"};
    // Rarer words of punctuation whose breaks depend on their neighbours.
    const std::vector<std::string> oddWords = {
        "+/-15", "Hi!", "What?", "#3",    "a&b",    "x*y",   "e=mc2", "<tag>", "[1]",
        "{x}",   "a_b", "~ok",   "@home", "`q`",    "a\\b",  "a|b",   "(see",  "ok)",
        "2.5/3", "(1)", "--",    "!",     "v1.2.3", "1,2;3", "$(12)", "12%)"};
    std::mt19937 random(17);
    int drawnWithoutQt = 0;
    const int documents = 80;
    for (int trial = 0; trial < documents; ++trial) {
        std::string description;
        const int count = std::uniform_int_distribution<int>(1, 120)(random);
        for (int word = 0; word < count; ++word) {
            if (word > 0)
                description += random() % 15 == 0 ? "\r\n" : random() % 6 == 0 ? "  " : " ";
            description += random() % 12 == 0 ? oddWords[random() % oddWords.size()]
                                              : words[random() % words.size()];
        }
        cTestQtPlatform platform;
        cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
        cNumberedRowsDoc document(context, 3);
        document.SetDescriptionTexts("Wrapped", "Tester", description);
        QTemporaryDir folder;
        QString ours = folder.filePath("metrics.pdf");
        if (WriteReportPdf(document, *font, ours.toStdString(), JobTime()).result !=
            PdfReportResult::kWritten)
            continue;
        ++drawnWithoutQt;
        QString qts = folder.filePath("qt.pdf");
        cPdfReportWriter writer;
        std::string error;
        QVERIFY(writer.Write(document, qts.toStdString(), JobTime(), error));
        QVERIFY2(FirstLayoutDifference(PdfLayout(ours), PdfLayout(qts), 0).isEmpty(),
                 description.c_str());
    }
    // Lines close to the width and words whose breaks depend on more than a pair are left to
    // Qt; many descriptions are drawn here all the same.
    QVERIFY2(drawnWithoutQt >= documents / 4, QByteArray::number(drawnWithoutQt));
}

QTEST_MAIN(PrintPathTest)
#include "tst_PrintPath.moc"
