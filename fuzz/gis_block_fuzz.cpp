// Fuzz target of the map block readers: the input is the files of one block, each as a
// little-endian 32-bit length followed by that many bytes (a length beyond the input takes the
// rest), in the order TN.CRD, TN.LIN, TN.ARE, TN.PNT, TN.TBX, TN.TTX, INFO.TXT; a file whose
// length is 0xFFFFFFFF is left out. The block is read type by type (areas both as lines and with
// copied vertices) in a fresh world; anything may be reported, nothing may crash, leak or read
// outside the files. Seeds are blocks written by the test writer of testing/block_writer.h.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/framework_classes.h"
#include "framework/models/world.h"
#include "framework/tools/tool_classes.h"
#include "fuzz/quiet_ui.h"
#include "gis/block_reader.h"
#include "gis/gis_classes.h"
#include "platform/fs.h"

namespace {

using namespace tarnik;

// A temporary directory removed when the process ends.
struct TempTree {
  explicit TempTree(std::string p) : path(std::move(p)) {}
  ~TempTree() { platform::RemoveTree(path); }
  std::string path;
};

const std::string& BlockDirectory() {
  static const TempTree base(platform::MakeTempDirectory("tarnik-fuzz-block"));
  static const std::string dir = platform::JoinPath(base.path, "FUZZ.BLK");
  return dir;
}

// Takes the next file of the input; false when the input has ended.
bool NextFile(std::string_view& input, std::string* bytes, bool* present) {
  if (input.size() < 4) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(input.data());
  const uint32_t length =
      uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
  input.remove_prefix(4);
  *present = length != 0xFFFFFFFFu;
  const size_t take = *present ? std::min<size_t>(length, input.size()) : 0;
  *bytes = std::string(input.substr(0, take));
  input.remove_prefix(take);
  return true;
}

template <class S>
void Read(S* string) {
  delete string;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzing::InstallQuietUi();
  framework::RegisterFrameworkClasses();
  framework::RegisterToolClasses();
  gis::RegisterGisClasses();
  const std::string& dir = BlockDirectory();
  platform::RemoveTree(dir);
  platform::ForceDirectories(dir);
  std::string_view input(reinterpret_cast<const char*>(data), size);
  for (const char* name :
       {"TN.CRD", "TN.LIN", "TN.ARE", "TN.PNT", "TN.TBX", "TN.TTX", "INFO.TXT"}) {
    std::string bytes;
    bool present = true;
    if (!NextFile(input, &bytes, &present)) break;
    if (present) platform::WriteFileBytes(platform::JoinPath(dir, name), bytes);
  }
  {
    auto reader = std::make_unique<gis::TKarmoLBlokReader>();
    reader->Create(dir);
    Read(reader->ReadPoints());
    Read(reader->ReadLines());
    Read(reader->ReadLineSymbols());
    Read(reader->ReadAreas());
    Read(reader->ReadTexts());
    // Again, now reusing the registered objects.
    Read(reader->ReadAreas());
  }
  framework::ResetWorld();
  {
    auto boundaries = std::make_unique<gis::TKarmoLBlokReader>();
    boundaries->Create(dir);
    boundaries->SetReadAreaAsBoundary(true);
    Read(boundaries->ReadAreas());
  }
  platform::ui().ProcessPendingEvents();
  framework::ResetWorld();
  return 0;
}
