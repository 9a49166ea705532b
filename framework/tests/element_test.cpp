#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "framework/class_register.h"
#include "framework/entity.h"
#include "framework/errors.h"
#include "framework/framework_classes.h"
#include "framework/handles.h"
#include "framework/message.h"
#include "platform/recording_ui.h"

namespace tarnik::framework {
namespace {

class ElementTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterFrameworkClasses(); }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
};

TOwnerEntity* Named(const std::string& name) {
  auto* e = new TOwnerEntity();
  e->SetName(name);
  return e;
}

TEST_F(ElementTest, SharedChildSurvivesFirstHolderAndDiesWithSecond) {
  auto* a = Named("A");
  auto* b = Named("B");
  auto* x = Named("X");
  TElementRef ref(x);
  a->AddElement(x);
  b->AddElement(x);
  EXPECT_EQ(x->GetOwnersCount(), 2);
  a->FreeAll();
  ASSERT_TRUE(ref);
  EXPECT_EQ(x->GetOwnersCount(), 1);
  EXPECT_EQ(a->GetCount(), 0);
  b->FreeAll();
  EXPECT_FALSE(ref);
  delete a;
  delete b;
}

TEST_F(ElementTest, DestroyingSharedChildDetachesItFromEveryHolder) {
  auto* a = Named("A");
  auto* b = Named("B");
  TQuickEntity quick;
  TEntity plain;
  auto* x = Named("X");
  a->AddElement(x);
  b->AddElement(x);
  quick.AddElement(x);
  delete x;
  EXPECT_EQ(a->GetCount(), 0);
  EXPECT_EQ(b->GetCount(), 0);
  EXPECT_EQ(quick.GetCount(), 0);
  // A plain element in a plain entity is unlinked too.
  auto* p = new TElement();
  plain.AddElement(p);
  delete p;
  EXPECT_EQ(plain.GetCount(), 0);
  delete a;
  delete b;
}

TEST_F(ElementTest, NonHolderCannotFreeAnElementAnotherEntityHolds) {
  TOwnerEntity a;
  TOwnerEntity stranger;
  auto* x = Named("X");
  TElementRef ref(x);
  a.AddElement(x);
  stranger.FreeElement(x);
  EXPECT_TRUE(ref);
  TQuickEntity quick;
  quick.AddElement(x);
  quick.FreeAll();  // a quick list owns nothing
  EXPECT_TRUE(ref);
  EXPECT_EQ(x->GetOwnersCount(), 1);
  a.FreeElement(x);
  EXPECT_FALSE(ref);
}

TEST_F(ElementTest, PutElementDetachAndReplaceKeepOwnerListsTrue) {
  TOwnerEntity a;
  auto* x = Named("X");
  auto* y = Named("Y");
  a.AddElement(x);
  a.AddElement(y);
  // Swap the two children.
  a.PutElement(0, y);
  a.PutElement(1, x);
  EXPECT_EQ(a.GetElement(0), y);
  EXPECT_EQ(x->GetOwnersCount(), 1);
  EXPECT_EQ(y->GetOwnersCount(), 1);
  a.Detach();
  EXPECT_EQ(a.GetCount(), 0);
  EXPECT_EQ(x->GetOwnersCount(), 0);
  EXPECT_TRUE(x->Holders().empty());

  TOwnerElement* slot = nullptr;
  auto* v = new TOwnerElement();
  TElementRef vref(v);
  a.ReplaceElement(slot, v);
  a.ReplaceElement(slot, v);  // the same element again must not free it
  EXPECT_TRUE(vref);
  EXPECT_EQ(a.GetCount(), 1);
  EXPECT_THROW(a.GetElement(5), EListError);
  delete x;
  delete y;
}

TEST_F(ElementTest, AddNilAndRemoveOfStrangerChangeNothing) {
  TOwnerEntity a;
  auto* x = Named("X");
  a.AddElement(nullptr);
  EXPECT_EQ(a.GetCount(), 0);
  TOwnerEntity other;
  other.AddElement(x);
  a.RemoveElement(x);
  EXPECT_EQ(x->GetOwnersCount(), 1);
  EXPECT_EQ(other.GetCount(), 1);
}

TEST_F(ElementTest, NamesAndLookups) {
  TOwnerEntity root;
  TElement plain;
  EXPECT_EQ(plain.GetName(), "TElement");
  TNameElement unnamed;
  EXPECT_EQ(unnamed.GetName(), "TNameElement");
  EXPECT_FALSE(unnamed.IsNameStored());
  auto* pe = Named("PE");
  auto* cz = Named("Čáp");
  root.AddElement(pe);
  root.AddElement(cz);
  EXPECT_EQ(root.FindElementByName("pe"), pe);
  EXPECT_EQ(root.FindElementByName("čÁP"), cz);
  EXPECT_EQ(root.FindElementByName("x"), nullptr);
  EXPECT_EQ(pe->FindOwnerByName("tOwnerEntity"), nullptr);
  root.SetName("PE");
  EXPECT_EQ(cz->FindOwnerByName("PE"), &root);
  EXPECT_EQ(cz->FindOwnerByName("pe"), nullptr);
  EXPECT_EQ(root.FindElementByClass(TOwnerEntity::StaticClass()), pe);
  EXPECT_EQ(root.CountOfClass(TNameEntity::StaticClass()), 2);
  EXPECT_EQ(root.GetPropertyText("count"), "2");
  EXPECT_EQ(root.GetPropertyText("LastIndex"), "1");
}

TEST_F(ElementTest, PropertyLookupsStayRightWhenOneBufferNamesOneThenAnother) {
  const TClassInfo& entity = TEntity::StaticClass();
  const TClassInfo& element = TElement::StaticClass();
  const int last_index = entity.IndexOf("LastIndex");
  const int name = entity.IndexOf("Name");
  ASSERT_GE(last_index, 0);
  ASSERT_GE(name, 0);
  ASSERT_NE(last_index, name);
  // One buffer, its text changed in place between the lookups, and the same text asked of
  // another class: every answer is the one of the text asked now.
  char buffer[] = "LastIndex";
  for (int round = 0; round < 3; ++round) {
    std::memcpy(buffer, "LastIndex", sizeof buffer);
    EXPECT_EQ(entity.IndexOf(buffer), last_index);
    EXPECT_EQ(element.IndexOf(buffer), -1);
    std::memcpy(buffer, "Name\0ndex", sizeof buffer);
    EXPECT_EQ(entity.IndexOf(std::string_view(buffer, 4)), name);
    std::memcpy(buffer, "NAME\0ndex", sizeof buffer);
    EXPECT_EQ(entity.IndexOf(std::string_view(buffer, 4)), name);  // any case
    std::memcpy(buffer, "Nome\0ndex", sizeof buffer);
    EXPECT_EQ(entity.IndexOf(std::string_view(buffer, 4)), -1);
  }
}

TEST_F(ElementTest, ChildClassHintNeverDeniesAChildOfTheClassOrADescendant) {
  TEntity root;
  const TClassInfo* classes[] = {&TElement::StaticClass(), &TNameElement::StaticClass(),
                                 &TEntity::StaticClass(), &TNameEntity::StaticClass(),
                                 &TOwnerEntity::StaticClass()};
  for (const TClassInfo* c : classes) EXPECT_FALSE(root.MayHaveChildOfClass(*c)) << c->Name();
  auto* child = Named("X");  // a TOwnerEntity
  root.AddElement(child);
  for (const TClassInfo* c : classes) {
    if (child->InheritsFrom(*c)) {
      EXPECT_TRUE(root.MayHaveChildOfClass(*c)) << c->Name();
    }
  }
  // The hint follows removals and additions after it was asked.
  root.RemoveElement(child);
  EXPECT_FALSE(root.MayHaveChildOfClass(TOwnerEntity::StaticClass()));
  auto* plain = new TNameElement();
  root.AddElement(plain);
  root.AddElement(child);
  EXPECT_TRUE(root.MayHaveChildOfClass(TNameElement::StaticClass()));
  EXPECT_TRUE(root.MayHaveChildOfClass(TOwnerEntity::StaticClass()));
  root.FreeAll();
  EXPECT_FALSE(root.MayHaveChildOfClass(TElement::StaticClass()));
}

TEST_F(ElementTest, AliasesPointAtTargets) {
  TOwnerEntity e;
  auto* a = Named("A");
  auto* b = Named("B");
  SetAlias(e, "hlavni", a);
  EXPECT_EQ(FindByAlias(e, "HLAVNI"), a);
  SetAlias(e, "hlavni", a);  // the same target is kept, not freed
  EXPECT_EQ(FindByAlias(e, "hlavni"), a);
  TElementRef aref(a);
  SetAlias(e, "hlavni", b);
  EXPECT_FALSE(aref);
  EXPECT_EQ(FindByAlias(e, "hlavni"), b);
  EXPECT_EQ(FindByAlias(e, "B"), b);
}

TEST_F(ElementTest, WalksTerminateOnCycles) {
  auto* a = Named("A");
  auto* b = Named("B");
  a->AddElement(b);
  b->AddElement(a);
  a->TouchAll();
  a->MarkAll();
  EXPECT_EQ(a->ID(), b->ID());
  EXPECT_EQ(a->FindUpByClass(TKelvaClass::StaticClass()), nullptr);
  EXPECT_EQ(a->WholeCount(), 2);
  TElement* envelope = a->CreateEnvelope();
  EXPECT_EQ(envelope->GetName(), "Obálka: A");
  delete envelope;
  EXPECT_GT(a->GetWholeSize(), 0);
  delete a;  // frees b, which held a
}

TEST_F(ElementTest, SelfHeldEntityIsNotFreedByItsOwnWalk) {
  auto* a = Named("A");
  a->AddElement(a);
  TElementRef ref(a);
  a->FreeAll();
  EXPECT_TRUE(ref);
  EXPECT_EQ(a->GetCount(), 0);
  delete a;
}

TEST_F(ElementTest, WholeCountCountsSharedChildrenOnce) {
  TOwnerEntity root;
  auto* s1 = Named("S1");
  auto* s2 = Named("S2");
  auto* shared = Named("X");
  root.AddElement(s1);
  root.AddElement(s2);
  s1->AddElement(shared);
  s2->AddElement(shared);
  shared->AddElement(new TElement());
  // Edges: root 2, s1 1, s2 1, shared 1.
  EXPECT_EQ(root.WholeCount(), 5);
}

TEST_F(ElementTest, RegisterCreatesByNameWithOrWithoutPrefix) {
  TElement* e = CreateElementByClassName("OwnerEntity");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->ClassName(), "TOwnerEntity");
  delete e;
  ASSERT_NE(FindClassEntry("townerentity"), nullptr);
  EXPECT_EQ(FindClassEntry("TOWNERENTITY")->Info(), &TOwnerEntity::StaticClass());
  EXPECT_EQ(CreateElementByClassName("Foo"), nullptr);
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0], "Neregistrovaný element: Foo");
  EXPECT_EQ(CreateElementByClassName("TAliasElement"), nullptr);  // not registered
  EXPECT_THROW(GetElementClass("Foo"), EClassNotFound);
  try {
    GetElementClass("Foo");
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ(e.what(), "Kelva nenašel třídu Foo");
  }
}

TEST_F(ElementTest, RegisterEntriesStaySortedAndNumbered) {
  TKelvaClasses reg;
  reg.SetShowProperties(true);
  reg.RegisterClass(TOwnerEntity::StaticClass());
  reg.RegisterClass(TElement::StaticClass());
  reg.RegisterClass(TNameEntity::StaticClass());
  reg.RegisterClass(TEntity::StaticClass());
  std::vector<std::string> names;
  for (TElement* e : reg.Children()) names.push_back(e->GetName());
  EXPECT_EQ(names,
            (std::vector<std::string>{"TElement", "TEntity", "TNameEntity", "TOwnerEntity"}));
  TKelvaClass* entity = reg.FindClassEntry("tentity");
  ASSERT_NE(entity, nullptr);
  EXPECT_EQ(entity->ID(), 3);
  EXPECT_EQ(entity->GetCount(), entity->PropCount());
  EXPECT_EQ(entity->PropertyName(0), "ID");
  EXPECT_EQ(entity->IndexOfProperty("count"), entity->Info()->IndexOf("Count"));
  EXPECT_EQ(reg.FindClassEntry("TQuickEntity"), nullptr);
  EXPECT_EQ(entity->GetPropertyText("AncestorClassName"), "TElement");
}

TEST_F(ElementTest, RegisterLookupsFollowEntriesAddedAndRemovedAfterThem) {
  TKelvaClasses reg;
  reg.RegisterClass(TElement::StaticClass());
  reg.RegisterClass(TOwnerEntity::StaticClass());
  TKelvaClass* owner = reg.FindClassEntry("TOwnerEntity");
  ASSERT_NE(owner, nullptr);
  EXPECT_EQ(reg.FindClassEntry("TNameEntity"), nullptr);
  // New entries sort in before the one found: the same questions find the right entries.
  reg.RegisterClass(TNameEntity::StaticClass());
  reg.RegisterClass(TEntity::StaticClass());
  EXPECT_EQ(reg.FindClassEntry("TOwnerEntity"), owner);
  ASSERT_NE(reg.FindClassEntry("TNameEntity"), nullptr);
  EXPECT_EQ(reg.FindClassEntry("TNameEntity")->GetName(), "TNameEntity");
  EXPECT_EQ(reg.FindClassEntry("towNerentity"), owner);
  // An entry taken out is not found any more, and the others still are.
  TKelvaClass* name_entity = reg.FindClassEntry("TNameEntity");
  reg.RemoveElement(name_entity);
  delete name_entity;
  EXPECT_EQ(reg.FindClassEntry("TNameEntity"), nullptr);
  EXPECT_EQ(reg.FindClassEntry("TOwnerEntity"), owner);
}

TEST_F(ElementTest, AMillionElementsLeaveTheHandleRegistryAsItWas) {
  size_t before = LiveHandleCount();
  auto* root = new TOwnerEntity();
  for (int i = 0; i < 1000000; ++i) {
    auto* e = new TOwnerElement();
    e->Handle();
    root->AddElement(e);
  }
  EXPECT_EQ(LiveHandleCount(), before + 1000000);
  delete root;
  EXPECT_EQ(LiveHandleCount(), before);
}

TEST_F(ElementTest, HandlesOfDeadElementsReadNil) {
  auto* e = new TElement();
  int32_t h = e->Handle();
  EXPECT_GT(h, 0);
  EXPECT_EQ(FindElementByHandle(h), e);
  delete e;
  EXPECT_EQ(FindElementByHandle(h), nullptr);
  auto* f = new TElement();
  EXPECT_GT(f->Handle(), h);  // never reused
  delete f;
  EXPECT_EQ(FindElementByHandle(0), nullptr);
  EXPECT_EQ(FindElementByHandle(-5), nullptr);
}

TEST_F(ElementTest, HandlesStayRightWhileGroupsOfElementsComeAndGo) {
  // A long-lived element among groups that are created and freed one after another, as the
  // compartments of an export are: every live handle finds its element, every dead one nil, and
  // the registry's memory does not grow with the number of groups.
  auto* keeper = new TElement();
  const int32_t kept = keeper->Handle();
  std::vector<int32_t> dead;
  size_t pages_after_first = 0;
  for (int group = 0; group < 50; ++group) {
    auto* root = new TOwnerEntity();
    std::vector<std::pair<int32_t, TElement*>> live;
    for (int i = 0; i < 3000 + group; ++i) {
      auto* e = new TOwnerElement();
      live.emplace_back(e->Handle(), e);
      root->AddElement(e);
    }
    for (const auto& [h, e] : live) ASSERT_EQ(FindElementByHandle(h), e);
    dead.push_back(live.front().first);
    dead.push_back(live.back().first);
    delete root;
    if (group == 0) pages_after_first = internal::HandlePagesHeld();
  }
  EXPECT_EQ(FindElementByHandle(kept), keeper);
  for (int32_t h : dead) EXPECT_EQ(FindElementByHandle(h), nullptr);
  EXPECT_LE(internal::HandlePagesHeld(), pages_after_first + 1);
  EXPECT_EQ(FindElementByHandle(dead.back() + 1000000), nullptr);
  EXPECT_EQ(FindElementByHandle(int64_t{1} << 40), nullptr);
  delete keeper;
  EXPECT_EQ(FindElementByHandle(kept), nullptr);
}

TEST_F(ElementTest, PathQueries) {
  TOwnerEntity root;
  root.SetName("ROOT");
  auto* child = Named("Dilec");
  root.AddElement(child);
  child->AddElement(Named("a"));
  child->AddElement(Named("b"));
  EXPECT_EQ(root.GetValueByPath("FINDELEMENTBYNAME(dilec).Count"), "2");
  EXPECT_EQ(root.GetValueByPath(" findelementbyclass( TOwnerEntity ) . Name"), "Dilec");
  EXPECT_EQ(root.FindByPath("FINDELEMENTBYNAME(Dilec)"), child);
  EXPECT_EQ(root.ListByPath("FINDELEMENTBYNAME(Dilec).Name.ELEMENT"),
            (std::vector<std::string>{"a", "b"}));
  TElement plain;
  try {
    plain.GetValueByPath("FINDELEMENTBYNAME(A).Name");
    FAIL();
  } catch (const EKelvaError& e) {
    EXPECT_STREQ(e.what(), "Objekt na pozici 1 není Entita ... nelze prohledávat");
  }
  try {
    root.GetValueByPath("FINDELEMENTBYNAME(A");
    FAIL();
  } catch (const EKelvaError& e) {
    EXPECT_EQ(std::string(e.what()), "Chyba syntaxe. .. na pozici 20 očekávám \")\"");
  }
  EXPECT_THROW(root.GetValueByPath("FINDELEMENTBYNAME(Dilec)"), EKelvaError);
  EXPECT_THROW(root.GetValueByPath("FINDELEMENTBYNAME(nic).Name"), EKelvaError);
  EXPECT_EQ(root.ListByPath("Name.ELEMENT"), (std::vector<std::string>{"Dilec"}));
  try {
    plain.ListByPath("Name.ELEMENT");
    FAIL();
  } catch (const EKelvaError& e) {
    EXPECT_STREQ(e.what(), "Poslední objekt není Entita - nelze vytvořit seznam !");
  }
  EXPECT_THROW(root.ListByPath("FINDELEMENTBYNAME(Dilec).Name.ELEMENT x"), EKelvaError);
  EXPECT_THROW(root.FindByPath("FINDELEMENTBYCLASS(TNeni)"), EClassNotFound);
}

TEST_F(ElementTest, MessagesAreQueuedAndFreedAfterDispatch) {
  std::vector<int32_t> seen;
  TMessageQueue queue([&](TKelvaMessage& m, bool&) { seen.push_back(m.Message()); });
  InstallMessageQueue(&queue);
  TOwnerEntity sender;
  size_t before = LiveHandleCount();
  sender.PostMsg(5, nullptr, nullptr);
  sender.SendMsg(6, nullptr, nullptr);
  EXPECT_EQ(seen, (std::vector<int32_t>{6}));
  EXPECT_EQ(queue.Pending(), 1u);
  queue.Drain();
  EXPECT_EQ(seen, (std::vector<int32_t>{6, 5}));
  EXPECT_EQ(queue.Pending(), 0u);
  auto* data = new TElement();
  TElementRef dref(data);
  auto* m = new TKelvaMessage(7, data, nullptr, &sender);
  m->SetKillData(true);
  m->SetPropertyText("PostIt", "9");
  queue.Drain();
  EXPECT_EQ(seen.back(), 9);
  EXPECT_FALSE(dref);
  InstallMessageQueue(nullptr);
  sender.PostMsg(1, nullptr, nullptr);  // dropped without a queue
  EXPECT_LE(LiveHandleCount(), before + 1);
}

}  // namespace
}  // namespace tarnik::framework
