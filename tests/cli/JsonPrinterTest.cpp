#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "cli/JsonPrinter.h"

namespace korval {
namespace {

// Doubles every text, however deep: a part prepared twice, or not at all, prints otherwise.
void DoubleTexts(Json& part) {
    if (part.is_string()) {
        std::string text = part.get<std::string>();
        part = text + text;
    } else if (part.is_structured()) {
        for (Json& child : part) DoubleTexts(child);
    }
}

// Values shaped like figures at every scale: objects and arrays of any length, long arrays
// inside long arrays and inside short ones, empty containers, texts with line breaks,
// quotes, control characters and bytes that are no UTF-8, numbers of every kind.
class cValueMaker {
  public:
    explicit cValueMaker(unsigned seed) : random_(seed) {}

    Json Make(int depth) {
        int kind = depth >= 4 ? Pick(5) : Pick(8);
        switch (kind) {
            case 0:
                return nullptr;
            case 1:
                return Pick(2) == 0;
            case 2:
                return Number();
            case 3:
            case 4:
                return Text();
            case 5: {
                Json object = Json::object();
                int fields = Pick(6);
                for (int i = 0; i < fields; ++i)
                    object[Text() + std::to_string(i)] = Make(depth + 1);
                return object;
            }
            default: {
                Json array = Json::array();
                int length = Pick(4) == 0 ? 250 + Pick(400) : Pick(5);
                for (int i = 0; i < length; ++i) array.push_back(Make(depth + 2));
                return array;
            }
        }
    }

  private:
    int Pick(int count) { return static_cast<int>(random_() % static_cast<unsigned>(count)); }

    Json Number() {
        switch (Pick(5)) {
            case 0:
                return Pick(1000) - 500;
            case 1:
                return std::uniform_real_distribution<double>(-1e6, 1e6)(random_);
            case 2:
                return 93177.50000000001;
            case 3:
                return std::numeric_limits<double>::quiet_NaN();
            default:
                return -0.0;
        }
    }

    std::string Text() {
        static const std::vector<std::string> pieces = {
            "member", "\n", "\t", "\"", "\\", "\x01", "\xff", "\xc3\xa9", "/tmp/a b.prj", "", "]"};
        std::string text;
        int count = Pick(4);
        for (int i = 0; i < count; ++i) text += pieces[static_cast<std::size_t>(Pick(11))];
        return text;
    }

    std::mt19937 random_;
};

TEST(JsonPrinterTest, PrintsWhatTheLibraryPrintsOfTheWholePreparedValue) {
    for (unsigned seed = 0; seed < 300; ++seed) {
        cValueMaker maker(seed);
        Json value = Json::object();
        value["schemaVersion"] = 1;
        value["body"] = maker.Make(0);
        value["tail"] = maker.Make(1);

        Json prepared = value;
        DoubleTexts(prepared);
        std::string expected = prepared.dump(2, ' ', false, Json::error_handler_t::replace);
        std::ostringstream printed;
        PrintJson(printed, std::move(value), &DoubleTexts);
        ASSERT_EQ(printed.str(), expected) << "seed " << seed;
    }
}

}  // namespace
}  // namespace korval
