#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/class_register.h"
#include "framework/entity.h"
#include "framework/framework_classes.h"
#include "framework/property_text.h"
#include "platform/numtext.h"
#include "platform/recording_ui.h"

namespace tarnik::framework {
namespace {

enum class Colour { kRed, kGreen, kBlue };

class TSample : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TSample)
  int32_t count = 0;
  double area = 0;
  std::string text;
  Colour colour = Colour::kRed;
  bool flag = false;
  TElementRef link;
  int32_t ro = 42;
  unsigned char ch = 'a';
  int32_t mask = 0;
  bool throw_on_write = false;
};

void DefineSample(std::vector<TPropInfo>& out) {
  TPropDefs<TSample> d(out);
  d.Integer(
      "Count", [](TSample& s) { return s.count; },
      [](TSample& s, int32_t v) {
        if (s.throw_on_write) throw std::runtime_error("no");
        s.count = v;
      });
  d.Float(
      "Area", [](TSample& s) { return s.area; }, [](TSample& s, double v) { s.area = v; });
  d.String(
      "Text", [](TSample& s) { return s.text; },
      [](TSample& s, const std::string& v) { s.text = v; });
  d.Enum<Colour>(
      "Colour", "TColour", {"clRed", "clGreen", "clBlue"},
      [](TSample& s) { return static_cast<int>(s.colour); },
      [](TSample& s, Colour c) { s.colour = c; });
  d.Boolean(
      "Flag", [](TSample& s) { return s.flag; }, [](TSample& s, bool v) { s.flag = v; });
  d.Object(
      "Link", TEntity::StaticClass(), [](TSample& s) { return s.link.Get(); },
      [](TSample& s, TElement* e) { s.link = e; });
  d.Object(
      "Self", &TSample::StaticClass, "TSample", [](TSample& s) { return s.link.Get(); },
      [](TSample& s, TElement* e) { s.link = e; });
  d.Integer(
      "ReadOnly", [](TSample& s) { return s.ro; }, nullptr);
  d.Char(
      "Letter", [](TSample& s) { return s.ch; }, [](TSample& s, unsigned char c) { s.ch = c; });
  d.Set(
      "Mask", "TMask", [](TSample& s) { return s.mask; },
      [](TSample& s, int32_t m) { s.mask = m; });
  d.Integer(
      "Broken", [](TSample&) -> int32_t { throw std::runtime_error("x"); }, nullptr);
  d.String(
      "BrokenText", [](TSample&) -> std::string { throw std::runtime_error("x"); }, nullptr);
  // Reads itself through the text interface, as getters that call each other by name can.
  d.Integer(
      "Circular", [](TSample& s) { return s.GetPropertyInteger("Circular") + 1; }, nullptr);
  // Reads the same property of the linked sample, plus one: a chain as long as the links.
  d.Integer(
      "Chain",
      [](TSample& s) {
        TElement* next = s.link.Get();
        return next ? next->GetPropertyInteger("Chain") + 1 : 0;
      },
      nullptr);
}

TARNIK_DEFINE_CLASS(TSample, TOwnerEntity, DefineSample)

class PropertyTextTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterFrameworkClasses(); }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  TSample s_;
};

TEST_F(PropertyTextTest, FloatsAcceptEitherSeparatorAndReadWithTheUsersOne) {
  s_.SetPropertyText("area", "1,5");
  EXPECT_DOUBLE_EQ(s_.area, 1.5);
  s_.SetPropertyText("AREA", "1.5");
  EXPECT_DOUBLE_EQ(s_.area, 1.5);
  EXPECT_EQ(s_.GetPropertyText("Area"), "1,5");
  s_.SetPropertyText("Area", "");
  EXPECT_EQ(s_.area, 0);
  s_.SetPropertyText("Area", "abc");
  EXPECT_EQ(s_.area, 0);
  platform::SetDecimalSeparator('.');
  s_.SetPropertyText("Area", "2,25");
  EXPECT_DOUBLE_EQ(s_.area, 2.25);
  EXPECT_EQ(s_.GetPropertyText("Area"), "2.25");
  platform::SetDecimalSeparator(',');
}

TEST_F(PropertyTextTest, IntegersAndReadOnlyProperties) {
  s_.SetPropertyText("Count", "17");
  EXPECT_EQ(s_.count, 17);
  s_.SetPropertyText("Count", "xyz");
  EXPECT_EQ(s_.count, 0);
  s_.SetPropertyText("Count", "$1F");
  EXPECT_EQ(s_.count, 31);
  s_.SetPropertyText("Count", "99999999999");  // overflow is not an integer
  EXPECT_EQ(s_.count, 0);
  s_.SetPropertyText("ReadOnly", "5");
  EXPECT_EQ(s_.ro, 42);
  EXPECT_TRUE(ui_.Messages().empty());
  s_.text = "12ab";
  EXPECT_EQ(s_.GetPropertyInteger("Text"), 12);
  s_.text = "abc";
  EXPECT_EQ(s_.GetPropertyInteger("Text"), 0);
  s_.SetPropertyInteger("Count", -4);
  EXPECT_EQ(s_.GetPropertyText("count"), "-4");
  EXPECT_EQ(s_.GetPropertyText("Nothing"), "");
  s_.SetPropertyText("Nothing", "1");  // ignored
  EXPECT_FALSE(s_.HasProperty("Nothing"));
  EXPECT_TRUE(s_.HasProperty("readonly"));
}

TEST_F(PropertyTextTest, EnumerationsBooleansSetsAndChars) {
  s_.SetPropertyText("Colour", "CLBLUE");
  EXPECT_EQ(s_.colour, Colour::kBlue);
  EXPECT_EQ(s_.GetPropertyText("Colour"), "clBlue");
  s_.SetPropertyText("Colour", "1");
  EXPECT_EQ(s_.colour, Colour::kGreen);
  s_.SetPropertyText("Colour", "purple");  // unknown identifiers leave the value
  s_.SetPropertyText("Colour", "7");
  EXPECT_EQ(s_.colour, Colour::kGreen);
  s_.SetPropertyBoolean("Flag", true);
  EXPECT_TRUE(s_.flag);
  EXPECT_EQ(s_.GetPropertyText("Flag"), "True");
  EXPECT_TRUE(s_.GetPropertyBoolean("flag"));
  s_.SetPropertyText("Flag", "false");
  EXPECT_FALSE(s_.flag);
  s_.SetPropertyText("Mask", "5");
  EXPECT_EQ(s_.GetPropertyText("Mask"), "5");
  s_.SetPropertyText("Letter", "b");  // chars are not written from text
  EXPECT_EQ(s_.ch, 'a');
  s_.ch = 0xE8;  // č in Windows-1250
  EXPECT_EQ(s_.GetPropertyText("Letter"), "č");
}

TEST_F(PropertyTextTest, ObjectPropertiesTravelAsHandles) {
  auto* target = new TOwnerEntity();
  std::string handle = std::to_string(target->Handle());
  s_.SetPropertyText("Link", handle);
  EXPECT_EQ(s_.link.Get(), target);
  EXPECT_EQ(s_.GetPropertyText("Link"), handle);
  EXPECT_EQ(GetPropertyObject(&s_, "link"), target);
  delete target;
  EXPECT_EQ(s_.GetPropertyText("Link"), "0");
  auto* other = new TOwnerEntity();
  s_.SetPropertyText("Link", std::to_string(other->Handle()));
  s_.SetPropertyText("Link", handle);  // a dead handle leaves the property as it is
  EXPECT_EQ(s_.link.Get(), other);
  TElement plain;
  s_.SetPropertyText("Link", std::to_string(plain.Handle()));  // not an entity
  EXPECT_EQ(s_.link.Get(), other);
  s_.SetPropertyText("Link", "0");
  EXPECT_EQ(s_.link.Get(), nullptr);
  // A property typed with its own class takes only elements of that class.
  TSample other_sample;
  s_.SetPropertyText("Self", std::to_string(other->Handle()));
  EXPECT_EQ(s_.link.Get(), nullptr);
  s_.SetPropertyText("Self", std::to_string(other_sample.Handle()));
  EXPECT_EQ(s_.link.Get(), &other_sample);
  EXPECT_EQ(TSample::StaticClass().Find("Self")->RefClass(), &TSample::StaticClass());
  s_.link = nullptr;
  EXPECT_TRUE(SetPropertyObject(&s_, "Link", other));
  EXPECT_FALSE(SetPropertyObject(&s_, "Count", other));
  delete other;
}

TEST_F(PropertyTextTest, FailuresReadAsErrorTextsAndWritesReport) {
  EXPECT_EQ(s_.GetPropertyText("Broken"), "Err Ord Value");
  EXPECT_EQ(s_.GetPropertyText("BrokenText"), "Err Value");
  s_.count = 3;
  s_.throw_on_write = true;
  s_.SetPropertyText("Count", "8");
  EXPECT_EQ(s_.count, 3);
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0], "Error filling property Count by string 8");
}

TEST_F(PropertyTextTest, ReadsThatComeBackOrNestTooDeepFailWithOneMessage) {
  s_.SetName("S");
  // The inner read fails, the outer one goes on with what it got ("Err Ord Value" reads as 0).
  EXPECT_EQ(s_.GetPropertyText("Circular"), "1");
  EXPECT_EQ(ui_.MessagesOf(platform::Severity::kPassedOver),
            std::vector<std::string>{"Vlastnost \"Circular\" prvku \"S\" (TSample) se čte sama "
                                     "ze sebe; čtení bylo přerušeno."});
  ui_.Clear();

  // A chain of distinct elements reads up to the nesting limit.
  std::vector<std::unique_ptr<TSample>> chain;
  for (int i = 0; i < kMaxPropertyNesting + 10; ++i) {
    chain.push_back(std::make_unique<TSample>());
    chain.back()->SetName("C" + std::to_string(i));
    if (i > 0) chain[static_cast<size_t>(i) - 1]->link = chain.back().get();
  }
  EXPECT_EQ(chain[10]->GetPropertyText("Chain"), std::to_string(kMaxPropertyNesting + 9 - 10));
  EXPECT_TRUE(ui_.Messages().empty());
  // From the start the limit is reached: the innermost allowed read answers the failure text,
  // every read around it adds its one.
  EXPECT_EQ(chain[0]->GetPropertyText("Chain"), std::to_string(kMaxPropertyNesting));
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_NE(ui_.Messages()[0].find("\"Chain\" prvku \"C128\""), std::string::npos);
  EXPECT_NE(ui_.Messages()[0].find("hlouběji než 128 úrovní"), std::string::npos);
  // The limit is a count of reads under way, not of reads done.
  ui_.Clear();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(chain[100]->GetPropertyText("Chain"), "37");
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(PropertyTextTest, TablesListInheritedPropertiesFirst) {
  const TClassInfo& c = TSample::StaticClass();
  EXPECT_EQ(PropertyNameAt(c, 0), "ID");
  EXPECT_EQ(PropertyNameAt(c, 1), "Name");
  EXPECT_EQ(c.IndexOf("count"), c.IndexOf("COUNT"));
  EXPECT_GT(c.IndexOf("Area"), c.IndexOf("LastIndex"));
  EXPECT_EQ(c.IndexOf("Count"), TEntity::StaticClass().IndexOf("Count"));  // redeclared in place
  EXPECT_EQ(PropertyKindAt(c, c.IndexOf("Link")), TTypeKind::tkClass);
  EXPECT_EQ(PropertyKindAt(c, 999), TTypeKind::tkUnknown);
  EXPECT_FALSE(c.Properties()[c.IndexOf("ReadOnly")].DeclaredStored());
  EXPECT_FALSE(c.Properties()[c.IndexOf("ID")].DeclaredStored());
  s_.SetName("");
  EXPECT_FALSE(c.Find("Name")->IsStoredFor(s_));
}

TEST_F(PropertyTextTest, CloneCopiesStoredPropertiesButNoChildren) {
  s_.SetName("Vzor");
  s_.count = 5;
  s_.text = "t";
  auto* target = new TOwnerEntity();
  s_.link = target;
  s_.AddElement(new TOwnerEntity());
  TElement* copy = CloneElement(s_);
  auto* clone = dynamic_cast<TSample*>(copy);
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(clone->GetName(), "Vzor");
  EXPECT_EQ(clone->count, 5);
  EXPECT_EQ(clone->text, "t");
  EXPECT_EQ(clone->link.Get(), target);
  EXPECT_EQ(clone->GetCount(), 0);
  EXPECT_EQ(clone->ID(), -1);
  delete copy;
  delete target;
}

}  // namespace
}  // namespace tarnik::framework
