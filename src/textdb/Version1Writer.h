#pragma once
// Writes version-1 text database files (the ZAT format). The system itself never writes
// version 1; tests and the tools that make the example projects do.
//
//   Version1Writer writer;           // header and version line 1.0
//   writer.addSection("FILES");
//   std::string line;
//   Version1Writer::appendText(line, "main.c");
//   Version1Writer::appendInteger(line, 1);
//   writer.addRecordLine(line);      // or writer.addRow(row) for a row struct's values
//   writer.writeFile("D:\\proj\\motor.zat");   // adds "[END]", CR LF on disk
//
// A logical line longer than 86 characters (bytes) gets "~" and a line feed after every 86,
// when more characters follow.
#include <cstdint>
#include <string>
#include <string_view>

#include "textdb/FieldCodec.h"

#include "platform/HostSettings.h"

namespace z2k {

class Version1Writer {
  public:
    explicit Version1Writer(int minorVersion = 0);

    // The section line of a table.
    void addSection(std::string_view tableName);
    // A record line from a logical line (without its line feed), with continuations inserted.
    void addRecordLine(std::string_view logicalLine);
    // A record line holding a row struct's values (FieldCodec::appendRow).
    template <typename Row>
    void addRow(const Row& row) {
        std::string line;
        FieldCodec::appendRow(line, row);
        addRecordLine(line);
    }

    // Field encodings: the escaped text between double quotes and a blank; decimal digits and a
    // blank.
    static void appendText(std::string& line, std::string_view value);
    static void appendInteger(std::string& line, std::int32_t value);

    // The whole file as read in text mode (lines ended by a line feed), with the end marker.
    std::string text() const;
    // Writes the file, CR LF on disk. 0, or the error number.
    int writeFile(std::string_view systemPath, const HostSettings& settings) const;

  private:
    std::string body_;
};

}  // namespace z2k
