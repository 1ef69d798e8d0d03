#pragma once
// One version-1 text database file (a ZAT project), read: a version header, named tables of
// records, an end marker. (The version-2 KOR files are written by Version2Writer.)
//
//   TextDatabase database(settings);
//   if (database.open("D:\\proj\\motor.zat") != DatabaseOpen::Ok) return fail(database.lastFailure());
//   if (database.tableExists("PROJECT") == TableCheck::Present) {
//       ProjectRecord rs(database, "PROJECT"); rs.open(); ...; rs.close();
//   }
//   database.close();
//
// No operation throws. The shared cross-process lock (SharedLock) is taken for reading and
// released inside each operation that reads the file: the open and every table open. A table
// open reads the file again when it changed since it was read.
#include <memory>
#include <string>
#include <string_view>

#include "platform/FileFailure.h"
#include "platform/HostSettings.h"
#include "textdb/LockPolicy.h"

namespace z2k {

class Recordset;

// The results of open(), with the numbers the format's reader gives them.
enum class DatabaseOpen : int {
    Ok = 0,
    Unreadable = 1,    // missing or unreadable
    NotADatabase = 2,  // first line not the header, or no "[END]" line
    WrongVersion = 3,  // no full stop in the version line, or major number not 1
    LockNotObtained = 4,
};

// The results of tableExists().
enum class TableCheck : int { Unreadable = -1, Absent = 0, Present = 1 };

// The results of Recordset::open(), with the numbers the format's reader gives them.
enum class TableOpen : int {
    Ok = 0,
    NoSection = 2,
    BadRecord = 3,  // a record could not be read
    LockNotObtained = 4,
    AlreadyOpen = 5,
    Unreadable = 6,    // no database open, or the file missing or unreadable
    NotADatabase = 7,  // header, version line or end marker wrong
};

class TextDatabase {
  public:
    // Files are found and read through the settings.
    explicit TextDatabase(const HostSettings& settings);
    ~TextDatabase();
    TextDatabase(const TextDatabase&) = delete;
    TextDatabase& operator=(const TextDatabase&) = delete;

    // Checks the file and opens it.
    DatabaseOpen open(std::string_view path);

    // Whether the file holds a section for the name before its end marker; Unreadable when no
    // database is open or the file cannot be read.
    TableCheck tableExists(std::string_view tableName);

    // Forgets the loaded text and the path.
    void close();

    // The database path after the file-name rule, empty when nothing is open.
    const std::string& path() const;

    // The wait time and whom to tell about a long wait, for every lock this object takes.
    void setLockPolicy(LockPolicy policy);

    // The path and the reason of the last operation that failed on the file (a recordset open
    // included); empty when none failed since this object was made.
    const FileFailure& lastFailure() const { return lastFailure_; }

    // The file-name rule: ".zat" is appended to a path whose last component has no extension,
    // "zat" to a path that ends in a full stop; any other path is returned as given.
    static std::string databaseFileName(std::string_view path, CodePage page);

    struct State;  // the open file's state (internal)

  private:
    friend class Recordset;
    TableOpen openTable(Recordset& recordset);
    // Records the failure and gives back the code, for "return failed(...)".
    template <typename Code>
    Code failed(Code code, std::string path, std::string reason) {
        lastFailure_ = FileFailure{std::move(path), std::move(reason)};
        return code;
    }

    HostSettings settings_;
    std::unique_ptr<State> state_;
    LockPolicy lockPolicy_;
    FileFailure lastFailure_;
};

}  // namespace z2k
