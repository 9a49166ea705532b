#include "framework/message.h"

#include <chrono>
#include <exception>

namespace tarnik::framework {
namespace {

TMessageQueue* g_queue = nullptr;

void DefineMessage(std::vector<TPropInfo>& out) {
  TPropDefs<TKelvaMessage> d(out);
  d.Integer("Message", &TKelvaMessage::Message, &TKelvaMessage::SetMessage);
  d.Object("Sender", TElement::StaticClass(), &TKelvaMessage::Sender, &TKelvaMessage::SetSender);
  d.Object("Receiver", TElement::StaticClass(), &TKelvaMessage::Receiver,
           &TKelvaMessage::SetReceiver);
  d.Object("Data", TElement::StaticClass(), &TKelvaMessage::Data, &TKelvaMessage::SetData);
  d.Boolean("KillData", &TKelvaMessage::KillData, &TKelvaMessage::SetKillData);
  d.Float("Time", &TKelvaMessage::Time, &TKelvaMessage::SetTime, "TDateTime");
  d.Integer("PostIt", nullptr, &TKelvaMessage::PostIt);
  d.Integer("SendIt", nullptr, &TKelvaMessage::SendIt);
}

void DefineTextMessage(std::vector<TPropInfo>& out) {
  TPropDefs<TKelvaTextMessage> d(out);
  d.String("Text", &TKelvaTextMessage::Text, &TKelvaTextMessage::SetText);
}

}  // namespace

TARNIK_DEFINE_CLASS(TKelvaMessage, TElement, DefineMessage)
TARNIK_DEFINE_CLASS(TKelvaTextMessage, TKelvaMessage, DefineTextMessage)

double NowAsDateTime() {
  using namespace std::chrono;
  double seconds = duration<double>(system_clock::now().time_since_epoch()).count();
  // 25569 days lie between 1899-12-30 and 1970-01-01.
  return 25569.0 + seconds / 86400.0;
}

TKelvaMessage::TKelvaMessage() : time_(NowAsDateTime()) {}

TKelvaMessage::TKelvaMessage(int32_t code, TElement* data, TElement* receiver, TElement* sender)
    : message_(code), sender_(sender), receiver_(receiver), data_(data), time_(NowAsDateTime()) {}

TKelvaMessage::~TKelvaMessage() {
  if (!kill_data_) return;
  TElement* data = data_.Get();
  if (!data || data == this) return;
  // Data still held by an entity is left to its holders.
  if (!data->Holders().empty()) return;
  try {
    delete data;
  } catch (...) {
  }
}

void TKelvaMessage::PostIt(int32_t code) {
  if (code != 0) message_ = code;
  PostFrameworkMessage(this);
}

void TKelvaMessage::SendIt(int32_t code) {
  if (code != 0) message_ = code;
  SendFrameworkMessage(this);
}

TMessageQueue::~TMessageQueue() {
  while (!queue_.empty()) {
    TElement* message = queue_.front().Get();
    queue_.pop_front();
    delete message;
  }
  if (g_queue == this) g_queue = nullptr;
}

void TMessageQueue::Dispatch(TKelvaMessage* message) {
  TElementRef ref(message);
  bool handled = false;
  try {
    if (dispatcher_) dispatcher_(*message, handled);
  } catch (const std::exception&) {
  }
  // The handler may have freed the message itself.
  delete ref.As<TKelvaMessage>();
}

void TMessageQueue::Send(TKelvaMessage* message) {
  if (message) Dispatch(message);
}

void TMessageQueue::Post(TKelvaMessage* message) {
  if (message) queue_.emplace_back(message);
}

void TMessageQueue::Drain() {
  size_t count = queue_.size();
  for (size_t i = 0; i < count && !queue_.empty(); ++i) {
    auto* message = queue_.front().As<TKelvaMessage>();
    queue_.pop_front();
    if (message) Dispatch(message);
  }
}

TMessageQueue* CurrentMessageQueue() { return g_queue; }
void InstallMessageQueue(TMessageQueue* queue) { g_queue = queue; }

void SendFrameworkMessage(TKelvaMessage* message) {
  if (!message) return;
  if (g_queue) {
    g_queue->Send(message);
  } else {
    delete message;
  }
}

void PostFrameworkMessage(TKelvaMessage* message) {
  if (!message) return;
  if (g_queue) {
    g_queue->Post(message);
  } else {
    delete message;
  }
}

}  // namespace tarnik::framework
