#include "functionpoint/cLanguageTable.h"

#include <algorithm>
#include <new>

#include "framework/TextUtil.h"

namespace korval {

std::vector<std::string> cLanguageTable::Names() const {
    std::vector<std::string> names;
    names.reserve(entries_.size());
    for (const cLanguage& entry : entries_) names.push_back(entry.GetName());
    return names;
}

std::vector<std::string> cLanguageTable::SortedNames() const {
    std::vector<std::string> names = Names();
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return ToLowerAscii(a) < ToLowerAscii(b);
    });
    return names;
}

bool cLanguageTable::AddLanguage(const std::string& name, int multiplier) {
    if (name.empty() || multiplier < 0) return false;
    try {
        entries_.emplace_back(name, multiplier);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool cLanguageTable::RemoveLanguage(std::string_view name) {
    int index = FindLanguage(name);
    if (index < 0) return false;
    entries_.erase(entries_.begin() + index);
    return true;
}

void cLanguageTable::ResetToNone() {
    entries_.clear();
    entries_.emplace_back(std::string(kNoneName), 0);
}

int cLanguageTable::FindLanguage(std::string_view name) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (EqualsNoCase(entries_[i].GetName(), name)) return static_cast<int>(i);
    }
    return -1;
}

int cLanguageTable::FindExactName(std::string_view name) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].GetName() == name) return static_cast<int>(i);
    }
    return -1;
}

bool IsNoneLanguageName(std::string_view name) {
    return EqualsNoCase(name, cLanguageTable::kNoneName);
}

}  // namespace korval
