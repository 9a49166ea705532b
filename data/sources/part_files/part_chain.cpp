#include "data/sources/part_files/part_chain.h"

#include <utility>

namespace tarnik::plan {

PartChain::PartChain(std::vector<std::string> paths) : paths_(std::move(paths)) {
  if (OpenNextPart()) ++moves_;
}

bool PartChain::OpenNextPart() {
  while (next_ < paths_.size()) {
    auto reader = std::make_unique<TUnivStareLHP>();
    reader->SetFileName(paths_[next_++]);
    if (reader->Open() && !reader->Eof()) {
      reader_ = std::move(reader);
      return true;
    }
  }
  return false;
}

const PartRecord& PartChain::Current() const { return reader_ ? reader_->Current() : blank_; }

bool PartChain::Eof() const { return !reader_ || reader_->Eof(); }

void PartChain::Next() {
  if (Eof()) return;
  reader_->Next();
  if (!reader_->Eof()) {
    ++moves_;
    return;
  }
  // The part ended: the last record stays current unless a further part has one.
  std::unique_ptr<TUnivStareLHP> ended = std::move(reader_);
  if (OpenNextPart()) {
    ++moves_;
  } else {
    reader_ = std::move(ended);
  }
}

const DescriptionRecord* PartChain::Description() const {
  return reader_ ? reader_->Description() : nullptr;
}

std::string PartChain::CurrentPath() const { return reader_ ? reader_->FileName() : std::string(); }

}  // namespace tarnik::plan
