#pragma once
// What the two pages of the converter window share: controls placed in dialog units, and the
// step of Convert that checks the page's fields and forms the request.
#include <QWidget>
#include <optional>

#include "DialogUnits.h"
#include "conversion/ConversionRequest.h"
#include "conversion/FieldChecks.h"

class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace z2k {

class ConverterPage : public QWidget {
    Q_OBJECT
  public:
    // Both pages measure 242 x 236 dialog units.
    static constexpr int kWidthUnits = 242;
    static constexpr int kHeightUnits = 236;

    // The settings (which must outlive the page) go into every request the page forms.
    ConverterPage(const DialogUnits& units, const HostSettings& settings, QWidget* parent);

    // Reads the fields and checks them in order. On the first failure the message is shown
    // through alerts (the application's title) and the focus goes to the field the check names;
    // then nothing is returned, and focusSet tells whether a field took the focus. Otherwise the
    // request for this page, with its displays and alerts.
    // A failed check first clears what the previous conversion showed.
    std::optional<ConversionRequest> formRequest(Alerts& alerts, bool& focusSet);
    // The field a person types in first.
    virtual QWidget* firstField() const = 0;
    // Empties the results and status and sets the progress bars back to 0.
    virtual void clearOutcome() = 0;

  protected:
    // The field checks of the page over its fields as typed.
    virtual FieldCheck checkFields() = 0;
    // The request from the page's fields after the checks passed, displays attached.
    virtual ConversionRequest request() = 0;
    // The control of a checked field (none when the page has no such field).
    virtual QWidget* fieldControl(CheckedField field) = 0;

    const DialogUnits& units() const { return units_; }
    const HostSettings& settings() const { return settings_; }
    QLabel* addLabel(const QString& text, const QRect& unitsRect, QWidget* control);
    QLineEdit* addEdit(const QRect& unitsRect, int maxLength);
    QLineEdit* addReadOnlyLine(const QRect& unitsRect);
    QPushButton* addButton(const QString& text, const QRect& unitsRect);
    QProgressBar* addProgressBar(const QRect& unitsRect);
    // A sunken line one unit high across the whole page.
    QFrame* addSeparator(int yUnits);
    void place(QWidget* control, const QRect& unitsRect);
    // A button beside a field, as tall as the field and level with it.
    void alignWithField(QWidget* button, const QWidget* field);

  private:
    const DialogUnits& units_;
    const HostSettings& settings_;
};

}  // namespace z2k
