#include "pdfwriter/cPdfObjects.h"

#include <cstdio>

namespace korval {

cPdfObjects::cPdfObjects() : file_("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"), offsets_(1, 0) {}

int cPdfObjects::Reserve() {
    offsets_.push_back(0);
    return static_cast<int>(offsets_.size() - 1);
}

void cPdfObjects::Open(int id) {
    offsets_[static_cast<std::size_t>(id)] = file_.size();
    file_ += std::to_string(id);
    file_ += " 0 obj\n";
}

void cPdfObjects::Add(int id, std::string_view body) {
    Open(id);
    file_ += body;
    file_ += "\nendobj\n";
}

void cPdfObjects::AddCompressedStream(int id, std::string_view entries, std::string_view data) {
    Open(id);
    file_ += "<<";
    file_ += entries;
    file_ += " /Filter /FlateDecode /Length ";
    file_ += std::to_string(data.size());
    file_ += ">>\nstream\n";
    file_ += data;
    file_ += "\nendstream\nendobj\n";
}

std::string cPdfObjects::Finish(int catalog, int info) {
    const std::size_t table = file_.size();
    file_ += "xref\n0 " + std::to_string(offsets_.size()) + "\n0000000000 65535 f \n";
    char entry[24];
    for (std::size_t id = 1; id < offsets_.size(); ++id) {
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offsets_[id]);
        file_ += entry;
    }
    file_ += "trailer\n<</Size " + std::to_string(offsets_.size()) + " /Root " +
             std::to_string(catalog) + " 0 R /Info " + std::to_string(info) +
             " 0 R>>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
    return std::move(file_);
}

}  // namespace korval
