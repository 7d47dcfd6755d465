#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace korval {

// The five document kinds, by their document kind index.
enum class DocumentKind { Project = 0, FunctionPoint = 1, Cocomo = 2, Rayleigh = 3, System = 4 };

// What the program knows of one kind, in registration order.
struct cDocumentKind {
    DocumentKind kind;
    int resourceId;
    std::string_view documentName;  // untitled documents are this name plus a number
    std::string_view newListEntry;  // entry in the File New list
    std::string_view typeName;      // [KORVAL] KORVAL_Type
    std::string_view extensionKey;  // [Extensions] key of the defaults profile
    std::string_view defaultExtension;
    std::string_view filterFormat;  // file-dialog filter, "%.4s" for the extension
    std::string_view summarySection;
    std::string_view reportTitle;
    std::string_view initializeText;  // the Initialize command's question

    // The file-dialog filter with the extension cut to 4 characters.
    std::string FilterText(std::string_view extension) const;

    // The open dialog's filters: all files first, then each kind with its extension.
    static std::string OpenFilters(const std::array<std::string, 5>& extensions);

    static const std::array<cDocumentKind, 5>& All();
    static const cDocumentKind& Of(DocumentKind kind);
    // Exact, case-sensitive match of a KORVAL_Type value, in the order FunctionPoint,
    // Cocomo, Rayleigh, Project, System.
    static std::optional<DocumentKind> FromTypeName(std::string_view typeName);
};

}  // namespace korval
