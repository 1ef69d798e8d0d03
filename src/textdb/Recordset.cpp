#include "textdb/Recordset.h"

#include "textdb/FieldCodec.h"
#include "textdb/TextDatabase.h"

namespace z2k {

Recordset::Recordset(TextDatabase& database, std::string tableName)
    : database_(&database), tableName_(std::move(tableName)) {}

Recordset::~Recordset() = default;

void Recordset::addField(std::string name, std::string& member) {
    member.clear();
    fields_.push_back(Field{std::move(name), kFieldText, &member, nullptr});
}

void Recordset::addField(std::string name, std::int32_t& member) {
    member = 0;
    fields_.push_back(Field{std::move(name), kFieldInteger, nullptr, &member});
}

Recordset::FieldInfo Recordset::fieldInfo(std::size_t index) const {
    if (index >= fields_.size()) return FieldInfo{};
    return FieldInfo{fields_[index].name, fields_[index].type};
}

int Recordset::fieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].name == name) return static_cast<int>(i);
    return -1;
}

bool Recordset::isVersion2() const {
    return database_->version() == TextDatabase::Version2;
}

int Recordset::notOpenCode(bool forUpdate) const {
    if (isVersion2()) return kRecordsetErrorVersion2;
    return forUpdate ? -1 : 1;
}

int Recordset::open(int mode) {
    // Every mode reads the table and writes it back through the output text on closing; the
    // mode that rewrites a table in place is not offered.
    (void)mode;
    return database_->openTable(*this);
}

int Recordset::close() {
    if (!open_) return isVersion2() ? kRecordsetErrorVersion2 : 0;
    int code = isVersion2() ? database_->closeTable(*this) : 0;
    clearRows();
    open_ = false;
    return code;
}

void Recordset::clearRows() {
    rows_.clear();
    rows_.shrink_to_fit();
    pending_ = Row{};
    cursor_ = -1;
    liveRows_ = 0;
    adding_ = false;
    modified_ = false;
}

std::size_t Recordset::recordCount() const {
    return liveRows_;
}

bool Recordset::liveRow(std::size_t index) const {
    return rows_[index].included && !rows_[index].deleted;
}

bool Recordset::isEOF() const {
    return !open_ || liveRows_ == 0 || cursor_ >= static_cast<std::ptrdiff_t>(rows_.size());
}

bool Recordset::isBOF() const {
    return !open_ || liveRows_ == 0 || cursor_ < 0;
}

void Recordset::loadRow(std::size_t index) {
    const Row& row = rows_[index];
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].text) {
            *fields_[i].text = row.values[i].text;
        } else {
            *fields_[i].number = row.values[i].number;
        }
    }
}

void Recordset::moveFirst() {
    if (!open_) return;
    adding_ = false;
    cursor_ = -1;
    moveNext();
}

void Recordset::moveNext() {
    if (!open_) return;
    adding_ = false;
    auto size = static_cast<std::ptrdiff_t>(rows_.size());
    std::ptrdiff_t i = cursor_ + 1;
    while (i < size && !liveRow(static_cast<std::size_t>(i))) ++i;
    cursor_ = i < size ? i : size;
    if (cursor_ < size) loadRow(static_cast<std::size_t>(cursor_));
}

void Recordset::movePrev() {
    if (!open_) return;
    adding_ = false;
    auto size = static_cast<std::ptrdiff_t>(rows_.size());
    std::ptrdiff_t i = (cursor_ > size ? size : cursor_) - 1;
    while (i >= 0 && !liveRow(static_cast<std::size_t>(i))) --i;
    cursor_ = i;
    if (cursor_ >= 0) loadRow(static_cast<std::size_t>(cursor_));
}

void Recordset::moveLast() {
    if (!open_) return;
    adding_ = false;
    cursor_ = static_cast<std::ptrdiff_t>(rows_.size());
    movePrev();
}

int Recordset::addNew() {
    if (!open_ || adding_) return notOpenCode(false);
    pending_ = Row{};
    pending_.values.resize(fields_.size());
    pending_.isNew = true;
    for (const Field& field : fields_) {
        if (field.text) {
            field.text->clear();
        } else {
            *field.number = 0;
        }
    }
    adding_ = true;
    return 0;
}

int Recordset::update() {
    if (!open_ || !adding_) return notOpenCode(true);
    bool changed = false;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        Value& value = pending_.values[i];
        if (fields_[i].text) {
            changed = changed || *fields_[i].text != value.text;
            value.text = *fields_[i].text;
        } else {
            changed = changed || *fields_[i].number != value.number;
            value.number = *fields_[i].number;
        }
    }
    pending_.included = true;
    pending_.deleted = false;
    rows_.push_back(std::move(pending_));
    pending_ = Row{};
    ++liveRows_;
    cursor_ = static_cast<std::ptrdiff_t>(rows_.size()) - 1;
    adding_ = false;
    modified_ = true;
    return changed ? 1 : 0;
}

int Recordset::deleteAll() {
    if (!open_) return notOpenCode(false);
    for (Row& row : rows_) row.deleted = true;
    liveRows_ = 0;
    modified_ = true;
    moveFirst();
    return 0;
}

void Recordset::appendRowLine(std::string& out, const Row& row) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].type == kFieldText) {
            FieldCodec::appendText(out, row.values[i].text);
        } else {
            FieldCodec::appendInteger(out, row.values[i].number);
        }
    }
    out.push_back('\n');
}

void Recordset::appendMemberLine(std::string& out) const {
    for (const Field& field : fields_) {
        if (field.text) {
            FieldCodec::appendText(out, *field.text);
        } else {
            FieldCodec::appendInteger(out, *field.number);
        }
    }
    out.push_back('\n');
}

}  // namespace z2k
