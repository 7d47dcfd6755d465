#include "app/qt/cChartImageWriter.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <vector>

#include "app/qt/QtText.h"
#include "app/qt/cQtImageSurface.h"
#include "framework/cModelDoc.h"
#include "framework/chart/cChartPicture.h"

namespace korval {

namespace {

// SVG at the CSS resolution; PNG at one and a half times it, sharp on paper and screen.
int ResolutionOf(cChartImageWriter::Format format) {
    return format == cChartImageWriter::Format::kSvg ? 96 : 144;
}

int DotsPerMeter(int dpi) {
    return static_cast<int>(dpi / 0.0254 + 0.5);
}

// The charts of the report as printed on a page (7.5 inches of body), one below the other.
struct Sheet {
    std::vector<cReportItem> charts;
    int margin = 0;
    int headingHeight = 0;
    int width = 0;
    int height = 0;
};

Sheet LayOutSheet(cModelDoc& document, const QPaintDevice& device) {
    int dpi = device.logicalDpiY();
    cQtImageSurface measuring(nullptr, device, dpi * 15 / 2 + 10, dpi * 11);
    cReportLayout layout = document.LayOutReport(measuring);
    Sheet sheet;
    sheet.margin = dpi / 4;
    sheet.headingHeight = layout.Metrics().text.height * 3 / 2;
    sheet.height = sheet.margin;
    for (const cReportItem& item : layout.Items()) {
        if (item.kind != cReportItem::Kind::kChart || !item.chart) continue;
        sheet.charts.push_back(item);
        sheet.width = std::max(sheet.width, item.chart->Width() + 2 * sheet.margin);
        sheet.height += sheet.headingHeight + item.chart->Height() + sheet.margin;
    }
    return sheet;
}

void PaintSheet(QPainter& painter, const QPaintDevice& device, const Sheet& sheet) {
    painter.fillRect(QRect(0, 0, sheet.width, sheet.height), Qt::white);
    cQtImageSurface surface(&painter, device, sheet.width, sheet.height);
    int top = sheet.margin;
    for (const cReportItem& chart : sheet.charts) {
        surface.DrawTextAt(chart.text, {sheet.margin, top}, TextFlags::kBase);
        top += sheet.headingHeight;
        chart.chart->Draw(surface, sheet.margin, top);
        top += chart.chart->Height() + sheet.margin;
    }
}

bool WriteSvg(const Sheet& sheet, const QString& file, const QString& title) {
    QSvgGenerator generator;
    generator.setFileName(file);
    generator.setResolution(ResolutionOf(cChartImageWriter::Format::kSvg));
    generator.setSize(QSize(sheet.width, sheet.height));
    generator.setViewBox(QRect(0, 0, sheet.width, sheet.height));
    generator.setTitle(title);
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    PaintSheet(painter, generator, sheet);
    return painter.end();
}

bool WritePng(const Sheet& sheet, const QImage& probe, const QString& file) {
    QImage image(sheet.width, sheet.height, QImage::Format_RGB32);
    image.setDotsPerMeterX(probe.dotsPerMeterX());
    image.setDotsPerMeterY(probe.dotsPerMeterY());
    QPainter painter(&image);
    PaintSheet(painter, image, sheet);
    painter.end();
    return image.save(file, "PNG");
}

}  // namespace

bool cChartImageWriter::Write(cModelDoc& document, const std::string& path, Format format,
                              std::string& error) {
    charts_ = 0;
    // The measuring device: an image at the output's resolution, so the text is measured as
    // it is drawn (an SVG generator reports the same resolution).
    QImage probe(16, 16, QImage::Format_RGB32);
    probe.setDotsPerMeterX(DotsPerMeter(ResolutionOf(format)));
    probe.setDotsPerMeterY(DotsPerMeter(ResolutionOf(format)));
    Sheet sheet = LayOutSheet(document, probe);
    if (sheet.charts.empty()) {
        error = "the report has no charts to write";
        return false;
    }
    QString file = ToQString(path);
    bool written = format == Format::kSvg ? WriteSvg(sheet, file, ToQString(document.GetTitle()))
                                          : WritePng(sheet, probe, file);
    if (!written || !QFileInfo(file).isFile() || QFileInfo(file).size() == 0) {
        error = "cannot write " + path;
        return false;
    }
    charts_ = static_cast<int>(sheet.charts.size());
    return true;
}

}  // namespace korval
