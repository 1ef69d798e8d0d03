#pragma once
// One text database file: a version header, named tables of records, an end marker.
// Version 1 (ZAT files) is read only; version 2 (KOR files) is loaded whole, changed in memory
// through its recordsets and written back by save().
//
// Reading a version-1 file:
//   TextDatabase database(TextDatabase::Version1);
//   if (database.open("D:\\proj\\motor.zat") != 0) return 1;
//   if (database.tableExists("PROJECT") == 1) { ProjectRecord rs(database, "PROJECT"); rs.open(); ... }
//   database.close();
//
// Writing a version-2 file:
//   TextDatabase database(TextDatabase::Version2);
//   database.create(path); database.open(path);
//   FilesRecord files(database); database.createTable(files);
//   files.open(); files.deleteAll(); files.addNew(); ...; files.update(); files.close();
//   database.save();
//
// Every operation returns a result code (0 = success) and never throws. The shared
// cross-process lock (SharedLock) is taken and released inside each operation that touches the
// file: the check and open and every version-1 table open take it for reading, create and save
// for writing. Creating and saving replace the file atomically (a temporary file in the same
// folder renamed over the path), keeping a ".bak" of a file this object did not write itself
// when backups are enabled.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/FileFailure.h"
#include "textdb/LockPolicy.h"
#include "platform/Displays.h"

namespace z2k {

class Recordset;

class TextDatabase {
  public:
    enum Version { Version1 = 1, Version2 = 2 };

    explicit TextDatabase(Version version);
    ~TextDatabase();
    TextDatabase(const TextDatabase&) = delete;
    TextDatabase& operator=(const TextDatabase&) = delete;

    Version version() const { return version_; }

    // Version 2: makes a new empty database (header, version 2.0, end marker) that the next open
    // of the same path starts from. It is written to disk by the first save, which replaces the
    // file whole. 0; 1 when the path is empty, the file cannot be written, or the database is
    // version 1; 4 lock not obtained.
    int create(std::string_view path);

    // Checks the file and opens it. Codes:
    //   version 1: 0, 1 missing/unreadable, 2 first line not the header or no "[END]" line,
    //              3 no full stop in the version line or major number not 1, 4 lock not obtained;
    //   version 2: 0, 1 missing/unreadable, 3 first line not the header or major number not 2,
    //              2 no full stop in the version line, 4 lock not obtained.
    int open(std::string_view path);

    // Version 2: adds the table, empty, before the end marker. 0; 6 no database open (or
    // version 1); 7 name "END" or "ZATDBVersion", longer than 80 characters, or already present.
    int createTable(const Recordset& recordset);
    int createTable(std::string_view tableName);

    // 1 when the file holds a section for the name before its end marker, 0 when not, -1 when no
    // database is open or the file cannot be read.
    int tableExists(std::string_view tableName);

    // Version 2: writes the whole file: header, version line, the tables closed since the open in
    // close order, the other tables of the loaded text in their order, end marker. 0; 6 no
    // database open (or version 1); 4 lock not obtained; 1 the file cannot be written (the file
    // on disk and the state in memory stay as they were).
    int save();

    // Forgets the loaded text and the path; nothing is written.
    void close();

    bool isOpen() const;
    // The database path after the file-name rule, empty when nothing is open.
    const std::string& path() const;
    // The minor version number read from the file (0 for a created file).
    int minorVersion() const;

    // Receives a line when a save kept the backup under a shortened name (the usual one would
    // be too long for the file system); nullptr drops it.
    void setNoticeSink(TextDisplay* sink) { noticeSink_ = sink; }

    // The lock wait time in milliseconds; initially 0xFFFFFFFF, no time-out (kInfiniteLockWait).
    void setLockWait(std::uint32_t milliseconds);
    std::uint32_t lockWait() const;
    // The wait time and whom to tell about a long wait, together.
    void setLockPolicy(LockPolicy policy);

    // The path and the reason of the last operation that failed on the file (a recordset open
    // included); empty when none failed since this object was made.
    const FileFailure& lastFailure() const { return lastFailure_; }

    // The file-name rule: ".zat" is appended to a path whose last component has no extension,
    // "zat" to a path that ends in a full stop; any other path is returned as given.
    static std::string databaseFileName(std::string_view path);

    struct State;  // the open file's state (internal)

  private:
    friend class Recordset;
    int openTable(Recordset& recordset);
    int closeTable(Recordset& recordset);
    // Records the failure and gives back the code, for "return failed(...)".
    int failed(int code, std::string path, std::string reason);

    Version version_;
    std::unique_ptr<State> state_;
    LockPolicy lockPolicy_;
    FileFailure lastFailure_;
    TextDisplay* noticeSink_ = nullptr;
    // The file this object last created or saved (no backup is kept of it).
    std::string writtenPath_;
    // A database created by this object and not yet saved: it lives in memory only, so that the
    // file on disk keeps its earlier content until the first save replaces it whole.
    std::string createdPath_;
};

}  // namespace z2k
