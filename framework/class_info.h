// Static class descriptions of the element classes: name, parent, virtual constructor and the
// published-property table (inherited properties first, in declaration order). One TClassInfo
// exists per class for the whole process (a function-local static of the class); the tables are
// immutable once built and may be read from anywhere. Lookup by name is ASCII case-insensitive.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/name_index.h"

namespace tarnik::framework {

class TElement;
class TClassInfo;

// Property kinds; the numbers are stored in model files.
enum class TTypeKind : uint8_t {
  tkUnknown = 0,
  tkInteger = 1,
  tkChar = 2,
  tkEnumeration = 3,
  tkFloat = 4,
  tkString = 5,
  tkSet = 6,
  tkClass = 7,
  tkMethod = 8,
  tkWChar = 9,
  tkLString = 10,
  tkWString = 11,
  tkVariant = 12,
  tkArray = 13,
  tkRecord = 14,
  tkInterface = 15,
  tkInt64 = 16,
  tkDynArray = 17,
};

// A callback value: `code` names an entry of the callback table of the class that publishes the
// property (framework/values/key_callbacks.h for the element index), `data` is the handle of the
// object it is bound to. {0, 0} is no callback.
struct TMethod {
  int32_t code = 0;
  int32_t data = 0;
  bool operator==(const TMethod&) const = default;
};

enum class TStoredKind : uint8_t { kTrue, kFalse, kTest };

// One published property. Accessors receive the element the property belongs to; they may throw
// (the text interface turns that into its error texts).
struct TPropInfo {
  std::string name;
  TTypeKind kind = TTypeKind::tkUnknown;
  std::string type_name;                  // "Integer", "String", "Boolean", "TType", ...
  std::vector<std::string> enum_ids;      // tkEnumeration: identifiers in ordinal order
  const TClassInfo* ref_class = nullptr;  // tkClass: class of the referenced object
  // tkClass, for a class that names itself (its description is not built yet while its table
  // is): the class, asked for when first needed.
  const TClassInfo& (*ref_class_fn)() = nullptr;

  std::function<int64_t(TElement&)> get_ord;  // tkInteger, tkChar, tkEnumeration, tkSet, tkInt64
  std::function<void(TElement&, int64_t)> set_ord;
  std::function<double(TElement&)> get_float;
  std::function<void(TElement&, double)> set_float;
  std::function<std::string(TElement&)> get_str;
  std::function<void(TElement&, const std::string&)> set_str;
  std::function<TElement*(TElement&)> get_obj;
  std::function<void(TElement&, TElement*)> set_obj;
  std::function<TMethod(TElement&)> get_method;
  std::function<void(TElement&, TMethod)> set_method;

  TStoredKind stored = TStoredKind::kTrue;
  std::function<bool(TElement&)> stored_test;
  // The value a new element has: an ordinal or float equal to it is not written to model
  // files (0 when none is declared).
  std::optional<int64_t> default_value;
  std::optional<double> default_float;

  const TClassInfo* RefClass() const {
    return ref_class ? ref_class : (ref_class_fn ? &ref_class_fn() : nullptr);
  }
  bool HasReader() const;
  bool HasWriter() const;
  bool IsOrdinal() const;
  bool IsString() const { return kind == TTypeKind::tkString || kind == TTypeKind::tkLString; }
  // The class-level stored flag: false for properties declared never stored (read-only and
  // write-only ones are).
  bool DeclaredStored() const { return stored != TStoredKind::kFalse; }
  // The stored test evaluated on an element.
  bool IsStoredFor(TElement& element) const;

  // Builder helpers, chained after a declaration.
  TPropInfo& NotStored() {
    stored = TStoredKind::kFalse;
    return *this;
  }
  TPropInfo& Default(int64_t value) {
    default_value = value;
    return *this;
  }
  TPropInfo& DefaultFloat(double value) {
    default_float = value;
    return *this;
  }
  TPropInfo& StoredIf(std::function<bool(TElement&)> test) {
    stored = TStoredKind::kTest;
    stored_test = std::move(test);
    return *this;
  }
};

using TCreateFn = TElement* (*)();

class TClassInfo {
 public:
  using DefineFn = void (*)(std::vector<TPropInfo>& own);

  // `parent` is nullptr for the root class. `define` appends the class's own properties.
  TClassInfo(std::string name, const TClassInfo* parent, TCreateFn create, DefineFn define);
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  // A new instance through the virtual constructor.
  TElement* Create() const { return create_(); }

  // True when this is `other` or derives from it.
  bool InheritsFrom(const TClassInfo& other) const;
  // One bit for the class and one for each ancestor, out of 64 shared by all classes: when
  // `a.lineage() & b.class_bit()` is zero, `a` does not derive from `b`.
  uint64_t class_bit() const { return class_bit_; }
  uint64_t lineage() const { return lineage_; }
  bool InheritsFrom(const TClassInfo* other) const { return other && InheritsFrom(*other); }

  // All properties, inherited first. A property redeclared by a descendant keeps the position of
  // the inherited one.
  const std::vector<TPropInfo>& Properties() const { return props_; }
  int PropCount() const { return static_cast<int>(props_.size()); }
  // Index of the property of that name (ASCII case-insensitive), -1 when absent.
  int IndexOf(std::string_view name) const;
  const TPropInfo* Find(std::string_view name) const {
    int i = IndexOf(name);
    return i < 0 ? nullptr : &props_[i];
  }

 private:
  std::string name_;
  const TClassInfo* parent_;
  uint64_t class_bit_ = 0;
  uint64_t lineage_ = 0;
  TCreateFn create_;
  std::vector<TPropInfo> props_;
  std::vector<std::pair<std::string, int>> index_;  // upper-cased name → position, sorted
  // Names as declared → position: most lookups spell the name as declared.
  platform::NameIndex exact_;
};

// Declares the class description of an element class. Put it in the public part of the class.
#define TARNIK_ELEMENT_CLASS(Class)                            \
  static const ::tarnik::framework::TClassInfo& StaticClass(); \
  const ::tarnik::framework::TClassInfo& ClassType() const override { return StaticClass(); }

// Defines the class description; `define` is a function void(std::vector<TPropInfo>&) or nullptr.
#define TARNIK_DEFINE_CLASS(Class, Parent, define)                               \
  const ::tarnik::framework::TClassInfo& Class::StaticClass() {                  \
    static const ::tarnik::framework::TClassInfo info(                           \
        #Class, &Parent::StaticClass(),                                          \
        []() -> ::tarnik::framework::TElement* { return new Class(); }, define); \
    return info;                                                                 \
  }

// Property declaration helpers for class C. Getters and setters are member functions of C or
// callables taking C&; pass nullptr for a missing one. A property without reader or writer is
// declared never stored.
template <class C>
class TPropDefs {
 public:
  explicit TPropDefs(std::vector<TPropInfo>& out) : out_(out) {}

  template <class G, class S>
  TPropInfo& Integer(const char* name, G get, S set) {
    return Ord<int32_t>(name, TTypeKind::tkInteger, "Integer", get, set);
  }
  template <class G, class S>
  TPropInfo& Int64(const char* name, G get, S set) {
    return Ord<int64_t>(name, TTypeKind::tkInt64, "Int64", get, set);
  }
  template <class G, class S>
  TPropInfo& Byte(const char* name, G get, S set) {
    return Ord<uint8_t>(name, TTypeKind::tkInteger, "Byte", get, set);
  }
  template <class G, class S>
  TPropInfo& Char(const char* name, G get, S set) {
    return Ord<unsigned char>(name, TTypeKind::tkChar, "Char", get, set);
  }
  template <class G, class S>
  TPropInfo& Boolean(const char* name, G get, S set) {
    TPropInfo& p = Ord<bool>(name, TTypeKind::tkEnumeration, "Boolean", get, set);
    p.enum_ids = {"False", "True"};
    return p;
  }
  // An enumeration whose getter and setter use int (or an enum type convertible from int).
  template <class E, class G, class S>
  TPropInfo& Enum(const char* name, const char* type_name, std::vector<std::string> ids, G get,
                  S set) {
    TPropInfo& p = Ord<E>(name, TTypeKind::tkEnumeration, type_name, get, set);
    p.enum_ids = std::move(ids);
    return p;
  }
  template <class G, class S>
  TPropInfo& Set(const char* name, const char* type_name, G get, S set) {
    return Ord<int32_t>(name, TTypeKind::tkSet, type_name, get, set);
  }
  template <class G, class S>
  TPropInfo& Float(const char* name, G get, S set, const char* type_name = "Double") {
    TPropInfo& p = Add(name, TTypeKind::tkFloat, type_name);
    p.get_float = Getter<double>(get);
    p.set_float = Setter<double, double>(set);
    return Finish(p);
  }
  template <class G, class S>
  TPropInfo& String(const char* name, G get, S set) {
    TPropInfo& p = Add(name, TTypeKind::tkLString, "String");
    p.get_str = Getter<std::string>(get);
    p.set_str = Setter<std::string, const std::string&>(set);
    return Finish(p);
  }
  template <class G, class S>
  TPropInfo& Object(const char* name, const TClassInfo& ref, G get, S set) {
    TPropInfo& p = Add(name, TTypeKind::tkClass, ref.Name());
    p.ref_class = &ref;
    p.get_obj = ObjGetter(get);
    p.set_obj = ObjSetter(set);
    return Finish(p);
  }
  // The same with the class given by its StaticClass function, for a class that references its
  // own kind: TPropDefs<C>::Object("Next", &C::StaticClass, ...).
  template <class G, class S>
  TPropInfo& Object(const char* name, const TClassInfo& (*ref)(), const char* ref_name, G get,
                    S set) {
    TPropInfo& p = Add(name, TTypeKind::tkClass, ref_name);
    p.ref_class_fn = ref;
    p.get_obj = ObjGetter(get);
    p.set_obj = ObjSetter(set);
    return Finish(p);
  }
  template <class G, class S>
  TPropInfo& Method(const char* name, const char* type_name, G get, S set) {
    TPropInfo& p = Add(name, TTypeKind::tkMethod, type_name);
    p.get_method = Getter<TMethod>(get);
    p.set_method = Setter<TMethod, TMethod>(set);
    return Finish(p);
  }

 private:
  TPropInfo& Add(const char* name, TTypeKind kind, std::string type_name) {
    out_.emplace_back();
    TPropInfo& p = out_.back();
    p.name = name;
    p.kind = kind;
    p.type_name = std::move(type_name);
    return p;
  }
  static TPropInfo& Finish(TPropInfo& p) {
    if (!p.HasReader() || !p.HasWriter()) p.stored = TStoredKind::kFalse;
    return p;
  }
  template <class V, class G, class S>
  TPropInfo& Ord(const char* name, TTypeKind kind, const char* type_name, G get, S set) {
    TPropInfo& p = Add(name, kind, type_name);
    if constexpr (!std::is_null_pointer_v<G>) {
      p.get_ord = [get](TElement& e) -> int64_t {
        return static_cast<int64_t>(std::invoke(get, static_cast<C&>(e)));
      };
    }
    if constexpr (!std::is_null_pointer_v<S>) {
      p.set_ord = [set](TElement& e, int64_t v) {
        std::invoke(set, static_cast<C&>(e), static_cast<V>(v));
      };
    }
    return Finish(p);
  }
  template <class R, class G>
  static std::function<R(TElement&)> Getter(G get) {
    if constexpr (std::is_null_pointer_v<G>) {
      return {};
    } else {
      return [get](TElement& e) -> R { return R(std::invoke(get, static_cast<C&>(e))); };
    }
  }
  template <class V, class A, class S>
  static std::function<void(TElement&, A)> Setter(S set) {
    if constexpr (std::is_null_pointer_v<S>) {
      return {};
    } else {
      return [set](TElement& e, A v) { std::invoke(set, static_cast<C&>(e), v); };
    }
  }
  template <class G>
  static std::function<TElement*(TElement&)> ObjGetter(G get) {
    if constexpr (std::is_null_pointer_v<G>) {
      return {};
    } else {
      return [get](TElement& e) -> TElement* { return std::invoke(get, static_cast<C&>(e)); };
    }
  }
  template <class S>
  static std::function<void(TElement&, TElement*)> ObjSetter(S set) {
    if constexpr (std::is_null_pointer_v<S>) {
      return {};
    } else {
      return [set](TElement& e, TElement* v) { std::invoke(set, static_cast<C&>(e), v); };
    }
  }

  std::vector<TPropInfo>& out_;
};

}  // namespace tarnik::framework
