#include "framework/cIniFile.h"

#include "framework/TextUtil.h"

namespace korval {

namespace {

std::string_view TrimView(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    return text.substr(begin, end - begin);
}

std::string_view SectionNameOf(std::string_view trimmedLine) {
    std::string_view inner = trimmedLine.substr(1);
    std::size_t close = inner.find(']');
    return TrimView(close == std::string_view::npos ? inner : inner.substr(0, close));
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::size_t cIniFile::NoCaseHash::operator()(std::string_view text) const noexcept {
    std::size_t hash = 1469598103934665603ull;  // FNV-1a over the lower-cased bytes
    for (char c : text) {
        hash ^= static_cast<unsigned char>(LowerAscii(c));
        hash *= 1099511628211ull;
    }
    return hash;
}

bool cIniFile::NoCaseEqual::operator()(std::string_view a, std::string_view b) const noexcept {
    return EqualsNoCase(a, b);
}

cIniFile cIniFile::Parse(std::string_view content) {
    cIniFile file;
    bool styleKnown = false;
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t lf = content.find('\n', pos);
        std::string_view text;
        std::string_view ending;
        if (lf == std::string_view::npos) {
            text = content.substr(pos);
            pos = content.size();
        } else {
            std::size_t end = lf;
            if (end > pos && content[end - 1] == '\r') --end;
            text = content.substr(pos, end - pos);
            ending = content.substr(end, lf + 1 - end);
            pos = lf + 1;
            if (!styleKnown) {
                file.newline_ = std::string(ending);
                styleKnown = true;
            }
        }
        file.AddLine(text, ending);
    }
    return file;
}

void cIniFile::AddLine(std::string_view text, std::string_view ending) {
    Line line{std::string(text), std::string(ending)};
    std::string_view trimmed = TrimView(text);
    if (!trimmed.empty() && trimmed.front() == '[') {
        Section section;
        section.header = std::move(line);
        sectionIndex_.emplace(std::string(SectionNameOf(trimmed)),
                              sections_.size());  // first one wins
        sections_.push_back(std::move(section));
        return;
    }
    if (sections_.empty()) {
        preamble_.push_back(std::move(line));
        return;
    }
    Section& section = sections_.back();
    std::size_t equals = text.find('=');
    bool isComment = !trimmed.empty() && trimmed.front() == ';';
    if (!isComment && equals != std::string_view::npos) {
        std::string_view rawKey = text.substr(0, equals);
        std::string_view key = TrimView(rawKey);
        line.keyOffset = static_cast<std::size_t>(key.data() - text.data());
        line.keyLength = key.size();
        section.keys.emplace(std::string(key), section.body.size());
        section.lastKeyLine = section.body.size();
    }
    section.body.push_back(std::move(line));
}

std::string_view cIniFile::ValueOf(const Line& line) {
    std::string_view text = line.text;
    std::size_t equals = text.find('=');
    std::string_view value = TrimView(text.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

std::optional<std::string_view> cIniFile::Find(std::string_view section,
                                               std::string_view key) const {
    const Section* found = FindSection(TrimView(section));
    if (found == nullptr) return std::nullopt;
    auto k = found->keys.find(TrimView(key));
    if (k == found->keys.end()) return std::nullopt;
    return ValueOf(found->body[k->second]);
}

const cIniFile::Section* cIniFile::FindSection(std::string_view name) const {
    if (lastSection_ < sections_.size() && EqualsNoCase(name, lastSectionName_))
        return &sections_[lastSection_];
    auto s = sectionIndex_.find(name);
    if (s == sectionIndex_.end()) return nullptr;
    lastSection_ = s->second;
    lastSectionName_ = s->first;
    return &sections_[lastSection_];
}

bool cIniFile::HasSection(std::string_view section) const {
    return sectionIndex_.find(TrimView(section)) != sectionIndex_.end();
}

void cIniFile::EnsureLastLineEnded() {
    Line* last = nullptr;
    if (!sections_.empty()) {
        Section& s = sections_.back();
        last = s.body.empty() ? &s.header : &s.body.back();
    } else if (!preamble_.empty()) {
        last = &preamble_.back();
    }
    if (last != nullptr && last->ending.empty()) last->ending = newline_;
}

cIniFile::Section& cIniFile::AppendSection(std::string_view name) {
    EnsureLastLineEnded();
    // A blank line before each new section keeps hand-reading easy; readers skip it.
    if (!sections_.empty() || !preamble_.empty()) {
        (sections_.empty() ? preamble_ : sections_.back().body).push_back(Line{"", newline_});
    }
    Section section;
    section.header = Line{"[" + std::string(name) + "]", newline_};
    sectionIndex_.emplace(std::string(name), sections_.size());
    sections_.push_back(std::move(section));
    return sections_.back();
}

void cIniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string sectionName = Trim(section);
    std::string keyName = Trim(key);
    auto s = sectionIndex_.find(std::string_view(sectionName));
    Section& target = s == sectionIndex_.end() ? AppendSection(sectionName) : sections_[s->second];
    auto k = target.keys.find(std::string_view(keyName));
    if (k != target.keys.end()) {
        Line& line = target.body[k->second];
        std::string writtenKey = line.text.substr(line.keyOffset, line.keyLength);
        line.text = writtenKey + "=" + std::string(value);
        line.keyOffset = 0;
        return;
    }
    bool isLastSection = &target == &sections_.back();
    std::size_t at = target.lastKeyLine == SIZE_MAX ? 0 : target.lastKeyLine + 1;
    if (isLastSection && at == target.body.size()) EnsureLastLineEnded();
    Line line{keyName + "=" + std::string(value), newline_, keyName.size(), 0};
    target.body.insert(target.body.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    for (auto& entry : target.keys) {
        if (entry.second >= at) ++entry.second;
    }
    target.keys.emplace(keyName, at);
    target.lastKeyLine = at;
}

std::string_view cIniFile::KeyOf(const Line& line) {
    return std::string_view(line.text).substr(line.keyOffset, line.keyLength);
}

// Rebuilds a section's key index from its lines, the first of duplicated keys winning.
void cIniFile::IndexKeys(Section& section) {
    section.keys.clear();
    section.lastKeyLine = SIZE_MAX;
    for (std::size_t i = 0; i < section.body.size(); ++i) {
        std::string_view text = section.body[i].text;
        std::string_view trimmed = TrimView(text);
        if (trimmed.empty() || trimmed.front() == ';' || text.find('=') == std::string_view::npos)
            continue;
        section.keys.emplace(std::string(KeyOf(section.body[i])), i);
        section.lastKeyLine = i;
    }
}

void cIniFile::Erase(std::string_view section, std::string_view key) {
    auto s = sectionIndex_.find(TrimView(section));
    if (s == sectionIndex_.end()) return;
    Section& target = sections_[s->second];
    auto k = target.keys.find(TrimView(key));
    if (k == target.keys.end()) return;
    target.body.erase(target.body.begin() + static_cast<std::ptrdiff_t>(k->second));
    IndexKeys(target);
}

std::vector<std::string> cIniFile::SectionNames() const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        std::string_view name = SectionNameOf(TrimView(sections_[i].header.text));
        auto first = sectionIndex_.find(name);
        if (first != sectionIndex_.end() && first->second == i) names.emplace_back(name);
    }
    return names;
}

std::vector<std::string> cIniFile::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    const Section* found = FindSection(TrimView(section));
    if (found == nullptr) return names;
    for (std::size_t i = 0; i < found->body.size(); ++i) {
        std::string_view key = KeyOf(found->body[i]);
        auto first = found->keys.find(key);
        if (first != found->keys.end() && first->second == i) names.emplace_back(key);
    }
    return names;
}

std::string cIniFile::Serialize() const {
    std::string out;
    auto append = [&out](const Line& line) {
        out += line.text;
        out += line.ending;
    };
    for (const Line& line : preamble_) append(line);
    for (const Section& section : sections_) {
        append(section.header);
        for (const Line& line : section.body) append(line);
    }
    return out;
}

std::size_t cIniFile::LineCount() const {
    std::size_t count = preamble_.size();
    for (const Section& section : sections_) count += 1 + section.body.size();
    return count;
}

}  // namespace korval
