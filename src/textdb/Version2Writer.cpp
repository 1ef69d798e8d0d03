#include "textdb/Version2Writer.h"

#include <string_view>
#include <unordered_set>

#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "textdb/SharedLock.h"
#include "textdb/TextDatabase.h"

namespace z2k {

namespace {

constexpr std::string_view kHead = "[ZATDBVersion]\n2.0\n";
constexpr std::string_view kEndLine = "[END]\n";
constexpr std::size_t kLongestTableName = 80;
// The text handed to the file at a time, at least (a table is never split).
constexpr std::size_t kPieceSize = std::size_t{1} << 20;

bool validTableName(std::string_view name) {
    // A name holding a line feed could never be found again.
    return name != "END" && name != "ZATDBVersion" && name.size() <= kLongestTableName &&
           name.find('\n') == std::string_view::npos;
}

void appendSection(std::string& text, std::string_view name) {
    text += '[';
    text += name;
    text += "]\n";
}

}  // namespace

Version2Writer::Version2Writer(std::string_view path, const HostSettings& settings, LockPolicy lockPolicy,
                               TextDisplay* notices)
    : settings_(settings),
      path_(TextDatabase::databaseFileName(path, settings.codePage)),
      lockPolicy_(std::move(lockPolicy)),
      notices_(notices) {}

WriteStatus Version2Writer::checkWritable() const {
    WriteStatus status;
    auto lock = SharedLock::acquireWrite(path_, lockPolicy_, &status.failure);
    if (!lock) return status;
    const int error = checkFileCreatable(path_, settings_);
    SharedLock::releaseWrite(std::move(lock));
    if (error != 0) return failed(errorDescription(error));
    return status;
}

WriteStatus Version2Writer::write(const std::vector<Version2Table>& tables, TextDisplay* progress) const {
    // Every table is announced and its name checked before the file is touched; the records are
    // made while the file is written, a few tables at a time, so the file is never held whole.
    std::unordered_set<std::string_view> names;
    names.reserve(tables.size());
    std::vector<const Version2Table*> inOrder;
    std::vector<std::string_view> last;
    for (const Version2Table& table : tables) {
        if (progress != nullptr && !table.message.empty()) progress->replace(table.message);
        if (!validTableName(table.name))
            return failed("[" + table.name + "] cannot be the name of a recordset");
        if (!names.insert(table.name).second)
            return failed("the recordset [" + table.name + "] is there already");
        if (table.lastWhenEmpty && table.empty) {
            last.push_back(table.name);
        } else {
            inOrder.push_back(&table);
        }
    }
    const ContentProducer produce = [&](const std::function<int(std::string_view)>& write) {
        std::string text;
        text.reserve(kPieceSize + kPieceSize / 4);
        text += kHead;
        for (const Version2Table* table : inOrder) {
            appendSection(text, table->name);
            if (table->appendRecords) table->appendRecords(text);
            if (text.size() >= kPieceSize) {
                if (const int error = write(text); error != 0) return error;
                text.clear();
            }
        }
        for (std::string_view name : last) appendSection(text, name);
        text += kEndLine;
        return write(text);
    };

    WriteStatus status;
    auto lock = SharedLock::acquireWrite(path_, lockPolicy_, &status.failure);
    if (!lock) return status;
    std::string shortenedBackup;
    const int error = replaceTextFileFrom(path_, produce, settings_, settings_.keepBackups, &shortenedBackup);
    if (error != 0) return failed(errorDescription(error));
    SharedLock::releaseWrite(std::move(lock));
    if (!shortenedBackup.empty() && notices_ != nullptr)
        notices_->appendLine(path_ + ": the earlier file is kept as " + shortenedBackup +
                             ", since the usual backup name is too long");
    return status;
}

}  // namespace z2k
