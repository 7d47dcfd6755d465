#pragma once

namespace korval {

class cModelDoc;

// The Uncertainty command of every kind: opens the Uncertainty dialog on the document's
// settings (a project shows its models' inputs with its own run, a system its run and
// whether its members vary together); OK stores what changed, marks the document modified
// and redraws. False when the dialog was cancelled or changed nothing.
bool EditUncertainty(cModelDoc& document);

}  // namespace korval
