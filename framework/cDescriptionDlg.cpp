#include "framework/cDescriptionDlg.h"

#include "framework/TextUtil.h"
#include "framework/cModelDoc.h"

namespace korval {

namespace {
bool AssignWithin(std::string& field, const std::string& text, std::size_t limit) {
    if (CountChars(text) > limit) return false;
    field = text;
    return true;
}
}  // namespace

cDescriptionDlg::cDescriptionDlg(std::string title, std::string preparedBy, std::string description)
    : title_(std::move(title)),
      preparedBy_(std::move(preparedBy)),
      description_(std::move(description)) {}

bool cDescriptionDlg::SetTitleText(const std::string& text) {
    return AssignWithin(title_, text, cModelDoc::kTitleLimit);
}

bool cDescriptionDlg::SetPreparedByText(const std::string& text) {
    return AssignWithin(preparedBy_, text, cModelDoc::kPreparedByLimit);
}

bool cDescriptionDlg::SetDescriptionText(const std::string& text) {
    return AssignWithin(description_, text, cModelDoc::kDescriptionLimit);
}

}  // namespace korval
