#include "textdb/RecordReader.h"

#include "platform/ByteSearch.h"
#include "textdb/FieldCodec.h"
#include "textdb/IntegerToken.h"

namespace z2k {

RecordReader::RecordReader(std::string_view text, std::size_t position)
    : text_(text), pos_(position < text.size() ? position : text.size()) {}

int RecordReader::next() {
    while (pos_ < text_.size()) {
        char c = text_[pos_++];
        // The continuation is removed before values, quotes and escapes are interpreted.
        if (c == '~' && pos_ < text_.size() && text_[pos_] == '\n') {
            ++pos_;
            continue;
        }
        return static_cast<unsigned char>(c);
    }
    return -1;
}

RecordReader::Result RecordReader::readInteger(std::int32_t& value) {
    int c;
    do {
        c = next();
    } while (c == ' ' || c == '\n' || c == '~');
    if (c < 0) return Result::Error;
    if (c == '[') return Result::EndOfTable;

    IntegerToken token;
    token.add(static_cast<char>(c));
    for (;;) {
        std::size_t before = pos_;
        c = next();
        if (c < 0) return Result::Error;
        if (c == ' ') break;  // the blank ends the token and is consumed
        if (c == '[') {
            pos_ = before;  // left for the next read
            break;
        }
        if (c == '\n' || c == '~') continue;
        token.add(static_cast<char>(c));
    }
    value = token.value();
    return Result::Value;
}

RecordReader::Result RecordReader::readText(std::string& value) {
    int c;
    do {
        c = next();
        if (c < 0) return Result::Error;
        if (c == '[') return Result::EndOfTable;
    } while (c != '"');

    raw_.clear();
    bool escape = false;
    for (;;) {
        // A run of characters that neither end, escape nor continue the value is taken whole.
        if (!escape) {
            const std::size_t start = pos_;
            pos_ = findFirstOfBytes(text_, pos_, '"', '^', '~');
            raw_.append(text_.data() + start, pos_ - start);
        }
        c = next();
        if (c < 0) return Result::Error;
        char ch = static_cast<char>(c);
        if (escape) {
            // Taken literally; a "^" here starts the next escape at once.
            raw_.push_back(ch);
            escape = ch == '^';
        } else if (ch == '^') {
            raw_.push_back(ch);
            escape = true;
        } else if (ch == '"') {
            break;
        } else {
            raw_.push_back(ch);
        }
    }
    value = FieldCodec::unescape(raw_);
    return Result::Value;
}

RecordReader::Result RecordReader::skipLine() {
    for (;;) {
        int c = next();
        if (c < 0) return Result::Error;
        if (c == '\n') return Result::Value;
    }
}

}  // namespace z2k
