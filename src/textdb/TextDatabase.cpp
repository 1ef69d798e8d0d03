#include "textdb/TextDatabase.h"

#include <cerrno>
#include <string_view>
#include <unordered_set>
#include <vector>

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
constexpr std::string_view kEndLine = "[END]\n";
constexpr std::size_t kLongestTableName = 80;

std::int32_t toInteger(std::string_view text) {
    IntegerToken token;
    for (char c : text) token.add(c);
    return token.value();
}

}  // namespace

struct TextDatabase::State {
    std::string path;
    int minor = 0;
    // The text of the file as read in text mode (version 2: the loaded text).
    std::string text;
    SectionIndex index;
    // The file as it was when it was read (version 1 reads it again when it changed).
    FileStatus status;
    // Version 2: tables created since the text was loaded, which stand as bare sections just
    // before the end marker of the loaded text.
    std::vector<std::string> created;
    std::unordered_set<std::string> createdNames;
    // Version 2: the tables closed since the open, in close order, and their text.
    std::vector<std::string> closed;
    std::unordered_set<std::string> closedNames;
    std::string closedText;
};

namespace {

// Checks the loaded text of a database and indexes its sections. The check's codes of the
// version; reason says what is wrong.
int parseText(TextDatabase::State& state, bool version1, std::string& reason) {
    const std::string_view text = state.text;

    std::size_t end = SectionIndex::lineEnd(text, 0, version1);
    if (text.substr(0, end) != kHeaderLine) {
        reason = "not a text database: the first line is not [ZATDBVersion]";
        return version1 ? 2 : 3;
    }
    std::size_t pos = end;
    end = SectionIndex::lineEnd(text, pos, version1);
    std::string_view versionLine = text.substr(pos, end - pos);
    std::size_t dot = versionLine.find('.');
    reason = "the version line is not a version " + std::string(version1 ? "1" : "2") + " number";
    if (dot == std::string_view::npos) return version1 ? 3 : 2;
    if (toInteger(versionLine.substr(0, dot)) != (version1 ? 1 : 2)) return 3;
    state.minor = toInteger(versionLine.substr(dot + 1));

    state.index.build(text, end, version1);
    reason = "the database has no [END] line";
    if (version1 && !state.index.hasEndMarker()) return 2;
    reason.clear();
    return 0;
}

// Reads and checks the file at state.path; the caller holds the read lock.
int loadFile(TextDatabase::State& state, bool version1, std::string& reason) {
    state.status = fileStatus(state.path);
    TextReadResult read = readTextFile(state.path);
    if (!read.ok) {
        reason = errorDescription(read.error != 0 ? read.error : EIO);
        return 1;
    }
    state.text = std::move(read.text);
    return parseText(state, version1, reason);
}

bool fileChanged(const FileStatus& before, const FileStatus& now) {
    return !now.exists || now.size != before.size || now.modifiedNanoseconds != before.modifiedNanoseconds;
}

}  // namespace

TextDatabase::TextDatabase(Version version) : version_(version) {}

TextDatabase::~TextDatabase() = default;

bool TextDatabase::isOpen() const {
    return state_ != nullptr;
}

const std::string& TextDatabase::path() const {
    static const std::string none;
    return state_ ? state_->path : none;
}

int TextDatabase::minorVersion() const {
    return state_ ? state_->minor : 0;
}

void TextDatabase::setLockWait(std::uint32_t milliseconds) {
    lockPolicy_.waitMilliseconds = milliseconds;
}

std::uint32_t TextDatabase::lockWait() const {
    return lockPolicy_.waitMilliseconds;
}

void TextDatabase::setLockPolicy(LockPolicy policy) {
    lockPolicy_ = std::move(policy);
}

int TextDatabase::failed(int code, std::string path, std::string reason) {
    lastFailure_ = FileFailure{std::move(path), std::move(reason)};
    return code;
}

std::string TextDatabase::databaseFileName(std::string_view path) {
    std::string name(path);
    std::size_t slash = findLastChar(path, '\\');
    std::size_t from = slash == std::string_view::npos ? 0 : slash + 1;
    std::string_view last = path.substr(from);
    if (!last.empty() && last.back() == '.' && isCharStart(path, path.size() - 1)) {
        name += "zat";
    } else if (findChar(last, '.') == std::string_view::npos) {
        name += ".zat";
    }
    return name;
}

int TextDatabase::create(std::string_view path) {
    if (version_ != Version2) return failed(1, std::string(path), "a version 1 database cannot be created");
    if (path.empty()) return failed(1, "", "no file name was given");
    std::string file = databaseFileName(path);
    auto lock = SharedLock::acquireWrite(file, lockPolicy_, &lastFailure_);
    if (!lock) return 4;
    // The new, empty database is kept in memory and reaches the disk with the first save, in one
    // replace of the whole file: a reader meanwhile sees the earlier file, and a write that fails
    // before its save leaves the earlier file as it was. Only whether the file could be written
    // is checked here.
    int error = checkFileCreatable(file);
    SharedLock::releaseWrite(std::move(lock));
    if (error != 0) return failed(1, file, errorDescription(error));
    createdPath_ = std::move(file);
    return 0;
}

int TextDatabase::open(std::string_view path) {
    close();
    auto state = std::make_unique<State>();
    state->path = databaseFileName(path);
    if (version_ == Version2 && state->path == createdPath_) {
        state->text = std::string(kHeaderLine) + "2.0\n" + std::string(kEndLine);
        std::string reason;
        int code = parseText(*state, false, reason);
        if (code != 0) return failed(code, state->path, std::move(reason));
        state_ = std::move(state);
        return 0;
    }
    auto lock = SharedLock::acquireRead(state->path, lockPolicy_, &lastFailure_);
    if (!lock) return 4;
    std::string reason;
    int code = loadFile(*state, version_ == Version1, reason);
    SharedLock::releaseRead(std::move(lock));
    if (code != 0) return failed(code, state->path, std::move(reason));
    state_ = std::move(state);
    return 0;
}

void TextDatabase::close() {
    state_.reset();
}

int TextDatabase::createTable(const Recordset& recordset) {
    return createTable(recordset.tableName());
}

int TextDatabase::createTable(std::string_view tableName) {
    if (version_ != Version2 || !state_) return failed(6, path(), "no version 2 database is open");
    std::string name(tableName);
    // A name holding a line feed could never be found again.
    if (name == "END" || name == "ZATDBVersion" || name.size() > kLongestTableName ||
        name.find('\n') != std::string::npos)
        return failed(7, state_->path, "[" + name + "] cannot be the name of a recordset");
    if (state_->index.contains(name) || state_->createdNames.count(name) != 0)
        return failed(7, state_->path, "the recordset [" + name + "] is there already");
    state_->createdNames.insert(name);
    state_->created.push_back(std::move(name));
    return 0;
}

int TextDatabase::tableExists(std::string_view tableName) {
    if (!state_) return -1;
    if (version_ == Version1 && fileChanged(state_->status, fileStatus(state_->path))) {
        auto lock = SharedLock::acquireRead(state_->path, lockPolicy_, &lastFailure_);
        if (!lock) return -1;
        State fresh;
        fresh.path = state_->path;
        std::string reason;
        int code = loadFile(fresh, true, reason);
        SharedLock::releaseRead(std::move(lock));
        if (code != 0) return failed(-1, fresh.path, std::move(reason));
        *state_ = std::move(fresh);
    }
    std::string name(tableName);
    return state_->index.contains(name) || state_->createdNames.count(name) != 0 ? 1 : 0;
}

int TextDatabase::openTable(Recordset& recordset) {
    const bool version1 = version_ == Version1;
    const std::string& table = recordset.tableName();
    if (recordset.open_)
        return failed(version1 ? 5 : 10, path(), "the recordset [" + table + "] is open already");
    if (!state_) return failed(6, "", "no database is open for the recordset [" + table + "]");

    std::unique_ptr<SharedLock> lock;
    if (version1) {
        lock = SharedLock::acquireRead(state_->path, lockPolicy_, &lastFailure_);
        if (!lock) return 4;
        // The section index made when the database was opened stays good while the file keeps
        // its size and modification time.
        if (fileChanged(state_->status, fileStatus(state_->path))) {
            State fresh;
            fresh.path = state_->path;
            std::string reason;
            int code = loadFile(fresh, true, reason);
            if (code != 0) return failed(code == 1 ? 6 : 7, fresh.path, std::move(reason));
            *state_ = std::move(fresh);
        }
    } else if (state_->closedNames.count(table) != 0) {
        return failed(12, state_->path, "the recordset [" + table + "] was written already");
    }

    recordset.clearRows();
    std::size_t start = state_->index.find(recordset.tableName());
    if (start == std::string::npos) {
        if (version1) return failed(2, state_->path, "the project has no recordset [" + table + "]");
        // Version 2: a table without a section, or one created since the load, has no records.
    } else if (!recordset.fields_.empty()) {
        // (A layout without fields has no first field to meet the end of the table with: it
        // opens with no records.)
        const std::size_t fieldCount = recordset.fields_.size();
        RecordReader reader(state_->text, start, version1);
        for (;;) {
            Recordset::Row row;
            row.values.resize(fieldCount);
            RecordReader::Result result = RecordReader::Result::Value;
            for (std::size_t i = 0; i < fieldCount && result == RecordReader::Result::Value; ++i) {
                Recordset::Value& value = row.values[i];
                result = recordset.fields_[i].type == kFieldText ? reader.readText(value.text)
                                                                 : reader.readInteger(value.number);
            }
            if (result == RecordReader::Result::Value) result = reader.skipLine();
            if (result == RecordReader::Result::EndOfTable) break;
            if (result == RecordReader::Result::Error) {
                recordset.clearRows();
                return failed(version1 ? 3 : 9, state_->path, "a record of [" + table + "] cannot be read");
            }
            recordset.rows_.push_back(std::move(row));
        }
    }
    lock.reset();
    recordset.liveRows_ = recordset.rows_.size();
    recordset.open_ = true;
    recordset.moveFirst();
    return 0;
}

int TextDatabase::closeTable(Recordset& recordset) {
    if (!state_) return 0;
    std::string& out = state_->closedText;
    out += '[';
    out += recordset.tableName();
    out += "]\n";
    for (const Recordset::Row& row : recordset.rows_)
        if (row.included && !row.deleted) recordset.appendRowLine(out, row);
    state_->closed.push_back(recordset.tableName());
    state_->closedNames.insert(recordset.tableName());
    return 0;
}

int TextDatabase::save() {
    if (version_ != Version2 || !state_)
        return failed(6, path(), "no version 2 database is open to be saved");
    State& state = *state_;

    // The exact size first: growing the text while it is built would hold up to three times its
    // size at once.
    std::size_t size = kHeaderLine.size() + 16 + state.closedText.size() + kEndLine.size();
    for (const SectionIndex::Segment& segment : state.index.segments())
        if (!segment.named || state.closedNames.count(segment.name) == 0)
            size += segment.end - segment.begin + 1;
    for (const std::string& name : state.created)
        if (state.closedNames.count(name) == 0) size += name.size() + 3;
    // The closed tables are the bulk of the text: the text is built in their buffer, the version
    // lines moved in before them, so that megabytes are neither copied nor taken afresh.
    std::string head(kHeaderLine);
    head += "2.";
    head += std::to_string(state.minor);
    head += '\n';
    const std::size_t closedSize = state.closedText.size();
    std::string text = std::move(state.closedText);
    state.closedText.clear();
    // A save that fails keeps the closed tables for the next one.
    auto keepClosedTables = [&] {
        text.erase(0, head.size());
        text.resize(closedSize);
        state.closedText = std::move(text);
    };
    text.reserve(size);
    text.insert(0, head);
    for (const SectionIndex::Segment& segment : state.index.segments()) {
        if (segment.named && state.closedNames.count(segment.name) != 0) continue;
        text.append(state.text, segment.begin, segment.end - segment.begin);
        if (text.back() != '\n') text += '\n';
    }
    for (const std::string& name : state.created) {
        if (state.closedNames.count(name) != 0) continue;
        text += '[';
        text += name;
        text += "]\n";
    }
    text += kEndLine;

    auto lock = SharedLock::acquireWrite(state.path, lockPolicy_, &lastFailure_);
    if (!lock) {
        keepClosedTables();
        return 4;
    }
    std::string shortenedBackup;
    int error =
        replaceTextFile(state.path, text, backupsEnabled() && writtenPath_ != state.path, &shortenedBackup);
    if (error != 0) {
        keepClosedTables();
        return failed(1, state.path, errorDescription(error));
    }
    state.status = fileStatus(state.path);
    SharedLock::releaseWrite(std::move(lock));
    writtenPath_ = state.path;
    if (!shortenedBackup.empty() && noticeSink_ != nullptr)
        noticeSink_->appendLine(state.path + ": the earlier file is kept as " + shortenedBackup +
                                ", since the usual backup name is too long");
    if (createdPath_ == state.path) createdPath_.clear();

    // The written text becomes the loaded text.
    state.text = std::move(text);
    std::size_t versionEnd = state.text.find('\n', kHeaderLine.size()) + 1;
    state.index.build(state.text, versionEnd, false);
    state.created.clear();
    state.createdNames.clear();
    state.closed.clear();
    state.closedNames.clear();
    state.closedText.clear();
    return 0;
}

}  // namespace z2k
