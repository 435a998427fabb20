#include "ui/folder/references_window.h"

#include "ui/folder/place_list.h"
#include "ui/index/index_paths.h"
#include "ui/index/pane_text.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace defwright {
namespace {

constexpr QSize kSize(760, 420);

QString placesInFiles(std::size_t places, std::size_t files)
{
    const QString inPlaces = places == 1 ? ReferencesWindow::tr("1 place") : ReferencesWindow::tr("%L1 places").arg(places);
    const QString inFiles = files == 1 ? ReferencesWindow::tr("1 file") : ReferencesWindow::tr("%L1 files").arg(files);
    return ReferencesWindow::tr("%1 in %2").arg(inPlaces, inFiles);
}

// The hits of one file, which come together.
PlaceList::Group groupOf(std::span<const ReferenceHit> hits, const QDir& base)
{
    const QString path = toQString(hits.front().file);
    const QString relative = base.relativeFilePath(path);
    QString caption = QStringLiteral("%1  (%2)").arg(QDir::toNativeSeparators(relative)).arg(hits.size());
    if (!hits.front().loaded)
        caption += ReferencesWindow::tr(", not loaded by the server");
    PlaceList::Group group{caption, {}};
    for (const ReferenceHit& hit : hits) {
        const QString text = fromUtf8(hit.lineText);
        const QString line = QString::number(hit.line + 1);
        group.rows.push_back({{line, text.trimmed()}, path, static_cast<int>(hit.line),
                              QStringLiteral("%1:%2: %3").arg(relative, line, text), {}, hit.defines});
    }
    return group;
}

} // namespace

ReferencesWindow::ReferencesWindow(QWidget* owner)
    : QWidget(owner, Qt::Window)
    , count_(new QLabel(this))
    , list_(new PlaceList({tr("Line"), tr("Text")}, this))
{
    setObjectName(QStringLiteral("frmReferences"));
    setWindowTitle(tr("Find All References"));
    list_->setObjectName(QStringLiteral("lstReferences"));
    list_->setAccessibleName(tr("Places that name the definition"));
    count_->setObjectName(QStringLiteral("lblReferenceCount"));
    count_->setAccessibleName(tr("Places found"));
    auto* copy = new QPushButton(tr("&Copy"), this);
    copy->setObjectName(QStringLiteral("cmdCopyReferences"));
    copy->setToolTip(tr("Copies every place as text, one a line: file:line: text"));
    connect(copy, &QPushButton::clicked, this, [this] { list_->copy(false); });
    auto* bar = new QHBoxLayout;
    bar->addWidget(count_, 1);
    bar->addWidget(copy);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(bar);
    layout->addWidget(list_);
    connect(list_, &PlaceList::placeChosen, this, &ReferencesWindow::placeChosen);
    resize(kSize);
}

void ReferencesWindow::showReferences(const QString& name, const std::vector<ReferenceHit>& hits, const QString& folder)
{
    const QDir base(folder);
    std::vector<PlaceList::Group> groups;
    for (std::size_t first = 0; first < hits.size();) {
        std::size_t end = first + 1;
        while (end < hits.size() && hits[end].file == hits[first].file)
            ++end;
        groups.push_back(groupOf(std::span(hits).subspan(first, end - first), base));
        first = end;
    }
    list_->showGroups(groups);
    count_->setText(placesInFiles(hits.size(), groups.size()));
    setWindowTitle(tr("References to %1").arg(name));
    show();
    raise();
    activateWindow();
    list_->setFocus(Qt::OtherFocusReason);
}

QString ReferencesWindow::countText() const
{
    return count_->text();
}

} // namespace defwright
