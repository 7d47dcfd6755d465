#include "documents/cDocumentFactory.h"

#include "cocomo/cCocomoDoc.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"
#include "system/cSystemDoc.h"

namespace korval {

std::unique_ptr<cModelDoc> CreateDocument(DocumentKind kind, cAppContext& context) {
    switch (kind) {
        case DocumentKind::Project:
            return std::make_unique<cProjectDoc>(context);
        case DocumentKind::FunctionPoint:
            return std::make_unique<cFunctionPointDoc>(context);
        case DocumentKind::Cocomo:
            return std::make_unique<cCocomoDoc>(context);
        case DocumentKind::Rayleigh:
            return std::make_unique<cRayleighDoc>(context);
        case DocumentKind::System:
            return std::make_unique<cSystemDoc>(context);
    }
    return nullptr;
}

}  // namespace korval
