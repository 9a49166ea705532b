// The generic forest element: the base of every object of the forest plan model. It keeps the
// record identity of its source (RId, Vazba, Puvodni_oznaceni), the edit flags, the source kind
// and, optionally, its property metadata (a TVlastnostiMN child holding a colour and a mark count
// per property). Owner-driven lookups (code list, LHC, source kind, ...) climb through the
// holders; a lookup that meets itself again on the way answers as if nothing was found, so
// cyclic holder graphs never recurse without end. Lookups answer nil, -1 or false, never throw.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/entity.h"
#include "framework/handles.h"

namespace tarnik::framework {
class TStringListElement;
}

namespace tarnik::plan {

class TVlastnostiMN;
class TLesniStringListElement;
class tciselnik;

// Puvodni_oznaceni of an element created during this run and not stored yet.
inline constexpr const char* kNewDesignation = "+-=+-=";
// The source kind that means "not determined at this element".
inline constexpr uint8_t kSourceUnknown = 7;

class TObecnyLesniPrvek : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TObecnyLesniPrvek)
  TObecnyLesniPrvek();
  ~TObecnyLesniPrvek() override;

  // Record identity and bookkeeping fields.
  const std::string& Puvodni_oznaceni() const { return puvodni_oznaceni_; }
  void SetPuvodni_oznaceni(const std::string& value) { puvodni_oznaceni_ = value; }
  int32_t RId() const { return rid_; }
  void SetRId(int32_t value) { rid_ = value; }
  int32_t Vazba() const { return vazba_; }
  void SetVazba(int32_t value) { vazba_ = value; }
  bool BylEditovan() const { return byl_editovan_; }
  void SetBylEditovan(bool value) { byl_editovan_ = value; }
  // The flag counted by grids that show only flagged rows (1 when created).
  uint8_t Priznak() const { return priznak_; }
  void SetPriznak(uint8_t value) { priznak_ = value; }
  // The source kind as stored at this element (no owner lookup).
  uint8_t StoredTypZdroje() const { return typ_zdroje_; }
  void SetTypZdroje(uint8_t value) { typ_zdroje_ = value; }

  bool BylNoveVytvoren() const { return puvodni_oznaceni_ == kNewDesignation; }
  // This element or any forest element below it is edited or new.
  bool BylEditovanNeboNoveVytvorenRekurz();

  // Virtual operations of the forest model.
  virtual bool MaSmazany();
  virtual bool MaSmazanyRekurz();
  virtual tciselnik* Ciselnik();
  virtual framework::TEntity* ciselKelvaOwnEnt();
  virtual framework::TEntity* LHCOwnEnt();
  virtual TLesniStringListElement* SeznamExportStandard();
  virtual uint8_t TypZdroje();
  // Creates the property metadata: one entry per property of PropertiesWithMetadata().
  virtual void VytvorVlastnosti();
  // A copy of this element as a new one (RId and Vazba -1, Puvodni_oznaceni "+-=+-="), with the
  // colours of the properties copied when this element has metadata. The caller owns the copy.
  virtual TObecnyLesniPrvek* KopieJakoNovy();
  // The properties that get metadata: the class's list of editable properties when the model
  // has one, else every published property after the framework's own.
  virtual std::vector<std::string> PropertiesWithMetadata() const;

  // "LHC_KOD" of LHCOwnEnt, -1 without one.
  int32_t LHC_KODOwnEnt();

  // Property metadata; nil when absent (a metadata set that is gone reads as absent).
  TVlastnostiMN* Vlastnosti();
  // Colour of a property: 3-D light without metadata or without an entry for the property.
  uint32_t BarvaProperty(std::string_view name);
  // Sets the colour of a property; nothing without metadata or without an entry.
  void NastavBarvuProperty(std::string_view name, uint32_t colour);
  // Mark count of a property; 0 when absent.
  int32_t PocetZnacekProperty(std::string_view name);
  void NastavPocetZnacekProperty(std::string_view name, int32_t count);

  // The nearest holder of the class above the element: the own owners first, in order; then
  // each forest-element owner's VlastnikTridy, in order. Nil when none.
  framework::TElement* VlastnikTridy(const framework::TClassInfo& c);
  template <class T>
  T* VlastnikTridy() {
    return static_cast<T*>(VlastnikTridy(T::StaticClass()));
  }

  // Sum of a numeric property over the element and everything below it, rounded half to even.
  int64_t SoucetPropertyVeStromu(const std::string& name);

  // Fills properties from the name=value items of a list: the property item name + "_XML"
  // first, else the property of the item's name; items matching neither are skipped. A write
  // that fails is reported and the next item follows.
  void NactiZeSeznamu(framework::TStringListElement& list);
  // One item of such a list written into `prop`, a property of this element's class; a write
  // that fails is reported as NactiZeSeznamu reports it.
  void NactiPolozku(const framework::TPropInfo& prop, const std::string& value);

  // Sets: makes the first element current; then the same for every forest element below.
  virtual void NastavAktualniNaPrvni();

 protected:
  // Kinds of owner lookup, guarded separately against re-entry.
  enum LookupKind : uint16_t {
    kLookupCiselnik = 1,
    kLookupCiselKelva = 2,
    kLookupLHC = 4,
    kLookupSeznam = 8,
    kLookupTypZdroje = 16,
    kLookupVlastnik = 32,
    kLookupSmazany = 64,
    kLookupEditovan = 128,
    kLookupPrvni = 256,
  };
  class LookupGuard {
   public:
    LookupGuard(TObecnyLesniPrvek& element, LookupKind kind);
    ~LookupGuard();
    LookupGuard(const LookupGuard&) = delete;
    LookupGuard& operator=(const LookupGuard&) = delete;
    // False when the element is already inside a lookup of this kind.
    bool Entered() const { return entered_; }

   private:
    TObecnyLesniPrvek& element_;
    LookupKind kind_;
    bool entered_;
  };

  // The forest elements among the owners, in owner order.
  std::vector<TObecnyLesniPrvek*> ForestOwners() const;
  // The forest elements among the children, in order.
  std::vector<TObecnyLesniPrvek*> ForestChildren() const;

 private:
  friend class LookupGuard;
  std::string puvodni_oznaceni_;
  int32_t rid_ = 0;
  int32_t vazba_ = 0;
  bool byl_editovan_ = false;
  uint8_t priznak_ = 1;
  uint8_t typ_zdroje_ = kSourceUnknown;
  uint16_t busy_lookups_ = 0;
  framework::TElementRef vlastnosti_;
};

}  // namespace tarnik::plan
