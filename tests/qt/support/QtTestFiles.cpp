#include "tests/qt/support/QtTestFiles.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QWidget>
#include <cmath>

namespace korval::testing {

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPageCount(const QString& path) {
    QString info = RunTool(QStringLiteral("pdfinfo"), {path});
    QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString PdfText(const QString& path, int page) {
    QStringList arguments{QStringLiteral("-layout")};
    if (page > 0) arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
    arguments << path << QStringLiteral("-");
    return RunTool(QStringLiteral("pdftotext"), arguments);
}

QString FirstLayoutDifference(const QStringList& actual, const QStringList& expected,
                              double points) {
    if (actual.size() != expected.size()) return QStringLiteral("a different number of words");
    QRegularExpression wordPattern(
        "<word xMin=\"([^\"]+)\" yMin=\"([^\"]+)\" xMax=\"([^\"]+)\" "
        "yMax=\"([^\"]+)\">([^<]*)</word>");
    for (qsizetype i = 0; i < actual.size(); ++i) {
        QRegularExpressionMatch got = wordPattern.match(actual[i]);
        QRegularExpressionMatch want = wordPattern.match(expected[i]);
        bool same =
            got.hasMatch() == want.hasMatch() &&
            (got.hasMatch() ? got.captured(5) == want.captured(5) : actual[i] == expected[i]);
        for (int edge = 1; same && got.hasMatch() && edge <= 4; ++edge)
            same =
                std::abs(got.captured(edge).toDouble() - want.captured(edge).toDouble()) <= points;
        if (!same) return actual[i] + QStringLiteral(" against ") + expected[i];
    }
    return {};
}

QStringList PdfWordBoxes(const QString& path) {
    static const QRegularExpression date(QStringLiteral(">\\d\\d/\\d\\d/\\d{4}<"));
    static const QRegularExpression time(QStringLiteral(">\\d\\d:\\d\\d[AP]M<"));
    QStringList boxes;
    const QString boxed =
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, "-"});
    for (QString line : boxed.split('\n')) {
        if (!line.contains(QStringLiteral("<page ")) && !line.contains(QStringLiteral("<word ")))
            continue;
        line.replace(date, QStringLiteral(">DATE<")).replace(time, QStringLiteral(">TIME<"));
        boxes << line.trimmed();
    }
    return boxes;
}

QStringList NormalisedLines(const QString& text) {
    QStringList lines;
    for (QString line : text.split('\n')) {
        line = line.simplified();
        if (!line.isEmpty()) lines << line;
    }
    return lines;
}

void SaveScreenshot(QWidget& widget, const QString& name) {
    QString folder = qEnvironmentVariable("KORVAL_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    widget.grab().save(QDir(folder).filePath(name + ".png"));
}

int InkedPixels(const QImage& image) {
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QRgb pixel = image.pixel(x, y);
            if (qRed(pixel) < 200 || qGreen(pixel) < 200 || qBlue(pixel) < 200) ++inked;
        }
    }
    return inked;
}

}  // namespace korval::testing
