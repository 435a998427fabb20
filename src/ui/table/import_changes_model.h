#pragma once

#include "core/table/definition_table.h"

#include <QAbstractTableModel>

#include <vector>

namespace defwright {

struct ImportChange;
struct ImportPlan;

/// The changes an imported CSV would make, one a row (definition, file,
/// key, before, after), each with a tick box, all ticked at first.
class ImportChangesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    ImportChangesModel(const DefinitionTable& table, const ImportPlan& plan, QObject* parent = nullptr);

    [[nodiscard]] const std::vector<bool>& ticked() const { return ticked_; }
    [[nodiscard]] std::size_t tickedCount() const;
    void tickAll(bool tick);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void tickedChanged();

private:
    [[nodiscard]] QString text(const ImportChange& change, int column) const;

    const DefinitionTable& table_;
    const ImportPlan& plan_;
    std::vector<bool> ticked_;
};

} // namespace defwright
