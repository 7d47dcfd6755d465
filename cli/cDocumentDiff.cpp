#include "cli/cDocumentDiff.h"

#include <map>
#include <set>

#include "cli/FiguresTable.h"
#include "framework/NumberText.h"
#include "framework/TextUtil.h"
#include "framework/cIniFile.h"

namespace korval {

namespace {

using Leaves = std::vector<std::pair<std::string, Json>>;

std::optional<double> NumberOf(const Json& value) {
    if (value.is_number()) return value.get<double>();
    if (value.is_string() && IsWholeNumberText(value.get<std::string>()))
        return ParseLeadingDouble(value.get<std::string>());
    return std::nullopt;
}

std::optional<double> ChangePercent(const std::optional<Json>& a, const std::optional<Json>& b) {
    if (!a || !b) return std::nullopt;
    std::optional<double> from = NumberOf(*a);
    std::optional<double> to = NumberOf(*b);
    if (!from || !to || *from == 0.0) return std::nullopt;
    return (*to - *from) / (*from < 0 ? -*from : *from) * 100.0;
}

bool SameValue(const std::optional<Json>& a, const std::optional<Json>& b) {
    if (!a || !b) return !a && !b;
    if (a->is_string() && b->is_string()) {
        std::optional<double> x = NumberOf(*a);
        std::optional<double> y = NumberOf(*b);
        if (x && y) return *x == *y;
    }
    return *a == *b;
}

// Every name of either side, a's in order first, then those only b has. Profile names
// match in any letter case, as Korval reads them.
std::vector<cDocumentDiff::Change> Compare(const Leaves& a, const Leaves& b, bool namesIgnoreCase) {
    auto match = [namesIgnoreCase](const std::string& name) {
        return namesIgnoreCase ? ToLowerAscii(name) : name;
    };
    std::map<std::string, Json> byNameB;
    for (const auto& [name, value] : b) byNameB.emplace(match(name), value);
    std::set<std::string> inA;
    std::vector<cDocumentDiff::Change> changes;
    auto add = [&changes](const std::string& name, const std::optional<Json>& x,
                          const std::optional<Json>& y) {
        if (!SameValue(x, y)) changes.push_back({name, x, y, ChangePercent(x, y)});
    };
    for (const auto& [name, value] : a) {
        inA.insert(match(name));
        auto other = byNameB.find(match(name));
        add(name, value,
            other == byNameB.end() ? std::nullopt : std::optional<Json>(other->second));
    }
    for (const auto& [name, value] : b) {
        if (inA.count(match(name)) == 0) add(name, std::nullopt, value);
    }
    return changes;
}

Leaves InputLeaves(const std::string& content) {
    cIniFile file = cIniFile::Parse(content);
    Leaves leaves;
    for (const std::string& section : file.SectionNames()) {
        for (const std::string& key : file.KeyNames(section))
            leaves.emplace_back(section + "." + key, std::string(*file.Find(section, key)));
    }
    return leaves;
}

Leaves FigureLeaves(const Json& figures) {
    Leaves leaves;
    for (const FigureRow& row : FigureRows(figures)) {
        if (!row.isRange) {
            leaves.emplace_back(row.path, row.value);
            continue;
        }
        leaves.emplace_back(row.path + ".value", row.value);
        leaves.emplace_back(row.path + ".low", row.low);
        leaves.emplace_back(row.path + ".high", row.high);
    }
    return leaves;
}

// A value from a file shows on one line without control characters: a title's ESC bytes
// would otherwise drive the terminal the differences are shown on.
std::string ShownValue(const std::optional<Json>& value) {
    if (!value) return "(none)";
    if (value->is_null()) return "null";
    return ReplaceAll(PrintableText(ScalarText(*value)), "\n", "\\n");
}

// A side that lacks the value has no "a" or "b".
Json ChangeJson(const cDocumentDiff::Change& change) {
    Json json{{"name", change.name}};
    if (change.a) json["a"] = *change.a;
    if (change.b) json["b"] = *change.b;
    json["changePercent"] =
        change.changePercent ? NumberJson(*change.changePercent) : Json(nullptr);
    return json;
}

}  // namespace

cDocumentDiff::cDocumentDiff(const std::string& fileA, const std::string& fileB,
                             const Json& figuresA, const Json& figuresB)
    : inputs_(Compare(InputLeaves(fileA), InputLeaves(fileB), true)),
      figures_(Compare(FigureLeaves(figuresA), FigureLeaves(figuresB), false)) {}

std::string cDocumentDiff::Text() const {
    std::string text;
    auto write = [&text](const char* what, const Change& change) {
        text += std::string(what) + " " + PrintableText(change.name) + ": " + ShownValue(change.a) +
                " -> " + ShownValue(change.b);
        if (change.changePercent) text += FormatNumber(" (%+.2f%%)", *change.changePercent);
        text += '\n';
    };
    for (const Change& change : inputs_) write("input", change);
    for (const Change& change : figures_) write("figure", change);
    return text;
}

Json cDocumentDiff::ToJson(const std::string& kind, const std::string& pathA,
                           const std::string& pathB) const {
    Json inputs = Json::array();
    for (const Change& change : inputs_) inputs.push_back(ChangeJson(change));
    Json figures = Json::array();
    for (const Change& change : figures_) figures.push_back(ChangeJson(change));
    return Json{{"schemaVersion", 1},
                {"kind", kind},
                {"a", pathA},
                {"b", pathB},
                {"equal", Equal()},
                {"inputs", std::move(inputs)},
                {"figures", std::move(figures)}};
}

}  // namespace korval
