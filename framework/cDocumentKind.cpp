#include "framework/cDocumentKind.h"

#include "framework/TextUtil.h"

namespace korval {

const std::array<cDocumentKind, 5>& cDocumentKind::All() {
    static const std::array<cDocumentKind, 5> kinds{{
        {DocumentKind::Project, 5, "Project", "Project", "Project", "Project_Ext", ".PRJ",
         "Project (*%.4s)|*%.4s|", "ProjectSummary", "Project Report",
         "All existing data for the project will be reset to their default values.\n\nContinue?"},
        {DocumentKind::FunctionPoint, 3, "FP", "Function Point Model", "FunctionPoint",
         "Function_Point_Ext", ".FPM", "Function Point (*%.4s)|*%.4s|", "FunctionPointSummary",
         "Function Point Report",
         "All existing data for the function point model will be reset to their default "
         "values.\n\nContinue?"},
        {DocumentKind::Cocomo, 4, "COCOMO", "COCOMO Model", "Cocomo", "COCOMO_Ext", ".CCM",
         "COCOMO (*%.4s)|*%.4s|", "CocomoSummary", "COCOMO Report",
         "All existing data for the COCOMO model will be reset to their default "
         "values.\n\nContinue?"},
        {DocumentKind::Rayleigh, 110, "Rayleigh", "Rayleigh Model", "Rayleigh", "Rayleigh_Ext",
         ".RLM", "Rayleigh (*%.4s)|*%.4s|", "RayleighSummary", "Rayleigh Report",
         "All existing data for the Rayleigh model will be reset to their default "
         "values.\n\nContinue?"},
        {DocumentKind::System, 126, "System", "System", "System", "System_Ext", ".SLE",
         "System Level Estimation (*%.4s)|*%.4s|", "SystemSummary",
         "System Level Estimation Report",
         "All existing data for the system level estimation will be reset to their default "
         "values.\n\nContinue?"},
    }};
    return kinds;
}

std::string cDocumentKind::FilterText(std::string_view extension) const {
    return ReplaceAll(filterFormat, "%.4s", CutToChars(extension, 4));
}

std::string cDocumentKind::OpenFilters(const std::array<std::string, 5>& extensions) {
    std::string filters = "All Files (*.*)|*.*|";
    for (const cDocumentKind& kind : All())
        filters += kind.FilterText(extensions[static_cast<int>(kind.kind)]);
    return filters;
}

const cDocumentKind& cDocumentKind::Of(DocumentKind kind) {
    return All()[static_cast<int>(kind)];
}

std::optional<DocumentKind> cDocumentKind::FromTypeName(std::string_view typeName) {
    static constexpr DocumentKind kOrder[] = {DocumentKind::FunctionPoint, DocumentKind::Cocomo,
                                              DocumentKind::Rayleigh, DocumentKind::Project,
                                              DocumentKind::System};
    for (DocumentKind kind : kOrder) {
        if (Of(kind).typeName == typeName) return kind;
    }
    return std::nullopt;
}

}  // namespace korval
