#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "framework/class_register.h"
#include "framework/entity.h"
#include "framework/errors.h"
#include "framework/framework_classes.h"
#include "framework/property_text.h"
#include "framework/values/integer_list.h"
#include "framework/values/string_element.h"
#include "framework/values/typed_values.h"
#include "framework/values/value_text.h"
#include "platform/numtext.h"
#include "platform/recording_ui.h"

namespace tarnik::framework {
namespace {

class TypedValuesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFrameworkClasses();
    platform::SetDecimalSeparator(',');
  }
  void TearDown() override { platform::SetDecimalSeparator(','); }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
};

TEST_F(TypedValuesTest, BaseTypeElementIgnoresSettersAndReadsEmpty) {
  TTypeElement e;
  e.SetAsInteger(5);
  e.SetAsString("x");
  e.SetAsBoolean(true);
  EXPECT_EQ(e.GetTyp(), TType::_Other);
  EXPECT_EQ(e.GetAsInteger(), 0);
  EXPECT_EQ(e.GetAsString(), "");
  EXPECT_FALSE(e.GetAsBoolean());
  EXPECT_EQ(e.GetAsPointer(), 0);
  EXPECT_EQ(e.Clone(), nullptr);
  EXPECT_EQ(e.GetPropertyText("Typ"), "_Other");
  EXPECT_EQ(e.GetPropertyText("TypeAsString"), "");
  e.SetName("abcč");
  EXPECT_EQ(e.GetUpperName(), "ABCč");  // ASCII upper-casing only
}

TEST_F(TypedValuesTest, BooleanRecognisesOnlyLowerCaseWords) {
  TBooleanElement b;
  b.SetAsString("TRUE");
  EXPECT_FALSE(b.GetAsBoolean());
  b.SetAsString("true");
  EXPECT_TRUE(b.GetAsBoolean());
  b.SetAsString("yes");
  EXPECT_TRUE(b.GetAsBoolean());
  b.SetAsString("false");
  EXPECT_FALSE(b.GetAsBoolean());
  b.SetAsByte(7);
  EXPECT_TRUE(b.GetAsBoolean());
  EXPECT_EQ(b.GetAsByte(), 1);
  EXPECT_EQ(b.GetAsString(), "true");
  b.SetAsInteger(0);  // not a setter of the boolean
  EXPECT_TRUE(b.GetAsBoolean());
  EXPECT_EQ(b.GetAsInteger(), 0);
  EXPECT_EQ(b.GetPropertyText("Value"), "True");
  EXPECT_EQ(b.GetPropertyText("Typ"), "_Boolean");
}

TEST_F(TypedValuesTest, CharTakesCodesOnlyInsideTheByteRange) {
  TCharElement c('a');
  c.SetAsInteger(0);
  EXPECT_EQ(c.GetAsChar(), 'a');
  c.SetAsInteger(256);
  EXPECT_EQ(c.GetAsChar(), 'a');
  c.SetAsInteger(-1);
  EXPECT_EQ(c.GetAsChar(), 'a');
  c.SetAsInteger(255);
  EXPECT_EQ(c.GetAsInteger(), 255);
  c.SetAsString("");
  EXPECT_EQ(c.GetAsInteger(), 255);
  c.SetAsString("čáp");  // first character, stored as its Windows-1250 byte
  EXPECT_EQ(c.GetAsByte(), 0xE8);
  EXPECT_EQ(c.GetAsString(), "č");
  c.SetAsString("€x");  // the code page has the euro sign at 0x80
  EXPECT_EQ(c.GetAsByte(), 0x80);
  c.SetAsString("\xE4\xB8\xAD");  // a character outside the code page changes nothing
  EXPECT_EQ(c.GetAsByte(), 0x80);
  c.SetAsByte('Z');
  EXPECT_EQ(c.GetAsString(), "Z");
  EXPECT_EQ(c.GetPropertyText("Value"), "Z");
}

TEST_F(TypedValuesTest, ByteKeepsTheLowBitsOfWiderValues) {
  TByteElement b;
  b.SetAsInteger(300);
  EXPECT_EQ(b.GetAsByte(), 44);
  b.SetAsFloat(2.9);
  EXPECT_EQ(b.GetAsByte(), 2);
  b.SetAsFloat(-1.5);  // -1 truncated, low bits 255
  EXPECT_EQ(b.GetAsByte(), 255);
  b.SetAsFloat(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(b.GetAsByte(), 255);
  b.SetAsFloat(1e300);  // overflow: unchanged
  EXPECT_EQ(b.GetAsByte(), 255);
  b.SetAsString("258");
  EXPECT_EQ(b.GetAsByte(), 2);
  b.SetAsString("12ab");
  EXPECT_EQ(b.GetAsByte(), 2);
  b.SetAsString("$1F");
  EXPECT_EQ(b.GetAsByte(), 31);
  b.SetAsBoolean(true);
  EXPECT_EQ(b.GetAsInteger(), 1);
  b.SetAsChar('A');
  EXPECT_EQ(b.GetAsString(), "65");
  EXPECT_EQ(b.GetAsFloat(), 65.0);
  EXPECT_TRUE(b.GetAsBoolean());
  EXPECT_EQ(b.GetAsChar(), 'A');
  b.SetPropertyText("AsByte", "300");
  EXPECT_EQ(b.GetAsByte(), 44);
}

TEST_F(TypedValuesTest, FloatParsesOnlyThePointAndWritesTheScientificForm) {
  TFloatElement f(7);
  f.SetAsString("1,5");
  EXPECT_EQ(f.GetAsFloat(), 7.0);
  f.SetAsString("1.5x");
  EXPECT_EQ(f.GetAsFloat(), 7.0);
  f.SetAsString("1.5");
  EXPECT_EQ(f.GetAsFloat(), 1.5);
  EXPECT_EQ(f.GetAsString(), " 1.50000000000000E+0000");
  f.SetAsString("-2.5e-3");
  EXPECT_EQ(f.GetAsFloat(), -0.0025);
  EXPECT_EQ(f.GetAsString(), "-2.50000000000000E-0003");
  // The scientific text reads back.
  f.SetAsFloat(123456.789);
  TFloatElement g;
  g.SetAsString(f.GetAsString());
  EXPECT_DOUBLE_EQ(g.GetAsFloat(), 123456.789);
  f.SetAsFloat(-7.9);
  EXPECT_EQ(f.GetAsInteger(), -7);
  f.SetAsFloat(3e10);
  EXPECT_EQ(f.GetAsInteger(), 0);  // overflow reads as 0
  f.SetAsInteger(4);
  EXPECT_EQ(f.GetAsFloat(), 4.0);
  EXPECT_FALSE(f.GetAsBoolean());
  EXPECT_EQ(f.GetAsByte(), 0);
  // Through the property text interface: the published Value takes either separator.
  f.SetPropertyText("Value", "1,25");
  EXPECT_EQ(f.GetAsFloat(), 1.25);
  f.SetPropertyText("AsString", "9,5");
  EXPECT_EQ(f.GetAsFloat(), 1.25);
}

TEST_F(TypedValuesTest, ScientificFormHasFixedWidth) {
  EXPECT_EQ(FloatToScientific(0), " 0.00000000000000E+0000");
  EXPECT_EQ(FloatToScientific(1e300), " 1.00000000000000E+0300");
  EXPECT_EQ(FloatToScientific(9.999999999999999), " 1.00000000000000E+0001");
  EXPECT_EQ(FloatToScientific(-1e-300).size(), 23u);
  EXPECT_EQ(FloatToScientific(4.9e-324), " 4.94065645841247E-0324");
}

TEST_F(TypedValuesTest, StringConversions) {
  TStringElement s("ano");
  EXPECT_TRUE(s.GetAsBoolean());
  s.SetAsString("TrUe");
  EXPECT_TRUE(s.GetAsBoolean());
  for (const char* no : {"0,0", "0.0", "", "ne", "false"}) {
    s.SetAsString(no);
    EXPECT_FALSE(s.GetAsBoolean()) << no;
  }
  s.SetAsString("1e3");
  EXPECT_TRUE(s.GetAsBoolean());
  EXPECT_EQ(s.GetAsFloat(), 1000.0);
  EXPECT_EQ(s.GetAsInteger(), 0);  // not wholly an integer
  s.SetAsString(" 12 ");
  EXPECT_EQ(s.GetAsInteger(), 12);
  s.SetAsString("12ab");
  EXPECT_EQ(s.GetAsInteger(), 0);
  s.SetAsString("1.5");
  EXPECT_EQ(s.GetAsFloat(), 1.5);
  s.SetAsString("x");
  EXPECT_EQ(s.GetAsFloat(), 0.0);
  s.SetAsFloat(2.5);
  EXPECT_EQ(s.GetAsString(), "2,5");
  s.SetAsInteger(-3);
  EXPECT_EQ(s.GetAsString(), "-3");
  s.SetAsBoolean(false);
  EXPECT_EQ(s.GetAsString(), "FALSE");
  s.SetPropertyText("Text", "abc");
  EXPECT_EQ(s.GetPropertyText("Value"), "abc");
  EXPECT_EQ(s.GetPropertyText("TypeAsString"), "string");
}

TEST_F(TypedValuesTest, IntegerAndPointerReadTextDifferently) {
  TIntegerElement i(5);
  i.SetAsString("12ab");
  EXPECT_EQ(i.GetAsInteger(), 5);
  i.SetAsString(" -0x10");
  EXPECT_EQ(i.GetAsInteger(), -16);
  i.SetAsString("99999999999");
  EXPECT_EQ(i.GetAsInteger(), -16);
  i.SetAsFloat(-2.7);
  EXPECT_EQ(i.GetAsInteger(), -2);
  i.SetAsFloat(1e12);
  EXPECT_EQ(i.GetAsInteger(), -2);
  i.SetAsInteger(300);
  EXPECT_EQ(i.GetAsByte(), 44);
  EXPECT_TRUE(i.GetAsBoolean());
  EXPECT_EQ(i.GetAsPointer(), 300);
  EXPECT_EQ(i.GetAsChar(), 0);

  TPointerElement p;
  p.SetAsString("12ab");
  EXPECT_EQ(p.GetAsPointer(), 12);
  EXPECT_EQ(p.GetAsString(), "12");
  auto* target = new TOwnerEntity();
  p.SetTarget(target);
  EXPECT_EQ(p.Target(), target);
  EXPECT_EQ(p.GetPropertyInteger("Value"), target->Handle());
  delete target;
  EXPECT_EQ(p.Target(), nullptr);  // the handle of a dead element reads as nil
}

TEST_F(TypedValuesTest, CloneCopiesClassNameAndValue) {
  std::vector<std::unique_ptr<TTypeElement>> originals;
  originals.emplace_back(new TBooleanElement(true));
  originals.emplace_back(new TCharElement('q'));
  originals.emplace_back(new TByteElement(200));
  originals.emplace_back(new TFloatElement(0.1));
  originals.emplace_back(new TStringElement("n", "v"));
  originals.emplace_back(new TPathElement("p", "/tmp/x"));
  originals.emplace_back(new TIntegerElement(-9));
  originals.emplace_back(new TPointerElement(77));
  TOwnerEntity holder;
  for (auto& o : originals) {
    o->SetName("jméno");
    holder.AddElement(o.get());
    std::unique_ptr<TTypeElement> copy(o->Clone());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(&copy->ClassType(), &o->ClassType());
    EXPECT_EQ(copy->GetName(), "jméno");
    EXPECT_EQ(copy->GetAsString(), o->GetAsString());
    EXPECT_EQ(copy->GetAsFloat(), o->GetAsFloat());
    EXPECT_EQ(copy->GetOwnersCount(), 0);
  }
  holder.Detach();
}

// CloneElement (and the model stream) copy every stored property raw in table order; the
// conversion views come before Value, so the value must survive them unchanged.
TEST_F(TypedValuesTest, RawCopyKeepsNameAndValue) {
  std::vector<std::unique_ptr<TTypeElement>> originals;
  originals.emplace_back(new TStringElement("jméno", ""));
  originals.emplace_back(new TStringElement("n", "  mezery = a  "));
  originals.emplace_back(new TPathElement("PATH", "C:\\data"));
  originals.emplace_back(new TFloatElement(0.1 + 0.2));
  originals.emplace_back(new TByteElement(0));
  originals.emplace_back(new TBooleanElement(false));
  originals.emplace_back(new TIntegerElement(-5));
  originals.emplace_back(new TCharElement(0));
  for (auto& o : originals) {
    std::unique_ptr<TElement> copy(CloneElement(*o));
    auto* value = dynamic_cast<TTypeElement*>(copy.get());
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->GetName(), o->GetName());
    EXPECT_EQ(value->GetAsString(), o->GetAsString()) << o->ClassName();
    EXPECT_EQ(value->GetAsFloat(), o->GetAsFloat()) << o->ClassName();
  }
}

TEST_F(TypedValuesTest, NameIsValueSplitsAtTheFirstEquals) {
  TStringElement s("old", "v");
  s.SetNameIsValue("  a = b=c ");
  EXPECT_EQ(s.GetName(), "a");
  EXPECT_EQ(s.GetAsString(), "b=c");
  s.SetNameIsValue("abc");
  EXPECT_EQ(s.GetName(), "a");
  EXPECT_EQ(s.GetAsString(), "abc");
  s.SetNameIsValue("x = ");
  EXPECT_EQ(s.GetName(), "a");
  EXPECT_EQ(s.GetAsString(), "x");
  s.SetNameIsValue(" = y");
  EXPECT_EQ(s.GetName(), "a");
  EXPECT_EQ(s.GetAsString(), "x");
  EXPECT_EQ(s.GetPropertyText("NameIsValue"), "a=x");
  TStringElement parsed(kNameIsValue, "k=v");
  EXPECT_EQ(parsed.GetName(), "k");
  EXPECT_EQ(parsed.GetAsString(), "v");
}

TEST_F(TypedValuesTest, AsIntegerListReadsSignedRunsUntilABadOne) {
  auto values = [](const std::string& text) {
    std::vector<int32_t> out;
    std::unique_ptr<TIntegerListElement> list(TStringElement(text).AsIntegerList());
    if (list) {
      for (int i = 0; i < list->GetCount(); ++i) out.push_back(list->ValueAt(i));
    }
    return out;
  };
  EXPECT_EQ(values("110,120"), (std::vector<int32_t>{110, 120}));
  EXPECT_EQ(values("a12;b-3 +4"), (std::vector<int32_t>{12, -3, 4}));
  EXPECT_EQ(values("1 +-2 3"), (std::vector<int32_t>{1}));
  EXPECT_EQ(values("7 - 8"), (std::vector<int32_t>{7}));
  EXPECT_EQ(values("5 99999999999 6"), (std::vector<int32_t>{5}));
  EXPECT_EQ(TStringElement("abc").AsIntegerList(), nullptr);
  EXPECT_EQ(TStringElement("").AsIntegerList(), nullptr);
}

TEST_F(TypedValuesTest, IntegerListSortedInsertion) {
  TIntegerListElement list;
  list.AddValuesFromText("3, x,1,3,,-2");
  ASSERT_EQ(list.GetCount(), 4);
  EXPECT_EQ(list.ValueAt(1), 1);
  EXPECT_EQ(list.ValueAt(2), 3);

  TIntegerListElement sorted;
  sorted.SetSorted(true);
  sorted.AddValuesFromText("5,1,3,5,1,9");
  std::vector<int32_t> got;
  for (int i = 0; i < sorted.GetCount(); ++i) got.push_back(sorted.ValueAt(i));
  EXPECT_EQ(got, (std::vector<int32_t>{1, 3, 5, 9}));
  sorted.SetDuplicates(true);
  sorted.AddValue(3);
  sorted.AddValue(0);
  got.clear();
  for (int i = 0; i < sorted.GetCount(); ++i) got.push_back(sorted.ValueAt(i));
  EXPECT_EQ(got, (std::vector<int32_t>{0, 1, 3, 3, 5, 9}));
  EXPECT_THROW(sorted.ValueAt(6), EListError);
}

TEST_F(TypedValuesTest, TypedClassesAreCreatedByName) {
  for (const char* name : {"TTypeElement", "BooleanElement", "TCharElement", "TByteElement",
                           "TFloatElement", "StringElement", "TPathElement", "TIntegerElement",
                           "TPointerElement", "TIntegerListElement", "TStringListElement",
                           "PropertyList", "TDynamicProperties", "TElementIndex"}) {
    std::unique_ptr<TElement> e(CreateElementByClassName(name));
    ASSERT_NE(e, nullptr) << name;
  }
  EXPECT_TRUE(ui_.Messages().empty());
  std::unique_ptr<TElement> f(CreateElementByClassName("FloatElement"));
  ASSERT_NE(f, nullptr);
  f->SetPropertyText("AsString", "2.5");
  EXPECT_EQ(f->GetPropertyText("Value"), "2,5");
}

}  // namespace
}  // namespace tarnik::framework
