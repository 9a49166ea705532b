// File system helpers. Files that come from Windows keep their case loosely, so every lookup of a
// name inside a directory is case-insensitive (the exact name wins when several match). Paths
// from data files may use "\" as separator; NormalizePath turns it into "/".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnik::platform {

// "\" -> "/"; a Windows drive prefix ("C:") is kept as it is.
std::string NormalizePath(std::string_view path);
// Joins a directory and a relative name with one "/".
std::string JoinPath(std::string_view dir, std::string_view name);
std::string FileNameOf(std::string_view path);   // after the last "/"
std::string DirectoryOf(std::string_view path);  // up to the last "/", without it
std::string ExtensionOf(std::string_view path);  // ".ext" of the last component, or ""
std::string ChangeExtension(std::string_view path, std::string_view ext);  // ext with its "."
std::string IncludeTrailingSlash(std::string_view dir);
std::string ExcludeTrailingSlash(std::string_view dir);

// The path of an entry named `name` (case-insensitively) inside `dir`; nullopt when none.
std::optional<std::string> FindInDirectory(const std::string& dir, const std::string& name);
// Resolves every component of a path case-insensitively; answers the path as it exists on disk,
// or the path unchanged (normalised) when some component does not exist.
std::string ResolvePath(const std::string& path);

bool FileExists(const std::string& path);       // a regular file (case-insensitive names)
bool DirectoryExists(const std::string& path);  // a directory (case-insensitive names)
// Creates the directory with all missing parents; true when it exists afterwards.
bool ForceDirectories(const std::string& path);
// Copies a file, overwriting the target; false on failure.
bool CopyFile(const std::string& from, const std::string& to);
bool DeleteFile(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);
std::optional<int64_t> FileSize(const std::string& path);

// Attribute filter of a directory listing.
enum ListFlags : unsigned { kListFiles = 1, kListDirectories = 2, kListHidden = 4 };
// Names (not paths) inside `dir` that match the wildcard mask ("*" and "?", case-insensitive;
// "*.*" matches every name), sorted case-insensitively; "." and ".." are never listed.
std::vector<std::string> ListDirectory(const std::string& dir, const std::string& mask = "*",
                                       unsigned flags = kListFiles);
// Wildcard match as the Windows listing does it, case-insensitive.
bool MatchesMask(std::string_view name, std::string_view mask);

// Whole file as bytes; nullopt when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);
// Writes bytes through a temporary file renamed over the target; false on failure.
bool WriteFileBytes(const std::string& path, std::string_view bytes);
// Lines of a text file without their line ends (CR LF, LF or CR); nullopt when unreadable.
// Bytes are returned as they are: callers decode the code page.
std::optional<std::vector<std::string>> ReadLines(const std::string& path);

// A directory for temporary files, and a unique fresh directory inside it.
std::string TempDirectory();
std::string MakeTempDirectory(std::string_view prefix);
// Removes a directory tree; true when it is gone afterwards.
bool RemoveTree(const std::string& path);

}  // namespace tarnik::platform
