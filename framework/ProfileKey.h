#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace korval {

// The name of a key, built on the stack. Table loaders build hundreds of names per file
// (a stem, a few parts and an entry number) only to look one value up with each; building
// them as std::string cost a heap allocation per lookup. Names are Korval's own stems,
// far shorter than the capacity; anything beyond it is cut.
class ProfileKey {
  public:
    static constexpr std::size_t kCapacity = 63;

    ProfileKey() = default;
    explicit ProfileKey(std::string_view text) { Append(text); }

    // Each returns the key for chaining: ProfileKey("Stem").Append("_Per").Number(3).
    ProfileKey& Append(std::string_view part);
    // The number in at least two digits, as "%2.2d" writes it ("07", "123", "-01").
    ProfileKey& Number(int number);

    std::string_view View() const { return {text_.data(), size_}; }
    operator std::string_view() const { return View(); }  // NOLINT: a name is read as text
    std::string String() const { return std::string(View()); }

    friend bool operator==(const ProfileKey& key, std::string_view text) {
        return key.View() == text;
    }

  private:
    std::array<char, kCapacity> text_{};
    std::uint8_t size_ = 0;
};

// The decimal digits of number as "%2.2d" writes them, into out (room for 12 characters);
// how many were written.
std::size_t WriteTwoDigitNumber(int number, char* out);

}  // namespace korval
