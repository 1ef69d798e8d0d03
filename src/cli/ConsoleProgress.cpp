#include "cli/ConsoleProgress.h"

namespace z2k {

void ConsoleProgress::reset() {
    value_.reset();
    show();
}

void ConsoleProgress::set(int position) {
    value_.set(position);
    show();
}

void ConsoleProgress::step(int delta) {
    value_.step(delta);
    show();
}

void ConsoleProgress::show() {
    if (echoOn_) echo_ << label_ << ": " << value_.position() << "%\n" << std::flush;
}

}  // namespace z2k
