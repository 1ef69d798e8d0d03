#include "textdb/Recordset.h"

namespace z2k {

Recordset::Recordset(TextDatabase& database, std::string tableName)
    : database_(&database), tableName_(std::move(tableName)) {}

Recordset::~Recordset() = default;

void Recordset::addField(std::string& member) {
    member.clear();
    fields_.push_back(Field{&member, nullptr});
}

void Recordset::addField(std::int32_t& member) {
    member = 0;
    fields_.push_back(Field{nullptr, &member});
}

TableOpen Recordset::open() {
    return database_->openTable(*this);
}

void Recordset::close() {
    clearRows();
    open_ = false;
}

void Recordset::clearRows() {
    rows_.clear();
    rows_.shrink_to_fit();
    cursor_ = 0;
}

bool Recordset::isEOF() const {
    return !open_ || cursor_ >= rows_.size();
}

void Recordset::loadRow(std::size_t index) {
    Row& row = rows_[index];
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].text) {
            // The cursor never comes back to a record: its text moves into the member.
            *fields_[i].text = std::move(row[i].text);
        } else {
            *fields_[i].number = row[i].number;
        }
    }
}

void Recordset::moveFirst() {
    if (!open_) return;
    cursor_ = 0;
    if (cursor_ < rows_.size()) loadRow(cursor_);
}

void Recordset::moveNext() {
    if (!open_ || cursor_ >= rows_.size()) return;
    ++cursor_;
    if (cursor_ < rows_.size()) loadRow(cursor_);
}

}  // namespace z2k
