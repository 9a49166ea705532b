#include <gtest/gtest.h>

#include "app/commands/class_registration.h"
#include "forest/codelists/code_list_container.h"
#include "forest/forest_element.h"
#include "framework/class_register.h"
#include "framework/element.h"
#include "framework/entity.h"
#include "platform/recording_ui.h"

namespace tarnik::app {
namespace {

// The register's parent of every class the program registers is its C++ base, so a cast by the
// register answers what dynamic_cast answers.
TEST(ClassCast, AgreesWithDynamicCastForEveryRegisteredClass) {
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  RegisterProgramClasses();
  int checked = 0;
  for (framework::TElement* child : framework::ClassRegister().Children()) {
    auto* entry = dynamic_cast<framework::TKelvaClass*>(child);
    if (!entry || !entry->Info()) continue;
    std::unique_ptr<framework::TElement> element(entry->Info()->Create());
    ASSERT_NE(element, nullptr) << entry->ElementClassName();
    framework::TElement* e = element.get();
    EXPECT_EQ(framework::ClassCast<framework::TEntity>(e), dynamic_cast<framework::TEntity*>(e))
        << entry->ElementClassName();
    EXPECT_EQ(framework::ClassCast<plan::TObecnyLesniPrvek>(e),
              dynamic_cast<plan::TObecnyLesniPrvek*>(e))
        << entry->ElementClassName();
    EXPECT_EQ(framework::ClassCast<plan::tciselnik>(e), dynamic_cast<plan::tciselnik*>(e))
        << entry->ElementClassName();
    ++checked;
  }
  EXPECT_GT(checked, 100);
  EXPECT_EQ(framework::ClassCast<framework::TEntity>(nullptr), nullptr);
}

}  // namespace
}  // namespace tarnik::app
