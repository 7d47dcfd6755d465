#include "cli/JsonPrinter.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "framework/cHelperPool.h"

namespace korval {

namespace {

// Shorter arrays print on the calling thread: handing them out costs more than it saves.
constexpr std::size_t kLongArray = 256;
constexpr std::size_t kElementsPerRun = 64;
constexpr int kIndentStep = 2;

std::string Printed(Json& part, JsonPreparation prepare) {
    prepare(part);
    return part.dump(kIndentStep, ' ', false, Json::error_handler_t::replace);
}

// Text printed at the left margin, as it prints `indent` spaces in: the printer's own line
// breaks are the only raw ones in JSON text, as a string's are written \n.
void AppendIndented(std::string& out, std::string_view text, std::size_t indent) {
    std::size_t start = 0;
    for (std::size_t lf = text.find('\n'); lf != std::string_view::npos;
         start = lf + 1, lf = text.find('\n', start)) {
        out.append(text.substr(start, lf + 1 - start));
        out.append(indent, ' ');
    }
    out.append(text.substr(start));
}

void AppendLineBreak(std::string& out, std::size_t indent) {
    out += '\n';
    out.append(indent, ' ');
}

bool HoldsLongArray(const Json& value) {
    if (value.is_array() && value.size() >= kLongArray) return true;
    if (!value.is_structured()) return false;
    return std::any_of(value.begin(), value.end(), HoldsLongArray);
}

// The text so far, handed to the stream before each long array's pieces.
struct Output {
    std::ostream& stream;
    std::string text;
};

void PrintInto(Output& out, Json& value, std::size_t indent, JsonPreparation prepare);

void PrintLongArray(Output& out, Json& array, std::size_t indent, JsonPreparation prepare) {
    Json::array_t& elements = array.get_ref<Json::array_t&>();
    std::vector<std::string> texts((elements.size() + kElementsPerRun - 1) / kElementsPerRun);
    cHelperPool::RunOnEveryCore(elements.size(), kElementsPerRun,
                                [&](std::size_t run, std::size_t first, std::size_t last) {
                                    std::string& text = texts[run];
                                    for (std::size_t i = first; i < last; ++i) {
                                        if (i > first) {
                                            text += ',';
                                            AppendLineBreak(text, indent + kIndentStep);
                                        }
                                        AppendIndented(text, Printed(elements[i], prepare),
                                                       indent + kIndentStep);
                                        // Freed beside the other cores.
                                        elements[i] = Json();
                                    }
                                });
    out.text += '[';
    for (std::size_t run = 0; run < texts.size(); ++run) {
        if (run > 0) out.text += ',';
        AppendLineBreak(out.text, indent + kIndentStep);
        out.stream << out.text << texts[run];
        out.text.clear();
    }
    AppendLineBreak(out.text, indent);
    out.text += ']';
}

// A container holding a long array somewhere, written as the printer writes it. It is never
// empty, so it always spans lines.
void PrintContainer(Output& out, Json& value, std::size_t indent, JsonPreparation prepare) {
    const bool object = value.is_object();
    out.text += object ? '{' : '[';
    bool first = true;
    auto startChild = [&] {
        if (!first) out.text += ',';
        first = false;
        AppendLineBreak(out.text, indent + kIndentStep);
    };
    if (object) {
        for (auto& [key, child] : value.get_ref<Json::object_t&>()) {
            startChild();
            out.text += Json(key).dump(-1, ' ', false, Json::error_handler_t::replace);
            out.text += ": ";
            PrintInto(out, child, indent + kIndentStep, prepare);
        }
    } else {
        for (Json& child : value.get_ref<Json::array_t&>()) {
            startChild();
            PrintInto(out, child, indent + kIndentStep, prepare);
        }
    }
    AppendLineBreak(out.text, indent);
    out.text += object ? '}' : ']';
}

void PrintInto(Output& out, Json& value, std::size_t indent, JsonPreparation prepare) {
    if (!HoldsLongArray(value)) {
        AppendIndented(out.text, Printed(value, prepare), indent);
    } else if (value.is_array() && value.size() >= kLongArray) {
        PrintLongArray(out, value, indent, prepare);
    } else {
        PrintContainer(out, value, indent, prepare);
    }
}

}  // namespace

void PrintJson(std::ostream& stream, Json value, JsonPreparation prepare) {
    if (!HoldsLongArray(value)) {
        stream << Printed(value, prepare);
        return;
    }
    Output out{stream, {}};
    PrintInto(out, value, 0, prepare);
    stream << out.text;
}

}  // namespace korval
