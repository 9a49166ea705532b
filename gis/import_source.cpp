#include "gis/import_source.h"

namespace tarnik::gis {
namespace {

using framework::TPropDefs;
using framework::TPropInfo;

void DefineNode(std::vector<TPropInfo>& out) {
  TPropDefs<TImportSourceNode> d(out);
  d.String("Path", &TImportSourceNode::Path, &TImportSourceNode::SetPath);
}

void DefineSource(std::vector<TPropInfo>& out) {
  TPropDefs<TImportSource> d(out);
  d.String(
       "Path", [](TImportSource&) { return std::string(); }, &TImportSource::AddPath)
      .NotStored();
}

void DefineKarmoSource(std::vector<TPropInfo>& out) {
  using S = TKarmoLImportSource;
  TPropDefs<S> d(out);
  const auto none = [](S&) { return std::string(); };
  d.String("NewBlock", none, &S::NewBlock).NotStored();
  d.String("NewRaster", none, &S::NewRaster).NotStored();
  d.String("NewLibrary", none, &S::NewLibrary).NotStored();
}

}  // namespace

TARNIK_DEFINE_CLASS(TImportSourceNode, framework::TOwnerElement, DefineNode)
TARNIK_DEFINE_CLASS(TImportSource, framework::TOwnerEntity, DefineSource)
TARNIK_DEFINE_CLASS(TKarmoLImportBlocks, TImportSource, nullptr)
TARNIK_DEFINE_CLASS(TKarmoLImportRasters, TImportSource, nullptr)
TARNIK_DEFINE_CLASS(TKarmoLImportLibraries, TImportSource, nullptr)
TARNIK_DEFINE_CLASS(TKarmoLImportSource, TImportSource, DefineKarmoSource)

void TImportSource::AddPath(const std::string& path) {
  if (path.empty()) return;
  auto* node = new TImportSourceNode();
  node->SetPath(path);
  AddElement(node);
}

}  // namespace tarnik::gis
