#include "app/commands/bark_confirmation.h"

#include "forest/option_flags.h"
#include "platform/ui.h"

namespace tarnik::app {

const char* const kBarkQuestionCaption = "Dotaz zda exportovat.";

std::string BarkQuestionText() {
  return "Není zaškrtnuto \"V XML Odkorněno\", do xml budou tedy exportovány \n"
         "zásoby a objemy těžeb s kůrou, což není obvyklé.\n"
         "Pokračovat v exportování s kůrou ?";
}

bool ConfirmBarkExport() {
  if (forest::Flags().odkorneno) return true;
  platform::Button answer = platform::ui().MessageBox(
      BarkQuestionText(), kBarkQuestionCaption, platform::MsgType::kConfirmation,
      {platform::Button::kYes, platform::Button::kNo});
  return answer == platform::Button::kYes;
}

}  // namespace tarnik::app
