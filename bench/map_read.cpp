// map-read: the map-reading benchmark's program.
//   map-read make DIR [--cells N] [--vertices N]  writes the grid block DIR (map_generator.h)
//   map-read bare DIR     reads every file of the block from start to end in 64 KiB pieces
//   map-read records DIR  reads every binary file of the block record by record, one read(2)
//                         of one record at a time from start to end (TN.TTX byte by byte)
//   map-read decode DIR   decodes every record of the binary files, in file order
//   map-read read DIR     reads the block as the map is read: its lines, line symbols, areas
//                         (made of the shared lines), points and texts into strings
// Each run prints "<seconds> <what was read>" on stdout; the benchmark script measures the
// process's time and peak memory around it.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/map_generator.h"
#include "framework/framework_classes.h"
#include "framework/models/world.h"
#include "framework/tools/tool_classes.h"
#include "gis/block_reader.h"
#include "gis/block_records.h"
#include "gis/gis_classes.h"
#include "gis/record_file.h"
#include "platform/fs.h"
#include "platform/quiet_ui.h"
#include "platform/ui.h"

namespace {

using namespace tarnik;
using Clock = std::chrono::steady_clock;

int64_t Bare(const std::string& dir) {
  std::vector<char> buffer(64 * 1024);
  int64_t sum = 0;
  for (const std::string& name : platform::ListDirectory(dir)) {
    const int fd = ::open(platform::JoinPath(dir, name).c_str(), O_RDONLY);
    if (fd < 0) continue;
    ssize_t got;
    while ((got = ::read(fd, buffer.data(), buffer.size())) > 0) {
      for (ssize_t i = 0; i < got; ++i) sum += static_cast<unsigned char>(buffer[i]);
    }
    ::close(fd);
  }
  return sum;
}

// One record at a time, as a reader without a buffer of its own reads a file.
int64_t RecordByRecord(const std::string& dir) {
  const std::pair<const char*, int> files[] = {
      {"TN.CRD", gis::kVertexRecordSize}, {"TN.LIN", gis::kLineRecordSize},
      {"TN.ARE", gis::kAreaRecordSize},   {"TN.PNT", gis::kPointRecordSize},
      {"TN.TBX", gis::kTextRecordSize},   {"TN.TTX", 1}};
  std::vector<char> record(gis::kLineRecordSize);
  int64_t sum = 0;
  for (const auto& [name, size] : files) {
    const int fd = ::open(platform::JoinPath(dir, name).c_str(), O_RDONLY);
    if (fd < 0) continue;
    while (::read(fd, record.data(), static_cast<size_t>(size)) == size) {
      sum += static_cast<unsigned char>(record[0]);
    }
    ::close(fd);
  }
  return sum;
}

template <class Decode>
int64_t DecodeFile(const std::string& dir, const char* name, int size, Decode decode) {
  auto file = gis::RecordFile::Open(platform::JoinPath(dir, name), size);
  if (!file) return 0;
  std::vector<uint8_t> record(static_cast<size_t>(size));
  int64_t sum = 0;
  for (int64_t n = 0; n < file->RecordCount(); ++n) {
    file->Read(n, record.data());
    sum += decode(record.data());
  }
  return sum;
}

int64_t Decode(const std::string& dir) {
  return DecodeFile(dir, "TN.CRD", gis::kVertexRecordSize,
                    [](const uint8_t* b) { return gis::DecodeVertexRecord(b).x > 0; }) +
         DecodeFile(dir, "TN.LIN", gis::kLineRecordSize,
                    [](const uint8_t* b) { return gis::DecodeLineRecord(b).last_vertex; }) +
         DecodeFile(dir, "TN.ARE", gis::kAreaRecordSize,
                    [](const uint8_t* b) { return gis::DecodeAreaRecord(b).line_no; }) +
         DecodeFile(dir, "TN.PNT", gis::kPointRecordSize,
                    [](const uint8_t* b) { return gis::DecodePointRecord(b).cislo; }) +
         DecodeFile(dir, "TN.TBX", gis::kTextRecordSize,
                    [](const uint8_t* b) { return gis::DecodeTextRecord(b).cislo; });
}

int64_t Read(const std::string& dir) {
  framework::RegisterFrameworkClasses();
  framework::RegisterToolClasses();
  gis::RegisterGisClasses();
  framework::World();
  // What is read stays, as the program keeps the map while it runs.
  auto* reader = new gis::TKarmoLBlokReader();
  reader->Create(dir);
  spatial::TPolyLineString* lines = reader->ReadLines();
  spatial::TPointString* symbols = reader->ReadLineSymbols();
  spatial::TAreaString* areas = reader->ReadAreas();
  spatial::TPointString* points = reader->ReadPoints();
  spatial::TTextString* texts = reader->ReadTexts();
  platform::ui().ProcessPendingEvents();
  int64_t coordinates = 0;
  for (framework::TElement* e : lines->Children()) {
    coordinates += framework::ClassCast<spatial::TPolyElement>(e)->GetCoordsCount();
  }
  (void)symbols;
  return coordinates + areas->GetCount() + points->GetCount() + texts->GetCount();
}

}  // namespace

int main(int argc, char** argv) {
  platform::QuietUi ui;  // the benchmark measures reading, not the console
  platform::ScopedUi scoped(&ui);
  if (argc < 3) {
    std::fprintf(stderr,
                 "usage: map-read make|bare|records|decode|read DIR [--cells N] [--vertices N]\n");
    return 2;
  }
  const std::string mode = argv[1];
  const std::string dir = argv[2];
  if (mode == "make") {
    int cells = 100;
    int64_t vertices = 500000;
    for (int i = 3; i + 1 < argc; i += 2) {
      if (std::strcmp(argv[i], "--cells") == 0) cells = std::atoi(argv[i + 1]);
      if (std::strcmp(argv[i], "--vertices") == 0) vertices = std::atoll(argv[i + 1]);
    }
    bench::MapStats stats;
    if (!bench::WriteGridMap(dir, cells, vertices, &stats)) {
      std::fprintf(stderr, "cannot write %s\n", dir.c_str());
      return 1;
    }
    std::printf("%lld vertices %lld lines %lld areas %lld bytes\n",
                static_cast<long long>(stats.vertices), static_cast<long long>(stats.lines),
                static_cast<long long>(stats.areas), static_cast<long long>(stats.bytes));
    return 0;
  }
  const auto start = Clock::now();
  int64_t result = 0;
  if (mode == "bare") {
    result = Bare(dir);
  } else if (mode == "records") {
    result = RecordByRecord(dir);
  } else if (mode == "decode") {
    result = Decode(dir);
  } else if (mode == "read") {
    result = Read(dir);
  } else {
    std::fprintf(stderr, "unknown mode %s\n", mode.c_str());
    return 2;
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("%.4f %lld\n", seconds, static_cast<long long>(result));
  std::fflush(stdout);
  std::_Exit(0);
}
