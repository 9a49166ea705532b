// Declaration helpers for the hierarchy's property tables: a published property that reads and
// writes one stored field of the class as it is. Used only inside the classes' property
// definitions (which have access to the fields).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/class_info.h"

namespace tarnik::plan {

template <class C, class B>
framework::TPropInfo& StoredString(framework::TPropDefs<C>& d, const char* name,
                                   std::string B::*field) {
  return d.String(
      name, [field](C& c) { return c.*field; },
      [field](C& c, const std::string& v) { c.*field = v; });
}

template <class C, class B>
framework::TPropInfo& StoredInteger(framework::TPropDefs<C>& d, const char* name,
                                    int32_t B::*field) {
  return d.Integer(
      name, [field](C& c) { return c.*field; }, [field](C& c, int32_t v) { c.*field = v; });
}

template <class C, class B>
framework::TPropInfo& StoredFloat(framework::TPropDefs<C>& d, const char* name, double B::*field) {
  return d.Float(
      name, [field](C& c) { return c.*field; }, [field](C& c, double v) { c.*field = v; });
}

template <class C, class B>
framework::TPropInfo& StoredBoolean(framework::TPropDefs<C>& d, const char* name, bool B::*field) {
  return d.Boolean(
      name, [field](C& c) { return c.*field; }, [field](C& c, bool v) { c.*field = v; });
}

// Marks the derived text forms among a class's own properties as not stored: the XML forms
// (names ending in "_XML", any case) and the display texts (ending in "_st"). They read a
// rounded, mapped or looked-up value of a stored field, so storing or copying them next to the
// field would write that value back over it.
void DerivedFormsNotStored(std::vector<framework::TPropInfo>& own);

}  // namespace tarnik::plan
