#include "cli/FiguresJson.h"
#include "cli/PlanFigures.h"
#include "framework/cHelperPool.h"
#include "rayleigh/RayleighFormulas.h"
#include "system/cSystemDoc.h"

namespace korval {

namespace {

Json MemberJson(const cSystemProjectDoc& member, const cSystemDoc::ScheduleRow& schedule,
                const CostRate& cost) {
    MemberFigures f = member.Figures();
    // Each member's keys are distinct: they go straight into the object, in order.
    Json entry = Json::object();
    Json::object_t& fields = entry.get_ref<Json::object_t&>();
    fields.reserve(16);
    auto add = [&fields](const char* key, Json value) {
        fields.emplace_back(key, std::move(value));
    };
    add("file", member.GetFileName());
    add("found", member.IsFound());
    add("startOffset", NumberJson(member.GetStartOffset()));
    add("afp", NumberJson(f.adjustedFunctionPoints));
    add("sloc", NumberJson(f.sourceLines));
    add("productDesignEffort", NumberJson(f.productDesignEffort));
    add("productDesignTdev", NumberJson(f.productDesignTdev));
    add("programmingEffort", NumberJson(f.programmingEffort));
    add("programmingTdev", NumberJson(f.programmingTdev));
    add("integrationEffort", NumberJson(f.integrationEffort));
    add("integrationTdev", NumberJson(f.integrationTdev));
    add("mbi", NumberJson(f.mbi));
    add("mbiLevel", MbiLevelText(f.mbi));
    add("programmingEnd", NumberJson(schedule.programmingEnd));
    add("integrationEnd", NumberJson(schedule.integrationEnd));
    if (cost.IsPriced())
        add("cost", RangeJson(cost.CostOf(RangedFigure::Exact(cSystemDoc::MemberEffort(f)))));
    return entry;
}

}  // namespace

Json SystemFigures(cSystemDoc& document) {
    Json figures;
    figures["productDesign"] = Json{{"userSpecified", document.IsProductDesignUserSpecified()},
                                    {"tdev", NumberJson(document.GetProductDesignTdev())},
                                    {"effort", NumberJson(document.GetProductDesignEffort())}};
    figures["finalTest"] = Json{{"tdev", NumberJson(document.GetFinalTestTdev())},
                                {"effort", NumberJson(document.GetFinalTestEffort())}};
    figures["totalAdjustedFunctionPoints"] = NumberJson(document.GetTotalAdjustedFunctionPoints());
    figures["totalSloc"] = NumberJson(document.GetTotalSloc());
    figures["totalEffort"] = NumberJson(document.GetTotalEffort());
    figures["totalTdev"] = NumberJson(document.GetTotalTdev());
    figures["systemMbi"] = NumberJson(document.GetSystemMbi());
    figures["systemMbiLevel"] = MbiLevelText(document.GetSystemMbi());

    const CostRate& cost = document.GetCostRate();
    std::vector<cSystemDoc::ScheduleRow> schedule = document.CumulativeSchedule();
    const auto& list = document.GetMembers();
    // Thousands of members: their entries are made on every core.
    Json members = Json::array();
    Json::array_t& entries = members.get_ref<Json::array_t&>();
    entries.resize(list.size());
    cHelperPool::RunOnEveryCore(list.size(), 64,
                                [&](std::size_t, std::size_t first, std::size_t last) {
                                    for (std::size_t i = first; i < last; ++i)
                                        entries[i] = MemberJson(*list[i], schedule[i], cost);
                                });
    figures["members"] = std::move(members);
    figures["plan"] = SystemPlanJson(document);
    if (cost.IsPriced()) {
        figures["cost"] = CostJson(
            cost, {{"productDesign", RangedFigure::Exact(document.GetProductDesignEffort())},
                   {"finalTest", RangedFigure::Exact(document.GetFinalTestEffort())},
                   {"total", RangedFigure::Exact(document.GetTotalEffort())}});
    }
    return figures;
}

}  // namespace korval
