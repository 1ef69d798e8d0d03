#include "MessageBoxAlerts.h"

#include <QMessageBox>

#include "CodePageText.h"
#include "translation/ApplicationTitle.h"

namespace z2k {

namespace {

QMessageBox::Icon boxIcon(AlertIcon icon) {
    switch (icon) {
        case AlertIcon::Information:
            return QMessageBox::Information;
        case AlertIcon::Warning:
            return QMessageBox::Warning;
        case AlertIcon::Error:
            break;
    }
    return QMessageBox::Critical;
}

}  // namespace

void MessageBoxAlerts::show(std::string_view text, std::string_view title, AlertIcon icon) {
    const QString caption = codePageToQString(title.empty() ? kApplicationTitle : title, page_);
    QMessageBox box(boxIcon(icon), caption, codePageToQString(text, page_), QMessageBox::Ok, parent_);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace z2k
