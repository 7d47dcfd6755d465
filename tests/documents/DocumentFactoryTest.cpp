#include <gtest/gtest.h>

#include <typeindex>

#include "cocomo/cCocomoDoc.h"
#include "documents/cDocumentFactory.h"
#include "framework/cAppContext.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"
#include "system/cSystemDoc.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

// Each kind gets its own document class, which reports that kind and starts from the
// defaults profile, unnamed and unmodified: a file opened as one kind can never be read
// by another kind's class.
TEST(DocumentFactoryTest, EveryKindGetsItsOwnClassResetToDefaults) {
    struct Case {
        DocumentKind kind;
        std::type_index documentClass;
    };
    const Case cases[] = {
        {DocumentKind::Project, typeid(cProjectDoc)},
        {DocumentKind::FunctionPoint, typeid(cFunctionPointDoc)},
        {DocumentKind::Cocomo, typeid(cCocomoDoc)},
        {DocumentKind::Rayleigh, typeid(cRayleighDoc)},
        {DocumentKind::System, typeid(cSystemDoc)},
    };
    ASSERT_EQ(std::size(cases), cDocumentKind::All().size());
    testing::cScriptedPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    for (const Case& c : cases) {
        std::unique_ptr<cModelDoc> document = CreateDocument(c.kind, context);
        ASSERT_NE(document, nullptr);
        EXPECT_EQ(std::type_index(typeid(*document)), c.documentClass);
        EXPECT_EQ(document->Kind(), c.kind);
        EXPECT_TRUE(document->GetPathName().empty());
        EXPECT_FALSE(document->IsModified());
    }
    EXPECT_TRUE(platform.Messages().empty());
}

}  // namespace
}  // namespace korval
