#include "calibration/cHistoryReader.h"

#include "calibration/cCsvRecordSplitter.h"
#include "calibration/cHistoryColumns.h"
#include "framework/cReadOnlyFile.h"

namespace korval {

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Well-formed UTF-8 without NUL (no overlong forms, no surrogates, nothing above U+10FFFF).
bool IsUtf8Text(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t size = text.size();
    for (std::size_t i = 0; i < size;) {
        unsigned char lead = bytes[i];
        if (lead == 0) return false;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
        if (length == 0 || i + length > size) return false;
        unsigned char second = bytes[i + 1];
        unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        if (second < low || second > high) return false;
        for (std::size_t k = 2; k < length; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

// The header's delimiter: a semicolon when it has more of them than commas outside quotes.
char DelimiterOf(std::string_view header) {
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    bool quoted = false;
    for (char c : header) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == ',') ++commas;
        if (c == ';') ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

bool HasContent(std::string_view line) {
    return line.find_first_not_of(" \t\r") != std::string_view::npos;
}

}  // namespace

cHistoryReader::cHistoryReader(HistoryVocabulary vocabulary) : vocabulary_(std::move(vocabulary)) {}

cHistoryReader::~cHistoryReader() = default;

void cHistoryReader::Begin(const std::string& path) {
    history_ = History{};
    history_.path = path;
    lineNumber_ = 0;
    splitter_.reset();
    columns_.reset();
    stopped_ = false;
    headerLine_ = 0;
}

History cHistoryReader::ReadFile(const std::string& path) {
    Begin(path);
    // Only a regular file: /dev/zero or a FIFO would never end or never start.
    cReadOnlyFile in(path);
    if (!in.Stamp()) {
        history_.AddProblem({0, "", "cannot be read: " + in.Problem()});
        return std::move(history_);
    }
    std::string block(kBlockSize, '\0');
    std::string pending;
    std::size_t pendingLength = 0;  // the whole line's length, also past what is kept
    while (!stopped_) {
        long got = in.ReadSome(block.data(), block.size());
        if (got <= 0) break;
        std::string_view data(block.data(), static_cast<std::size_t>(got));
        while (!data.empty() && !stopped_) {
            std::size_t end = data.find('\n');
            std::string_view piece = data.substr(0, end);
            pendingLength += piece.size();
            if (pendingLength <= cCsvRecordSplitter::kRecordLimit) pending.append(piece);
            if (end == std::string_view::npos) break;
            data.remove_prefix(end + 1);
            if (pendingLength > cCsvRecordSplitter::kRecordLimit) {
                OverlongLine(pendingLength);
            } else {
                Line(pending);
            }
            pending.clear();
            pendingLength = 0;
        }
    }
    if (!stopped_ && pendingLength > cCsvRecordSplitter::kRecordLimit) {
        OverlongLine(pendingLength);
    } else if (!stopped_ && pendingLength > 0) {
        Line(pending);
    }
    return End();
}

History cHistoryReader::ReadText(std::string_view text, const std::string& path) {
    Begin(path);
    while (!text.empty() && !stopped_) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.size() > cCsvRecordSplitter::kRecordLimit) {
            OverlongLine(line.size());
        } else {
            Line(line);
        }
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return End();
}

void cHistoryReader::FirstLine(std::string_view& line) {
    if (line.starts_with(kUtf8Mark)) line.remove_prefix(kUtf8Mark.size());
    if (line.starts_with("\xFF\xFE") || line.starts_with("\xFE\xFF")) {
        history_.AddProblem({1, "",
                             "the file is UTF-16 text; save it as UTF-8 (in a spreadsheet: "
                             "CSV UTF-8)"});
        stopped_ = true;
    }
}

void cHistoryReader::Line(std::string_view line) {
    ++lineNumber_;
    if (lineNumber_ == 1) FirstLine(line);
    if (stopped_) return;
    if (!IsUtf8Text(line)) {
        if (!columns_) {
            history_.AddProblem({lineNumber_, "",
                                 "the header is not UTF-8 text; a history is a CSV file saved "
                                 "as UTF-8"});
            stopped_ = true;
            return;
        }
        history_.AddProblem(
            {lineNumber_, "", "the line is not UTF-8 text; save the file as UTF-8"});
        if (splitter_) splitter_->DropRecord();
        return;
    }
    if (!splitter_) {
        if (!HasContent(line)) return;
        splitter_ = std::make_unique<cCsvRecordSplitter>(DelimiterOf(line));
        history_.delimiter = DelimiterOf(line);
    }
    if (std::optional<HistoryProblem> problem = splitter_->FeedLine(line, lineNumber_)) {
        history_.AddProblem(std::move(*problem));
        if (!columns_) stopped_ = true;
    }
    TakeRecords();
}

void cHistoryReader::OverlongLine(std::size_t length) {
    ++lineNumber_;
    if (!splitter_) splitter_ = std::make_unique<cCsvRecordSplitter>(',');
    history_.AddProblem(splitter_->SkipOverlongLine(lineNumber_, length));
    if (!columns_) stopped_ = true;
}

void cHistoryReader::TakeRecords() {
    for (const cCsvRecordSplitter::Record& record : splitter_->TakeRecords()) {
        if (stopped_) return;
        if (!columns_) {
            auto header = cHistoryColumns::FromHeader(record, vocabulary_, history_.delimiter);
            if (auto* problem = std::get_if<HistoryProblem>(&header)) {
                history_.AddProblem(std::move(*problem));
                stopped_ = true;
                return;
            }
            columns_ = std::make_unique<cHistoryColumns>(std::get<cHistoryColumns>(header));
            history_.readable = true;
            history_.hasMode = columns_->HasMode();
            history_.hasCostDrivers = columns_->HasCostDrivers();
            headerLine_ = record.line;
            continue;
        }
        if (cHistoryColumns::IsBlank(record)) continue;
        auto row = columns_->ReadRow(record);
        if (auto* problem = std::get_if<HistoryProblem>(&row)) {
            history_.AddProblem(std::move(*problem));
        } else {
            history_.projects.push_back(std::move(std::get<HistoryProject>(row)));
        }
    }
}

History cHistoryReader::End() {
    if (splitter_ && !stopped_) {
        if (std::optional<HistoryProblem> problem = splitter_->Finish()) {
            history_.AddProblem(std::move(*problem));
        }
        TakeRecords();
    }
    if (!splitter_ && history_.problemCount == 0) {
        history_.AddProblem({1, "",
                             "the file is empty; a history starts with a header row such as "
                             "name,sloc,effort_pm,duration_months,mode"});
    } else if (history_.readable && history_.projects.empty() && history_.problemCount == 0) {
        history_.AddProblem({headerLine_, "", "the header has no project rows under it"});
    }
    if (!history_.readable) history_.projects.clear();
    return std::move(history_);
}

}  // namespace korval
