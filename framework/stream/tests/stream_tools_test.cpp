#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/stream/stream_tools.h"
#include "framework/stream/value_io.h"
#include "testing/test_env.h"
#include "testing/tool_fixture.h"

namespace tarnik::framework {
namespace {

using stream::ValueWriter;

class TStreamSample : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TStreamSample)
  int32_t count = 0;
  double area = 0;
  std::string text;
  unsigned char letter = 'a';
  bool flag = false;
  TElementRef link;   // not owned
  TElementRef owned;  // owned: added as a child
  void SetOwned(TElement* e) {
    if (e && e != this) AddElement(e);
    owned = e;
  }
};
void DefineStreamSample(std::vector<TPropInfo>& out) {
  TPropDefs<TStreamSample> d(out);
  d.Integer(
      "Count", [](TStreamSample& s) { return s.count; },
      [](TStreamSample& s, int32_t v) {
        if (v == 666) throw std::runtime_error("no");
        s.count = v;
      });
  d.Float(
      "Area", [](TStreamSample& s) { return s.area; },
      [](TStreamSample& s, double v) { s.area = v; });
  d.String(
      "Text", [](TStreamSample& s) { return s.text; },
      [](TStreamSample& s, const std::string& v) { s.text = v; });
  d.Char(
      "Letter", [](TStreamSample& s) { return s.letter; },
      [](TStreamSample& s, unsigned char c) { s.letter = c; });
  d.Boolean(
      "Flag", [](TStreamSample& s) { return s.flag; },
      [](TStreamSample& s, bool v) { s.flag = v; });
  d.Object(
      "Link", TElement::StaticClass(), [](TStreamSample& s) { return s.link.Get(); },
      [](TStreamSample& s, TElement* e) { s.link = e; });
  d.Object(
      "Owned", TElement::StaticClass(), [](TStreamSample& s) { return s.owned.Get(); },
      &TStreamSample::SetOwned);
}
TARNIK_DEFINE_CLASS(TStreamSample, TOwnerEntity, DefineStreamSample)

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

class StreamToolsTest : public testing::ToolTest {
 protected:
  StreamToolsTest() { RegisterElementClass<TStreamSample>(); }

  std::string Save(TElement* input) {
    TKelvaSaver saver;
    saver.SetInput(input);
    saver.Execute();
    return saver.Bytes();
  }
  std::unique_ptr<TElement> Load(const std::string& bytes) {
    TKelvaLoader loader;
    loader.LoadBytes(bytes, "test.klv");
    return std::unique_ptr<TElement>(loader.Output());
  }
  // The start of a file with one class definition of `class_name` and the given properties.
  static ValueWriter Header() {
    ValueWriter w;
    w.WriteRaw("KLV0");
    w.WriteString("Tarnik");
    w.WriteString("2000.01 ");
    w.WriteString("No comment");
    w.WriteListBegin();
    return w;
  }
  static void ClassDef(ValueWriter& w, const std::string& name, int number,
                       std::vector<std::pair<std::string, int>> props) {
    w.WriteInteger(-1);
    w.WriteString(name);
    w.WriteInteger(number);
    w.WriteListBegin();
    for (const auto& [p, k] : props) {
      w.WriteString(p);
      w.WriteInteger(k);
    }
    w.WriteListEnd();
  }
  // An element record with a Name (property 0) and children.
  static void Element(ValueWriter& w, int class_number, int number, const std::string& name,
                      std::vector<int> children = {}) {
    w.WriteInteger(class_number);
    w.WriteInteger(number);
    w.WriteListBegin();
    if (!name.empty()) {
      w.WriteInteger(0);
      w.WriteString(name);
    }
    w.WriteListEnd();
    if (children.empty()) {
      w.WriteInteger(0);
      return;
    }
    w.WriteInteger(1);
    w.WriteListBegin();
    for (int c : children) w.WriteInteger(c);
    w.WriteListEnd();
  }
};

TEST_F(StreamToolsTest, ByteLayoutOfAnUnnamedChildlessEntity) {
  TOwnerEntity entity;
  const std::string bytes = Save(&entity);
  const std::string start = "KLV0" + Bytes({6, 6}) + "Tarnik" + Bytes({6, 8}) + "2000.01 " +
                            Bytes({6, 10}) + "No comment" + Bytes({1, 2, 0xFF, 6, 12}) +
                            "TOwnerEntity" + Bytes({2, 0, 1});
  ASSERT_GE(bytes.size(), start.size());
  EXPECT_EQ(bytes.substr(0, start.size()), start);
  // class 0, element 0, no properties, no children, end of the body
  EXPECT_EQ(bytes.substr(bytes.size() - 10), Bytes({0, 2, 0, 2, 0, 1, 0, 2, 0, 0}));
  EXPECT_EQ(entity.ID(), 0);

  TKelvaSaver empty;
  empty.Execute();
  EXPECT_EQ(empty.Bytes(), Bytes({0}));
}

TEST_F(StreamToolsTest, SharedChildIsWrittenOnceAndHeldByBothAfterLoading) {
  TOwnerEntity root;
  root.SetName("Root");
  auto* a = root.FindOrCreate<TOwnerEntity>("A");
  auto* b = root.FindOrCreate<TOwnerEntity>("B");
  auto* s = a->FindOrCreate<TOwnerEntity>("S");
  b->AddElement(s);
  std::unique_ptr<TElement> loaded = Load(Save(&root));
  auto* r = dynamic_cast<TEntity*>(loaded.get());
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->GetName(), "Root");
  ASSERT_EQ(r->GetCount(), 2);
  auto* la = dynamic_cast<TEntity*>(r->GetElement(0));
  auto* lb = dynamic_cast<TEntity*>(r->GetElement(1));
  EXPECT_EQ(la->GetName(), "A");
  EXPECT_EQ(lb->GetName(), "B");
  ASSERT_EQ(la->GetCount(), 1);
  EXPECT_EQ(la->GetElement(0), lb->GetElement(0));
  EXPECT_EQ(la->GetElement(0)->GetName(), "S");
  EXPECT_EQ(la->GetElement(0)->GetOwnersCount(), 2);
  // Element numbers: children first.
  EXPECT_EQ(s->ID(), 0);
  EXPECT_EQ(root.ID(), 3);
}

TEST_F(StreamToolsTest, PropertiesRoundTripAndDefaultsAreNotWritten) {
  TOwnerEntity root;
  auto* sample = new TStreamSample();
  sample->SetName("Vzorek");
  sample->count = -70000;
  sample->area = 2.75;
  sample->text = std::string(300, 'x') + "ěščř";
  sample->letter = 'Z';
  sample->flag = true;
  auto* first = root.FindOrCreate<TOwnerEntity>("Prvni");
  root.AddElement(sample);
  sample->link = first;  // an element written earlier
  auto* outside = new TOwnerEntity();
  outside->SetName("Venku");
  sample->SetOwned(nullptr);
  TOwnerEntity keeper;
  keeper.AddElement(outside);
  sample->owned = outside;  // outside the tree: written inline
  const std::string bytes = Save(&root);
  EXPECT_NE(bytes.find(Bytes({12, 0x30, 0x01, 0, 0})), std::string::npos);  // 304 bytes
  EXPECT_EQ(outside->ID(), -1);

  std::unique_ptr<TElement> loaded = Load(bytes);
  auto* r = dynamic_cast<TEntity*>(loaded.get());
  auto* copy = dynamic_cast<TStreamSample*>(r->FindElementByName("Vzorek"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->count, -70000);
  EXPECT_DOUBLE_EQ(copy->area, 2.75);
  EXPECT_EQ(copy->text, sample->text);
  EXPECT_EQ(copy->letter, 'Z');
  EXPECT_TRUE(copy->flag);
  EXPECT_EQ(copy->link.Get(), r->FindElementByName("Prvni"));
  ASSERT_NE(copy->owned.Get(), nullptr);
  EXPECT_EQ(copy->owned.Get()->GetName(), "Venku");
  EXPECT_EQ(copy->owned.Get()->ID(), -1);

  // Zero, empty and false values are not written and read back as the defaults.
  TStreamSample blank;
  blank.letter = 'a';
  const std::string blank_bytes = Save(&blank);
  std::unique_ptr<TElement> blank_copy = Load(blank_bytes);
  auto* b = dynamic_cast<TStreamSample*>(blank_copy.get());
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->count, 0);
  EXPECT_EQ(b->text, "");
  // Only the character (index of Letter) is in the property list.
  const int letter = TStreamSample::StaticClass().IndexOf("Letter");
  EXPECT_NE(blank_bytes.find(Bytes({1, 2, letter, 6, 1, 'a', 0})), std::string::npos);
}

TEST_F(StreamToolsTest, LostUnknownAndMistypedPropertiesAreReportedAndSkipped) {
  ValueWriter w = Header();
  ClassDef(w, "TStreamSample", 0, {{"Name", 10}, {"Zmizela", 1}, {"Count", 5}, {"Text", 5}});
  ClassDef(w, "TNeznama", 1, {{"Name", 10}});
  w.WriteInteger(0);  // element 0: lost and mistyped values skipped, Text kept
  w.WriteInteger(0);
  w.WriteListBegin();
  w.WriteInteger(0);
  w.WriteString("Vzorek");
  w.WriteInteger(1);
  w.WriteInteger(5);
  w.WriteInteger(2);
  w.WriteString("12");
  w.WriteInteger(3);
  w.WriteString("text");
  w.WriteListEnd();
  w.WriteInteger(0);
  Element(w, 1, 1, "Cizi", {0});
  w.WriteListEnd();
  std::unique_ptr<TElement> loaded = Load(w.bytes());
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->ClassName(), "TOwnerEntity");
  EXPECT_EQ(loaded->GetName(), "Cizi");
  auto* sample = dynamic_cast<TStreamSample*>(dynamic_cast<TEntity*>(loaded.get())->GetElement(0));
  ASSERT_NE(sample, nullptr);
  EXPECT_EQ(sample->GetName(), "Vzorek");
  EXPECT_EQ(sample->count, 0);
  EXPECT_EQ(sample->text, "text");
  EXPECT_EQ(Reports(), (std::vector<std::string>{"TStreamSample lost property: Zmizela",
                                                 "TStreamSample property \"Count\" type error: 5",
                                                 "TNeznama - Unknown class !"}));
}

TEST_F(StreamToolsTest, DamagedRecordsAreSkippedAndTheRestLoads) {
  ValueWriter w = Header();
  ClassDef(w, "TStreamSample", 0, {{"Name", 10}, {"Count", 1}, {"Link", 7}});
  Element(w, 0, 0, "a", {0, 5});  // its own and a later number: no children
  Element(w, 9, 1, "bad class");  // no such class number: skipped
  w.WriteInteger(0);              // a property index outside the definition: skipped
  w.WriteInteger(2);
  w.WriteListBegin();
  w.WriteInteger(7);
  w.WriteInteger(1);
  w.WriteListEnd();
  w.WriteInteger(0);
  w.WriteInteger(0);  // a mistyped value and a failing setter: skipped
  w.WriteInteger(3);
  w.WriteListBegin();
  w.WriteInteger(1);
  w.WriteInteger(666);
  w.WriteListEnd();
  w.WriteInteger(0);
  w.WriteInteger(0);  // references: forward, stale, damaged and open ones load as nil
  w.WriteInteger(4);
  w.WriteListBegin();
  w.WriteInteger(2);
  w.WriteInteger(99);
  w.WriteListEnd();
  w.WriteInteger(0);
  Element(w, 0, 5, "root", {0, 1, 2, 3, 4, 4000});
  w.WriteListEnd();
  std::unique_ptr<TElement> loaded = Load(w.bytes());
  auto* root = dynamic_cast<TEntity*>(loaded.get());
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->GetName(), "root");
  ASSERT_EQ(root->GetCount(), 4);  // a, the two skipped records' elements, the last one
  EXPECT_EQ(root->GetElement(0)->GetName(), "a");
  EXPECT_EQ(dynamic_cast<TEntity*>(root->GetElement(0))->GetCount(), 0);
  EXPECT_EQ(static_cast<TStreamSample*>(root->GetElement(3))->link.Get(), nullptr);
  EXPECT_EQ(ui_.Messages(), std::vector<std::string>{"Property Set Error TStreamSample Count"});
}

TEST_F(StreamToolsTest, StructuralDamageEndsTheLoadWithAReport) {
  TOwnerEntity root;
  root.FindOrCreate<TOwnerEntity>("A")->FindOrCreate<TOwnerEntity>("B");
  const std::string bytes = Save(&root);
  for (size_t cut = 4; cut < bytes.size(); cut += 3) {
    TKelvaLoader loader;
    EXPECT_THROW(loader.LoadBytes(bytes.substr(0, cut), "x.klv"), EBadStream) << cut;
    EXPECT_EQ(loader.Output(), nullptr);
  }
  std::string bad_tag = bytes;
  bad_tag[bytes.size() - 4] = 9;  // the tag of the root's child number
  TKelvaLoader loader;
  try {
    loader.LoadBytes(bad_tag, "x.klv");
    FAIL();
  } catch (const EBadStream& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Soubor x.klv je poškozen: ", 0), 0u);
  }
  // A huge stated string length is refused, not allocated.
  ValueWriter w = Header();
  w.WriteRaw(Bytes({12, 0xFF, 0xFF, 0xFF, 0x7F}));
  EXPECT_THROW(loader.LoadBytes(w.bytes(), "x.klv"), EBadStream);
}

TEST_F(StreamToolsTest, NestingDepthOfLoadedTreesIsBounded) {
  ValueWriter w = Header();
  ClassDef(w, "TOwnerEntity", 0, {{"Name", 10}});
  const int count = kMaxLoadedTreeDepth + 50;
  for (int i = 0; i < count; ++i) {
    if (i == 0) {
      Element(w, 0, i, "e");
    } else {
      Element(w, 0, i, "e", {i - 1});
    }
  }
  w.WriteListEnd();
  std::unique_ptr<TElement> loaded = Load(w.bytes());
  int depth = 0;
  for (TElement* e = loaded.get(); e; ++depth) {
    auto* entity = dynamic_cast<TEntity*>(e);
    e = entity && entity->GetCount() > 0 ? entity->GetElement(0) : nullptr;
  }
  EXPECT_LE(depth, kMaxLoadedTreeDepth);
  EXPECT_GE(depth, 2);
}

TEST_F(StreamToolsTest, FileLoaderChecksNamesAndSignaturesAndReadsBothFormats) {
  ::tarnik::testing::TempDir dir;
  TLoad load;
  try {
    load.Execute();
    FAIL();
  } catch (const EBadStreamName& e) {
    EXPECT_STREQ(e.what(), "Chybné jméno souboru :  !");
  }
  const std::string missing = dir.File("chybi.klv");
  load.SetFileName(missing);
  try {
    load.Execute();
    FAIL();
  } catch (const EBadStream& e) {
    EXPECT_EQ(e.what(), "Soubor " + missing + " neexistuje!");
  }
  const std::string other = dir.File("jiny.klv");
  ::tarnik::testing::WriteFile(other, "XYZ1 something");
  load.SetFileName(other);
  try {
    load.Execute();
    FAIL();
  } catch (const EBadStream& e) {
    EXPECT_EQ(e.what(), other + " ... neznámý typ souboru");
  }

  TOwnerEntity root;
  root.SetName("Koren");
  root.FindOrCreate<TOwnerEntity>("Dite");
  const std::string current = dir.File("model.klv");
  TSave save;
  SetPositionalParameter(save, 0, current);
  save.SetInput(&root);
  save.Execute();
  load.SetFileName(current);
  load.Execute();
  std::unique_ptr<TElement> a(load.Output());
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->GetName(), "Koren");

  const std::string old = dir.File("stary.klv");
  TSaver saver;
  saver.SetName(old);
  root.MarkAll();
  saver.SetInput(&root);
  saver.Execute();
  EXPECT_EQ(::tarnik::testing::ReadFile(old).substr(0, 4), "TPF0");
  load.SetFileName(old);
  load.Execute();
  std::unique_ptr<TElement> b(load.Output());
  auto* entity = dynamic_cast<TEntity*>(b.get());
  ASSERT_NE(entity, nullptr);
  EXPECT_EQ(entity->GetName(), "Koren");
  ASSERT_EQ(entity->GetCount(), 1);
  EXPECT_EQ(entity->GetElement(0)->GetName(), "Dite");
}

TEST_F(StreamToolsTest, OldFormatStopsAtUnknownClasses) {
  ValueWriter w;
  w.WriteRaw("TPF0");
  w.WriteListBegin();
  w.WriteString("TOwnerEntity");
  w.WriteInteger(0);
  w.WriteListBegin();
  w.WriteListEnd();
  w.WriteString("A");
  w.WriteString("TNeznama");
  w.WriteListEnd();
  TLoader loader;
  loader.LoadBytes(w.bytes());
  EXPECT_EQ(loader.Output(), nullptr);
  EXPECT_EQ(ui_.Messages(), std::vector<std::string>{"Neregistrovaný element: TNeznama"});
}

}  // namespace
}  // namespace tarnik::framework
