#include "framework/ProfileKey.h"

#include <algorithm>
#include <cstring>

namespace korval {

ProfileKey& ProfileKey::Append(std::string_view part) {
    std::size_t room = kCapacity - size_;
    std::size_t count = std::min(room, part.size());
    std::memcpy(text_.data() + size_, part.data(), count);
    size_ = static_cast<std::uint8_t>(size_ + count);
    return *this;
}

ProfileKey& ProfileKey::Number(int number) {
    char digits[12];
    return Append({digits, WriteTwoDigitNumber(number, digits)});
}

std::size_t WriteTwoDigitNumber(int number, char* out) {
    if (number >= 0 && number < 100) {  // nearly every entry of every table
        out[0] = static_cast<char>('0' + number / 10);
        out[1] = static_cast<char>('0' + number % 10);
        return 2;
    }
    long long magnitude = number;
    std::size_t size = 0;
    if (magnitude < 0) {
        out[size++] = '-';
        magnitude = -magnitude;
    }
    char reversed[12];
    std::size_t count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (count < 2) reversed[count++] = '0';
    while (count > 0) out[size++] = reversed[--count];
    return size;
}

}  // namespace korval
