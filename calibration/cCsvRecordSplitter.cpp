#include "calibration/cCsvRecordSplitter.h"

#include <csv.h>

#include <new>

#include "framework/NumberText.h"

namespace korval {

namespace {

constexpr unsigned char kParserOptions = CSV_STRICT | CSV_STRICT_FINI;

bool HasContent(std::string_view line) {
    return line.find_first_not_of(" \t") != std::string_view::npos;
}

std::string Megabytes(std::size_t bytes) {
    return FormatNumber("%.1f MB", static_cast<double>(bytes) / (1024.0 * 1024.0));
}

}  // namespace

cCsvRecordSplitter::cCsvRecordSplitter(char delimiter)
    : parser_(new csv_parser{}), delimiter_(delimiter) {
    if (csv_init(parser_, kParserOptions) != 0) {
        delete parser_;
        throw std::bad_alloc();
    }
    csv_set_delim(parser_, static_cast<unsigned char>(delimiter_));
}

cCsvRecordSplitter::~cCsvRecordSplitter() {
    csv_free(parser_);
    delete parser_;
}

void cCsvRecordSplitter::OnField(void* field, std::size_t size, void* self) {
    auto& splitter = *static_cast<cCsvRecordSplitter*>(self);
    splitter.current_.cells.emplace_back(static_cast<const char*>(field), size);
}

void cCsvRecordSplitter::OnRecordEnd(int, void* self) {
    auto& splitter = *static_cast<cCsvRecordSplitter*>(self);
    splitter.completed_.push_back(std::move(splitter.current_));
    splitter.current_ = Record{};
    splitter.recordBytes_ = 0;
}

// A parser that met an error or a record that was given up starts afresh on the next line.
void cCsvRecordSplitter::Restart() {
    csv_free(parser_);
    csv_init(parser_, kParserOptions);
    csv_set_delim(parser_, static_cast<unsigned char>(delimiter_));
    current_ = Record{};
    recordBytes_ = 0;
}

void cCsvRecordSplitter::DropRecord() {
    Restart();
}

std::optional<HistoryProblem> cCsvRecordSplitter::FeedLine(std::string_view line,
                                                           std::size_t lineNumber) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (current_.line == 0) {
        if (!HasContent(line)) return std::nullopt;
        current_.line = lineNumber;
    }
    recordBytes_ += line.size() + 1;
    if (recordBytes_ > kRecordLimit) {
        std::size_t start = current_.line;
        Restart();
        return HistoryProblem{start, "",
                              "a quoted field opened here is still open " +
                                  Megabytes(kRecordLimit) +
                                  " later; close the quote (or double a quote inside a field)"};
    }
    static const char kLineEnd = '\n';
    bool parsed =
        csv_parse(parser_, line.data(), line.size(), &OnField, &OnRecordEnd, this) == line.size() &&
        csv_parse(parser_, &kLineEnd, 1, &OnField, &OnRecordEnd, this) == 1;
    if (parsed) return std::nullopt;
    std::size_t start = current_.line != 0 ? current_.line : lineNumber;
    Restart();
    return HistoryProblem{start, "",
                          "a quote in the middle of a field; put the whole field in quotes and "
                          "double every quote inside it"};
}

HistoryProblem cCsvRecordSplitter::SkipOverlongLine(std::size_t lineNumber, std::size_t length) {
    Restart();
    return HistoryProblem{lineNumber, "",
                          "the line is " + Megabytes(length) +
                              " long; a history row takes a few hundred characters, so this is "
                              "no history row (is the file a CSV history?)"};
}

std::optional<HistoryProblem> cCsvRecordSplitter::Finish() {
    std::size_t start = current_.line;
    if (csv_fini(parser_, &OnField, &OnRecordEnd, this) == 0) return std::nullopt;
    Restart();
    return HistoryProblem{start, "",
                          "a quoted field opened here is not closed by the end of the file"};
}

std::vector<cCsvRecordSplitter::Record> cCsvRecordSplitter::TakeRecords() {
    std::vector<Record> records = std::move(completed_);
    completed_.clear();
    return records;
}

}  // namespace korval
