#pragma once

#include "framework/cDrawContext.h"

namespace korval {

// On paper, moves y to the top of the next page when a block of the given height would not
// fit on the rest of this page but would fit on a page of its own, so that a block's heading
// is never left alone at the foot of a page. Nothing moves on the screen or the character
// surface. Returns the height skipped.
int KeepBlockTogether(const cDrawContext& dc, int& y, int height);

// The height of one-line rows drawn with the spacing (as cModelDoc::DrawRow places them).
int OneLineRowsHeight(const PageMetrics& metrics, int rows, double spacing);

}  // namespace korval
