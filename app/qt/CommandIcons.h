#pragma once

#include <QColor>
#include <QIcon>

#include "framework/cDocumentKind.h"

// Icons drawn at run time: the program ships no bitmaps.
namespace korval {

// A toolbar button: a pictogram for "new", "open", "save", "print" and "help", otherwise
// the glyph's letters on a tile of the toolbar's colour.
QIcon CommandIcon(const char* glyph, const QColor& tile);
// The colour of a toolbar's tiles, by bar id.
QColor ToolbarColour(int barId);
QIcon ApplicationIcon();
QIcon DocumentKindIcon(DocumentKind kind);

}  // namespace korval
