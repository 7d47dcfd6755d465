#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korval {

// The numbered objects of a PDF file, kept in memory and joined with their cross-reference
// table: objects may be added in any order once their numbers are taken.
class cPdfObjects {
  public:
    cPdfObjects();

    // A number for an object added later.
    int Reserve();
    // The object's body: a dictionary, an array or a number.
    void Add(int id, std::string_view body);
    // A stream whose data is already compressed with FlateDecode; the dictionary's other
    // entries (without << >>) before its length.
    void AddCompressedStream(int id, std::string_view entries, std::string_view data);

    // The whole file, with the catalog and document information named in its trailer.
    std::string Finish(int catalog, int info);

  private:
    void Open(int id);

    std::string file_;
    std::vector<std::size_t> offsets_;  // by object number; object 0 heads the free list
};

}  // namespace korval
