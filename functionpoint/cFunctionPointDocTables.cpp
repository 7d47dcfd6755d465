// The function point weights of cFunctionPointDoc, read from the defaults profile.
#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
#include "framework/cProfileFileScope.h"
#include "functionpoint/cFunctionPointDoc.h"

namespace korval {

namespace {

constexpr const char* kCountsSection = "FunctionCounts";
// Weights in the defaults profile are read with three characters.
constexpr std::size_t kDefaultWeightBuffer = 4;

}  // namespace

// A weight that is not a number, or a negative one, cannot be used: the user is told and
// the built-in weight takes its place. "0" is a valid weight.
void cFunctionPointDoc::LoadWeights() {
    const std::string& path = DefaultsProfile();
    cProfileFileScope scope(path);
    for (int cell = 0; cell < kFunctionCellCount; ++cell) {
        ProfileKey key = FunctionWeightKey(cell);
        std::string text =
            ReadProfileValue(kCountsSection, key, FormatNumber("%d", BuiltInFunctionWeight(cell)),
                             kDefaultWeightBuffer, path);
        int weight = ParseLeadingInt(text);
        if ((weight == 0 && (text.empty() || text[0] != '0')) || weight < 0) {
            Platform().ShowMessage("Invalid profile entry:  " + CutToChars(key, 40));
            weight = BuiltInFunctionWeight(cell);
        }
        counts_[cell].SetWeight(weight);
    }
}

}  // namespace korval
