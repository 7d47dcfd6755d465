#include "cli/FiguresJson.h"
#include "cli/PlanFigures.h"
#include "rayleigh/RayleighFormulas.h"
#include "system/cSystemDoc.h"

namespace korval {

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
    Json members = Json::array();
    members.get_ref<Json::array_t&>().reserve(document.GetMembers().size());
    std::vector<cSystemDoc::ScheduleRow> schedule = document.CumulativeSchedule();
    const auto& list = document.GetMembers();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const cSystemProjectDoc& member = *list[i];
        MemberFigures f = member.Figures();
        // Each member's keys are distinct: they go straight into the object, in order, as
        // a system has thousands of members.
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
        add("programmingEnd", NumberJson(schedule[i].programmingEnd));
        add("integrationEnd", NumberJson(schedule[i].integrationEnd));
        if (cost.IsPriced())
            add("cost", RangeJson(cost.CostOf(RangedFigure::Exact(cSystemDoc::MemberEffort(f)))));
        members.push_back(std::move(entry));
    }
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
