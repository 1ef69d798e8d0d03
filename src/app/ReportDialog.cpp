#include "ReportDialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "CodePageText.h"
#include "cli/ReportWriter.h"
#include "platform/Displays.h"
#include "platform/FileReplacement.h"
#include "platform/FileSystem.h"

namespace z2k {

namespace {

// The name a report gives the code page of its texts.
const char* reportCodePageName(CodePage page) {
    switch (page) {
        case CodePage::Cp932:
            return "cp932";
        case CodePage::Utf8:
            return "utf8";
        case CodePage::SingleByte:
            break;
    }
    return "single";
}

}  // namespace

ReportDialog::ReportDialog(const ConversionReport& report, const HostSettings& settings, bool dryRun,
                           Alerts& alerts, QWidget* parent)
    : QDialog(parent), report_(report), settings_(settings), dryRun_(dryRun), alerts_(alerts) {
    setWindowTitle(QStringLiteral("Report"));
    model_ = new QStandardItemModel(0, ColumnCount, this);
    model_->setHorizontalHeaderLabels({QStringLiteral("Project"), QStringLiteral("Configuration"),
                                       QStringLiteral("Tool"), QStringLiteral("File"),
                                       QStringLiteral("Option"), QStringLiteral("What happened")});
    const CodePage page = settings_.codePage;
    for (const ProjectReport& project : report_.projects()) {
        const QString projectText = codePageToQString(project.project, page);
        for (const ReportEntry& entry : project.entries) {
            QList<QStandardItem*> row;
            for (const QString& text :
                 {projectText, codePageToQString(entry.configuration, page),
                  codePageToQString(entry.tool, page),
                  entry.file.empty() ? QStringLiteral("(all files)") : codePageToQString(entry.file, page),
                  codePageToQString(entry.option, page),
                  entry.outcome == OptionOutcome::Rejected ? QStringLiteral("dropped")
                                                           : QStringLiteral("carried over unconverted")}) {
                auto* item = new QStandardItem(text);
                item->setEditable(false);
                row << item;
            }
            model_->appendRow(row);
        }
    }
    proxy_ = new QSortFilterProxyModel(this);
    proxy_->setSourceModel(model_);
    proxy_->setFilterKeyColumn(-1);
    proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);

    table_ = new QTableView(this);
    table_->setModel(proxy_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(-1, Qt::AscendingOrder);  // in conversion order until a header is clicked
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().lineSpacing() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    // Long paths keep their start and end in sight; no column takes the width of the others.
    table_->setTextElideMode(Qt::ElideMiddle);
    table_->setWordWrap(false);
    table_->resizeColumnsToContents();
    const int widest = table_->fontMetrics().averageCharWidth() * 40;
    int tableWidth = 0;
    for (int column = 0; column < ColumnCount; ++column) {
        table_->setColumnWidth(column, std::min(table_->columnWidth(column), widest));
        tableWidth += table_->columnWidth(column);
    }

    filter_ = new QLineEdit(this);
    filter_->setClearButtonEnabled(true);
    auto* filterLabel = new QLabel(QStringLiteral("&Filter:"), this);
    filterLabel->setBuddy(filter_);
    connect(filter_, &QLineEdit::textChanged, proxy_, &QSortFilterProxyModel::setFilterFixedString);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    save_ = buttons->addButton(QStringLiteral("&Save as..."), QDialogButtonBox::ActionRole);
    connect(save_, &QPushButton::clicked, this, &ReportDialog::saveAs);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(filterRow);
    column->addWidget(table_);
    column->addWidget(buttons);
    // As wide as the columns, within the screen.
    const int chrome = 2 * column->contentsMargins().left() + 2 * table_->frameWidth() +
                       table_->verticalScrollBar()->sizeHint().width();
    const QRect screen = this->screen()->availableGeometry();
    resize(std::clamp(tableWidth + chrome, 480, std::max(480, screen.width() * 9 / 10)),
           table_->fontMetrics().height() * 30);
}

void ReportDialog::saveAs() {
    const QString chosen =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save report as"), QString(),
                                     QStringLiteral("JSON report (*.json);;Text report (*.txt)"));
    if (!chosen.isEmpty()) saveTo(chosen);
}

bool ReportDialog::saveTo(const QString& hostPath) {
    ReportWriter::Format format = ReportWriter::Format::Text;
    ReportWriter::formatOf(hostPath.toStdString(), format);
    const std::string contents =
        format == ReportWriter::Format::Json
            ? ReportWriter::json(report_, reportCodePageName(settings_.codePage), dryRun_)
            : ReportWriter::text(report_, dryRun_);
    const QByteArray host = QFile::encodeName(hostPath);
    // Replaced whole like every other output: a full disk never leaves half a report.
    const int error = replaceHostFile(host.toStdString(), contents, ReplaceOptions{}, settings_);
    if (error == 0) return true;
    alerts_.show("Cannot write the report " + qStringToCodePage(hostPath, settings_.codePage) + ": " +
                     errorDescription(error),
                 "", AlertIcon::Error);
    return false;
}

}  // namespace z2k
