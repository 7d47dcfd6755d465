#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calibration/HistoryProject.h"

struct csv_parser;

namespace korval {

// Splits CSV text (RFC 4180: quoted fields may hold delimiters, doubled quotes and line
// breaks) into records, fed one physical line at a time so that every record knows the
// line it starts on. The splitting itself is libcsv's, in strict mode. A record that grows
// beyond kRecordLimit (an unclosed quote swallowing the file, a line of megabytes) is
// dropped with a problem instead of being held, so no input makes memory grow unbounded.
class cCsvRecordSplitter {
  public:
    struct Record {
        std::size_t line = 0;
        std::vector<std::string> cells;
    };

    static constexpr std::size_t kRecordLimit = std::size_t{1} << 20;

    explicit cCsvRecordSplitter(char delimiter);
    ~cCsvRecordSplitter();
    cCsvRecordSplitter(const cCsvRecordSplitter&) = delete;
    cCsvRecordSplitter& operator=(const cCsvRecordSplitter&) = delete;

    // One line without its line end (a trailing CR is dropped). The records it completed
    // are taken with TakeRecords; a problem drops the record the line belonged to.
    std::optional<HistoryProblem> FeedLine(std::string_view line, std::size_t lineNumber);
    // A line the caller did not keep because it is longer than kRecordLimit.
    HistoryProblem SkipOverlongLine(std::size_t lineNumber, std::size_t length);
    // A line that cannot be text of the file: the record it belongs to is dropped.
    void DropRecord();
    // The end of the text: a quoted field still open is a problem.
    std::optional<HistoryProblem> Finish();

    std::vector<Record> TakeRecords();

  private:
    static void OnField(void* field, std::size_t size, void* self);
    static void OnRecordEnd(int terminator, void* self);
    void Restart();

    csv_parser* parser_;
    char delimiter_;
    Record current_;
    std::size_t recordBytes_ = 0;
    std::vector<Record> completed_;
};

}  // namespace korval
