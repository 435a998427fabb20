#include "ui/table/table_reader.h"

#include "ui/index/scripts_index.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace defwright {
namespace {

struct ReadTable {
    std::unique_ptr<DefinitionTable> table;
    TableSources sources;
};

} // namespace

TableReader::TableReader(ScriptsIndex* index, FrontDocument* front, QObject* parent)
    : QObject(parent)
    , index_(index)
    , front_(front)
{
    connect(index_, &ScriptsIndex::built, this, [this] {
        if (std::exchange(waitingForIndex_, false))
            start();
    });
}

void TableReader::read(const TableKind& kind, Done done)
{
    kind_ = kind;
    done_ = std::move(done);
    ++request_;
    if (index_->isBuilding()) {
        waitingForIndex_ = true;
        emit waiting();
        return;
    }
    start();
}

void TableReader::start()
{
    auto read = std::make_shared<ReadTable>();
    read->sources = gatherSources(index_->index(), *front_);
    auto* watcher = new QFutureWatcher<void>(this);
    connect(watcher, &QFutureWatcher<void>::finished, this, [this, watcher, read, request = request_] {
        watcher->deleteLater();
        if (request == request_ && read->table)
            done_(std::move(read->table), std::move(read->sources));
    });
    watcher->setFuture(QtConcurrent::run([read, sections = kind_.sections] {
        read->table = std::make_unique<DefinitionTable>(sections, read->sources.tableFiles());
    }));
}

} // namespace defwright
