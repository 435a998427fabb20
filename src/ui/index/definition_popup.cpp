#include "ui/index/definition_popup.h"

#include "ui/index/definition_list_model.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

#include <utility>

namespace defwright {
namespace {

constexpr double kWidthShare = 0.9;
constexpr double kHeightShare = 0.7;

} // namespace

DefinitionPopup::DefinitionPopup(DefinitionList list, std::size_t paneRows, QWidget* pane)
    : QFrame(pane, Qt::Popup)
    , paneRows_(paneRows)
    , model_(new DefinitionListModel(std::move(list), this))
    , filter_(new QLineEdit(this))
    , list_(new QListView(this))
{
    setObjectName(QStringLiteral("frmDefinitionList"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    filter_->setObjectName(QStringLiteral("txtDefinitionFilter"));
    filter_->setAccessibleName(tr("Definition name"));
    filter_->setPlaceholderText(tr("Type words of a definition: kind, name, file"));
    list_->setObjectName(QStringLiteral("lstDefinitions"));
    list_->setAccessibleName(tr("Definitions"));
    list_->setUniformItemSizes(true);
    list_->setModel(model_);
    list_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(filter_);
    layout->addWidget(list_);
    filter_->installEventFilter(this);
    connect(filter_, &QLineEdit::textChanged, this, &DefinitionPopup::filter);
    connect(list_, &QListView::activated, this, &DefinitionPopup::take);
    const QSize size(static_cast<int>(pane->width() * kWidthShare), static_cast<int>(pane->height() * kHeightShare));
    setGeometry(QRect(pane->mapToGlobal(QPoint((pane->width() - size.width()) / 2, 0)), size));
    filter({});
    filter_->setFocus(Qt::PopupFocusReason);
}

void DefinitionPopup::filter(const QString& typed)
{
    model_->filter(typed);
    if (model_->rowCount() > 0)
        list_->setCurrentIndex(model_->index(0));
}

// The box keeps the focus; the keys that move in a list move in the list.
bool DefinitionPopup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != filter_ || event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        QCoreApplication::sendEvent(list_, event);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        take();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

void DefinitionPopup::take()
{
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid())
        return;
    const DefinitionList& list = model_->list();
    const std::uint32_t at = model_->listRow(current.row());
    const DefinitionList::Row& row = list.row(at);
    const bool inPane = at < paneRows_;
    const DefinitionHit hit{inPane ? std::filesystem::path() : list.file(row), row.line, row.kind, row.shown, inPane};
    close();
    emit chosen(hit);
}

} // namespace defwright
