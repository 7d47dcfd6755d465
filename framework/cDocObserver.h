#pragma once

namespace korval {

class cModelDoc;

// A view of a document: told to redraw when the document changes.
class cDocObserver {
  public:
    virtual ~cDocObserver() = default;
    virtual void OnDocumentUpdated(cModelDoc& document) = 0;
};

}  // namespace korval
