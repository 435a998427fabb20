#include "ui/table/table_window.h"

#include "ui/index/scripts_index.h"
#include "ui/table/cell_commands.h"
#include "ui/table/cell_delegate.h"
#include "ui/table/cell_text.h"
#include "ui/table/column_chooser.h"
#include "ui/table/definition_table_model.h"
#include "ui/table/table_editor.h"
#include "ui/table/table_reader.h"
#include "ui/table/table_transfer.h"
#include "ui/table/table_writer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

namespace defwright {
namespace {

constexpr QSize kSize(1000, 640);
constexpr int kWidestColumn = 320;

QLabel* buddyLabel(const QString& caption, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TableWindow::TableWindow(const Parts& parts, QWidget* owner)
    : QMainWindow(owner, Qt::Window)
    , parts_(parts)
    , kinds_(tableKinds())
    , model_(new DefinitionTableModel(this))
    , count_(new QLabel(this))
    , reader_(new TableReader(parts.index, parts.front, this))
    , writer_(new TableWriter({model_, parts.edits, parts.front, parts.index}, this))
    , editor_(new TableEditor({model_, writer_, parts.front, parts.index}, this))
{
    setObjectName(QStringLiteral("frmDefinitionsTable"));
    setWindowTitle(tr("Definitions Table"));
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->addWidget(createBar());
    createView();
    layout->addWidget(view_);
    setCentralWidget(client);
    cells_ = new CellCommands(view_, model_, editor_, this);
    transfer_ = new TableTransfer(this, model_, editor_);
    count_->setObjectName(QStringLiteral("lblTableCount"));
    count_->setAccessibleName(tr("Definitions shown"));
    statusBar()->setObjectName(QStringLiteral("sbrTable"));
    statusBar()->addPermanentWidget(count_);
    createMenus();
    setTabOrder(kindBox_, filterBox_);
    connect(writer_, &TableWriter::told, this, &TableWindow::tell);
    connect(editor_, &TableEditor::told, this, &TableWindow::tell);
    connect(editor_, &TableEditor::tableStale, this, &TableWindow::readTable);
    connect(cells_, &CellCommands::told, this, &TableWindow::tell);
    connect(transfer_, &TableTransfer::told, this, &TableWindow::tell);
    connect(reader_, &TableReader::waiting, this, [this] { tell(tr("Waiting for the scripts folder's index...")); });
    connect(model_, &DefinitionTableModel::rowsShownChanged, this, &TableWindow::showCount);
    connect(model_, &DefinitionTableModel::cellEdited, cells_, &CellCommands::setEdited);
    connect(parts.index, &ScriptsIndex::changed, this, &TableWindow::followIndex);
    connect(parts.index, &ScriptsIndex::built, this, [this] {
        if (read_)
            readTable();
    });
    resize(kSize);
}

// The window may go with the index and documents it shows, which are gone or going then.
TableWindow::~TableWindow()
{
    ending_ = true;
    disconnect(model_, nullptr, nullptr, nullptr);
}

QWidget* TableWindow::createBar()
{
    auto* bar = new QWidget(this);
    kindBox_ = new QComboBox(bar);
    kindBox_->setObjectName(QStringLiteral("cboTableKind"));
    kindBox_->setAccessibleName(tr("Kind of definition"));
    for (const TableKind& kind : kinds_)
        kindBox_->addItem(textOf(kind.kind));
    filterBox_ = new QLineEdit(bar);
    filterBox_->setObjectName(QStringLiteral("txtTableFilter"));
    filterBox_->setAccessibleName(tr("Filter"));
    filterBox_->setPlaceholderText(tr("Words to find, KEY=value, KEY>n, KEY<n"));
    filterBox_->setClearButtonEnabled(true);
    auto* columns = new QPushButton(tr("&Columns..."), bar);
    columns->setObjectName(QStringLiteral("cmdTableColumns"));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buddyLabel(tr("&Kind:"), kindBox_, bar));
    layout->addWidget(kindBox_);
    layout->addWidget(buddyLabel(tr("&Filter:"), filterBox_, bar));
    layout->addWidget(filterBox_, 1);
    layout->addWidget(columns);
    connect(kindBox_, &QComboBox::activated, this, &TableWindow::readTable);
    connect(filterBox_, &QLineEdit::textChanged, this,
            [this](const QString& typed) { model_->setFilter(typed.toStdString()); });
    connect(columns, &QPushButton::clicked, this, &TableWindow::chooseColumns);
    return bar;
}

// Rows of one height and columns sized from the first rows only, so a table
// of tens of thousands of rows shows and scrolls at once.
void TableWindow::createView()
{
    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("tblDefinitions"));
    view_->setAccessibleName(tr("Definitions"));
    view_->setModel(model_);
    view_->setItemDelegate(new CellDelegate(view_));
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                           | QAbstractItemView::AnyKeyPressed);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setResizeContentsPrecision(100);
    view_->horizontalHeader()->setSortIndicatorClearable(true);
    view_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view_->setSortingEnabled(true);
    connect(view_, &QTableView::activated, this, &TableWindow::openRow);
}

void TableWindow::createMenus()
{
    const auto add = [this](QMenu* menu, const char* name, const QString& caption, const QKeySequence& keys,
                            const std::function<void()>& slot) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    add(file, "mnuExportTable", tr("&Export Table..."), {}, [this] { transfer_->exportTable(); });
    add(file, "mnuImportTable", tr("&Import Table..."), {}, [this] { transfer_->importTable(kind().kind); });
    file->addSeparator();
    add(file, "mnuCloseTable", tr("&Close"), QKeySequence::Close, [this] { close(); });
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QUndoStack* stack = writer_->stack();
    QAction* undo = add(edit, "mnuTableUndo", tr("&Undo"), QKeySequence::Undo, [this] { writer_->undo(); });
    QAction* redo = add(edit, "mnuTableRedo", tr("&Redo"), QKeySequence::Redo, [this] { writer_->redo(); });
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(stack, &QUndoStack::undoTextChanged, undo, [undo](const QString& text) {
        undo->setText(text.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(text));
    });
    connect(stack, &QUndoStack::redoTextChanged, redo, [redo](const QString& text) {
        redo->setText(text.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(text));
    });
    edit->addSeparator();
    add(edit, "mnuTableCopy", tr("&Copy"), QKeySequence::Copy, [this] { cells_->copy(); });
    add(edit, "mnuTablePaste", tr("&Paste"), QKeySequence::Paste, [this] { cells_->paste(); });
    add(edit, "mnuTableClear", tr("C&lear Cells"), QKeySequence::Delete, [this] { cells_->clear(); });
    edit->addSeparator();
    add(edit, "mnuTableFilter", tr("&Filter"), QKeySequence::Find, [this] {
        filterBox_->setFocus(Qt::ShortcutFocusReason);
        filterBox_->selectAll();
    });
    QMenu* view = menuBar()->addMenu(tr("&View"));
    add(view, "mnuTableColumns", tr("&Columns..."), {}, [this] { chooseColumns(); });
    add(view, "mnuReadTable", tr("&Read Again"), QKeySequence::Refresh, [this] { readTable(); });
}

void TableWindow::showTable()
{
    show();
    raise();
    activateWindow();
    if (!read_)
        readTable();
}

const TableKind& TableWindow::kind() const
{
    return kinds_.at(static_cast<std::size_t>(std::max(kindBox_->currentIndex(), 0)));
}

void TableWindow::readTable()
{
    read_ = true;
    if (parts_.index->folder().isEmpty()) {
        tell(tr("No scripts folder: open a script of one, or choose one with Script > Scripts Folder..."));
        return;
    }
    const TableKind chosen = kind();
    tell(tr("Reading the %1 definitions...").arg(textOf(chosen.kind)));
    reader_->read(chosen, [this, chosen](std::unique_ptr<DefinitionTable> table, TableSources sources) {
        const std::vector<ShownColumn> columns = columnsOfKeys(rememberedKeys(chosen.kind, *table));
        model_->setTable(std::move(table), std::move(sources), columns);
        showRead(chosen);
    });
}

void TableWindow::showRead(const TableKind& kind)
{
    const QString folder = QDir::toNativeSeparators(parts_.index->folder());
    setWindowTitle(tr("Definitions Table: %1 in %2").arg(textOf(kind.kind), folder));
    view_->resizeColumnsToContents();
    for (int column = 0; column < model_->columnCount(); ++column)
        view_->setColumnWidth(column, std::min(view_->columnWidth(column), kWidestColumn));
    tell(tr("%L1 %2 definitions in %L3 files").arg(model_->table()->rows().size()).arg(textOf(kind.kind))
             .arg(model_->sources().size()));
}

// The index read a file again, or the files it loads changed. While a
// dialog of the table is up, its rows stay as they are until it has gone.
void TableWindow::followIndex()
{
    if (ending_ || model_->table() == nullptr || parts_.index->isBuilding()
        || QApplication::activeModalWidget() != nullptr)
        return;
    if (loadsOtherFiles(parts_.index->index(), model_->sources()))
        readTable();
    else
        editor_->followFiles();
}

void TableWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        followIndex();
    QMainWindow::changeEvent(event);
}

void TableWindow::chooseColumns()
{
    const DefinitionTable* table = model_->table();
    if (table == nullptr)
        return;
    const std::vector<std::string> shown = keysOfColumns(model_->columns());
    std::vector<KeyChoice> choices = keyChoices(kind().kind, *table);
    for (const std::string& key : shown) {
        if (std::none_of(choices.begin(), choices.end(), [&key](const KeyChoice& choice) { return choice.key == key; }))
            choices.push_back({key, 0});
    }
    ColumnChooser chooser(std::move(choices), shown, mostUsedKeys(*table), this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    const std::vector<std::string> keys = chooser.chosenKeys();
    rememberKeys(kind().kind, keys);
    model_->setColumns(columnsOfKeys(keys));
    view_->resizeColumnsToContents();
}

void TableWindow::openRow(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const TableRow& row = model_->table()->row(model_->tableRow(index.row()));
    emit placeChosen(model_->sources().paths.at(static_cast<qsizetype>(row.file)), static_cast<int>(row.line));
}

void TableWindow::showCount()
{
    const std::size_t all = model_->table() ? model_->table()->rows().size() : 0;
    count_->setText(tr("%L1 of %L2 definitions").arg(model_->shownRows().size()).arg(all));
}

void TableWindow::tell(const QString& message)
{
    statusBar()->showMessage(message);
}

} // namespace defwright
