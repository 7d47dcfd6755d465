#include "framework/cIniFile.h"

#include <algorithm>

#include "framework/TextUtil.h"

namespace korval {

namespace {

std::string_view SectionNameOf(std::string_view trimmedLine) {
    std::string_view inner = trimmedLine.substr(1);
    std::size_t close = inner.find(']');
    return TrimBlanks(close == std::string_view::npos ? inner : inner.substr(0, close));
}

// One line of the text: without its line end (LF, or CR LF), and where the next one starts.
struct LineSpan {
    std::string_view text;
    std::size_t next;
};

LineSpan LineAt(std::string_view content, std::size_t offset) {
    std::size_t lf = content.find('\n', offset);
    if (lf == std::string_view::npos) return {content.substr(offset), content.size()};
    std::size_t end = lf > offset && content[lf - 1] == '\r' ? lf - 1 : lf;
    return {content.substr(offset, end - offset), lf + 1};
}

// Where the first character that is not a blank is, if there is one.
std::size_t FirstNonBlank(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != ' ' && line[i] != '\t') return i;
    }
    return std::string_view::npos;
}

bool IsHeader(std::string_view line) {
    std::size_t first = FirstNonBlank(line);
    return first != std::string_view::npos && line[first] == '[';
}

// Inside a section: a line with '=' that is neither a header nor a comment.
bool IsKeyLine(std::string_view line) {
    std::size_t first = FirstNonBlank(line);
    return first != std::string_view::npos && line[first] != ';' && line[first] != '[' &&
           line.find('=') != std::string_view::npos;
}

std::string_view HeaderNameAt(std::string_view text, std::uint32_t offset) {
    return SectionNameOf(TrimBlanks(LineAt(text, offset).text));
}

std::string_view KeyNameAt(std::string_view text, std::uint32_t offset) {
    return TrimBlanks(text.substr(offset, text.find('=', offset) - offset));
}

// A value is only ever a value: a line break inside it (a name taken from a CSV cell or a
// file name) would start a line, or a section, of its own. Callers that keep line breaks
// write them as a token first; any that still come here become blanks.
std::string KeyLine(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append(1, '=');
    for (char c : value) line += c == '\r' || c == '\n' ? ' ' : c;
    return line;
}

std::string_view ValueOf(std::string_view line) {
    std::string_view value = TrimBlanks(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

std::size_t cIniFile::NoCaseHash::operator()(std::string_view text) const noexcept {
    return HashNoCase(text);
}

bool cIniFile::NoCaseEqual::operator()(std::string_view a, std::string_view b) const noexcept {
    return EqualsNoCase(a, b);
}

cIniFile cIniFile::Parse(std::string content) {
    // Never reached in practice: the profile store refuses files far below this.
    if (content.size() >= kNoHeader) content.resize(kNoHeader - 1);
    cIniFile file;
    file.content_ = std::move(content);
    std::string_view text = file.content_;
    std::size_t firstBreak = text.find('\n');
    if (firstBreak != std::string_view::npos) {
        file.newline_ = firstBreak > 0 && text[firstBreak - 1] == '\r' ? "\r\n" : "\n";
    }
    // Counting first sizes the table once, so reading never holds two copies of it.
    std::size_t named = 0;
    for (std::size_t at = 0; at < text.size();) {
        LineSpan line = LineAt(text, at);
        if (IsHeader(line.text) && !HeaderNameAt(text, static_cast<std::uint32_t>(at)).empty())
            ++named;
        at = line.next;
    }
    file.headers_ = cLineNameTable(&HeaderNameAt, named);
    for (std::size_t at = 0; at < text.size();) {
        LineSpan line = LineAt(text, at);
        if (IsHeader(line.text)) file.headers_.Add(text, static_cast<std::uint32_t>(at));
        at = line.next;
    }
    return file;
}

std::string_view cIniFile::LineText(std::size_t offset) const {
    return LineAt(content_, offset).text;
}

// Indexes the keys of the section whose header starts at header, the first time it is used.
cIniFile::Section* cIniFile::OpenSection(std::uint32_t header) const {
    auto found = openedByHeader_.find(header);
    if (found != openedByHeader_.end()) return found->second;
    auto section = std::make_unique<Section>();
    section->header = header;
    std::size_t bodyBegin = LineAt(content_, header).next;
    std::size_t bodyEnd = bodyBegin;
    std::size_t named = 0;
    section->insertAt = bodyBegin;
    while (bodyEnd < content_.size()) {
        LineSpan line = LineAt(content_, bodyEnd);
        if (IsHeader(line.text)) break;
        if (IsKeyLine(line.text)) {
            if (!KeyNameAt(content_, static_cast<std::uint32_t>(bodyEnd)).empty()) ++named;
            section->insertAt = line.next;
        }
        bodyEnd = line.next;
    }
    section->keys = cLineNameTable(&KeyNameAt, named);
    for (std::size_t at = bodyBegin; at < bodyEnd;) {
        LineSpan line = LineAt(content_, at);
        if (IsKeyLine(line.text)) section->keys.Add(content_, static_cast<std::uint32_t>(at));
        at = line.next;
    }
    Section* opened = section.get();
    opened_.push_back(std::move(section));
    openedByHeader_.emplace(header, opened);
    return opened;
}

cIniFile::Section* cIniFile::FindSection(std::string_view name) const {
    if (lastSection_ != nullptr && EqualsNoCase(name, lastSectionName_)) return lastSection_;
    Section* found = nullptr;
    if (std::optional<std::uint32_t> header = headers_.Find(content_, name)) {
        found = OpenSection(*header);
    } else if (auto added = appendedIndex_.find(name); added != appendedIndex_.end()) {
        found = appended_[added->second];
    }
    if (found != nullptr) {
        lastSection_ = found;
        lastSectionName_ = std::string(name);
    }
    return found;
}

std::optional<std::string_view> cIniFile::Find(std::string_view section,
                                               std::string_view key) const {
    const Section* found = FindSection(TrimBlanks(section));
    if (found == nullptr) return std::nullopt;
    key = TrimBlanks(key);
    if (std::optional<std::uint32_t> line = KeyLineOf(*found, key)) {
        auto replaced = found->replaced.find(*line);
        return ValueOf(replaced != found->replaced.end() ? std::string_view(replaced->second)
                                                         : LineText(*line));
    }
    auto added = found->addedKeys.find(key);
    if (added == found->addedKeys.end()) return std::nullopt;
    return ValueOf(found->added[added->second].text);
}

bool cIniFile::HasSection(std::string_view section) const {
    section = TrimBlanks(section);
    return headers_.Find(content_, section) || appendedIndex_.count(section) != 0;
}

cIniFile::Section& cIniFile::AppendSection(std::string_view name) {
    auto section = std::make_unique<Section>();
    section->name = std::string(name);
    Section& appended = *section;
    appendedIndex_.emplace(std::string(name), appended_.size());
    appended_.push_back(&appended);
    opened_.push_back(std::move(section));
    return appended;
}

void cIniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string_view sectionName = TrimBlanks(section);
    std::string_view keyName = TrimBlanks(key);
    Section* target = FindSection(sectionName);
    if (target == nullptr) target = &AppendSection(sectionName);
    if (std::optional<std::uint32_t> line = KeyLineOf(*target, keyName)) {
        target->replaced[*line] = KeyLine(KeyNameAt(content_, *line), value);
        return;
    }
    auto added = target->addedKeys.find(keyName);
    if (added != target->addedKeys.end()) {
        AddedLine& line = target->added[added->second];
        line.text = KeyLine(std::string_view(line.text).substr(0, line.keyLength), value);
        return;
    }
    target->addedKeys.emplace(keyName, target->added.size());
    target->added.push_back({KeyLine(keyName, value), keyName.size()});
}

// A line added after the last line of the file needs that line ended first. A lone CR at
// the end stays part of that line's text: a LF alone after it would make it a CR LF end.
void cIniFile::EndLastLine(std::string& out) const {
    if (out.empty() || out.back() == '\n') return;
    out += out.back() == '\r' ? std::string_view("\r\n") : std::string_view(newline_);
}

void cIniFile::AppendChanges(const Section& section, std::string& out) const {
    if (section.added.empty()) return;
    EndLastLine(out);
    for (const AddedLine& line : section.added) {
        out += line.text;
        out += newline_;
    }
}

std::optional<std::uint32_t> cIniFile::KeyLineOf(const Section& section,
                                                 std::string_view key) const {
    if (section.header == kNoHeader) return std::nullopt;
    std::optional<std::uint32_t> line = section.keys.Find(content_, key);
    if (!line || section.erased.count(*line) == 0) return line;
    // The first line of the name was erased: a duplicate behind it is read now.
    for (std::size_t at = LineAt(content_, *line).next; at < content_.size();) {
        LineSpan next = LineAt(content_, at);
        if (IsHeader(next.text)) break;
        auto offset = static_cast<std::uint32_t>(at);
        if (IsKeyLine(next.text) && EqualsNoCase(KeyNameAt(content_, offset), key) &&
            section.erased.count(offset) == 0)
            return offset;
        at = next.next;
    }
    return std::nullopt;
}

void cIniFile::Erase(std::string_view section, std::string_view key) {
    Section* target = FindSection(TrimBlanks(section));
    if (target == nullptr) return;
    key = TrimBlanks(key);
    if (std::optional<std::uint32_t> line = KeyLineOf(*target, key)) {
        target->replaced.erase(*line);
        target->erased.insert(*line);
        return;
    }
    auto added = target->addedKeys.find(key);
    if (added == target->addedKeys.end()) return;
    target->added.erase(target->added.begin() + static_cast<std::ptrdiff_t>(added->second));
    target->addedKeys.clear();
    for (std::size_t i = 0; i < target->added.size(); ++i) {
        const AddedLine& line = target->added[i];
        target->addedKeys.emplace(std::string_view(line.text).substr(0, line.keyLength), i);
    }
}

std::vector<std::string> cIniFile::SectionNames() const {
    std::vector<std::string> names;
    for (std::size_t at = 0; at < content_.size();) {
        LineSpan line = LineAt(content_, at);
        if (IsHeader(line.text)) {
            auto offset = static_cast<std::uint32_t>(at);
            std::string_view name = HeaderNameAt(content_, offset);
            if (headers_.Find(content_, name) == offset) names.emplace_back(name);
        }
        at = line.next;
    }
    for (const Section* section : appended_) names.push_back(section->name);
    return names;
}

std::vector<std::string> cIniFile::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    const Section* found = FindSection(TrimBlanks(section));
    if (found == nullptr) return names;
    if (found->header != kNoHeader) {
        for (std::size_t at = LineAt(content_, found->header).next; at < content_.size();) {
            LineSpan line = LineAt(content_, at);
            if (IsHeader(line.text)) break;
            auto offset = static_cast<std::uint32_t>(at);
            if (IsKeyLine(line.text)) {
                std::string_view name = KeyNameAt(content_, offset);
                if (KeyLineOf(*found, name) == offset) names.emplace_back(name);
            }
            at = line.next;
        }
    }
    for (const AddedLine& line : found->added)
        names.emplace_back(std::string_view(line.text).substr(0, line.keyLength));
    return names;
}

std::string cIniFile::Serialize() const {
    static const std::string kNothing;
    struct Change {
        std::size_t at;
        std::size_t end;                     // the text from at to end is left out
        const std::string* replacement;      // a rewritten key line, or
        const Section* insertion = nullptr;  // the keys added to a section
    };
    std::vector<Change> changes;
    for (const auto& section : opened_) {
        if (section->header == kNoHeader) continue;
        for (const auto& [line, text] : section->replaced)
            changes.push_back({line, line + LineText(line).size(), &text});
        for (std::uint32_t line : section->erased)
            changes.push_back({line, LineAt(content_, line).next, &kNothing});
        if (!section->added.empty())
            changes.push_back({section->insertAt, section->insertAt, nullptr, section.get()});
    }
    std::sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) {
        return a.at != b.at ? a.at < b.at : a.end < b.end;
    });
    std::string out;
    out.reserve(content_.size());
    std::size_t copied = 0;
    for (const Change& change : changes) {
        out.append(content_, copied, change.at - copied);
        if (change.replacement != nullptr) {
            out += *change.replacement;
        } else {
            AppendChanges(*change.insertion, out);
        }
        copied = change.end;
    }
    out.append(content_, copied);
    for (const Section* section : appended_) {
        EndLastLine(out);
        // A blank line before each new section keeps hand-reading easy; readers skip it.
        if (!out.empty()) out += newline_;
        out += "[" + section->name + "]" + newline_;
        AppendChanges(*section, out);
    }
    return out;
}

}  // namespace korval
