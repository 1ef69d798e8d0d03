#pragma once
// Record classes and helpers shared by the text database tests.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"
#include "support/TestSupport.h"
#include "textdb/Recordset.h"
#include "textdb/TextDatabase.h"

namespace z2k::test {

// Text, text, integer: the FILES table of the worked example.
class FilesRecord : public Recordset {
  public:
    explicit FilesRecord(TextDatabase& database, std::string tableName = "FILES")
        : Recordset(database, std::move(tableName)) {
        addField("strName", strName);
        addField("strType", strType);
        addField("nKind", nKind);
    }
    std::string strName;
    std::string strType;
    std::int32_t nKind = 0;
};

// One text field.
class NotesRecord : public Recordset {
  public:
    explicit NotesRecord(TextDatabase& database, std::string tableName = "NOTES")
        : Recordset(database, std::move(tableName)) {
        addField("strText", strText);
    }
    std::string strText;
};

// One integer field.
class NumbersRecord : public Recordset {
  public:
    explicit NumbersRecord(TextDatabase& database, std::string tableName = "NUMBERS")
        : Recordset(database, std::move(tableName)) {
        addField("nValue", nValue);
    }
    std::int32_t nValue = 0;
};

// Every line feed as a carriage return and a line feed.
inline std::string crlf(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

struct FileRow {
    std::string name;
    std::string type;
    std::int32_t kind;
    bool operator==(const FileRow&) const = default;
};

// Every record of an open FILES recordset, from the first on.
inline std::vector<FileRow> readAll(FilesRecord& files) {
    std::vector<FileRow> rows;
    for (files.moveFirst(); !files.isEOF(); files.moveNext())
        rows.push_back({files.strName, files.strType, files.nKind});
    return rows;
}

inline std::vector<std::string> readAll(NotesRecord& notes) {
    std::vector<std::string> rows;
    for (notes.moveFirst(); !notes.isEOF(); notes.moveNext()) rows.push_back(notes.strText);
    return rows;
}

// A folder mapped as drive D: with the single-byte code page.
class DriveD {
  public:
    DriveD() { setActiveCodePage(CodePage::SingleByte); }
    std::string path(const std::string& name) const { return "D:\\" + name; }
    void write(const std::string& name, std::string_view bytes) const { folder.write(name, bytes); }
    std::string read(const std::string& name) const { return folder.read(name); }
    TempFolder folder{'D'};
};

}  // namespace z2k::test
