// Files of a test under Wine: written and read whole, the test program's own folder, and a
// scratch folder removed with its files. Narrow paths are in the ANSI code page.
#pragma once

#include <string>

namespace zrt::testing {

// Writes the bytes as given, creating the file's missing folders; false when it could not.
bool writeFile(const std::wstring& path, const std::string& bytes);
bool writeFile(const std::string& path, const std::string& bytes);
// The whole content, also of a file another process still writes; empty when it cannot be read.
std::string readFile(const std::wstring& path);
std::string readFile(const std::string& path);

// The folder of the running program, with its trailing backslash.
std::string programFolder();
// Deletes the files directly in the folder (path with its trailing backslash) and the folder.
void removeFolder(const std::string& folder);

}  // namespace zrt::testing
