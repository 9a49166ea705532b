// The readers of the exchange files as elements of the model: TPrenasecZeStandarduData over a
// data file (the line decoder of fst_line_decoder.h) and TPrenasecZeStandarduCiselnik over a
// code-list file (Cis_051.FST ...), each publishing what it read. A file that cannot be opened
// gives a reader with no columns, PocetDatovychRadku -1 and Konec true; what a reader passes
// over is reported through the Ui with the severity "passed over". Nothing is thrown. The header
// carrier NosicHlavicka is created on first access as the reader's child and owned by it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/sources/exchange/fst_line_decoder.h"
#include "framework/entity.h"

namespace tarnik::framework {
class TStringListElement;
}

namespace tarnik::plan {

class TPrenasecZeStandarduData : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TPrenasecZeStandarduData)

  // Opens the file and reads its header; the label in messages is the file's name.
  void Open(const std::string& path);
  // Opens bytes held in memory (tests, fuzzing) under a label.
  void OpenBytes(std::string bytes, const std::string& label);

  FstLineDecoder& decoder() { return decoder_; }
  const FstLineDecoder& decoder() const { return decoder_; }

  std::string OddelovacPropert() const;
  std::string OddelovacMeziNasobnymiHodnotami() const;
  int32_t PocetHodnotHlavicky() const;
  int32_t PocetDatovychRadku() const { return decoder_.declared_lines(); }
  int32_t CisloNactenehoRadku() const { return decoder_.line_number(); }
  void SetCisloNactenehoRadku(int32_t n) { decoder_.set_line_number(n); }
  int64_t SeekRadku() const { return static_cast<int64_t>(decoder_.line_offset()); }
  const std::string& CtenyStr() const { return decoder_.last_text(); }
  bool cistJenPoODD() const { return only_to_odd_; }
  void SetcistJenPoODD(bool v) { only_to_odd_ = v; }
  bool konecJenDleRadku() const { return end_by_count_; }
  void SetkonecJenDleRadku(bool v);
  bool Konec() const { return decoder_.AtEnd(); }
  int32_t CisloOddeleni() const { return decoder_.Compartment(); }
  // The header items with the values of the line last read.
  framework::TStringListElement* NosicHlavicka();

  void NactiDalsiRadek() { decoder_.NextLine(only_to_odd_); }
  std::string PreskocZbytekRadku() { return decoder_.SkipRestOfLine(); }
  const std::string& HodnotaZnamehoSloupce(int number) const { return decoder_.Known(number); }
  void NastavNaPozici(int64_t offset) { decoder_.Seek(offset < 0 ? 0 : uint64_t(offset)); }

 private:
  static void DefineProperties(std::vector<framework::TPropInfo>& out);

  FstLineDecoder decoder_;
  bool only_to_odd_ = false;
  bool end_by_count_ = false;
  framework::TElementRef carrier_;
};

class TPrenasecZeStandarduCiselnik : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TPrenasecZeStandarduCiselnik)

  // Reads the whole file and its header; a file that cannot be opened (or has no first line)
  // leaves PocetDatovychRadku -1.
  void Open(const std::string& path);
  void OpenBytes(std::string bytes, const std::string& label);

  const std::string& JmenoCiselniku() const { return name_; }
  std::string OddelovacPropert() const { return separator_ ? std::string(1, separator_) : ""; }
  int32_t PocetHodnotHlavicky() const { return static_cast<int32_t>(columns_.size()); }
  int32_t PocetDatovychRadku() const { return declared_lines_; }
  int32_t CisloNactenehoRadku() const { return line_number_; }
  void SetCisloNactenehoRadku(int32_t n) { line_number_ = n; }
  const std::string& CtenyStr() const { return last_text_; }
  std::string CtenyChar() const { return last_char_ < 0 ? "" : std::string(1, char(last_char_)); }
  // More lines read than declared, or the bytes exhausted.
  bool Konec() const { return line_number_ > declared_lines_ || exhausted_; }
  const std::vector<std::string>& columns() const { return columns_; }
  const std::vector<std::string>& values() const { return values_; }
  framework::TStringListElement* NosicHlavicka();

  // Reads the next data line; a line with too few or too many values is reported ("Chybná délka
  // řádku "<value>"") and reading goes on with the next one.
  void NactiDalsiRadek();

 private:
  static void DefineProperties(std::vector<framework::TPropInfo>& out);
  int Next();
  std::string Line(bool& complete);

  std::string bytes_, label_;
  size_t position_ = 0;
  std::string name_;
  char separator_ = '\0';
  std::vector<std::string> columns_, values_;
  int32_t declared_lines_ = -1;
  int32_t line_number_ = 0;
  bool exhausted_ = true;
  int last_char_ = -1;
  std::string last_text_;
  framework::TElementRef carrier_;
};

// Registers the reader classes with the class register; further calls do nothing.
void RegisterExchangeReaderClasses();

}  // namespace tarnik::plan
