#include "OptionsRow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSettings>

namespace z2k {

namespace {

// The choices of the code-page list, by the names the command line's --code-page takes; the first,
// with no name, follows the locale.
struct CodePageChoice {
    const char* key;
    const char* shown;
    CodePage page;
};
constexpr CodePageChoice kCodePages[] = {{"", "Locale's", CodePage::SingleByte},
                                         {"single", "Single-byte", CodePage::SingleByte},
                                         {"cp932", "CP932", CodePage::Cp932},
                                         {"utf8", "UTF-8", CodePage::Utf8}};

QSettings remembered() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zat2kor"),
                     QStringLiteral("zat2kor-gui"));
}

}  // namespace

OptionsRow::OptionsRow(QWidget* parent) : QWidget(parent) {
    codePage_ = new QComboBox(this);
    for (const CodePageChoice& choice : kCodePages)
        codePage_->addItem(QString::fromLatin1(choice.shown), QString::fromLatin1(choice.key));
    auto* codePageLabel = new QLabel(QStringLiteral("Code pa&ge:"), this);
    codePageLabel->setBuddy(codePage_);
    dryRun_ = new QCheckBox(QStringLiteral("Dr&y run"), this);
    dryRun_->setToolTip(QStringLiteral("Converts and reports but writes no file"));
    keepBackups_ = new QCheckBox(QStringLiteral("&Keep backups"), this);

    const QSettings settings = remembered();
    const int chosen = codePage_->findData(settings.value(QStringLiteral("codePage")).toString());
    codePage_->setCurrentIndex(chosen < 0 ? 0 : chosen);
    dryRun_->setChecked(settings.value(QStringLiteral("dryRun"), false).toBool());
    keepBackups_->setChecked(settings.value(QStringLiteral("keepBackups"), true).toBool());
    connect(codePage_, &QComboBox::currentIndexChanged, this, &OptionsRow::remember);
    connect(dryRun_, &QCheckBox::toggled, this, &OptionsRow::remember);
    connect(keepBackups_, &QCheckBox::toggled, this, &OptionsRow::remember);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(codePageLabel);
    row->addWidget(codePage_);
    row->addSpacing(codePage_->sizeHint().height());
    row->addWidget(dryRun_);
    row->addWidget(keepBackups_);
    row->addStretch(1);
}

HostSettings OptionsRow::applied(const HostSettings& locale) const {
    HostSettings settings = locale;
    const int index = codePage_->currentIndex();
    if (index > 0) settings.codePage = kCodePages[index].page;
    settings.writeFiles = !dryRun_->isChecked();
    settings.keepBackups = keepBackups_->isChecked();
    return settings;
}

bool OptionsRow::dryRun() const {
    return dryRun_->isChecked();
}

void OptionsRow::remember() const {
    QSettings settings = remembered();
    settings.setValue(QStringLiteral("codePage"), codePage_->currentData());
    settings.setValue(QStringLiteral("dryRun"), dryRun_->isChecked());
    settings.setValue(QStringLiteral("keepBackups"), keepBackups_->isChecked());
}

}  // namespace z2k
