#include "cli/FiguresTable.h"

#include "framework/TextUtil.h"

namespace korval {

namespace {

bool IsRange(const Json& node) {
    return node.is_object() && node.size() == 3 && node.contains("value") && node.contains("low") &&
           node.contains("high");
}

void CollectRows(const Json& node, const std::string& path, std::vector<FigureRow>& rows) {
    if (IsRange(node)) {
        rows.push_back({path, true, node["value"], node["low"], node["high"]});
    } else if (node.is_object()) {
        for (const auto& [key, child] : node.items())
            CollectRows(child, path.empty() ? key : path + "." + key, rows);
    } else if (node.is_array()) {
        for (std::size_t i = 0; i < node.size(); ++i)
            CollectRows(node[i], path + "[" + std::to_string(i) + "]", rows);
    } else {
        rows.push_back({path, false, node, Json(), Json()});
    }
}

// Texts from files may hold any byte; control characters never reach a terminal or a
// spreadsheet (an ESC would drive the terminal the CSV is shown on).
std::string CsvField(const std::string& stored) {
    std::string text = IsPrintableAsItIs(stored) ? stored : PrintableText(stored);
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

std::vector<FigureRow> FigureRows(const Json& figures) {
    std::vector<FigureRow> rows;
    CollectRows(figures, "", rows);
    return rows;
}

std::string ScalarText(const Json& value) {
    if (value.is_null()) return {};
    if (value.is_string()) return value.get<std::string>();
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string FiguresCsv(const Json& figures) {
    std::string csv = "path,value,low,high\r\n";
    for (const FigureRow& row : FigureRows(figures)) {
        csv += CsvField(row.path) + "," + CsvField(ScalarText(row.value)) + "," +
               CsvField(ScalarText(row.low)) + "," + CsvField(ScalarText(row.high)) + "\r\n";
    }
    return csv;
}

}  // namespace korval
