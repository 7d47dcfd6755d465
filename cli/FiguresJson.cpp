#include "cli/FiguresJson.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "cli/JsonPrinter.h"
#include "cocomo/cCocomoDoc.h"
#include "framework/TextUtil.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"
#include "system/cSystemDoc.h"

namespace korval {

Json NumberJson(double value) {
    return std::isfinite(value) ? Json(value) : Json(nullptr);
}

Json RangeJson(const RangedFigure& figure) {
    return Json{{"value", NumberJson(figure.value)},
                {"low", NumberJson(figure.low)},
                {"high", NumberJson(figure.high)}};
}

Json CostJson(const CostRate& cost, std::initializer_list<PricedEffort> efforts) {
    Json object{{"rate", NumberJson(cost.rate)}, {"currency", cost.currency}};
    for (const auto& [key, effort] : efforts) object[key] = RangeJson(cost.CostOf(effort));
    return object;
}

CostRate DocumentCostRate(const cModelDoc& document) {
    switch (document.Kind()) {
        case DocumentKind::Cocomo:
            return static_cast<const cCocomoDoc&>(document).GetCostRate();
        case DocumentKind::Rayleigh:
            return static_cast<const cRayleighDoc&>(document).GetCostRate();
        case DocumentKind::Project:
            return static_cast<const cProjectDoc&>(document).GetCostRate();
        case DocumentKind::System:
            return static_cast<const cSystemDoc&>(document).GetCostRate();
        case DocumentKind::FunctionPoint:
            break;
    }
    return {};
}

namespace {

// Texts from files may hold any byte: each prints with its line breaks as \n and without
// control characters. Most texts print as they are, and are left alone.
void MakeTextsPrintable(Json& value) {
    if (value.is_string()) {
        const std::string& stored = value.get_ref<const std::string&>();
        if (IsPrintableAsItIs(stored) && stored.find('\t') == std::string::npos) return;
        std::string text = PrintableText(stored);
        std::replace(text.begin(), text.end(), '\t', ' ');
        value = std::move(text);
    } else if (value.is_structured()) {
        for (Json& element : value) MakeTextsPrintable(element);
    }
}

}  // namespace

// By value: the figures of a large system are made printable where they are, not copied.
std::string DumpFigures(Json figures) {
    std::ostringstream text;
    PrintFigures(text, std::move(figures));
    return std::move(text).str();
}

void PrintFigures(std::ostream& out, Json figures) {
    PrintJson(out, std::move(figures), &MakeTextsPrintable);
}

Json DocumentFigures(cModelDoc& document) {
    Json figures;
    figures["schemaVersion"] = kFiguresSchemaVersion;
    figures["kind"] = std::string(document.KindInfo().typeName);
    figures["title"] = document.GetTitle();
    figures["preparedBy"] = document.GetPreparedBy();
    figures["description"] = ReplaceAll(document.GetDescription(), "\r\n", "\n");
    switch (document.Kind()) {
        case DocumentKind::Cocomo: {
            Json model = CocomoFigures(static_cast<cCocomoDoc&>(document));
            if (!model.is_null()) figures["cocomo"] = std::move(model);
            break;
        }
        case DocumentKind::FunctionPoint: {
            Json model = FunctionPointFigures(static_cast<cFunctionPointDoc&>(document));
            if (!model.is_null()) figures["functionPoint"] = std::move(model);
            break;
        }
        case DocumentKind::Rayleigh: {
            Json model = RayleighFigures(static_cast<cRayleighDoc&>(document));
            if (!model.is_null()) figures["rayleigh"] = std::move(model);
            break;
        }
        case DocumentKind::Project: {
            Json model = ProjectFigures(static_cast<cProjectDoc&>(document));
            if (!model.is_null()) figures["project"] = std::move(model);
            break;
        }
        case DocumentKind::System: {
            Json model = SystemFigures(static_cast<cSystemDoc&>(document));
            if (!model.is_null()) figures["system"] = std::move(model);
            break;
        }
    }
    Json warnings = Json::array();
    for (const EstimateWarning& warning : document.Warnings())
        warnings.push_back(Json{{"code", warning.code}, {"message", warning.message}});
    figures["warnings"] = std::move(warnings);
    return figures;
}

}  // namespace korval
