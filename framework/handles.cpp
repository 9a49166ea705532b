#include "framework/handles.h"

#include <array>
#include <limits>
#include <memory>
#include <stdexcept>
#include <vector>

#include "framework/element.h"

namespace tarnik::framework {
namespace {

// Handles are given in rising order and never reused, and elements die in groups (a compartment
// at a time): the live elements sit in pages of consecutive handles, and a page is dropped when
// its last element dies. A look-up is two array indexings; memory follows the live elements.
constexpr int32_t kPageBits = 10;
constexpr int32_t kPageSize = 1 << kPageBits;

struct Page {
  std::array<TElement*, kPageSize> slots{};
  int32_t live = 0;
};

struct Registry {
  std::vector<std::unique_ptr<Page>> pages;  // index: handle >> kPageBits
  size_t live = 0;
  int32_t last = 0;
};

Registry& registry() {
  static Registry* r = new Registry();  // lives to the end of the process
  return *r;
}

}  // namespace

TElement* FindElementByHandle(int64_t handle) {
  if (handle <= 0 || handle > std::numeric_limits<int32_t>::max()) return nullptr;
  const Registry& r = registry();
  const auto page = static_cast<size_t>(handle >> kPageBits);
  if (page >= r.pages.size() || !r.pages[page]) return nullptr;
  return r.pages[page]->slots[static_cast<size_t>(handle & (kPageSize - 1))];
}

size_t LiveHandleCount() { return registry().live; }

TElementRef::TElementRef(TElement* element) : handle_(element ? element->Handle() : 0) {}

namespace internal {

int32_t RegisterHandle(TElement* element) {
  Registry& r = registry();
  if (r.last == std::numeric_limits<int32_t>::max()) {
    throw std::runtime_error("Vyčerpána čísla objektů");
  }
  const int32_t handle = r.last + 1;
  const auto page = static_cast<size_t>(handle >> kPageBits);
  // The page left behind was kept while it was the newest; drop it now if nothing lives in it.
  if (const auto previous = static_cast<size_t>(r.last >> kPageBits);
      previous != page && previous < r.pages.size() && r.pages[previous] &&
      r.pages[previous]->live == 0)
    r.pages[previous].reset();
  if (page >= r.pages.size()) r.pages.resize(page + 1);
  if (!r.pages[page]) r.pages[page] = std::make_unique<Page>();
  Page& p = *r.pages[page];
  p.slots[static_cast<size_t>(handle & (kPageSize - 1))] = element;
  ++p.live;
  ++r.live;
  r.last = handle;
  return handle;
}

void ForgetHandle(int32_t handle) {
  Registry& r = registry();
  if (handle <= 0) return;
  const auto page = static_cast<size_t>(handle >> kPageBits);
  if (page >= r.pages.size() || !r.pages[page]) return;
  Page& p = *r.pages[page];
  TElement*& slot = p.slots[static_cast<size_t>(handle & (kPageSize - 1))];
  if (!slot) return;
  slot = nullptr;
  --r.live;
  // The page of the newest handles stays: the next element would only create it again.
  if (--p.live == 0 && page != static_cast<size_t>(r.last >> kPageBits)) r.pages[page].reset();
}

size_t HandlePagesHeld() {
  size_t held = 0;
  for (const auto& page : registry().pages) held += page != nullptr;
  return held;
}

}  // namespace internal
}  // namespace tarnik::framework
