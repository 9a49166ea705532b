#include "forest/block_io.h"

#include <exception>
#include <memory>

#include "forest/block_rotation.h"
#include "framework/handles.h"
#include "framework/stream/stream_tools.h"
#include "platform/fs.h"
#include "platform/ui.h"

namespace tarnik::plan {

framework::TOwnerEntity* NactiBlok(const std::string& file, bool report) {
  if (!platform::FileExists(file)) {
    if (report)
      platform::ui().ShowMessage("Soubor \"" + file + "\" neexistuje.",
                                 platform::Severity::kFailure);
    return nullptr;
  }
  framework::TElementRef root;
  try {
    framework::TStreamLoader loader;
    loader.SetFileName(platform::ResolvePath(file));
    loader.Execute();
    root = loader.Output();
  } catch (const std::exception&) {
    platform::ui().ShowMessage("Soubor \"" + file + "\" nejde načíst jako Klv.",
                               platform::Severity::kFailure);
    return nullptr;
  }
  framework::TElement* loaded = root.Get();
  if (!loaded) {  // a file without elements
    platform::ui().ShowMessage("Soubor \"" + file + "\" nejde načíst jako Klv.",
                               platform::Severity::kFailure);
    return nullptr;
  }
  if (auto* entity = dynamic_cast<framework::TOwnerEntity*>(loaded)) return entity;
  delete loaded;
  platform::ui().ShowMessage("Soubor \"" + file + "\" neobsahuje TOwnerEntity.",
                             platform::Severity::kFailure);
  return nullptr;
}

bool UlozBlok(framework::TElement* element, const std::string& file, int backups) {
  framework::TElementRef saved = element;
  return SaveWithBackups(file, backups, [&saved](const std::string& path) {
    framework::TElement* input = saved.Get();
    if (!input) return false;
    framework::TStreamSaver saver;
    saver.SetFileName(path);
    saver.SetInput(input);
    saver.Execute();
    return platform::FileExists(path);
  });
}

}  // namespace tarnik::plan
