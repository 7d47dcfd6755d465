#pragma once

#include <string_view>

// The toolbar's pictograms (resources/icons/*.svg) rendered when the program is built, at
// the sizes the toolbars draw them (app/qt/tools/RenderIconMasks.cpp): the program draws
// them without parsing SVG or loading Qt's SVG library. A pictogram has one colour (its
// strokes are "currentColor"), so a mask of how much ink covers each pixel, tinted with
// the buttons' text colour when drawn, gives the pixels the SVG would.
namespace korval {

inline constexpr int kIconMaskSides[] = {16, 18, 20, 24, 32};

// The coverage (0 to 255) of the named pictogram's side x side pixels, row by row; nullptr
// for a pictogram or a side that was not rendered.
const unsigned char* IconMask(std::string_view name, int side);

}  // namespace korval
