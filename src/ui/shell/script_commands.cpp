#include "ui/shell/script_commands.h"

#include "core/items/item_reader.h"
#include "core/items/item_tables.h"
#include "core/npcs/npc_reader.h"
#include "core/npcs/npc_tables.h"
#include "ui/items/item_fields_page.h"
#include "ui/npcs/npc_fields_page.h"
#include "ui/panes/script_page.h"
#include "ui/panes/script_pane.h"
#include "ui/widgets/form_builder.h"
#include "ui/widgets/tab_control.h"
#include "ui/widgets/wait_cursor.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include <algorithm>
#include <string>

namespace defwright {
namespace {

constexpr std::size_t kUnheldShown = 5;
constexpr qsizetype kUnheldWidth = 60;

bool holds(const QWidget* pane, const QWidget* widget)
{
    return widget != nullptr && (widget == pane || pane->isAncestorOf(widget));
}

QString unheldEntry(const UnheldLine& line)
{
    QString text = QString::fromStdString(line.text);
    if (text.size() > kUnheldWidth)
        text = text.left(kUnheldWidth - 1) + QChar(0x2026);
    return QObject::tr("Line %1: %2").arg(line.number).arg(text);
}

} // namespace

ScriptCommands::ScriptCommands(QMainWindow* window, const Pages& pages)
    : QObject(window)
    , window_(window)
    , pages_(pages)
    , mnuScript_(new QMenu(tr("&Script"), window->menuBar()))
    , mnuFieldsFromScript_(new QAction(tr("&Fields from Script"), this))
    , itemPane_(pages.itemScript->pane())
    , npcPane_(pages.npcScript->pane())
{
    mnuScript_->setObjectName(QStringLiteral("mnuScript"));
    mnuFieldsFromScript_->setObjectName(QStringLiteral("mnuFieldsFromScript"));
    mnuFieldsFromScript_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuScript_->addAction(mnuFieldsFromScript_);
    window->addAction(mnuFieldsFromScript_); // its shortcut works wherever the focus is in the window
    connect(mnuFieldsFromScript_, &QAction::triggered, this, &ScriptCommands::mnuFieldsFromScript_Click);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { rememberPane(now); });
}

void ScriptCommands::rememberPane(QWidget* now)
{
    if (itemPane_ == nullptr || npcPane_ == nullptr)
        return;
    if (holds(itemPane_, now))
        itemPaneLast_ = true;
    else if (holds(npcPane_, now))
        itemPaneLast_ = false;
}

// The script page in front decides; on a field page, the pane that last had
// the focus, or else the pane of the fields in front.
bool ScriptCommands::itemPaneChosen() const
{
    if (pages_.itemScript->isVisibleTo(pages_.tabs) || pages_.npcScript->isVisibleTo(pages_.tabs))
        return pages_.itemScript->isVisibleTo(pages_.tabs);
    return itemPaneLast_.value_or(!pages_.npcFields->isVisibleTo(pages_.tabs));
}

void ScriptCommands::mnuFieldsFromScript_Click()
{
    const bool item = itemPaneChosen();
    const ScriptDocument* pane = item ? pages_.itemScript->pane() : pages_.npcScript->pane();
    const auto caretLine = static_cast<std::size_t>(std::max(0, pane->caretLine()));
    const auto read = [pane, caretLine](auto reader) {
        return withWaitCursor([pane, caretLine, reader] { return reader(pane->script().toStdString(), caretLine); });
    };
    if (item)
        fill(read(readItemDefinition), pages_.itemFields, toQString(kItemHeaderCaption));
    else
        fill(read(readNpcDefinition), pages_.npcFields, toQString(kNpcHeaderCaption));
}

// Filling the fields rebuilds the pane from them once, as one undoable edit.
template <typename Reading, typename FieldsPage>
void ScriptCommands::fill(const std::optional<Reading>& reading, FieldsPage* fields, const QString& kind)
{
    if (!reading) {
        tellNoDefinition(kind);
        return;
    }
    if (!reading->unheld.empty() && !confirmUnheld(reading->unheld))
        return;
    withWaitCursor([fields, &reading] { fields->setRecord(reading->record); });
    pages_.tabs->setCurrentIndex(pages_.tabs->indexOf(fields));
    fields->focusOrder().constFirst()->setFocus(Qt::OtherFocusReason);
}

void ScriptCommands::tellNoDefinition(const QString& kind) const
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Defwright"),
                    tr("The caret is not in a definition that begins with %1.\n\n"
                       "Put the caret into one and choose Fields from Script again.")
                        .arg(kind),
                    QMessageBox::Ok, window_);
    box.exec();
}

bool ScriptCommands::confirmUnheld(const std::vector<UnheldLine>& unheld) const
{
    QStringList lines;
    for (std::size_t i = 0; i < std::min(unheld.size(), kUnheldShown); ++i)
        lines << unheldEntry(unheld[i]);
    if (unheld.size() > kUnheldShown)
        lines << tr("and %1 more").arg(unheld.size() - kUnheldShown);
    const QString count = unheld.size() == 1 ? tr("1 line") : tr("%1 lines").arg(unheld.size());
    QMessageBox box(QMessageBox::Question, QStringLiteral("Defwright"),
                    tr("The fields cannot hold %1 of this definition:").arg(count)
                        + QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')) + QStringLiteral("\n\n")
                        + tr("Fill the fields anyway? The script is then written again from the fields, "
                             "without these lines (Undo in the script brings them back)."),
                    QMessageBox::Yes | QMessageBox::No, window_);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace defwright
