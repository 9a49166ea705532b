#include "platform/fs.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/encoding.h"
#include "platform/text.h"

namespace tarnik::platform {
namespace fsys = std::filesystem;

std::string NormalizePath(std::string_view path) {
  std::string out(path);
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

std::string JoinPath(std::string_view dir, std::string_view name) {
  if (dir.empty()) return std::string(name);
  if (name.empty()) return std::string(dir);
  std::string out(dir);
  if (out.back() != '/') out.push_back('/');
  size_t b = 0;
  while (b < name.size() && name[b] == '/') ++b;
  out.append(name.substr(b));
  return out;
}

std::string FileNameOf(std::string_view path) {
  std::string p = NormalizePath(path);
  size_t s = p.rfind('/');
  return s == std::string::npos ? p : p.substr(s + 1);
}

std::string DirectoryOf(std::string_view path) {
  std::string p = NormalizePath(path);
  size_t s = p.rfind('/');
  if (s == std::string::npos) return "";
  if (s == 0) return "/";
  return p.substr(0, s);
}

std::string ExtensionOf(std::string_view path) {
  std::string name = FileNameOf(path);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? "" : name.substr(dot);
}

std::string ChangeExtension(std::string_view path, std::string_view ext) {
  std::string p(path);
  std::string name = FileNameOf(p);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos) p.erase(p.size() - (name.size() - dot));
  return p + std::string(ext);
}

std::string IncludeTrailingSlash(std::string_view dir) {
  std::string d(dir);
  if (d.empty() || d.back() != '/') d.push_back('/');
  return d;
}

std::string ExcludeTrailingSlash(std::string_view dir) {
  std::string d(dir);
  while (d.size() > 1 && d.back() == '/') d.pop_back();
  return d;
}

std::optional<std::string> FindInDirectory(const std::string& dir, const std::string& name) {
  std::string d = dir.empty() ? "." : dir;
  std::string exact = JoinPath(d, name);
  struct stat st;
  if (::lstat(exact.c_str(), &st) == 0) return dir.empty() ? name : exact;
  DIR* h = ::opendir(d.c_str());
  if (!h) return std::nullopt;
  std::optional<std::string> found;
  while (dirent* e = ::readdir(h)) {
    std::string n = e->d_name;
    if (n == "." || n == "..") continue;
    if (SameTextCz(n, name)) {
      found = dir.empty() ? n : JoinPath(dir, n);
      break;
    }
  }
  ::closedir(h);
  return found;
}

std::string ResolvePath(const std::string& path) {
  std::string p = NormalizePath(path);
  if (p.empty()) return p;
  struct stat st;
  if (::stat(p.c_str(), &st) == 0) return p;
  bool absolute = p[0] == '/';
  std::vector<std::string> parts = Split(p, '/');
  std::string current = absolute ? "/" : "";
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    if (part.empty() || part == ".") continue;
    std::string next;
    if (part == "..") {
      next = JoinPath(current.empty() ? "." : current, "..");
    } else if (auto f = FindInDirectory(current, part)) {
      next = *f;
    } else {
      return p;
    }
    current = next;
  }
  return current.empty() ? p : current;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(ResolvePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st;
  return ::stat(ResolvePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const std::string& path) {
  std::string p = ExcludeTrailingSlash(NormalizePath(path));
  if (p.empty()) return false;
  if (DirectoryExists(p)) return true;
  std::string parent = DirectoryOf(p);
  if (!parent.empty() && parent != p && !ForceDirectories(parent)) return false;
  std::string resolved = JoinPath(parent.empty() ? "" : ResolvePath(parent), FileNameOf(p));
  if (::mkdir(resolved.c_str(), 0777) == 0) return true;
  return DirectoryExists(p);
}

bool CopyFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  fsys::copy_file(ResolvePath(from), ResolvePath(to), fsys::copy_options::overwrite_existing, ec);
  return !ec;
}

bool DeleteFile(const std::string& path) { return ::unlink(ResolvePath(path).c_str()) == 0; }

bool RenameFile(const std::string& from, const std::string& to) {
  return std::rename(ResolvePath(from).c_str(), ResolvePath(to).c_str()) == 0;
}

std::optional<int64_t> FileSize(const std::string& path) {
  struct stat st;
  if (::stat(ResolvePath(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<int64_t>(st.st_size);
}

bool MatchesMask(std::string_view name, std::string_view mask) {
  if (mask == "*.*" || mask == "*") return true;
  // Iterative wildcard match over upper-cased code points.
  std::u32string n, m;
  std::string un = UpperCz(name), um = UpperCz(mask);
  for (size_t p = 0; p < un.size();) n.push_back(NextCodePoint(un, &p));
  for (size_t p = 0; p < um.size();) m.push_back(NextCodePoint(um, &p));
  size_t i = 0, j = 0, star = std::u32string::npos, mark = 0;
  while (i < n.size()) {
    if (j < m.size() && (m[j] == '?' || m[j] == n[i])) {
      ++i, ++j;
    } else if (j < m.size() && m[j] == '*') {
      star = j++, mark = i;
    } else if (star != std::u32string::npos) {
      j = star + 1, i = ++mark;
    } else {
      return false;
    }
  }
  while (j < m.size() && m[j] == '*') ++j;
  // "name.*" matches a name without extension too, as on Windows.
  if (j + 2 == m.size() && m[j] == '.' && m[j + 1] == '*') return true;
  return j == m.size();
}

std::vector<std::string> ListDirectory(const std::string& dir, const std::string& mask,
                                       unsigned flags) {
  std::vector<std::string> names;
  std::string d = ResolvePath(dir.empty() ? "." : dir);
  DIR* h = ::opendir(d.c_str());
  if (!h) return names;
  while (dirent* e = ::readdir(h)) {
    std::string n = e->d_name;
    if (n == "." || n == "..") continue;
    if (n[0] == '.' && !(flags & kListHidden)) continue;
    struct stat st;
    if (::stat(JoinPath(d, n).c_str(), &st) != 0) continue;
    bool is_dir = S_ISDIR(st.st_mode);
    if (is_dir ? !(flags & kListDirectories) : !(flags & kListFiles)) continue;
    if (MatchesMask(n, mask)) names.push_back(n);
  }
  ::closedir(h);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    int c = CompareTextCz(a, b);
    return c != 0 ? c < 0 : a < b;
  });
  return names;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::ifstream in(ResolvePath(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool WriteFileBytes(const std::string& path, std::string_view bytes) {
  static std::atomic<unsigned> counter{0};
  std::string target = ResolvePath(path);
  std::string tmp = target + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      ::unlink(tmp.c_str());
      return false;
    }
  }
  if (std::rename(tmp.c_str(), target.c_str()) != 0) {
    ::unlink(tmp.c_str());
    return false;
  }
  return true;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  std::vector<std::string> lines;
  const std::string& b = *bytes;
  size_t start = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    if (b[i] == '\r' || b[i] == '\n') {
      lines.push_back(b.substr(start, i - start));
      if (b[i] == '\r' && i + 1 < b.size() && b[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < b.size()) lines.push_back(b.substr(start));
  return lines;
}

std::string TempDirectory() {
  const char* t = std::getenv("TMPDIR");
  return (t && *t) ? ExcludeTrailingSlash(t) : "/tmp";
}

std::string MakeTempDirectory(std::string_view prefix) {
  std::string templ = JoinPath(TempDirectory(), std::string(prefix) + "XXXXXX");
  std::vector<char> buf(templ.begin(), templ.end());
  buf.push_back('\0');
  if (!::mkdtemp(buf.data())) return "";
  return std::string(buf.data());
}

bool RemoveTree(const std::string& path) {
  std::error_code ec;
  fsys::remove_all(path, ec);
  return !fsys::exists(path, ec);
}

}  // namespace tarnik::platform
