// The desktop as a user meets it: started with an example file on the command line, the
// window opens the file as its kind, paints the report, prints it to PDF, and every row of
// the report is on the announced pages exactly once. korval-cli prints the same pages
// without a display.
#include <QDir>
#include <QMdiArea>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <map>

#include "app/cEstimatorAppLogic.h"
#include "app/qt/cQtPrintJob.h"
#include "desktop/cChildFrame.h"
#include "desktop/cEstimatorApp.h"
#include "desktop/cMainFrame.h"
#include "desktop/cReportView.h"
#include "documents/cDocumentFactory.h"
#include "framework/cModelDoc.h"
#include "framework/cTextReportSurface.h"
#include "simulation/SimulationReport.h"
#include "tests/qt/support/QtTestFiles.h"
#include "tests/qt/support/cTestQtPlatform.h"

using namespace korval;
using namespace korval::testing;

namespace {

// Remembers the cells of every row as the report lays them out, one line per row. It takes
// charts as drawings, as paper does, so the rows are those the printed pages show.
class cRowCollector : public cTextReportSurface {
  public:
    bool DrawsGraphics() const override { return true; }
    struct Row {
        QStringList cells;
        bool wraps = false;
    };
    int DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) override {
        if (!(flags & TextFlags::kMeasureOnly)) {
            Row& row = rows_[rect.top];
            row.cells << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
            row.wraps |=
                (flags & TextFlags::kWordBreak) != 0 || text.find('\n') != std::string_view::npos;
        }
        return cTextReportSurface::DrawText(text, rect, flags);
    }
    const std::map<int, Row>& Rows() const { return rows_; }

  private:
    std::map<int, Row> rows_;
};

std::map<int, cRowCollector::Row> ReportRows(cModelDoc& document) {
    cRowCollector collector;
    cDrawContext dc(collector);
    int y = 5;
    document.DrawReport(dc, y, TextFlags::kBase);
    dc.layout.DrawAll(collector);
    return collector.Rows();
}

QStringList ExampleFiles() {
    QDir examples(QStringLiteral(KORVAL_SOURCE_DIR "/examples"));
    QStringList files;
    for (const QFileInfo& file : examples.entryInfoList(QDir::Files, QDir::Name)) {
        static const QStringList kExtensions{"prj", "fpm", "ccm", "rlm", "sle"};
        if (kExtensions.contains(file.suffix().toLower())) files << file.absoluteFilePath();
    }
    return files;
}

// Lines of a PDF's text without the footers, which carry the print time.
QStringList BodyLines(const QString& pdf) {
    QRegularExpression footer(QStringLiteral("\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d[AP]M$"));
    QStringList lines;
    for (const QString& line : NormalisedLines(PdfText(pdf))) {
        if (!footer.match(line).hasMatch()) lines << line;
    }
    return lines;
}

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void exampleOpensPaintsAndPrints_data();
    void exampleOpensPaintsAndPrints();
    void cliPrintsTheSamePagesWithoutADisplay_data();
    void cliPrintsTheSamePagesWithoutADisplay();
    void cliPdfNeedsAnOutputFile();
    void cliPdfGoesThroughTheRenderer();
    void cliPdfAfterTheRendererMeasuredThePrintFont();
    void chartsPrintWithTheirLabels_data();
    void chartsPrintWithTheirLabels();
    void cliDrawsChartsAsSvgAndPng();
    void startupWithAnUnknownFileSaysSo();
    void simulationRunsOffTheGuiThreadOncePerRevision();

  private:
    void AddExampleRows();
};

void EndToEndTest::initTestCase() {
    QVERIFY2(!ExampleFiles().isEmpty(), "no example files found");
    cTestQtPlatform::ClearSettings();
}

void EndToEndTest::AddExampleRows() {
    QTest::addColumn<QString>("file");
    for (const QString& file : ExampleFiles())
        QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
}

void EndToEndTest::exampleOpensPaintsAndPrints_data() {
    AddExampleRows();
}

void EndToEndTest::exampleOpensPaintsAndPrints() {
    QFETCH(QString, file);
    QDir::setCurrent(QStringLiteral(KORVAL_SOURCE_DIR "/examples"));
    cEstimatorApp app({QStringLiteral("korval"), file});
    std::vector<std::string> messages;
    app.Platform().SetMessageResponder([&](const std::string& text, MessageButtons buttons) {
        messages.push_back(text);
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    });
    app.Platform().SetDialogResponder([](QDialog&, cDialogLogic&) { return false; });
    QVERIFY(app.Start());
    cMainFrame* frame = app.MainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    cChildFrame* child = frame->ActiveChild();
    QVERIFY2(child, messages.empty() ? "no document" : messages.front().c_str());
    cModelDoc& document = child->Document();
    QCOMPARE(child->windowTitle(), QFileInfo(file).fileName());
    QCOMPARE(QString::fromLatin1(document.KindInfo().defaultExtension).toLower(),
             "." + QFileInfo(file).suffix().toLower());

    // The view paints the report.
    child->showMaximized();
    QTest::qWait(20);
    QVERIFY(InkedPixels(child->View().viewport()->grab().toImage()) > 500);
    SaveScreenshot(*frame, "example-" + QFileInfo(file).fileName());

    // Printed to PDF through the view's print path: every row on the announced pages.
    QTemporaryDir folder;
    QString pdf = folder.filePath("report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    cQtPrintJob::SetUpPdfPrinter(printer, pdf);
    int printed = child->View().PrintTo(printer);
    QVERIFY(printed >= 1);
    QCOMPARE(PdfPageCount(pdf), printed);

    QStringList pdfLines = NormalisedLines(PdfText(pdf));
    QString pdfWords = pdfLines.join(' ');
    QMap<QString, int> expected;
    for (const auto& [top, row] : ReportRows(document)) {
        if (row.wraps) {
            for (const QString& word :
                 row.cells.join(' ').split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)) {
                QVERIFY2(pdfWords.contains(word), qPrintable(word));
            }
            continue;
        }
        expected[row.cells.join(' ').simplified()] += 1;
    }
    QVERIFY(!expected.isEmpty());
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        QVERIFY2(pdfLines.count(it.key()) == it.value(),
                 qPrintable(QString("\"%1\": %2 in the PDF, %3 in the report")
                                .arg(it.key())
                                .arg(pdfLines.count(it.key()))
                                .arg(it.value())));
    }
    // Each page has its header.
    for (int page = 1; page <= printed; ++page) {
        QStringList lines = NormalisedLines(PdfText(pdf, page));
        QCOMPARE(lines.first(), "Korval " + QString::fromLatin1(document.KindInfo().reportTitle));
    }
}

void EndToEndTest::cliPrintsTheSamePagesWithoutADisplay_data() {
    AddExampleRows();
}

void EndToEndTest::cliPrintsTheSamePagesWithoutADisplay() {
    QFETCH(QString, file);
    QTemporaryDir folder;
    QString cliPdf = folder.filePath("cli.pdf");
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    cli.setProcessEnvironment(environment);
    cli.setWorkingDirectory(QFileInfo(file).absolutePath());
    cli.start(QStringLiteral(KORVAL_CLI_PATH),
              {"report", QFileInfo(file).fileName(), "--profile", KORVAL_DEFAULTS_PROFILE,
               "--format", "pdf", "-o", cliPdf});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
    QVERIFY(PdfPageCount(cliPdf) >= 1);

    // The same document printed in this process gives the same pages.
    cTestQtPlatform platform;
    platform.AcceptInformation();
    QDir::setCurrent(QFileInfo(file).absolutePath());
    cEstimatorAppLogic logic(platform, KORVAL_DEFAULTS_PROFILE, &CreateDocument);
    logic.Context().reportAppendix = &SimulationReportAppendix;  // as the start-up does
    logic.LoadExtensions();
    std::unique_ptr<cModelDoc> document =
        logic.OpenByKind(QFileInfo(file).fileName().toStdString());
    QVERIFY(document);
    QString guiPdf = folder.filePath("gui.pdf");
    QPrinter printer(QPrinter::HighResolution);
    cQtPrintJob::SetUpPdfPrinter(printer, guiPdf);
    int printed = cQtPrintJob(*document, platform.Now()).Run(printer);
    QCOMPARE(PdfPageCount(cliPdf), printed);
    QCOMPARE(BodyLines(cliPdf), BodyLines(guiPdf));
    // Every word at the same place, to a hundredth of a point.
    QCOMPARE(FirstLayoutDifference(PdfWordBoxes(cliPdf), PdfWordBoxes(guiPdf), 0.01), QString());
}

// korval-cli hands its PDF output to the renderer beside it, korval-pdf, and names it when
// it is missing; the desktop program's --print-pdf prints the same pages.
void EndToEndTest::cliPdfGoesThroughTheRenderer() {
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("bin"));
    QString bin = folder.filePath(QStringLiteral("bin"));
    QVERIFY(QFile::copy(QStringLiteral(KORVAL_CLI_PATH), bin + "/korval-cli"));
    QString example = QStringLiteral(KORVAL_SOURCE_DIR "/examples/payroll.PRJ");
    auto run = [](const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments + QStringList{"--profile", KORVAL_DEFAULTS_PROFILE});
        process.waitForFinished(60000);
        return std::pair{process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
    };
    auto cliReport = [&](const QString& pdf) {
        return run(bin + "/korval-cli", {"report", example, "--format", "pdf", "-o", pdf});
    };
    auto [missingStatus, missingMessage] = cliReport(folder.filePath("missing.pdf"));
    QCOMPARE(missingStatus, 1);
    QCOMPARE(missingMessage,
             "korval-cli: PDF output needs the desktop application's PDF "
             "renderer, which is not installed beside korval-cli (" +
                 bin + "/korval-pdf)\n");
    QVERIFY(!QFile::exists(folder.filePath("missing.pdf")));

    // Beside the renderer alone, without the desktop program.
    QVERIFY(QFile::copy(QStringLiteral(KORVAL_PDF_RENDERER_PATH), bin + "/korval-pdf"));
    QString cliPdf = folder.filePath("cli.pdf");
    QCOMPARE(cliReport(cliPdf), std::pair(0, QString()));
    QString desktopPdf = folder.filePath("desktop.pdf");
    QCOMPARE(run(KORVAL_DESKTOP_PATH, {"--print-pdf", example, desktopPdf}),
             std::pair(0, QString()));
    QVERIFY(PdfPageCount(cliPdf) > 1);
    QCOMPARE(PdfWordBoxes(cliPdf), PdfWordBoxes(desktopPdf));
}

// Once the renderer has measured the print font, korval-cli draws reports of plain lines
// itself: every run gives the same pages, and a document's messages once, whether its pages
// were drawn here or handed to the renderer (a report whose text needs Qt's layout).
void EndToEndTest::cliPdfAfterTheRendererMeasuredThePrintFont() {
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("bin"));
    QString bin = folder.filePath(QStringLiteral("bin"));
    QVERIFY(QFile::copy(QStringLiteral(KORVAL_CLI_PATH), bin + "/korval-cli"));
    QVERIFY(QFile::copy(QStringLiteral(KORVAL_PDF_RENDERER_PATH), bin + "/korval-pdf"));
    QString plain = folder.filePath(QStringLiteral("plain.SLE"));
    QFile system(plain);
    QVERIFY(system.open(QIODevice::WriteOnly));
    system.write(
        "[KORVAL]\r\nKORVAL_Type=System\r\nVersion=4.1\r\n[Projects]\r\n"
        "File_Name00=" KORVAL_SOURCE_DIR
        "/examples/payroll.PRJ\r\n"
        "File_Name01=absent.PRJ\r\n");
    system.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), folder.filePath(QStringLiteral("cache")));
    auto report = [&](const QString& file, const QString& pdf) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(bin + "/korval-cli", {"report", file, "--profile", KORVAL_DEFAULTS_PROFILE,
                                            "--format", "pdf", "-o", pdf});
        process.waitForFinished(60000);
        return std::pair{process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
    };
    const QString absent = QStringLiteral("korval-cli: absent.PRJ File not found\n");
    for (const QString& file :
         {plain, QStringLiteral(KORVAL_SOURCE_DIR "/examples/payroll.PRJ"), plain}) {
        QString first = folder.filePath("first.pdf"), second = folder.filePath("second.pdf");
        auto [status, messages] = report(file, first);
        QCOMPARE(status, 0);
        QCOMPARE(messages, file == plain ? absent : QString());
        QVERIFY(QFile::exists(folder.filePath("cache/korval/print-font")));
        QCOMPARE(report(file, second), std::pair(0, messages));
        QVERIFY(PdfPageCount(second) >= 1);
        QCOMPARE(PdfWordBoxes(second), PdfWordBoxes(first));
    }
}

void EndToEndTest::cliPdfNeedsAnOutputFile() {
    QProcess cli;
    cli.start(QStringLiteral(KORVAL_CLI_PATH),
              {"report", ExampleFiles().front(), "--format", "pdf"});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY(cli.readAllStandardError().contains("usage:"));
}

void EndToEndTest::chartsPrintWithTheirLabels_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("project") << "payroll.PRJ"
                             << QStringList{"Staffing Chart: COCOMO and Putnam",
                                            "COCOMO phases,",
                                            "Putnam life cycle,",
                                            "End of main build",
                                            "Months",
                                            "People",
                                            "Programming"};
    QTest::newRow("rayleigh") << "order-entry.RLM" << QStringList{"Staffing Chart",
                                                                  "Staffing, life-cycle effort",
                                                                  "End of main build",
                                                                  "Peak",
                                                                  "Months",
                                                                  "People"};
    QTest::newRow("system") << "enterprise.SLE"
                            << QStringList{
                                   "Schedule Chart",       "System Staffing Chart",
                                   "Product design",       "Integration and test",
                                   "Final test",           "archive-migration.PRJ (missing)",
                                   "Missing project file", "System staffing,"};
    QTest::newRow("cocomo") << "flight-management.CCM"
                            << QStringList{"Phase Staffing Chart", "COCOMO phases,", "Months"};
}

// Each chart's heading, legend, marks and axis units are on the printed pages as text.
void EndToEndTest::chartsPrintWithTheirLabels() {
    QFETCH(QString, file);
    QFETCH(QStringList, labels);
    cTestQtPlatform platform;
    platform.AcceptInformation();
    QDir::setCurrent(QStringLiteral(KORVAL_SOURCE_DIR "/examples"));
    cEstimatorAppLogic logic(platform, KORVAL_DEFAULTS_PROFILE, &CreateDocument);
    logic.LoadExtensions();
    std::unique_ptr<cModelDoc> document = logic.OpenByKind(file.toStdString());
    QVERIFY(document);
    QTemporaryDir folder;
    QString pdf = folder.filePath("charts.pdf");
    QPrinter printer(QPrinter::HighResolution);
    cQtPrintJob::SetUpPdfPrinter(printer, pdf);
    QVERIFY(cQtPrintJob(*document, platform.Now()).Run(printer) >= 1);
    QString words = NormalisedLines(PdfText(pdf)).join(' ');
    for (const QString& label : labels) QVERIFY2(words.contains(label), qPrintable(label));

    // Without the Charts switch none of them is printed.
    document->SetFilter(cModelDoc::kChartsSwitch, FilterState::Off);
    QVERIFY(cQtPrintJob(*document, platform.Now()).Run(printer) >= 1);
    QVERIFY(!NormalisedLines(PdfText(pdf)).join(' ').contains(labels.front()));
}

// korval-cli draws the charts into SVG and PNG images through the desktop program.
void EndToEndTest::cliDrawsChartsAsSvgAndPng() {
    QTemporaryDir folder;
    QString example = QStringLiteral(KORVAL_SOURCE_DIR "/examples/payroll.PRJ");
    for (const QString& name : {QStringLiteral("plan.svg"), QStringLiteral("plan.png")}) {
        QProcess cli;
        cli.start(
            QStringLiteral(KORVAL_CLI_PATH),
            {"chart", example, "--profile", KORVAL_DEFAULTS_PROFILE, "-o", folder.filePath(name)});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
    }
    QFile svg(folder.filePath("plan.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QByteArray content = svg.readAll();
    QVERIFY(content.contains("<svg"));
    QVERIFY(content.contains("Staffing Chart: COCOMO and Putnam"));
    QVERIFY(content.contains("End of main build"));
    QImage png(folder.filePath("plan.png"));
    QVERIFY(!png.isNull());
    QVERIFY(png.width() > 600);
    QVERIFY(InkedPixels(png) > 5000);

    // A report without charts writes no image.
    QProcess none;
    none.start(QStringLiteral(KORVAL_CLI_PATH),
               {"chart", QStringLiteral(KORVAL_SOURCE_DIR "/examples/payroll.FPM"), "--profile",
                KORVAL_DEFAULTS_PROFILE, "-o", folder.filePath("none.svg")});
    QVERIFY(none.waitForFinished(60000));
    QCOMPARE(none.exitCode(), 1);
    QVERIFY(none.readAllStandardError().contains("no charts"));
    QVERIFY(!QFile::exists(folder.filePath("none.svg")));
}

void EndToEndTest::startupWithAnUnknownFileSaysSo() {
    QTemporaryDir folder;
    QString path = folder.filePath("notes.txt");
    QFile text(path);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("[KORVAL]\r\nKORVAL_Type=cocomo\r\n");
    text.close();
    cEstimatorApp app({QStringLiteral("korval"), path});
    std::vector<std::string> messages;
    app.Platform().SetMessageResponder([&](const std::string& message, MessageButtons) {
        messages.push_back(message);
        return MessageAnswer::Ok;
    });
    QVERIFY(app.Start());
    QCOMPARE(messages, std::vector<std::string>{"This file is not recognized by KORVAL: " +
                                                path.toStdString() + " is not a Korval file."});
    QVERIFY(app.MainFrame()->Children().isEmpty());
    QVERIFY(app.MainFrame()->isVisible());
}

// The desktop's report shows "Simulating..." until the run on its own thread is done, then
// its results; laying out again reuses them and an edit runs the trials afresh.
void EndToEndTest::simulationRunsOffTheGuiThreadOncePerRevision() {
    cEstimatorApp app(
        {QStringLiteral("korval"), QStringLiteral(KORVAL_SOURCE_DIR "/examples/web-shop.PRJ")});
    app.Platform().SetMessageResponder(
        [](const std::string&, MessageButtons) { return MessageAnswer::Ok; });
    QVERIFY(app.Start());
    cChildFrame* child = app.MainFrame()->ActiveChild();
    QVERIFY(child);
    cModelDoc& document = child->Document();
    auto report = [&document] {
        cTextReportSurface surface;
        cReportLayout layout = document.LayOutReport(surface);
        layout.DrawAll(surface);
        return surface.Render();
    };
    QVERIFY(report().find("Simulating...") != std::string::npos);
    QTRY_VERIFY_WITH_TIMEOUT(report().find("P90") != std::string::npos, 60000);
    std::string done = report();
    QCOMPARE(report(), done);
    QVERIFY(done.find("Simulating...") == std::string::npos);

    // An edit keeps the last results on show while the new run is under way.
    document.SetModifiedFlag();
    QVERIFY(report().find("P90") != std::string::npos);
    QTRY_VERIFY_WITH_TIMEOUT(!app.MainFrame()->findChild<QProgressBar*>()->isVisible(), 60000);
}

QTEST_MAIN(EndToEndTest)
#include "tst_EndToEnd.moc"
