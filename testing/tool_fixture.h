// Shared fixture of the tool tests: registers the classes, installs a recording Ui and a message
// queue that records every message (code, text) and hands it to its receiver.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/class_register.h"
#include "framework/framework_classes.h"
#include "framework/message.h"
#include "framework/tools/tool.h"
#include "framework/tools/tool_classes.h"
#include "platform/recording_ui.h"

namespace tarnik::framework::testing {

struct SeenMessage {
  int32_t code;
  std::string text;
};

class ToolTest : public ::testing::Test {
 protected:
  ToolTest()
      : queue_([this](TKelvaMessage& m, bool& handled) {
          auto* text = dynamic_cast<TKelvaTextMessage*>(&m);
          seen_.push_back({m.Message(), text ? text->Text() : std::string()});
          if (TElement* receiver = m.Receiver()) receiver->HandleMessage(m, handled);
        }) {
    RegisterFrameworkClasses();
    RegisterToolClasses();
    previous_queue_ = CurrentMessageQueue();
    InstallMessageQueue(&queue_);
  }
  ~ToolTest() override { InstallMessageQueue(previous_queue_); }

  // Dispatches the posted messages and answers the texts of the code 8 reports.
  std::vector<std::string> Reports() {
    queue_.Drain();
    std::vector<std::string> texts;
    for (const SeenMessage& m : seen_) {
      if (m.code == kReportMessage) texts.push_back(m.text);
    }
    return texts;
  }
  std::vector<int32_t> Codes() {
    queue_.Drain();
    std::vector<int32_t> codes;
    for (const SeenMessage& m : seen_) codes.push_back(m.code);
    return codes;
  }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_ui_{&ui_};
  std::vector<SeenMessage> seen_;
  TMessageQueue queue_;
  TMessageQueue* previous_queue_ = nullptr;
};

}  // namespace tarnik::framework::testing
