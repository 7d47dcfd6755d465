#pragma once

#include <QColor>
#include <QIcon>

#include "framework/cDocumentKind.h"

// Icons drawn at run time: the program ships no bitmaps, only the toolbar's SVG pictograms
// (resources/icons) compiled into the program.
namespace korval {

// A toolbar button: a pictogram for "new", "open", "save", "print" and "help", otherwise
// the glyph's letters on a tile of the toolbar's colour.
QIcon CommandIcon(const char* glyph, const QColor& tile);
// A toolbar command's pictogram, drawn in the palette's button text colour; a command
// without one gets its glyph's tile.
QIcon CommandIcon(int commandId, const char* glyph, const QColor& tile);
// The colour of a toolbar's tiles, by bar id.
QColor ToolbarColour(int barId);
QIcon ApplicationIcon();
QIcon DocumentKindIcon(DocumentKind kind);

}  // namespace korval
