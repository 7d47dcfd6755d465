#include "app/qt/CommandIcons.h"

#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

#include "app/qt/AppCommands.h"
#include "app/qt/IconMasks.h"

namespace korval {

namespace {

constexpr int kSize = 32;

void DrawPage(QPainter& p) {
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(19, 3);
    page.lineTo(25, 9);
    page.lineTo(25, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(19, 3), QPointF(19, 9));
    p.drawLine(QPointF(19, 9), QPointF(25, 9));
}

void DrawNew(QPainter& p) {
    DrawPage(p);
    p.setPen(QPen(QColor(30, 120, 40), 3));
    p.drawLine(QPointF(16, 14), QPointF(16, 24));
    p.drawLine(QPointF(11, 19), QPointF(21, 19));
}

void DrawOpen(QPainter& p) {
    p.setPen(QPen(QColor(120, 90, 20), 1.5));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(3, 9, 22, 17));
    p.drawRect(QRectF(3, 6, 9, 3));
    p.setBrush(QColor(250, 220, 130));
    QPolygonF flap({QPointF(7, 14), QPointF(30, 14), QPointF(25, 26), QPointF(3, 26)});
    p.drawPolygon(flap);
}

void DrawSave(QPainter& p) {
    p.setPen(QPen(QColor(30, 40, 80), 1.5));
    p.setBrush(QColor(70, 90, 160));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(8, 18, 16, 10));
}

void DrawPrint(QPainter& p) {
    p.setPen(QPen(QColor(50, 50, 50), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 19, 14, 10));
    p.drawLine(QPointF(12, 23), QPointF(20, 23));
    p.drawLine(QPointF(12, 26), QPointF(20, 26));
}

void DrawHelp(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 180));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(20);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawTile(QPainter& p, const QString& letters, const QColor& tile) {
    p.setPen(QPen(tile.darker(140), 1));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2.5, 2.5, 27, 27), 5, 5);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(letters.size() > 1 ? 13 : 17);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, letters);
}

// The glyph drawn on a 32 unit square, scaled to the pixmap's size so that small
// toolbar buttons get sharp lines and letters instead of a blurred copy.
QPixmap GlyphPixmap(const char* glyph, const QColor& tile, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / double(kSize), size / double(kSize));
    if (std::strcmp(glyph, "new") == 0)
        DrawNew(p);
    else if (std::strcmp(glyph, "open") == 0)
        DrawOpen(p);
    else if (std::strcmp(glyph, "save") == 0)
        DrawSave(p);
    else if (std::strcmp(glyph, "print") == 0)
        DrawPrint(p);
    else if (std::strcmp(glyph, "help") == 0)
        DrawHelp(p);
    else
        DrawTile(p, QString::fromUtf8(glyph), tile);
    p.end();
    return pixmap;
}

QColor ButtonTextColour() {
    return QGuiApplication::palette().color(QPalette::ButtonText);
}

// Every glyph is drawn at the sizes the pictograms' masks were rendered at.
constexpr const auto& kGlyphSizes = kIconMaskSides;

// The icon of a glyph drawn at 16, 18, 20, 24 and 32 pixels, each size drawn when it is
// first asked for: a toolbar shows one size only, and drawing every size of every button
// up front was most of the main window's construction. Each request is answered as by an
// icon holding all five pixmaps: a request for one of the five sizes finds that pixmap
// alone, and any other request first draws all five. A pictogram drawn from a file
// follows the palette: when the buttons' text colour changes, it is drawn afresh.
class cGlyphIconEngine : public QIconEngine {
  public:
    cGlyphIconEngine(std::string glyph, const QColor& tile, QString drawing = {})
        : glyph_(std::move(glyph)), tile_(tile), drawing_(std::move(drawing)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        ForgetIfRecoloured();
        Draw(size);
        return drawn_.pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (IsGlyphSize(size)) return size;
        return pixmap(size, mode, state).size();
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        QSize size = rect.size() * painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(size, mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode != QIcon::Normal || state != QIcon::Off) return sizes;
        for (int side : kGlyphSizes) sizes << QSize(side, side);
        return sizes;
    }
    QString key() const override { return QStringLiteral("korval-glyph"); }
    QIconEngine* clone() const override { return new cGlyphIconEngine(*this); }

  private:
    static bool IsGlyphSize(const QSize& size) {
        return size.width() == size.height() &&
               std::find(std::begin(kGlyphSizes), std::end(kGlyphSizes), size.width()) !=
                   std::end(kGlyphSizes);
    }
    void Draw(const QSize& size) {
        for (int side : kGlyphSizes) {
            if ((IsGlyphSize(size) && side != size.width()) || drawnSides_.contains(side)) continue;
            drawn_.addPixmap(drawing_.isEmpty() ? GlyphPixmap(glyph_.c_str(), tile_, side)
                                                : PictogramPixmap(drawing_, strokes_, side));
            drawnSides_ << side;
        }
    }
    void ForgetIfRecoloured() {
        if (drawing_.isEmpty() || ButtonTextColour() == strokes_) return;
        strokes_ = ButtonTextColour();
        drawn_ = QIcon();
        drawnSides_.clear();
    }

    std::string glyph_;
    QColor tile_;
    QString drawing_;
    QColor strokes_;
    QIcon drawn_;
    QList<int> drawnSides_;
};

// The pictogram of each toolbar command (resources/icons); the kinds share one per task.
QString DrawingOf(int commandId) {
    using namespace commands;
    static const QHash<int, const char*> drawings = {
        {kFileNew, "new"},
        {kFileOpen, "open"},
        {kFileSave, "save"},
        {kFilePrint, "print"},
        {kHelp, "help"},
        {kImportFp, "import-f"},
        {kImportCocomo, "import-c"},
        {kImportRayleigh, "import-r"},
        {kExportFp, "export-f"},
        {kExportCocomo, "export-c"},
        {kExportRayleigh, "export-r"},
        {kSystemAttributes, "phases"},
        {kSystemProjects, "projects"},
        {kSystemDescription, "description"},
        {kProjectDescription, "description"},
        {kUseFpSensitivity, "use-sensitivity-f"},
        {kUseCocomoSensitivity, "use-sensitivity-c"},
        {kUseRayleighSensitivity, "use-sensitivity-r"},
        {kFpCount, "function-count"},
        {kFpValueAdjustment, "value-adjustment"},
        {kFpDescription, "description"},
        {kFpSensitivity, "sensitivity"},
        {kFpReverse, "reverse"},
        {kCocomoAttributes, "code-size"},
        {kCocomoCostDrivers, "cost-drivers"},
        {kCocomoDescription, "description"},
        {kCocomoSensitivity, "sensitivity"},
        {kCocomoReverse, "reverse"},
        {kRayleighAttributes, "staffing-curve"},
        {kRayleighDescription, "description"},
        {kRayleighSensitivity, "sensitivity"},
        {kRayleighReverse, "reverse"},
    };
    const char* name = drawings.value(commandId, nullptr);
    return name ? QString::fromLatin1(name) : QString();
}

}  // namespace

// The mask as coverage of a solid colour, as the SVG renderer blends its strokes.
QPixmap PictogramPixmap(const QString& name, const QColor& colour, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (const unsigned char* coverage = IconMask(name.toStdString(), size)) {
        QRgb solid = colour.rgb();
        for (int y = 0; y < size; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < size; ++x)
                line[x] = qPremultiply(
                    qRgba(qRed(solid), qGreen(solid), qBlue(solid), coverage[y * size + x]));
        }
    }
    return QPixmap::fromImage(std::move(image));
}

QIcon CommandIcon(const char* glyph, const QColor& tile) {
    return QIcon(new cGlyphIconEngine(glyph, tile));
}

QIcon CommandIcon(int commandId, const char* glyph, const QColor& tile) {
    return QIcon(new cGlyphIconEngine(glyph, tile, DrawingOf(commandId)));
}

QColor ToolbarColour(int barId) {
    switch (barId) {
        case 59397:
            return QColor(0, 128, 128);  // import/export
        case 59402:
            return QColor(110, 60, 150);  // system
        case 59398:
            return QColor(140, 90, 40);  // project
        case 59399:
            return QColor(40, 130, 60);  // function point
        case 59400:
            return QColor(40, 80, 170);  // COCOMO
        case 59401:
            return QColor(200, 100, 20);  // Rayleigh
        default:
            return QColor(90, 90, 90);
    }
}

QIcon ApplicationIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 80, 170));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(QColor(250, 200, 60));
    const double bars[] = {18, 30, 42};
    for (int i = 0; i < 3; ++i) p.drawRect(QRectF(12 + i * 15, 52 - bars[i], 10, bars[i]));
    p.end();
    return QIcon(pixmap);
}

QIcon DocumentKindIcon(DocumentKind kind) {
    static const char* const kGlyphs[] = {"P", "FP", "C", "R", "S"};
    static const int kBars[] = {59398, 59399, 59400, 59401, 59402};
    int index = static_cast<int>(kind);
    return CommandIcon(kGlyphs[index], ToolbarColour(kBars[index]));
}

}  // namespace korval
