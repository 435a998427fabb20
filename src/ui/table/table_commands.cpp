#include "ui/table/table_commands.h"

#include "ui/index/scripts_index.h"
#include "ui/table/table_window.h"

#include <QAction>
#include <QMenu>

namespace defwright {

TableCommands::TableCommands(const Parts& parts, QMenu* scriptMenu)
    : QObject(parts.window)
    , parts_(parts)
{
    QAction* action = scriptMenu->addAction(tr("Definitions &Table"), this, &TableCommands::mnuDefinitionsTable_Click);
    action->setObjectName(QStringLiteral("mnuDefinitionsTable"));
}

void TableCommands::mnuDefinitionsTable_Click()
{
    if (table_ == nullptr) {
        table_ = new TableWindow({parts_.index, parts_.front, parts_.edits}, parts_.window);
        connect(table_, &TableWindow::placeChosen, this, parts_.openPlace);
        // The table goes with the index it shows, so nothing of it asks the index as the window goes.
        connect(parts_.index, &QObject::destroyed, this, [this] {
            delete table_;
            table_ = nullptr;
        });
    }
    table_->showTable();
}

} // namespace defwright
