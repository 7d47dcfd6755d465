#include "cli/SimulationJson.h"

#include <string>

namespace korval {

namespace {

Json OptionalNumber(const std::optional<double>& value) {
    return value ? NumberJson(*value) : Json(nullptr);
}

Json OutputJson(const OutputSummary& output) {
    Json histogram = Json::array();
    for (const HistogramBin& bin : output.histogram) {
        histogram.push_back(
            Json{{"from", NumberJson(bin.from)}, {"to", NumberJson(bin.to)}, {"count", bin.count}});
    }
    return Json{{"label", output.label},
                {"unit", output.unit},
                {"mean", NumberJson(output.mean)},
                {"standardDeviation", NumberJson(output.standardDeviation)},
                {"minimum", NumberJson(output.minimum)},
                {"p10", NumberJson(output.p10)},
                {"p50", NumberJson(output.p50)},
                {"p80", NumberJson(output.p80)},
                {"p90", NumberJson(output.p90)},
                {"maximum", NumberJson(output.maximum)},
                {"target", OptionalNumber(output.target)},
                {"probabilityOfTarget", OptionalNumber(output.probabilityOfTarget)},
                {"histogram", std::move(histogram)}};
}

}  // namespace

Json SimulationJson(const SimulationResults& results) {
    Json json;
    json["simulationSchemaVersion"] = kSimulationSchemaVersion;
    json["kind"] = results.kind;
    json["trials"] = results.run.trials;
    json["seed"] = results.run.seed;
    json["distribution"] = std::string(ThreePointShapeToken(results.run.shape));
    if (results.kind == "system")
        json["members"] = results.run.correlatedMembers ? "correlated" : "independent";
    json["uncertain"] = results.uncertain;
    Json outputs = Json::object();
    for (const OutputSummary& output : results.outputs) outputs[output.key] = OutputJson(output);
    json["outputs"] = std::move(outputs);
    return json;
}

}  // namespace korval
