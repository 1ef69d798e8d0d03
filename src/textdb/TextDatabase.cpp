#include "textdb/TextDatabase.h"

#include <cerrno>
#include <string_view>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "textdb/IntegerToken.h"
#include "textdb/RecordReader.h"
#include "textdb/Recordset.h"
#include "textdb/SectionIndex.h"
#include "textdb/SharedLock.h"

namespace z2k {

namespace {

constexpr std::string_view kHeaderLine = "[ZATDBVersion]\n";

std::int32_t toInteger(std::string_view text) {
    IntegerToken token;
    for (char c : text) token.add(c);
    return token.value();
}

}  // namespace

struct TextDatabase::State {
    std::string path;
    // The text of the file as read in text mode.
    std::string text;
    SectionIndex index;
    // The file as it was when it was read (it is read again when it changed).
    FileStatus status;
};

namespace {

// Checks the loaded text of a database and indexes its sections; reason says what is wrong.
DatabaseOpen parseText(TextDatabase::State& state, std::string& reason) {
    const std::string_view text = state.text;

    std::size_t end = SectionIndex::lineEnd(text, 0);
    if (text.substr(0, end) != kHeaderLine) {
        reason = "not a text database: the first line is not [ZATDBVersion]";
        return DatabaseOpen::NotADatabase;
    }
    std::size_t pos = end;
    end = SectionIndex::lineEnd(text, pos);
    std::string_view versionLine = text.substr(pos, end - pos);
    std::size_t dot = versionLine.find('.');
    reason = "the version line is not a version 1 number";
    if (dot == std::string_view::npos || toInteger(versionLine.substr(0, dot)) != 1)
        return DatabaseOpen::WrongVersion;

    state.index.build(text, end);
    reason = "the database has no [END] line";
    if (!state.index.hasEndMarker()) return DatabaseOpen::NotADatabase;
    reason.clear();
    return DatabaseOpen::Ok;
}

// Reads and checks the file at state.path; the caller holds the read lock.
DatabaseOpen loadFile(TextDatabase::State& state, const HostSettings& settings, std::string& reason) {
    state.status = fileStatus(state.path, settings);
    TextReadResult read = readTextFile(state.path, settings);
    if (!read.ok) {
        reason = errorDescription(read.error != 0 ? read.error : EIO);
        return DatabaseOpen::Unreadable;
    }
    state.text = std::move(read.text);
    return parseText(state, reason);
}

bool fileChanged(const FileStatus& before, const FileStatus& now) {
    return !now.exists || now.size != before.size || now.modifiedNanoseconds != before.modifiedNanoseconds;
}

}  // namespace

TextDatabase::TextDatabase(const HostSettings& settings) : settings_(settings) {}

TextDatabase::~TextDatabase() = default;

const std::string& TextDatabase::path() const {
    static const std::string none;
    return state_ ? state_->path : none;
}

void TextDatabase::setLockPolicy(LockPolicy policy) {
    lockPolicy_ = std::move(policy);
}

std::string TextDatabase::databaseFileName(std::string_view path, CodePage page) {
    std::string name(path);
    std::size_t slash = findLastChar(path, '\\', page);
    std::size_t from = slash == std::string_view::npos ? 0 : slash + 1;
    std::string_view last = path.substr(from);
    if (!last.empty() && last.back() == '.' && isCharStart(path, path.size() - 1, page)) {
        name += "zat";
    } else if (findChar(last, '.', 0, page) == std::string_view::npos) {
        name += ".zat";
    }
    return name;
}

DatabaseOpen TextDatabase::open(std::string_view path) {
    close();
    auto state = std::make_unique<State>();
    state->path = databaseFileName(path, settings_.codePage);
    auto lock = SharedLock::acquireRead(state->path, lockPolicy_, &lastFailure_);
    if (!lock) return DatabaseOpen::LockNotObtained;
    std::string reason;
    DatabaseOpen code = loadFile(*state, settings_, reason);
    SharedLock::releaseRead(std::move(lock));
    if (code != DatabaseOpen::Ok) return failed(code, state->path, std::move(reason));
    state_ = std::move(state);
    return DatabaseOpen::Ok;
}

void TextDatabase::close() {
    state_.reset();
}

TableCheck TextDatabase::tableExists(std::string_view tableName) {
    if (!state_) return TableCheck::Unreadable;
    if (fileChanged(state_->status, fileStatus(state_->path, settings_))) {
        auto lock = SharedLock::acquireRead(state_->path, lockPolicy_, &lastFailure_);
        if (!lock) return TableCheck::Unreadable;
        State fresh;
        fresh.path = state_->path;
        std::string reason;
        DatabaseOpen code = loadFile(fresh, settings_, reason);
        SharedLock::releaseRead(std::move(lock));
        if (code != DatabaseOpen::Ok) return failed(TableCheck::Unreadable, fresh.path, std::move(reason));
        *state_ = std::move(fresh);
    }
    return state_->index.contains(std::string(tableName)) ? TableCheck::Present : TableCheck::Absent;
}

TableOpen TextDatabase::openTable(Recordset& recordset) {
    const std::string& table = recordset.tableName();
    if (recordset.open_)
        return failed(TableOpen::AlreadyOpen, path(), "the recordset [" + table + "] is open already");
    if (!state_)
        return failed(TableOpen::Unreadable, "", "no database is open for the recordset [" + table + "]");

    auto lock = SharedLock::acquireRead(state_->path, lockPolicy_, &lastFailure_);
    if (!lock) return TableOpen::LockNotObtained;
    // The section index made when the database was opened stays good while the file keeps its
    // size and modification time.
    if (fileChanged(state_->status, fileStatus(state_->path, settings_))) {
        State fresh;
        fresh.path = state_->path;
        std::string reason;
        DatabaseOpen code = loadFile(fresh, settings_, reason);
        if (code != DatabaseOpen::Ok)
            return failed(code == DatabaseOpen::Unreadable ? TableOpen::Unreadable : TableOpen::NotADatabase,
                          fresh.path, std::move(reason));
        *state_ = std::move(fresh);
    }

    recordset.clearRows();
    std::size_t start = state_->index.find(recordset.tableName());
    if (start == std::string::npos)
        return failed(TableOpen::NoSection, state_->path, "the project has no recordset [" + table + "]");
    // A layout without fields has no first field to meet the end of the table with: it opens
    // with no records.
    if (!recordset.fields_.empty()) {
        const std::size_t fieldCount = recordset.fields_.size();
        RecordReader reader(state_->text, start);
        for (;;) {
            Recordset::Row row(fieldCount);
            RecordReader::Result result = RecordReader::Result::Value;
            for (std::size_t i = 0; i < fieldCount && result == RecordReader::Result::Value; ++i) {
                Recordset::Value& value = row[i];
                result = recordset.fields_[i].text != nullptr ? reader.readText(value.text)
                                                              : reader.readInteger(value.number);
            }
            if (result == RecordReader::Result::Value) result = reader.skipLine();
            if (result == RecordReader::Result::EndOfTable) break;
            if (result == RecordReader::Result::Error) {
                recordset.clearRows();
                return failed(TableOpen::BadRecord, state_->path,
                              "a record of [" + table + "] cannot be read");
            }
            recordset.rows_.push_back(std::move(row));
        }
    }
    lock.reset();
    recordset.open_ = true;
    recordset.moveFirst();
    return TableOpen::Ok;
}

}  // namespace z2k
