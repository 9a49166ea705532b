#include "forest/hierarchy/dominant.h"

#include <utility>
#include <vector>

#include "forest/hierarchy/plosny_prvek.h"

namespace tarnik::plan {
namespace {

std::vector<TLesniPlosnyPrvek*> GroupsBelow(framework::TEntity& holder) {
  std::vector<framework::TElement*> found;
  CollectBelow(holder, {"TPorostniSkupina"}, found);
  std::vector<TLesniPlosnyPrvek*> groups;
  for (framework::TElement* e : found) {
    if (auto* g = dynamic_cast<TLesniPlosnyPrvek*>(e)) groups.push_back(g);
  }
  return groups;
}

template <class V>
class WeightTable {
 public:
  void Add(const V& value, double weight) {
    for (auto& entry : entries_) {
      if (entry.first == value) {
        entry.second += weight;
        return;
      }
    }
    if (static_cast<int>(entries_.size()) < kMaxDistinctValues)
      entries_.emplace_back(value, weight);
  }
  // The value with the largest weight, the first one on a tie; `none` without values.
  V Winner(const V& none) const {
    const std::pair<V, double>* best = nullptr;
    for (const auto& entry : entries_) {
      if (!best || entry.second > best->second) best = &entry;
    }
    return best ? best->first : none;
  }

 private:
  std::vector<std::pair<V, double>> entries_;
};

}  // namespace

std::string DominantSLT(framework::TEntity& holder) {
  WeightTable<std::string> table;
  for (TLesniPlosnyPrvek* g : GroupsBelow(holder)) {
    const std::string slt = g->SLT();
    if (!slt.empty()) table.Add(slt, g->Plocha());
  }
  return table.Winner("");
}

int32_t DominantZone(framework::TEntity& holder) {
  WeightTable<int32_t> table;
  for (TLesniPlosnyPrvek* g : GroupsBelow(holder)) {
    const std::string slt = g->SLT();
    if (slt.empty()) continue;
    const char c = slt[0];
    const int32_t zone = (c >= '0' && c <= '9') ? c - '0' : 0;
    if (zone != 0) table.Add(zone, g->Plocha());
  }
  return table.Winner(0);
}

}  // namespace tarnik::plan
