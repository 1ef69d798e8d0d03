// Reading a generated version-1 file of 300 tables and 100,000 records, and writing a version-2
// file of the same size; the argument scales both (1x and 4x). Time must grow linearly.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/CodePage.h"
#include "platform/HostPaths.h"
#include "platform/TextFile.h"
#include "textdb/Recordset.h"
#include "textdb/TextDatabase.h"
#include "textdb/Version1Writer.h"

namespace {

using namespace z2k;

constexpr int kTables = 300;
constexpr int kRecords = 100000;

class FileRecord : public Recordset {
  public:
    FileRecord(TextDatabase& database, std::string tableName) : Recordset(database, std::move(tableName)) {
        addField("strName", strName);
        addField("strPath", strPath);
        addField("nBuild", nBuild);
        addField("bEnabled", bEnabled);
    }
    std::string strName;
    std::string strPath;
    std::int32_t nBuild = 0;
    std::int32_t bEnabled = 0;
};

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
        mapDrive('D', path_.string());
        setActiveCodePage(CodePage::SingleByte);
        setBackupsEnabled(false);
    }
    ~BenchFolder() {
        unmapDrive('D');
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

  private:
    std::filesystem::path path_;
};

BenchFolder& folder() {
    static BenchFolder instance;
    return instance;
}

void fill(FileRecord& record, int table, int row) {
    record.strName = "file" + std::to_string(row) + ".c";
    record.strPath = "$(PROJDIR)\\src\\module" + std::to_string(table) + "\\file" + std::to_string(row) +
                     ".c with \"quotes\" and ^carets^ to escape";
    record.nBuild = row;
    record.bEnabled = row % 2;
}

void BM_ReadVersion1(benchmark::State& state) {
    folder();
    const int tables = kTables * static_cast<int>(state.range(0));
    const int records = kRecords * static_cast<int>(state.range(0));
    const std::string path = "D:\\read" + std::to_string(state.range(0)) + ".zat";
    {
        TextDatabase scratch(TextDatabase::Version1);
        FileRecord record(scratch, "");
        Version1Writer writer;
        for (int table = 0; table < tables; ++table) {
            writer.addSection(tableName(table));
            for (int row = 0; row < rowsOf(table, records, tables); ++row) {
                fill(record, table, row);
                writer.addRecord(record);
            }
        }
        if (writer.writeFile(path) != 0) state.SkipWithError("cannot write the input file");
    }
    std::int64_t read = 0;
    for (auto _ : state) {
        TextDatabase database(TextDatabase::Version1);
        if (database.open(path) != 0) state.SkipWithError("open failed");
        for (int table = 0; table < tables; ++table) {
            FileRecord record(database, tableName(table));
            if (record.open() != 0) state.SkipWithError("table open failed");
            for (; !record.isEOF(); record.moveNext()) read += record.nBuild >= 0;
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
    for (auto _ : state) {
        TextDatabase database(TextDatabase::Version2);
        if (database.create(path) != 0 || database.open(path) != 0) state.SkipWithError("create failed");
        for (int table = 0; table < tables; ++table) database.createTable(tableName(table));
        for (int table = 0; table < tables; ++table) {
            FileRecord record(database, tableName(table));
            record.open();
            record.deleteAll();
            for (int row = 0; row < rowsOf(table, records, tables); ++row) {
                record.addNew();
                fill(record, table, row);
                record.update();
            }
            record.close();
        }
        if (database.save() != 0) state.SkipWithError("save failed");
    }
}

BENCHMARK(BM_ReadVersion1)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteVersion2)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
