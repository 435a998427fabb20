#include "ui/folder/folder_check_window.h"

#include "core/index/problem_list.h"
#include "ui/folder/place_list.h"
#include "ui/index/index_paths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace defwright {
namespace {

constexpr QSize kSize(860, 400);
constexpr std::array<QStyle::StandardPixmap, 3> kSeverityIcons = {
    QStyle::SP_MessageBoxCritical, QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxInformation};

QString severityName(FolderProblem::Severity severity)
{
    return QString::fromUtf8(kSeverityNames.at(static_cast<std::size_t>(severity)));
}

// "&Errors (12)": what the box shows, and how many of its kind there are.
QString severityCaption(std::size_t severity, std::size_t count)
{
    static const std::array<const char*, 3> captions = {QT_TR_NOOP("&Errors (%L1)"), QT_TR_NOOP("&Warnings (%L1)"),
                                                        QT_TR_NOOP("&Hints (%L1)")};
    return FolderCheckWindow::tr(captions.at(severity)).arg(count);
}

} // namespace

FolderCheckWindow::FolderCheckWindow(QWidget* owner)
    : QWidget(owner, Qt::Window)
    , filter_(new QLineEdit(this))
    , order_(new QComboBox(this))
    , count_(new QLabel(this))
    , list_(new PlaceList({tr("Severity"), tr("File"), tr("Line"), tr("Problem")}, this))
{
    setObjectName(QStringLiteral("frmFolderCheck"));
    setWindowTitle(tr("Check Folder"));
    list_->setObjectName(QStringLiteral("lstFolderProblems"));
    list_->setAccessibleName(tr("Problems found in the scripts folder"));
    count_->setObjectName(QStringLiteral("lblProblemCount"));
    count_->setAccessibleName(tr("Problems shown"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(createBar());
    layout->addWidget(list_);
    layout->addWidget(count_);
    connect(list_, &PlaceList::placeChosen, this, &FolderCheckWindow::placeChosen);
    resize(kSize);
}

// The severities to show, the words to look for, the order, and copying.
QWidget* FolderCheckWindow::createBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    static const std::array<const char*, 3> names = {"chkShowErrors", "chkShowWarnings", "chkShowHints"};
    for (std::size_t severity = 0; severity < severities_.size(); ++severity) {
        auto* box = new QCheckBox(severityCaption(severity, 0), bar);
        box->setObjectName(QString::fromLatin1(names.at(severity)));
        icons_.at(severity) = style()->standardIcon(kSeverityIcons.at(severity));
        box->setIcon(icons_.at(severity));
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, &FolderCheckWindow::showFiltered);
        row->addWidget(box);
        severities_.at(severity) = box;
    }
    auto* filterLabel = new QLabel(tr("&Filter:"), bar);
    filterLabel->setBuddy(filter_);
    filter_->setObjectName(QStringLiteral("txtProblemFilter"));
    filter_->setAccessibleName(tr("Filter problems by words of their file or message"));
    filter_->setPlaceholderText(tr("Words of the file or the message"));
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, this, &FolderCheckWindow::showFiltered);
    auto* orderLabel = new QLabel(tr("&Sort by:"), bar);
    orderLabel->setBuddy(order_);
    order_->setObjectName(QStringLiteral("cboProblemOrder"));
    order_->setAccessibleName(tr("Sort problems by"));
    order_->addItems({tr("File"), tr("Kind")});
    connect(order_, &QComboBox::currentIndexChanged, this, &FolderCheckWindow::showFiltered);
    auto* copy = new QPushButton(tr("&Copy"), bar);
    copy->setObjectName(QStringLiteral("cmdCopyProblems"));
    copy->setToolTip(tr("Copies the problems shown as text, one a line: file:line: message"));
    connect(copy, &QPushButton::clicked, this, [this] { list_->copy(false); });
    row->addWidget(filterLabel);
    row->addWidget(filter_, 1);
    row->addWidget(orderLabel);
    row->addWidget(order_);
    row->addWidget(copy);
    return bar;
}

void FolderCheckWindow::showProblems(std::vector<FolderProblem> problems, const QString& folder)
{
    problems_ = std::move(problems);
    folder_ = folder;
    countSeverities();
    showFiltered();
    setWindowTitle(tr("Check Folder: %1").arg(QDir::toNativeSeparators(folder)));
    show();
    raise();
    activateWindow();
    list_->setFocus(Qt::OtherFocusReason);
}

void FolderCheckWindow::countSeverities()
{
    std::array<std::size_t, 3> counts{};
    for (const FolderProblem& problem : problems_)
        ++counts.at(static_cast<std::size_t>(problem.severity));
    for (std::size_t severity = 0; severity < severities_.size(); ++severity)
        severities_.at(severity)->setText(severityCaption(severity, counts.at(severity)));
}

void FolderCheckWindow::showFiltered()
{
    ProblemFilter filter;
    for (std::size_t severity = 0; severity < severities_.size(); ++severity)
        filter.severities.at(severity) = severities_.at(severity)->isChecked();
    const std::string typed = filter_->text().toStdString();
    filter.typed = typed;
    const std::vector<FolderProblem> shown = filteredProblems(
        problems_, filter, order_->currentIndex() == 1 ? ProblemOrder::ByKind : ProblemOrder::ByFile);
    const QDir base(folder_);
    const std::filesystem::path folder = toPath(folder_);
    std::vector<PlaceList::Row> rows;
    rows.reserve(shown.size());
    for (const FolderProblem& problem : shown) {
        const QString path = toQString(problem.file);
        const QString copied = QString::fromStdString(problemsText({&problem, 1}, folder)).chopped(1);
        rows.push_back({{severityName(problem.severity), QDir::toNativeSeparators(base.relativeFilePath(path)),
                         QString::number(problem.line + 1), QString::fromStdString(problem.message)},
                        path, static_cast<int>(problem.line), copied,
                        icons_.at(static_cast<std::size_t>(problem.severity))});
    }
    list_->showRows(rows);
    if (shown.size() != problems_.size())
        count_->setText(tr("%L1 of %L2 problems shown").arg(shown.size()).arg(problems_.size()));
    else
        count_->setText(shown.size() == 1 ? tr("1 problem") : tr("%L1 problems").arg(shown.size()));
}

} // namespace defwright
