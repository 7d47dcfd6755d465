#include "framework/ReportHtml.h"

#include <algorithm>
#include <map>
#include <vector>

#include "framework/TextUtil.h"
#include "framework/cReportLayout.h"

namespace korval {

namespace {

std::string Escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : PrintableText(text)) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\n':
                out += "<br>";
                break;
            default:
                out += c;
                break;
        }
    }
    return out;
}

// The column of each distinct left edge, left to right.
std::map<int, std::size_t> ColumnsOf(const cReportLayout& layout) {
    std::map<int, std::size_t> columns;
    for (const cReportItem& item : layout.Items()) {
        if (item.kind == cReportItem::Kind::kText) columns.emplace(item.box.left, 0);
    }
    std::size_t index = 0;
    for (auto& [left, column] : columns) column = index++;
    return columns;
}

void AppendRow(std::string& html, const std::vector<std::string>& cells) {
    html += "<tr>";
    for (const std::string& cell : cells) html += "<td>" + cell + "</td>";
    html += "</tr>\n";
}

}  // namespace

std::string ReportHtml(const cReportLayout& layout, const std::string& title) {
    std::map<int, std::size_t> columns = ColumnsOf(layout);
    std::string html = "<html><head><meta charset=\"utf-8\"><title>" + Escaped(title) +
                       "</title></head><body>\n<table>\n";
    std::vector<std::string> row(columns.size());
    bool open = false;
    int top = 0;
    for (const cReportItem& item : layout.Items()) {
        if (item.kind != cReportItem::Kind::kText) continue;
        if (open && item.box.top != top) {
            AppendRow(html, row);
            std::fill(row.begin(), row.end(), std::string());
        }
        open = true;
        top = item.box.top;
        std::string& cell = row[columns.at(item.box.left)];
        cell += (cell.empty() ? "" : " ") + Escaped(item.text);
    }
    if (open) AppendRow(html, row);
    html += "</table>\n</body></html>\n";
    return html;
}

}  // namespace korval
