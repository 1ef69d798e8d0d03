#include "ProgressBarDisplay.h"

#include <QProgressBar>

namespace z2k {

ProgressBarDisplay::ProgressBarDisplay(QProgressBar* bar) : bar_(bar) {
    bar_->setRange(0, 100);
    bar_->setValue(0);
}

void ProgressBarDisplay::reset() {
    value_.reset();
    show();
}

void ProgressBarDisplay::set(int position) {
    value_.set(position);
    show();
}

void ProgressBarDisplay::step(int delta) {
    value_.step(delta);
    show();
}

void ProgressBarDisplay::show() {
    bar_->setValue(value_.position());
    bar_->repaint();
}

}  // namespace z2k
