#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/class_register.h"
#include "framework/framework_classes.h"
#include "framework/handles.h"
#include "framework/message.h"
#include "framework/models/world.h"
#include "platform/paths.h"
#include "platform/recording_ui.h"

namespace tarnik::framework {
namespace {

// Records the codes of the messages it handles; code 99 throws.
class TRecorder : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TRecorder)
  std::vector<int32_t> codes;
  std::vector<TElement*> receivers;
  void HandleMessage(TKelvaMessage& message, bool& handled) override {
    if (message.Message() == 99) throw std::runtime_error("porucha");
    codes.push_back(message.Message());
    receivers.push_back(message.Receiver());
    handled = true;
  }
};
TARNIK_DEFINE_CLASS(TRecorder, TOwnerEntity, nullptr)

// A world that creates its main tool on first read.
class TToolWorld : public TWCSWorld {
 public:
  TARNIK_ELEMENT_CLASS(TToolWorld)
  int created = 0;
  void CreateMainTool() override {
    ++created;
    SetMainTool(new TRecorder());
  }
};
TARNIK_DEFINE_CLASS(TToolWorld, TWCSWorld, nullptr)

class WorldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFrameworkClasses();
    ResetWorld();
  }
  void TearDown() override { ResetWorld(); }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
};

TEST_F(WorldTest, OneWorldUntilReset) {
  EXPECT_EQ(CurrentWorld(), nullptr);
  TWCSWorld& world = World();
  EXPECT_EQ(&World(), &world);
  EXPECT_EQ(CurrentWorld(), &world);
  TElementRef model(world.ObjectModel());
  TElementRef reg(world.SystemRegister());
  ResetWorld();
  EXPECT_EQ(CurrentWorld(), nullptr);
  EXPECT_FALSE(model);
  EXPECT_FALSE(reg);
  EXPECT_EQ(CurrentMessageQueue(), nullptr);
  // The class register outlives every world.
  EXPECT_NE(FindElementClass("TWorld"), nullptr);
  EXPECT_EQ(ClassRegister().GetOwnersCount(), 1);
  World();
  EXPECT_NE(CurrentMessageQueue(), nullptr);
}

TEST_F(WorldTest, TheClassRegisterIsAChildTheWorldNeverFrees) {
  TWCSWorld& world = World();
  EXPECT_EQ(world.FindElementByName("ObjectClasses"), &ClassRegister());
  EXPECT_EQ(GetPropertyObject(&world, "ObjectClasses"), &ClassRegister());
  SetPropertyObject(&world, "ObjectClasses", nullptr);  // ignored
  EXPECT_EQ(world.ObjectClasses(), &ClassRegister());
  world.FreeAll();
  EXPECT_EQ(world.GetCount(), 0);
  EXPECT_NE(FindClassEntry("TOwnerEntity"), nullptr);
  EXPECT_EQ(ClassRegister().GetOwnersCount(), 1);
}

TEST_F(WorldTest, SystemRegisterAndObjectModelAreCreatedOnFirstReadAndReplaced) {
  TWCSWorld& world = World();
  TObjectModel* model = world.ObjectModel();
  EXPECT_EQ(model->GetName(), "Object model");
  EXPECT_EQ(world.ObjectModel(), model);
  EXPECT_EQ(world.SystemRegister()->GetName(), "System register");
  EXPECT_EQ(world.IndexOf(model), world.GetLastIndex() - 1);

  TElementRef old(model);
  auto* replacement = new TObjectModel();
  world.SetObjectModel(replacement);
  EXPECT_FALSE(old);
  EXPECT_EQ(world.ObjectModel(), replacement);
  world.SetObjectModel(replacement);  // the same one again stays
  EXPECT_EQ(world.ObjectModel(), replacement);
  EXPECT_EQ(world.CountOfClass(TObjectModel::StaticClass()), 1);

  // A model that the previous one held survives the exchange.
  auto* inner = new TObjectModel();
  replacement->AddElement(inner);
  TElementRef replaced(replacement);
  world.SetObjectModel(inner);
  EXPECT_FALSE(replaced);
  EXPECT_EQ(world.ObjectModel(), inner);

  // Writing an element of another class through the property is ignored.
  auto* stranger = new TOwnerEntity();
  SetPropertyObject(&world, "ObjectModel", stranger);
  EXPECT_EQ(world.ObjectModel(), inner);
  delete stranger;
}

TEST_F(WorldTest, MainToolIsCreatedOnReadAndFreedOnReplace) {
  TToolWorld world;
  EXPECT_NE(world.MainTool(), nullptr);
  EXPECT_EQ(world.created, 1);
  world.MainTool();
  EXPECT_EQ(world.created, 1);
  TElementRef old(world.MainTool());
  world.SetMainTool(nullptr);
  EXPECT_FALSE(old);
  TWorld plain;
  EXPECT_EQ(plain.MainTool(), nullptr);
  EXPECT_EQ(plain.GetPropertyText("MainTool"), "0");
}

TEST_F(WorldTest, ApplicationProperties) {
  std::string previous = platform::ProgramDir();
  platform::SetProgramDir("/opt/tarnik");
  TWCSWorld& world = World();
  EXPECT_EQ(world.GetPropertyText("ApplicDir"), "/opt/tarnik/");
  std::string exe = world.GetPropertyText("ApplicExeName");
  EXPECT_EQ(exe.rfind("/opt/tarnik/", 0), 0u);
  EXPECT_GT(exe.size(), std::string("/opt/tarnik/").size());
  world.SetPropertyText("ApplicTitle", "Převod LHP");
  EXPECT_EQ(world.Application().title, "Převod LHP");
  world.SetPropertyText("ApplicHintPause", "800");
  EXPECT_EQ(world.GetPropertyText("ApplicHintPause"), "800");
  world.SetPropertyText("ApplicDir", "/elsewhere");  // read-only
  EXPECT_EQ(world.ApplicDir(), "/opt/tarnik/");
  platform::SetProgramDir(previous);

  auto* probe = new TOwnerEntity();
  SetPropertyObject(&world, "TestElement", probe);
  EXPECT_EQ(WorldTestElement(), probe);
  delete probe;
  EXPECT_EQ(WorldTestElement(), nullptr);
}

TEST_F(WorldTest, PostedMessagesAreDispatchedWhenPendingEventsAreProcessed) {
  TWCSWorld& world = World();
  auto* tool = new TRecorder();
  world.SetMainTool(tool);
  TRecorder target;
  world.PostMsg(5, &target, nullptr);
  world.PostMsg(6, nullptr, nullptr);
  EXPECT_TRUE(target.codes.empty());
  EXPECT_EQ(world.MessageQueue().Pending(), 2u);
  ui_.ProcessPendingEvents();
  EXPECT_EQ(world.MessageQueue().Pending(), 0u);
  EXPECT_EQ(target.codes, std::vector<int32_t>{5});
  ASSERT_EQ(tool->codes, std::vector<int32_t>{6});
  EXPECT_EQ(tool->receivers[0], tool);  // the main tool becomes the receiver
}

TEST_F(WorldTest, AMessageForAVanishedReceiverIsDropped) {
  TWCSWorld& world = World();
  auto* tool = new TRecorder();
  world.SetMainTool(tool);
  auto* gone = new TRecorder();
  world.PostMsg(7, gone, nullptr);
  delete gone;
  size_t handles = LiveHandleCount();
  ui_.ProcessPendingEvents();
  EXPECT_TRUE(tool->codes.empty());
  EXPECT_LT(LiveHandleCount(), handles);  // the message itself was freed
}

TEST_F(WorldTest, AFailingHandlerIsReportedAsAWorldError) {
  TWCSWorld& world = World();
  TRecorder target;
  world.SendMsg(99, &target, nullptr);
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0], "World Level Error :porucha");
}

TEST_F(WorldTest, ManyMessagesLeaveNothingBehind) {
  TWCSWorld& world = World();
  TRecorder target;
  target.Handle();
  world.Handle();  // the sender of every message
  size_t handles = LiveHandleCount();
  for (int i = 0; i < 10000; ++i) world.PostMsg(1, &target, nullptr);
  ui_.ProcessPendingEvents();
  EXPECT_EQ(target.codes.size(), 10000u);
  EXPECT_EQ(LiveHandleCount(), handles);
  // Messages still queued when the world goes are freed with it.
  world.PostMsg(2, &target, nullptr);
  ResetWorld();
  EXPECT_EQ(LiveHandleCount(), handles - 1);
}

TEST_F(WorldTest, RegisteredAndUnregisteredClasses) {
  for (const char* name :
       {"TPropertyModel", "TElementModel", "TToolModel", "TSystemRegister", "TRegisterClassModel",
        "TRegisterClassModels", "TRegisterPropertyModel", "TObjectModel", "TWorld", "TWCS",
        "TGeographic_WCS", "TJTSK", "TWCSLibrary"}) {
    EXPECT_NE(FindElementClass(name), nullptr) << name;
  }
  for (const char* name :
       {"TModelItems", "TInheritanceModel", "TInheritanceModelEntity", "TWCSWorld"}) {
    EXPECT_EQ(FindElementClass(name), nullptr) << name;
  }
  TElement* world = CreateElementByClassName("World");
  ASSERT_NE(world, nullptr);
  EXPECT_EQ(world->ClassName(), "TWorld");
  delete world;
  EXPECT_EQ(ClassRegister().GetOwnersCount(), 1);
}

}  // namespace
}  // namespace tarnik::framework
