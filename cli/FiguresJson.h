#pragma once

#include <initializer_list>
#include <nlohmann/json.hpp>
#include <ostream>
#include <utility>

#include "framework/CostRate.h"
#include "framework/RangedFigure.h"

namespace korval {

class cModelDoc;
class cCocomoDoc;
class cFunctionPointDoc;
class cRayleighDoc;
class cProjectDoc;
class cSystemDoc;

using Json = nlohmann::ordered_json;

// The layout of the figures JSON, written in it as "schemaVersion" and described by
// resources/korval-figures.schema.json. Keys are only ever added; a change that could break
// a reader (a key renamed, removed or of another type) takes the next number.
inline constexpr int kFiguresSchemaVersion = 1;

// Every computed figure of a document, as the "figures" command prints it. A range is
// {"value", "low", "high"}; a number that is not finite becomes null.
Json DocumentFigures(cModelDoc& document);

// One object per kind; each lives in a file of its own.
Json CocomoFigures(cCocomoDoc& document);
Json FunctionPointFigures(cFunctionPointDoc& document);
Json RayleighFigures(cRayleighDoc& document);
Json ProjectFigures(cProjectDoc& document);
Json SystemFigures(cSystemDoc& document);

Json RangeJson(const RangedFigure& figure);
// The "cost" object of a priced document: "rate", "currency", then the cost of each named
// effort (person-months) as a range. Only written when the rate is above 0.
using PricedEffort = std::pair<const char*, RangedFigure>;
Json CostJson(const CostRate& cost, std::initializer_list<PricedEffort> efforts);
// The rate that prices the document (a project's one rate, a system's own); rate 0 for a
// function point count, which has no effort to price.
CostRate DocumentCostRate(const cModelDoc& document);

// The printed JSON. Texts from files need not be valid UTF-8: bad bytes print as U+FFFD
// instead of stopping the program.
std::string DumpFigures(Json figures);
// The same text written to out: a large system's figures are written piece by piece.
void PrintFigures(std::ostream& out, Json figures);
Json NumberJson(double value);

}  // namespace korval
