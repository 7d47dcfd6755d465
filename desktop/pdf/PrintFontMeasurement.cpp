#include "desktop/pdf/PrintFontMeasurement.h"

#include <fontconfig/fontconfig.h>

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>
#include <random>

#include "app/qt/QtText.h"
#include "app/qt/cPlainTextGlyphs.h"
#include "app/qt/cQtPagedReport.h"
#include "app/qt/cQtPdfSurface.h"
#include "app/qt/cTextRunRecorder.h"
#include "pdfwriter/PrintFontCache.h"
#include "pdfwriter/cPdfDocument.h"

namespace korval {

namespace {

void AppendAll(FcStrList* list, std::vector<std::string>& paths) {
    if (list == nullptr) return;
    while (FcChar8* path = FcStrListNext(list)) paths.emplace_back(reinterpret_cast<char*>(path));
    FcStrListDone(list);
}

// Lines of text that may wrap, as many as korval-cli draws without Qt.
constexpr int kWrappedLines = 40;

QString Lines(int count) {
    QStringList lines;
    for (int line = 0; line < count; ++line) lines << QStringLiteral("0");
    return lines.join(QLatin1Char('\n'));
}

// Where Qt's rectangle layout puts the baseline of each line of a text that may wrap,
// below the rectangle's top; none unless every line starts at the rectangle's left.
std::optional<std::vector<double>> WrappedBaselines(const QFont& font, const QPaintDevice& device) {
    cTextRunRecorder recorder(device);
    QPainter painter(&recorder);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 100000, 100000),
                     cQtReportSurface::QtTextFlags(TextFlags::kWordBreak), Lines(kWrappedLines));
    painter.end();
    std::vector<double> baselines;
    for (const cTextRunRecorder::Run& run : recorder.TakeRuns()) {
        if (run.origin.x() != 0) return std::nullopt;
        baselines.push_back(run.origin.y());
    }
    if (baselines.size() != kWrappedLines) return std::nullopt;
    return baselines;
}

// How far the ink of a printable ASCII character's glyph reaches past its advance at most.
std::int32_t LargestOverhang(const QFont& font, const QPaintDevice& device) {
    QFontMetricsF metrics(font, &device);
    qreal largest = 0;
    for (char c = PrintFontMetrics::kFirst; c <= PrintFontMetrics::kLast; ++c)
        largest = std::max(largest, -metrics.rightBearing(QLatin1Char(c)));
    return static_cast<std::int32_t>(std::ceil(largest * 64));
}

bool BreaksAt(const QString& text, qsizetype position) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    finder.setPosition(static_cast<int>(position));
    return finder.isAtBoundary();
}

constexpr char kFirst = PrintFontMetrics::kFirst;
constexpr char kLast = PrintFontMetrics::kLast;

QString Latin1(std::initializer_list<char> characters) {
    QString text;
    for (char c : characters) text += QLatin1Char(c);
    return text;
}

// What may stand before a pair within a word, by context: nothing (the word's start, after
// a space), a digit, a letter, or other characters.
const QStringList& PrefixesOf(PrintFontMetrics::WordContext context) {
    static const QStringList prefixes[PrintFontMetrics::kContexts] = {
        {" "},
        {" 1", " x1", " 11", " 1.1", " $1", " (1"},
        {" x", " 1x", " xx"},
        {" $", " %", " (", " -", " 1.", " 1/", " x(", " 1(", " +", " \\", " .", " x.", " ,"}};
    return prefixes[context];
}

// Qt's answer for a pair of characters within a word in a context: the same for every
// prefix of the context and every ending tried (nothing, a digit, a letter, numbers'
// punctuation), or '?' where it depends on more.
char BreakWithinWords(PrintFontMetrics::WordContext context, char before, char after) {
    static const QStringList suffixes = {"", "1", "x", "1.", "(1"};
    std::optional<bool> first;
    for (const QString& prefix : PrefixesOf(context)) {
        for (const QString& suffix : suffixes) {
            bool breaks = BreaksAt(prefix + Latin1({before, after}) + suffix, prefix.size() + 1);
            if (first && *first != breaks) return '?';
            first = breaks;
        }
    }
    return *first ? '1' : '0';
}

// A word of printable ASCII without spaces, made up to try Qt's line breaking on.
QString RandomWord(std::mt19937& random) {
    QString word;
    const int length = std::uniform_int_distribution<int>(1, 10)(random);
    for (int i = 0; i < length; ++i)
        word += QLatin1Char(
            static_cast<char>(std::uniform_int_distribution<int>(kFirst + 1, kLast)(random)));
    return word;
}

// Qt's line breaks for every pair of printable ASCII characters, within a word and after
// spaces; then, over thousands of made-up pairs of words, any pair whose break Qt decides
// otherwise somewhere is marked as depending on more.
void MeasureLineBreaks(PrintFontMetrics& font) {
    const std::size_t pairs = PrintFontMetrics::kCount * PrintFontMetrics::kCount;
    for (std::string& table : font.breaksWithin) table.assign(pairs, '?');
    font.breaksAfterSpaces.assign(pairs, '?');
    for (char before = kFirst + 1; before <= kLast; ++before) {
        for (char after = kFirst + 1; after <= kLast; ++after) {
            const std::size_t at = PrintFontMetrics::PairIndex(before, after);
            for (int context = 0; context < PrintFontMetrics::kContexts; ++context) {
                font.breaksWithin[context][at] = BreakWithinWords(
                    static_cast<PrintFontMetrics::WordContext>(context), before, after);
            }
            font.breaksAfterSpaces[at] = BreaksAt(Latin1({before, ' ', after}), 2) ? '1' : '0';
        }
    }
    std::mt19937 random(2024);
    for (int trial = 0; trial < 5000; ++trial) {
        const QString text = RandomWord(random) + QLatin1Char(' ') + RandomWord(random);
        const std::string latin1 = text.toLatin1().toStdString();
        QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
        for (std::size_t at = 1; at < latin1.size(); ++at) {
            if (latin1[at] == ' ') continue;
            char* rule = nullptr;
            if (latin1[at - 1] == ' ') {
                rule = &font.breaksAfterSpaces[PrintFontMetrics::PairIndex(latin1[at - 2],
                                                                           latin1[at])];
            } else {
                const bool wordStart = at < 2 || latin1[at - 2] == ' ';
                auto context = PrintFontMetrics::ContextOf(wordStart ? nullptr : &latin1[at - 2]);
                rule = &font.breaksWithin[context]
                                         [PrintFontMetrics::PairIndex(latin1[at - 1], latin1[at])];
            }
            finder.setPosition(static_cast<int>(at));
            if (*rule != '?' && finder.isAtBoundary() != (*rule == '1')) *rule = '?';
        }
    }
}

}  // namespace

std::optional<PrintFontMetrics> MeasurePrintFont() {
    // The device and surface korval-cli's pages would otherwise be drawn on.
    QBuffer nowhere;
    QPdfWriter model(&nowhere);
    cQtPagedReport::SetUpPdfWriter(model);
    QRect paper = model.pageLayout().fullRectPoints();
    cPdfDocument unused(paper.width(), paper.height(), cQtPagedReport::kPdfResolution);
    cQtPdfSurface surface(unused, model);
    std::shared_ptr<const cPlainTextGlyphs> glyphs = cPlainTextGlyphs::For(surface.Font(), model);
    if (!glyphs) return std::nullopt;
    PrintFontMetrics font;
    font.tables = cQtPdfSurface::TablesOf(glyphs->Font());
    if (!font.tables.CanEmbed()) return std::nullopt;
    font.fontName = cQtPdfSurface::FontName(glyphs->Font());
    font.pixelSize = glyphs->Font().pixelSize();
    for (char c = PrintFontMetrics::kFirst; c <= PrintFontMetrics::kLast; ++c) {
        auto at = static_cast<std::size_t>(c - PrintFontMetrics::kFirst);
        font.glyphs[at] = static_cast<std::uint16_t>(glyphs->GlyphOf(c));
        font.advances[at] = glyphs->AdvanceOf(c);
    }
    font.lineAscent = surface.PlainLineAscent();
    font.pointAscent = surface.PointAscent();
    font.text = surface.GetTextMetrics();
    const SurfaceRect box{0, 0, 100000, 1};
    font.plainLineHeight = surface.DrawText("0", box, TextFlags::kMeasureOnly);
    font.emptyTextHeight = surface.DrawText("", box, TextFlags::kMeasureOnly);
    font.emptyWrappedTextHeight =
        surface.DrawText("", box, TextFlags::kMeasureOnly | TextFlags::kWordBreak);
    std::optional<std::vector<double>> baselines = WrappedBaselines(surface.Font(), model);
    if (!baselines) return std::nullopt;
    font.wrappedBaselines = *baselines;
    for (int lines = 1; lines <= kWrappedLines; ++lines) {
        font.wrappedHeights.push_back(surface.DrawText(
            ToStdString(Lines(lines)), box, TextFlags::kMeasureOnly | TextFlags::kWordBreak));
    }
    font.largestOverhang = LargestOverhang(surface.Font(), model);
    MeasureLineBreaks(font);
    font.deviceWidth = surface.DeviceWidth();
    font.deviceHeight = surface.DeviceHeight();
    font.dpiX = surface.PixelsPerInchX();
    font.dpiY = surface.PixelsPerInchY();
    font.pageWidthPoints = paper.width();
    font.pageHeightPoints = paper.height();
    return font;
}

std::vector<std::string> FontConfigurationPaths() {
    std::vector<std::string> paths;
    FcConfig* config = FcConfigGetCurrent();
    AppendAll(FcConfigGetConfigFiles(config), paths);
    AppendAll(FcConfigGetConfigDirs(config), paths);
    AppendAll(FcConfigGetFontDirs(config), paths);
    return paths;
}

void KeepPrintFontMetrics(const std::string& renderer) {
    if (printfont::LoadCurrent(renderer)) return;
    std::optional<PrintFontMetrics> font = MeasurePrintFont();
    if (!font) return;
    printfont::Store(printfont::CurrentSetup(renderer, FontConfigurationPaths()), *font);
}

}  // namespace korval
