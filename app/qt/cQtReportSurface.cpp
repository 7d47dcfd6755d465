#include "app/qt/cQtReportSurface.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPalette>
#include <QPolygon>
#include <QRect>
#include <algorithm>

#include "app/qt/QtText.h"
#include "app/qt/cPlainTextGlyphs.h"
#include "framework/TextUtil.h"
#include "pdfwriter/PrintFontMetrics.h"
#include "pdfwriter/ReportGraphics.h"

namespace korval {

cQtReportSurface::cQtReportSurface(QPainter* painter, const QFont& font, const QPaintDevice* device,
                                   const QColor& textColour)
    : painter_(painter), font_(font), device_(device), metrics_(font, device) {
    // A weight-1 line is about a screen pixel: three quarters of a point.
    if (device != nullptr) lineUnit_ = paper::LineUnit(device->logicalDpiY());
    if (painter_ != nullptr) {
        painter_->setFont(font_);
        painter_->setPen(textColour);
        painter_->setBackgroundMode(Qt::TransparentMode);
        painter_->setRenderHint(QPainter::Antialiasing, true);
    }
}

void cQtReportSurface::SetPalette(const QPalette& palette) {
    ink_ = palette.color(QPalette::Text);
    paper_ = palette.color(QPalette::Base);
    UseTextPen();
}

QColor cQtReportSurface::ColorOf(Tone tone) const {
    // Faint and shade lie between paper and ink, so they read on light and dark palettes.
    const double inkShare = paper::InkShare(tone);
    return QColor::fromRgbF(
        static_cast<float>(paper_.redF() + (ink_.redF() - paper_.redF()) * inkShare),
        static_cast<float>(paper_.greenF() + (ink_.greenF() - paper_.greenF()) * inkShare),
        static_cast<float>(paper_.blueF() + (ink_.blueF() - paper_.blueF()) * inkShare));
}

void cQtReportSurface::UseTextPen() {
    if (Painting()) painter_->setPen(QPen(ink_));
}

int cQtReportSurface::LineWidth(const LineStyle& style) const {
    return paper::LineWidth(style, lineUnit_);
}

void cQtReportSurface::UseLine(const LineStyle& style) {
    QPen pen(ColorOf(style.tone), LineWidth(style));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (style.dash != DashStyle::kSolid) {
        std::vector<double> dashes = paper::DashPattern(style.dash);
        pen.setDashPattern(QList<qreal>(dashes.begin(), dashes.end()));
    }
    painter_->setPen(pen);
    painter_->setBrush(Qt::NoBrush);
}

int cQtReportSurface::TextWidth(std::string_view text) const {
    if (IsPlainLine(text, 0)) {
        if (const cPlainTextGlyphs* glyphs = PlainTextGlyphs()) return glyphs->RoundedWidth(text);
    }
    return metrics_.horizontalAdvance(ToQString(std::string(text)));
}

void cQtReportSurface::DrawLine(SurfacePoint from, SurfacePoint to, const LineStyle& style) {
    if (!Painting()) return;
    UseLine(style);
    painter_->drawLine(from.x, from.y, to.x, to.y);
    UseTextPen();
}

namespace {
QPolygon ToQPolygon(std::span<const SurfacePoint> points) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (SurfacePoint point : points) polygon.append(QPoint(point.x, point.y));
    return polygon;
}
}  // namespace

void cQtReportSurface::DrawPolyline(std::span<const SurfacePoint> points, const LineStyle& style) {
    if (!Painting() || points.size() < 2) return;
    UseLine(style);
    painter_->drawPolyline(ToQPolygon(points));
    UseTextPen();
}

void cQtReportSurface::FillRect(const SurfaceRect& rect, Tone tone) {
    if (!Painting()) return;
    painter_->fillRect(QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)),
                       ColorOf(tone));
}

void cQtReportSurface::FillPolygon(std::span<const SurfacePoint> points, Tone tone) {
    if (!Painting() || points.size() < 3) return;
    painter_->setPen(Qt::NoPen);
    painter_->setBrush(ColorOf(tone));
    painter_->drawPolygon(ToQPolygon(points));
    painter_->setBrush(Qt::NoBrush);
    UseTextPen();
}

void cQtReportSurface::DrawTextAt(std::string_view text, SurfacePoint at, unsigned flags) {
    if (!Painting()) return;
    QString qtText = ToQString(PrintableText(text));
    int left = AlignedAtPoint(at.x, metrics_.horizontalAdvance(qtText), flags);
    painter_->drawText(QPoint(left, at.y + metrics_.ascent()), qtText);
}

TextMetrics cQtReportSurface::GetTextMetrics() const {
    return {metrics_.height(), metrics_.averageCharWidth(), metrics_.maxWidth()};
}

int cQtReportSurface::QtTextFlags(unsigned flags) {
    int qtFlags = Qt::AlignTop | Qt::TextDontClip;
    switch (flags & TextFlags::kAlignMask) {
        case TextFlags::kCenter:
            qtFlags |= Qt::AlignHCenter;
            break;
        case TextFlags::kRight:
            qtFlags |= Qt::AlignRight;
            break;
        default:
            qtFlags |= Qt::AlignLeft;
            break;
    }
    if (flags & TextFlags::kWordBreak) qtFlags |= Qt::TextWordWrap;
    if (flags & TextFlags::kExpandTabs) qtFlags |= Qt::TextExpandTabs;
    return qtFlags;
}

int cQtReportSurface::PlainLineHeight() {
    if (plainLineHeight_ < 0)
        plainLineHeight_ =
            metrics_.boundingRect(QRect(0, 0, 1000, 1), QtTextFlags(0), "0").height();
    return plainLineHeight_;
}

// Glyphs can be drawn without their text on PDF pages: the PDF engine writes them with the
// font's own map back to the characters, while a preview's recording or an SVG needs each
// line's text.
bool cQtReportSurface::DrawsPlainLinesAsGlyphs() const {
    return painter_ != nullptr && painter_->paintEngine() != nullptr &&
           painter_->paintEngine()->type() == QPaintEngine::Pdf;
}

const cPlainTextGlyphs* cQtReportSurface::PlainTextGlyphs() const {
    if (!plainTextGlyphsLooked_) {
        plainTextGlyphsLooked_ = true;
        if (DrawsPlainLinesAsGlyphs()) {
            plainTextGlyphs_ = painter_ != nullptr
                                   ? cPlainTextGlyphs::For(painter_->font(), *painter_->device())
                                   : cPlainTextGlyphs::For(font_, *device_);
        }
    }
    return plainTextGlyphs_.get();
}

qreal cQtReportSurface::PlainLineAscent() {
    const QFont& font = painter_ != nullptr ? painter_->font() : font_;
    const QPaintDevice* device = painter_ != nullptr ? painter_->device() : device_;
    if (plainAscent_ < 0) plainAscent_ = QFontMetricsF(font, device).ascent();
    return plainAscent_;
}

// Where Qt's rectangle layout puts one plain line (at the top, aligned in the box), without
// laying it out as a paragraph: printed reports draw thousands of such lines. On PDF pages
// the line's glyphs come from the font's table instead of being shaped again; elsewhere
// left-aligned text needs no width, so it is shaped only once, to be drawn.
QPointF cQtReportSurface::PlainLineOrigin(std::string_view text, const QRect& box, unsigned flags) {
    const QFont& font = painter_ != nullptr ? painter_->font() : font_;
    const QPaintDevice* device = painter_ != nullptr ? painter_->device() : device_;
    const qreal ascent = PlainLineAscent();
    const cPlainTextGlyphs* glyphs = PlainTextGlyphs();
    auto width = [&] {
        return glyphs != nullptr ? glyphs->Width(text)
                                 : QFontMetricsF(font, device).horizontalAdvance(ToQString(text));
    };
    const unsigned align = flags & TextFlags::kAlignMask;
    const qreal left = align == TextFlags::kBase
                           ? box.left()
                           : AlignedInBox(box.left(), box.width(), width(), flags);
    return {left, box.top() + ascent};
}

void cQtReportSurface::DrawPlainLine(std::string_view text, const QRect& box, unsigned flags) {
    QPointF origin = PlainLineOrigin(text, box, flags);
    if (const cPlainTextGlyphs* glyphs = PlainTextGlyphs())
        glyphs->Draw(*painter_, text, origin);
    else
        painter_->drawText(origin, ToQString(text));
}

int cQtReportSurface::DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) {
    bool draw = painter_ != nullptr && !(flags & TextFlags::kMeasureOnly);
    bool plain = IsPlainLine(text, flags);
    if (!draw && plain) return PlainLineHeight();
    QRect box(rect.left, rect.top, qMax(1, rect.right - rect.left),
              qMax(1, rect.bottom - rect.top));
    if (draw && plain && IsPrinter() && !(flags & TextFlags::kExpandTabs)) {
        DrawPlainLine(text, box, flags);
        return PlainLineHeight();
    }
    QString qtText = ToQtLineBreaks(PrintableText(text));
    int qtFlags = QtTextFlags(flags);
    if (!draw) return metrics_.boundingRect(box, qtFlags, qtText).height();
    // Drawing lays the text out once and gives the rectangle it took.
    QRect taken;
    painter_->drawText(box, qtFlags, qtText, &taken);
    return taken.height();
}

}  // namespace korval
