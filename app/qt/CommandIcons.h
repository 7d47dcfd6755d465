#pragma once

#include <QColor>
#include <QIcon>

#include "framework/cDocumentKind.h"

// Icons drawn at run time: the program ships no bitmaps, only masks of the toolbar's SVG
// pictograms (resources/icons) rendered when it was built (IconMasks.h).
namespace korval {

// A toolbar button: a pictogram for "new", "open", "save", "print" and "help", otherwise
// the glyph's letters on a tile of the toolbar's colour.
QIcon CommandIcon(const char* glyph, const QColor& tile);
// A toolbar command's pictogram, drawn in the palette's button text colour; a command
// without one gets its glyph's tile.
QIcon CommandIcon(int commandId, const char* glyph, const QColor& tile);
// A toolbar pictogram (resources/icons, named without .svg) at size x size pixels, in the
// colour; transparent for a pictogram or a size the build did not render.
QPixmap PictogramPixmap(const QString& name, const QColor& colour, int size);
// The colour of a toolbar's tiles, by bar id.
QColor ToolbarColour(int barId);
QIcon ApplicationIcon();
QIcon DocumentKindIcon(DocumentKind kind);

}  // namespace korval
