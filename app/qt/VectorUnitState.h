#pragma once

namespace korval {

// Marks the upper halves of the processor's AVX registers unused (vzeroupper) where the
// processor has them. Some of Qt's drawing code leaves them in use; until they are cleared
// every SSE instruction of the code that follows waits on them (Intel processors' penalty
// for mixing the two), and the desktop read a system about one and a half times slower
// than korval-cli. Called before reading a document and before laying a report out.
void ClearUpperVectorState();

}  // namespace korval
