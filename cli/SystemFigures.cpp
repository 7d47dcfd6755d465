#include "cli/FiguresJson.h"
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
    std::vector<cSystemDoc::ScheduleRow> schedule = document.CumulativeSchedule();
    const auto& list = document.GetMembers();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const cSystemProjectDoc& member = *list[i];
        MemberFigures f = member.Figures();
        Json entry{{"file", member.GetFileName()},
                   {"found", member.IsFound()},
                   {"startOffset", NumberJson(member.GetStartOffset())},
                   {"afp", NumberJson(f.adjustedFunctionPoints)},
                   {"sloc", NumberJson(f.sourceLines)},
                   {"productDesignEffort", NumberJson(f.productDesignEffort)},
                   {"productDesignTdev", NumberJson(f.productDesignTdev)},
                   {"programmingEffort", NumberJson(f.programmingEffort)},
                   {"programmingTdev", NumberJson(f.programmingTdev)},
                   {"integrationEffort", NumberJson(f.integrationEffort)},
                   {"integrationTdev", NumberJson(f.integrationTdev)},
                   {"mbi", NumberJson(f.mbi)},
                   {"mbiLevel", MbiLevelText(f.mbi)},
                   {"programmingEnd", NumberJson(schedule[i].programmingEnd)},
                   {"integrationEnd", NumberJson(schedule[i].integrationEnd)}};
        if (cost.IsPriced()) {
            entry["cost"] =
                RangeJson(cost.CostOf(RangedFigure::Exact(cSystemDoc::MemberEffort(f))));
        }
        members.push_back(std::move(entry));
    }
    figures["members"] = std::move(members);
    if (cost.IsPriced()) {
        figures["cost"] = CostJson(
            cost, {{"productDesign", RangedFigure::Exact(document.GetProductDesignEffort())},
                   {"finalTest", RangedFigure::Exact(document.GetFinalTestEffort())},
                   {"total", RangedFigure::Exact(document.GetTotalEffort())}});
    }
    return figures;
}

}  // namespace korval
