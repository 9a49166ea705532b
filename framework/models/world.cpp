#include "framework/models/world.h"

#include <filesystem>
#include <system_error>

#include "framework/class_register.h"
#include "framework/models/sub_entity.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/ui.h"

namespace tarnik::framework {
namespace {

TWCSWorld* g_world = nullptr;
TElementRef g_test_element;

std::string ExecutableFileName() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.filename().string();
}

void DefineWorld(std::vector<TPropInfo>& out) {
  using W = TWorld;
  TPropDefs<W> d(out);
  // There is no application element; the object reads nil.
  d.Object(
      "Application", TElement::StaticClass(), [](W&) -> TElement* { return nullptr; }, nullptr);
  d.String("ApplicExeName", &W::ApplicExeName, nullptr);
  d.String("ApplicDir", &W::ApplicDir, nullptr);
  d.String(
      "ApplicMainForm", [](W& w) { return w.Application().main_form; }, nullptr);
  d.String(
      "ApplicHelpFile", [](W& w) { return w.Application().help_file; },
      [](W& w, const std::string& v) { w.Application().help_file = v; });
  d.String(
      "ApplicHint", [](W& w) { return w.Application().hint; },
      [](W& w, const std::string& v) { w.Application().hint = v; });
  d.Boolean(
      "ApplicShowHint", [](W& w) { return w.Application().show_hint; },
      [](W& w, bool v) { w.Application().show_hint = v; });
  d.Integer(
      "ApplicHintColor", [](W& w) { return w.Application().hint_color; },
      [](W& w, int32_t v) { w.Application().hint_color = v; });
  d.Integer(
      "ApplicHintPause", [](W& w) { return w.Application().hint_pause; },
      [](W& w, int32_t v) { w.Application().hint_pause = v; });
  d.String(
      "ApplicTitle", [](W& w) { return w.Application().title; },
      [](W& w, const std::string& v) { w.Application().title = v; });
  d.Object("MainTool", TElement::StaticClass(), &W::MainTool, &W::SetMainTool);
  d.Object("SystemRegister", TSystemRegister::StaticClass(), &W::SystemRegister,
           [](W& w, TElement* e) {
             if (!e || e->Is<TSystemRegister>())
               w.SetSystemRegister(static_cast<TSystemRegister*>(e));
           });
  d.Object("ObjectModel", TObjectModel::StaticClass(), &W::ObjectModel, [](W& w, TElement* e) {
    if (!e || e->Is<TObjectModel>()) w.SetObjectModel(static_cast<TObjectModel*>(e));
  });
  d.Object("ObjectClasses", TKelvaClasses::StaticClass(), &W::ObjectClasses, [](W&, TElement*) {
   }).NotStored();
  d.Object("TestElement", TElement::StaticClass(), nullptr,
           [](W&, TElement* e) { g_test_element = e; });
}

}  // namespace

TARNIK_DEFINE_CLASS(TWorld, TEntity, DefineWorld)
TARNIK_DEFINE_CLASS(TWCSWorld, TWorld, nullptr)

TWorld::TWorld()
    : queue_([this](TKelvaMessage& message, bool& handled) { DispatchMessage(message, handled); }) {
  app_.exe_name = ExecutableFileName();
  AddElement(&ClassRegister());
}

TWorld::~TWorld() {
  if (CurrentMessageQueue() == &queue_) {
    ::tarnik::framework::InstallMessageQueue(nullptr);
    platform::SetPendingWorkHandler(nullptr);
  }
  if (g_world == this) g_world = nullptr;
}

std::string TWorld::ApplicDir() const {
  return platform::IncludeTrailingSlash(platform::ProgramDir());
}

std::string TWorld::ApplicExeName() const {
  if (app_.exe_name.empty()) return std::string();
  return ApplicDir() + platform::FileNameOf(app_.exe_name);
}

template <class T>
T* TWorld::Slot(TElementRef& slot, const char* name) {
  if (auto* held = slot.As<T>()) return held;
  T* element = FindSubEntity<T>(*this, name);
  if (!element) {
    element = new T();
    element->SetName(name);
    AddElement(element);
  }
  slot = element;
  return element;
}

void TWorld::Replace(TElementRef& slot, TElement* element) {
  TElement* old = slot.Get();
  if (old == element) return;
  slot = element;
  // The new element is added before the old one goes, so that an element held only by the
  // previous one survives the exchange.
  if (element && IndexOf(element) < 0) AddElement(element);
  if (old) FreeElement(old);
}

TElement* TWorld::MainTool() {
  if (!main_tool_) CreateMainTool();
  return main_tool_.Get();
}

void TWorld::SetMainTool(TElement* tool) { Replace(main_tool_, tool); }

TSystemRegister* TWorld::SystemRegister() {
  return Slot<TSystemRegister>(system_register_, kSystemRegister);
}

void TWorld::SetSystemRegister(TSystemRegister* system_register) {
  Replace(system_register_, system_register);
}

TObjectModel* TWorld::ObjectModel() { return Slot<TObjectModel>(object_model_, kObjectModel); }

void TWorld::SetObjectModel(TObjectModel* object_model) { Replace(object_model_, object_model); }

TKelvaClasses* TWorld::ObjectClasses() const { return &ClassRegister(); }

void TWorld::InstallMessageQueue() {
  ::tarnik::framework::InstallMessageQueue(&queue_);
  platform::SetPendingWorkHandler([] {
    if (TMessageQueue* queue = CurrentMessageQueue()) queue->Drain();
  });
}

void TWorld::DispatchMessage(TKelvaMessage& message, bool& handled) {
  TElement* receiver = message.Receiver();
  if (!receiver) {
    // Addressed to an element that no longer exists: nobody may take it over.
    if (message.ReceiverHandle() != 0) return;
    receiver = main_tool_.Get();
    if (!receiver) return;
    message.SetReceiver(receiver);
  }
  try {
    receiver->HandleMessage(message, handled);
  } catch (const std::exception& e) {
    ShowWorldError(receiver, e);
  }
}

void TWorld::ShowWorldError(TElement* /*sender*/, const std::exception& error) {
  platform::ui().ShowMessage(std::string("World Level Error :") + error.what(),
                             platform::Severity::kFailure);
}

TWCSLibrary* TWCSWorld::WCSLibrary() {
  if (auto* library = static_cast<TWCSLibrary*>(FindElementByClass(TWCSLibrary::StaticClass()))) {
    return library;
  }
  auto* library = new TWCSLibrary();
  AddElement(library);
  return library;
}

TWCS* TWCSWorld::GetWCS(uint8_t code) {
  TWCSLibrary* library = WCSLibrary();
  if (TWCS* wcs = library->FindWCS(code)) return wcs;
  if (code != TJTSK::kCode) return nullptr;
  auto* jtsk = new TJTSK();
  library->AddElement(jtsk);
  return jtsk;
}

TWCSWorld& World() {
  if (!g_world) {
    g_world = new TWCSWorld();
    g_world->InstallMessageQueue();
  }
  return *g_world;
}

TWCSWorld* CurrentWorld() { return g_world; }

void ResetWorld() {
  TWCSWorld* world = g_world;
  g_world = nullptr;
  delete world;
}

TElement* WorldTestElement() { return g_test_element.Get(); }

}  // namespace tarnik::framework
