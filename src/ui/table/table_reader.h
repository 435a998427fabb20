#pragma once

#include "ui/table/table_kinds.h"
#include "ui/table/table_sources.h"

#include <QObject>

#include <functional>
#include <memory>

namespace defwright {

class FrontDocument;
class ScriptsIndex;

/// Reads the table of a kind off the window's thread, once the folder's
/// index is built: the loaded scripts as the index and the open documents
/// hold them. Only the last request is answered.
class TableReader : public QObject {
    Q_OBJECT

public:
    using Done = std::function<void(std::unique_ptr<DefinitionTable> table, TableSources sources)>;

    TableReader(ScriptsIndex* index, FrontDocument* front, QObject* parent);

    void read(const TableKind& kind, Done done);

signals:
    /// The index is being built, so the table waits for it.
    void waiting();

private:
    void start();

    ScriptsIndex* index_;
    FrontDocument* front_;
    TableKind kind_;
    Done done_;
    quint64 request_ = 0;
    bool waitingForIndex_ = false;
};

} // namespace defwright
