// Reading a generated version-1 file of 300 tables and 100,000 records, and writing a version-2
// file of the same size; the argument scales both (1x and 4x). Time must grow linearly.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/HostPaths.h"
#include "platform/TextFile.h"
#include "textdb/RowRecordset.h"
#include "textdb/TextDatabase.h"
#include "textdb/Version1Writer.h"
#include "textdb/Version2Writer.h"

namespace {

using namespace z2k;

constexpr int kTables = 300;
constexpr int kRecords = 100000;

struct FileRow {
    std::string strName;
    std::string strPath;
    std::int32_t nBuild = 0;
    std::int32_t bEnabled = 0;
};

void describeFields(FileRow& r, auto&& field) {
    field("strName", r.strName);
    field("strPath", r.strPath);
    field("nBuild", r.nBuild);
    field("bEnabled", r.bEnabled);
}

// The records spread over the tables, exactly `records` in all.
int rowsOf(int table, int records, int tables) {
    return records / tables + (table < records % tables ? 1 : 0);
}

std::string tableName(int table) {
    return "OPTIONS_Debug_PHASE" + std::to_string(table);
}

// A temporary folder mapped as drive D: for the whole run.
class BenchFolder {
  public:
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "z2k-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
        settings.drives.map('D', path_.string());
        settings.keepBackups = false;
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    // D: mapped, the single-byte code page, no backups.
    HostSettings settings;

  private:
    std::filesystem::path path_;
};

BenchFolder& folder() {
    static BenchFolder instance;
    return instance;
}

FileRow fill(int table, int row) {
    return FileRow{"file" + std::to_string(row) + ".c",
                   "$(PROJDIR)\\src\\module" + std::to_string(table) + "\\file" + std::to_string(row) +
                       ".c with \"quotes\" and ^carets^ to escape",
                   row, row % 2};
}

void BM_ReadVersion1(benchmark::State& state) {
    folder();
    const int tables = kTables * static_cast<int>(state.range(0));
    const int records = kRecords * static_cast<int>(state.range(0));
    const std::string path = "D:\\read" + std::to_string(state.range(0)) + ".zat";
    {
        Version1Writer writer;
        for (int table = 0; table < tables; ++table) {
            writer.addSection(tableName(table));
            for (int row = 0; row < rowsOf(table, records, tables); ++row) writer.addRow(fill(table, row));
        }
        if (writer.writeFile(path, folder().settings) != 0)
            state.SkipWithError("cannot write the input file");
    }
    std::int64_t read = 0;
    for (auto _ : state) {
        TextDatabase database(folder().settings);
        if (database.open(path) != DatabaseOpen::Ok) state.SkipWithError("open failed");
        for (int table = 0; table < tables; ++table) {
            RowRecordset<FileRow> record(database, tableName(table));
            if (record.open() != TableOpen::Ok) state.SkipWithError("table open failed");
            for (; !record.isEOF(); record.moveNext()) read += record.row.nBuild >= 0;
            record.close();
        }
        database.close();
    }
    state.counters["records"] = static_cast<double>(read) / static_cast<double>(state.iterations());
}

void BM_WriteVersion2(benchmark::State& state) {
    folder();
    const int tables = kTables * static_cast<int>(state.range(0));
    const int records = kRecords * static_cast<int>(state.range(0));
    const std::string path = "D:\\write" + std::to_string(state.range(0)) + ".krp";
    std::vector<std::vector<FileRow>> rows(static_cast<std::size_t>(tables));
    for (int table = 0; table < tables; ++table)
        for (int row = 0; row < rowsOf(table, records, tables); ++row)
            rows[static_cast<std::size_t>(table)].push_back(fill(table, row));
    for (auto _ : state) {
        std::vector<Version2Table> list;
        for (int table = 0; table < tables; ++table)
            list.push_back(version2Table(tableName(table), "", rows[static_cast<std::size_t>(table)]));
        Version2Writer writer(path, folder().settings, LockPolicy{}, nullptr);
        if (!writer.write(list, nullptr).ok()) state.SkipWithError("write failed");
    }
}

BENCHMARK(BM_ReadVersion1)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteVersion2)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
