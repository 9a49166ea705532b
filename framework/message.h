// Framework messages and their queue. A message refers to its sender, receiver and data by
// handle, so a message outliving any of them reads nil there. The queue takes ownership of every
// message handed to it: "send" dispatches at once, "post" appends to a FIFO drained whenever the
// front end processes pending events; each message is freed after dispatch. With no queue
// installed (no world) messages are dropped.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "framework/element.h"

namespace tarnik::framework {

class TKelvaMessage : public TElement {
 public:
  TARNIK_ELEMENT_CLASS(TKelvaMessage)
  TKelvaMessage();
  TKelvaMessage(int32_t code, TElement* data, TElement* receiver, TElement* sender);
  // Frees Data when KillData is set.
  ~TKelvaMessage() override;

  int32_t Message() const { return message_; }
  void SetMessage(int32_t code) { message_ = code; }
  TElement* Sender() const { return sender_.Get(); }
  void SetSender(TElement* e) { sender_ = e; }
  TElement* Receiver() const { return receiver_.Get(); }
  void SetReceiver(TElement* e) { receiver_ = e; }
  // The receiver's handle as given (0 for none), also after the receiver is gone.
  int32_t ReceiverHandle() const { return receiver_.Handle(); }
  TElement* Data() const { return data_.Get(); }
  void SetData(TElement* e) { data_ = e; }
  bool KillData() const { return kill_data_; }
  void SetKillData(bool kill) { kill_data_ = kill; }
  double Time() const { return time_; }
  void SetTime(double t) { time_ = t; }

  // PostIt/SendIt: a non-zero value first becomes the code; then a copy-free hand-over of this
  // message to the queue (the queue frees it afterwards).
  void PostIt(int32_t code);
  void SendIt(int32_t code);

 private:
  int32_t message_ = 0;
  TElementRef sender_;
  TElementRef receiver_;
  TElementRef data_;
  bool kill_data_ = false;
  double time_ = 0;
};

class TKelvaTextMessage : public TKelvaMessage {
 public:
  TARNIK_ELEMENT_CLASS(TKelvaTextMessage)
  using TKelvaMessage::TKelvaMessage;
  const std::string& Text() const { return text_; }
  void SetText(const std::string& t) { text_ = t; }

 private:
  std::string text_;
};

// The current date and time as days since 1899-12-30.
double NowAsDateTime();

class TMessageQueue {
 public:
  using Dispatcher = std::function<void(TKelvaMessage&, bool& handled)>;
  explicit TMessageQueue(Dispatcher dispatcher) : dispatcher_(std::move(dispatcher)) {}
  ~TMessageQueue();
  TMessageQueue(const TMessageQueue&) = delete;
  TMessageQueue& operator=(const TMessageQueue&) = delete;

  void Send(TKelvaMessage* message);
  void Post(TKelvaMessage* message);
  // Dispatches every message queued so far (messages posted meanwhile wait for the next drain).
  void Drain();
  size_t Pending() const { return queue_.size(); }

 private:
  void Dispatch(TKelvaMessage* message);
  Dispatcher dispatcher_;
  std::deque<TElementRef> queue_;
};

// The process-wide queue (installed by the world); nullptr when none.
TMessageQueue* CurrentMessageQueue();
void InstallMessageQueue(TMessageQueue* queue);
// Hands a message to the current queue, or frees it when there is none.
void SendFrameworkMessage(TKelvaMessage* message);
void PostFrameworkMessage(TKelvaMessage* message);

}  // namespace tarnik::framework
