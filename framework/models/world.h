// The world: the root object of a run. It holds the process-wide class register (as a child it
// never frees: the register's keeper keeps it alive), the system register, the object model and
// the main tool, each freed by the world through the ownership protocol; it owns the framework
// message queue and dispatches its messages. One TWCSWorld is reachable process-wide through
// World(); ResetWorld() destroys it (tests), after which World() creates a fresh one.
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include "framework/entity.h"
#include "framework/handles.h"
#include "framework/message.h"
#include "framework/models/register_models.h"
#include "framework/models/wcs.h"

namespace tarnik::framework {

class TKelvaClasses;

// What the program tells about itself (the application object behind the Applic* properties).
struct TApplicationInfo {
  std::string exe_name;   // file name of the executable (its directory is ApplicDir)
  std::string main_form;  // name of the main window, empty without one
  std::string help_file;
  std::string hint;
  bool show_hint = true;
  int32_t hint_color = 0;
  int32_t hint_pause = 500;
  std::string title;
};

class TWorld : public TEntity {
 public:
  TARNIK_ELEMENT_CLASS(TWorld)
  static constexpr const char* kSystemRegister = "System register";
  static constexpr const char* kObjectModel = "Object model";

  TWorld();
  ~TWorld() override;

  TApplicationInfo& Application() { return app_; }
  // The executable's directory with a trailing "/".
  std::string ApplicDir() const;
  std::string ApplicExeName() const;

  // Read: CreateMainTool first when none is set; may still be nil.
  TElement* MainTool();
  // Frees the previous main tool from the world and adds the new one (nil clears the slot).
  void SetMainTool(TElement* tool);
  // Created on first read, named and added to the world.
  TSystemRegister* SystemRegister();
  void SetSystemRegister(TSystemRegister* system_register);
  TObjectModel* ObjectModel();
  void SetObjectModel(TObjectModel* object_model);
  TKelvaClasses* ObjectClasses() const;

  // Makes the world's queue the process's framework message queue, drained whenever the user
  // interface processes pending events.
  void InstallMessageQueue();
  TMessageQueue& MessageQueue() { return queue_; }

  // Called when the main tool is read while none is set; nothing here.
  virtual void CreateMainTool() {}
  // Hands a framework message to its receiver, or to the main tool (which becomes the receiver)
  // when it has none. A message whose receiver is gone is dropped. The caller keeps the message.
  virtual void DispatchMessage(TKelvaMessage& message, bool& handled);
  // "World Level Error :" + the error's text in a modal message.
  virtual void ShowWorldError(TElement* sender, const std::exception& error);

 private:
  template <class T>
  T* Slot(TElementRef& slot, const char* name);
  void Replace(TElementRef& slot, TElement* element);

  TApplicationInfo app_;
  TElementRef main_tool_;
  TElementRef system_register_;
  TElementRef object_model_;
  TMessageQueue queue_;
};

class TWCSWorld : public TWorld {
 public:
  TARNIK_ELEMENT_CLASS(TWCSWorld)
  // The library of coordinate systems, created on first call and added to the world.
  TWCSLibrary* WCSLibrary();
  // The system of that code; code 1 (S-JTSK) is created on first use; other unknown codes nil.
  TWCS* GetWCS(uint8_t code);
};

// The process-wide world, created on first use.
TWCSWorld& World();
// The world when one exists, else nil (never creates).
TWCSWorld* CurrentWorld();
// Destroys the process-wide world, if any.
void ResetWorld();

// The element last written to a world's TestElement (non-owning; nil once it is gone).
TElement* WorldTestElement();

}  // namespace tarnik::framework
