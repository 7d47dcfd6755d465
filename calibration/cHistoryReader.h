#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "calibration/History.h"
#include "calibration/HistoryVocabulary.h"

namespace korval {

class cCsvRecordSplitter;
class cHistoryColumns;

// Reads a history file: CSV in UTF-8 with a header row, fields separated by commas or
// semicolons (whichever the header uses more of). The file is read in blocks and never
// held whole, so its length only costs time, in proportion to it; the file is never
// changed. Each row that cannot be used becomes a problem naming its line, column and
// reason; the others are the history's projects.
class cHistoryReader {
  public:
    explicit cHistoryReader(HistoryVocabulary vocabulary);
    ~cHistoryReader();

    History ReadFile(const std::string& path);
    // The same reading of text already in memory; path names it in the problems.
    History ReadText(std::string_view text, const std::string& path);

  private:
    void Begin(const std::string& path);
    void Line(std::string_view line);
    void OverlongLine(std::size_t length);
    History End();
    void FirstLine(std::string_view& line);
    void TakeRecords();

    HistoryVocabulary vocabulary_;
    History history_;
    std::size_t lineNumber_ = 0;
    std::unique_ptr<cCsvRecordSplitter> splitter_;
    std::unique_ptr<cHistoryColumns> columns_;
    bool stopped_ = false;
    std::size_t headerLine_ = 0;
};

}  // namespace korval
