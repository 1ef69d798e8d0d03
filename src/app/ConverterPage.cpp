#include "ConverterPage.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace z2k {

ConverterPage::ConverterPage(const DialogUnits& units, const HostSettings& settings, QWidget* parent)
    : QWidget(parent), units_(units), settings_(settings) {
    setFixedSize(units_.x(kWidthUnits), units_.y(kHeightUnits));
}

std::optional<ConversionRequest> ConverterPage::formRequest(Alerts& alerts, bool& focusSet) {
    focusSet = false;
    const FieldCheck check = checkFields();
    if (!check.ok) {
        clearOutcome();
        // An application message box: the application's title and the exclamation icon.
        alerts.show(check.message, "", AlertIcon::Warning);
        if (QWidget* control = fieldControl(check.field)) {
            control->setFocus(Qt::OtherFocusReason);
            focusSet = true;
        }
        return std::nullopt;
    }
    ConversionRequest formed = request();
    formed.alerts = &alerts;
    return formed;
}

void ConverterPage::place(QWidget* control, const QRect& unitsRect) {
    control->setGeometry(units_.rect(unitsRect.x(), unitsRect.y(), unitsRect.width(), unitsRect.height()));
}

void ConverterPage::alignWithField(QWidget* button, const QWidget* field) {
    button->setGeometry(button->x(), field->y(), button->width(), field->height());
}

QLabel* ConverterPage::addLabel(const QString& text, const QRect& unitsRect, QWidget* control) {
    auto* label = new QLabel(text, this);
    label->setBuddy(control);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    place(label, unitsRect);
    control->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return label;
}

QLineEdit* ConverterPage::addEdit(const QRect& unitsRect, int maxLength) {
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(maxLength);
    place(edit, unitsRect);
    return edit;
}

QLineEdit* ConverterPage::addReadOnlyLine(const QRect& unitsRect) {
    auto* edit = new QLineEdit(this);
    edit->setReadOnly(true);
    place(edit, unitsRect);
    return edit;
}

QPushButton* ConverterPage::addButton(const QString& text, const QRect& unitsRect) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    place(button, unitsRect);
    return button;
}

QProgressBar* ConverterPage::addProgressBar(const QRect& unitsRect) {
    auto* bar = new QProgressBar(this);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    place(bar, unitsRect);
    return bar;
}

QFrame* ConverterPage::addSeparator(int yUnits) {
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    // One unit high, but never less than the two pixels a sunken line needs.
    line->setGeometry(0, units_.y(yUnits), units_.x(kWidthUnits), std::max(2, units_.y(1)));
    return line;
}

}  // namespace z2k
