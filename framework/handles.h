// Element handles: a positive 32-bit number per element, given on first request, never reused,
// 0 meaning none. The registry forgets a handle when its element is destroyed, so a handle of a
// dead element looks up as nil. TElementRef is the non-owning reference built on it: it never
// dangles. Single-threaded.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tarnik::framework {

class TElement;

// The live element of a handle, nullptr for 0, unknown or dead handles.
TElement* FindElementByHandle(int64_t handle);
// Number of live handles (elements that were asked for one and still exist).
size_t LiveHandleCount();

// A non-owning reference to an element that reads as nil once the element is gone.
class TElementRef {
 public:
  TElementRef() = default;
  TElementRef(TElement* element);  // NOLINT: implicit by design
  TElementRef& operator=(TElement* element) {
    *this = TElementRef(element);
    return *this;
  }

  TElement* Get() const { return handle_ ? FindElementByHandle(handle_) : nullptr; }
  template <class T>
  T* As() const {
    return dynamic_cast<T*>(Get());
  }
  int32_t Handle() const { return handle_; }
  explicit operator bool() const { return Get() != nullptr; }

 private:
  int32_t handle_ = 0;
};

namespace internal {
int32_t RegisterHandle(TElement* element);
void ForgetHandle(int32_t handle);
// Pages of handles the registry holds memory for (for tests of its memory).
size_t HandlePagesHeld();
}  // namespace internal

}  // namespace tarnik::framework
