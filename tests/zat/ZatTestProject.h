#pragma once
// A small ZAT project as version-1 text, section by section, so that tests can drop, empty or
// replace single recordsets. The base project has the configurations Debug and Release, the
// build phases Compiler (bSystem 0) and Linker (bSystem 1), two file groups (only "C source"
// has a BUILD_FILE_ORDER_ recordset) and one custom phase "Stamp" with its environment.
#include <string>
#include <utility>
#include <vector>

namespace z2k::test {

class ZatTestProject {
  public:
    ZatTestProject();

    // Replaces the record lines of a section (adds the section at the end when it is absent).
    void set(const std::string& section, std::vector<std::string> records);
    void remove(const std::string& section);
    // The file text with CR LF line ends.
    std::string text() const;

  private:
    std::vector<std::pair<std::string, std::vector<std::string>>> sections_;
};

}  // namespace z2k::test
