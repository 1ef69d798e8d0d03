#pragma once
// Writes a version-2 text database (the KOR files) in one pass. The header, the version line
// "2.0", each table's section line and record lines and the end marker go straight into one
// buffer, which then replaces the file whole: under the shared write lock, atomically, keeping a
// ".bak" of the earlier file when backups are on.
//
//   Version2Writer writer(path, lockPolicy, notices);
//   WriteStatus status = writer.checkWritable();     // before anything is built
//   if (status.ok()) status = writer.write({version2Table("FILES", "Writing recordset [FILES]", rows)},
//                                          progress);
//
// A table is a list of row structs with a describeFields(row, field) overload (found next to the
// struct) that names the members in layout order: std::string members are text fields,
// std::int32_t members integer fields.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Displays.h"
#include "platform/FileFailure.h"
#include "platform/HostSettings.h"
#include "textdb/FieldCodec.h"
#include "textdb/LockPolicy.h"

namespace z2k {

// The outcome of a write: ok, or the path and the reason it failed.
struct WriteStatus {
    FileFailure failure;
    bool ok() const { return failure.empty(); }
};

// One table of the file: its name, the progress message shown just before it is written, and
// its records.
struct Version2Table {
    std::string name;
    std::string message;
    // A table named after a map entry (a composed table): without records it does not stand in
    // list order but after every other table, as a bare section.
    bool lastWhenEmpty = false;
    bool empty = true;
    // Appends the record lines, each ended by a line feed.
    std::function<void(std::string&)> appendRecords;
};

// A table of the rows; the rows must outlive the write.
template <typename Row>
Version2Table version2Table(std::string name, std::string message, const std::vector<Row>& rows,
                            bool lastWhenEmpty = false) {
    return Version2Table{std::move(name), std::move(message), lastWhenEmpty, rows.empty(),
                         [&rows](std::string& out) {
                             for (const Row& row : rows) {
                                 FieldCodec::appendRow(out, row);
                                 out.push_back('\n');
                             }
                         }};
}

class Version2Writer {
  public:
    // path: the database path; the file written is its name after TextDatabase's file-name rule.
    // notices receives a line when the earlier file was kept under a shortened backup name (the
    // usual one would be too long); nullptr drops it.
    Version2Writer(std::string_view path, const HostSettings& settings, LockPolicy lockPolicy,
                   TextDisplay* notices);

    const std::string& path() const { return path_; }

    // Checks under the write lock that the file can be written, so that a write that cannot
    // succeed fails before a table is built.
    WriteStatus checkWritable() const;

    // Shows each table's message on progress (replacing its text; nullptr shows nothing), builds
    // the text and replaces the file. Fails without writing when a table name cannot be one
    // ("END", "ZATDBVersion", longer than 80 characters, a line feed in it) or comes twice.
    WriteStatus write(const std::vector<Version2Table>& tables, TextDisplay* progress) const;

  private:
    WriteStatus failed(std::string reason) const {
        return WriteStatus{FileFailure{path_, std::move(reason)}};
    }

    HostSettings settings_;
    std::string path_;
    LockPolicy lockPolicy_;
    TextDisplay* notices_;
};

}  // namespace z2k
