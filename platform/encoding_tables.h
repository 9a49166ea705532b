// Raw code page tables behind encoding.h; not for use outside platform/.
#pragma once

namespace tarnik::platform::internal {

struct Cp852Letter {
  unsigned char byte;  // the letter's code in code page 852
  char16_t unicode;
};

constexpr int kCp852LetterCount = 38;

extern const char16_t kCp1250ToUnicode[256];
extern const Cp852Letter kCp852ExchangeLetters[kCp852LetterCount];
extern const Cp852Letter kCp852MapLetters[kCp852LetterCount];

}  // namespace tarnik::platform::internal
