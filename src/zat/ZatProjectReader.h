#pragma once
// Reads one .zat file into a ZatProject: the fixed order of recordsets, the three passes over
// configurations and build phases, the composed recordsets of file groups and custom phases.
// ZatProject::read() runs it; it reports through the project's message sink and alert sink.
#include <string>
#include <string_view>
#include <vector>

#include "textdb/TextDatabase.h"
#include "zat/ZatProject.h"

namespace z2k {

class ZatProjectReader {
  public:
    explicit ZatProjectReader(ZatProject& project);

    // 0 = read, 1 = not read. The model must be empty and the path set.
    int run();

  private:
    void message(std::string_view recordset);
    // Keeps why the read stopped (the database's own reason when none is given); false.
    bool fail(std::string reason = {});
    template <typename Row>
    bool readSingle(std::string_view name, Row& target);
    template <typename Row>
    bool readList(const std::string& name, std::vector<Row>& rows);
    bool readOptions(const std::string& name, std::vector<ZatOptionRow>& rows);
    bool readTables();
    bool readConfigurationTables();
    bool readBuildFileOrder();
    bool readEnvironment();

    ZatProject& project_;
    TextDatabase database_;
};

}  // namespace z2k
