// Lists of source paths that scripts fill: TImportSource appends a TImportSourceNode for every
// non-empty path written to its Path; TKarmoLImportSource files the paths written to NewBlock,
// NewRaster and NewLibrary in its own child lists (TKarmoLImportBlocks, TKarmoLImportRasters,
// TKarmoLImportLibraries, each created on first use). Nothing else in the program reads them.
#pragma once

#include <string>

#include "framework/entity.h"

namespace tarnik::gis {

class TImportSourceNode : public framework::TOwnerElement {
 public:
  TARNIK_ELEMENT_CLASS(TImportSourceNode)
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& v) { path_ = v; }

 private:
  std::string path_;
};

class TImportSource : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TImportSource)
  // Appends a node holding the path; an empty path adds nothing.
  void AddPath(const std::string& path);
};

class TKarmoLImportBlocks : public TImportSource {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoLImportBlocks)
};

class TKarmoLImportRasters : public TImportSource {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoLImportRasters)
};

class TKarmoLImportLibraries : public TImportSource {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoLImportLibraries)
};

class TKarmoLImportSource : public TImportSource {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoLImportSource)
  void NewBlock(const std::string& path) { List<TKarmoLImportBlocks>()->AddPath(path); }
  void NewRaster(const std::string& path) { List<TKarmoLImportRasters>()->AddPath(path); }
  void NewLibrary(const std::string& path) { List<TKarmoLImportLibraries>()->AddPath(path); }

  // The child list of that class, created and added on first use.
  template <class L>
  L* List() {
    if (auto* found = framework::ClassCast<L>(FindElementByClass(L::StaticClass()))) return found;
    auto* list = new L();
    AddElement(list);
    return list;
  }
};

}  // namespace tarnik::gis
