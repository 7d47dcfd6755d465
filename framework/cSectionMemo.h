#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/cMessageCapture.h"
#include "framework/cReadOnlyProfileScope.h"

namespace korval {

// A table read from some sections of a file read through a read-only view, kept for every
// other file whose sections hold the same bytes. Member projects carry the tables of the
// defaults they were made from, so a system's hundreds of members mostly hold them byte for
// byte alike: each distinct table is read key by key once and then shared. What a read
// reads from the sections depends on their bytes alone (and on `basis`, the state the read
// starts from, compared by identity and kept alive with the entry, and on `variant`, a number
// the read is given), so a table kept is exactly what reading would give; the messages the read
// gave are kept with it and shown again for every file that holds it. A file not read through a
// view is read key by key.
template <class T>
class cSectionMemo {
  public:
    template <class Reader>
    T Read(const std::string& path, const std::vector<std::string_view>& sections,
           const std::shared_ptr<const void>& basis, cPlatformServices& platform, Reader&& read) {
        return Read(path, sections, basis, 0, platform, std::forward<Reader>(read));
    }

    template <class Reader>
    T Read(const std::string& path, const std::vector<std::string_view>& sections,
           const std::shared_ptr<const void>& basis, std::size_t variant,
           cPlatformServices& platform, Reader&& read) {
        const cIniView* view = cReadOnlyProfileScope::ViewOf(path);
        if (view == nullptr) return read();
        std::vector<std::optional<std::string_view>> texts;
        texts.reserve(sections.size());
        for (std::string_view section : sections) texts.push_back(view->SectionText(section));
        if (std::shared_ptr<const Entry> entry = Find(texts, basis, variant)) {
            cMessageCapture::ShowTo(cMessageCapture::Route(platform), entry->messages);
            return entry->value;
        }
        auto entry = std::make_shared<Entry>();
        {
            cMessageCapture capture(cMessageCapture::Route(platform));
            entry->value = read();
            entry->messages = capture.Take();
        }
        cMessageCapture::ShowTo(cMessageCapture::Route(platform), entry->messages);
        entry->basis = basis;
        entry->variant = variant;
        for (const std::optional<std::string_view>& text : texts)
            entry->texts.push_back(text ? std::optional<std::string>(*text) : std::nullopt);
        Keep(entry);
        return entry->value;
    }

  private:
    // A few tables are kept, the oldest giving way: a system of thousands of different
    // tables keeps no more than these, and a session that moves on to other defaults
    // shares those next.
    static constexpr std::size_t kKeptLimit = 8;

    struct Entry {
        std::shared_ptr<const void> basis;
        std::size_t variant = 0;
        std::vector<std::optional<std::string>> texts;
        T value{};
        std::vector<cMessageCapture::Message> messages;
    };

    // The texts are compared as they are, not hashed first: a kept table almost always
    // matches, and a hash would read every byte once more; one that differs mostly does so
    // early.
    std::shared_ptr<const Entry> Find(const std::vector<std::optional<std::string_view>>& texts,
                                      const std::shared_ptr<const void>& basis,
                                      std::size_t variant) {
        std::lock_guard lock(mutex_);
        for (const std::shared_ptr<const Entry>& entry : entries_) {
            if (entry->basis == basis && entry->variant == variant && SameTexts(*entry, texts))
                return entry;
        }
        return nullptr;
    }

    static bool SameTexts(const Entry& entry,
                          const std::vector<std::optional<std::string_view>>& texts) {
        if (entry.texts.size() != texts.size()) return false;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (entry.texts[i].has_value() != texts[i].has_value()) return false;
            if (texts[i] && std::string_view(*entry.texts[i]) != *texts[i]) return false;
        }
        return true;
    }

    void Keep(std::shared_ptr<const Entry> entry) {
        std::lock_guard lock(mutex_);
        if (entries_.size() < kKeptLimit) {
            entries_.push_back(std::move(entry));
        } else {
            entries_[oldest_] = std::move(entry);
            oldest_ = (oldest_ + 1) % kKeptLimit;
        }
    }

    std::mutex mutex_;
    std::vector<std::shared_ptr<const Entry>> entries_;
    std::size_t oldest_ = 0;
};

}  // namespace korval
