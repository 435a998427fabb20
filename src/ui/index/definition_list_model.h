#pragma once

#include "core/index/definition_list.h"

#include <QAbstractListModel>

#include <cstdint>
#include <vector>

namespace defwright {

/// The rows of a DefinitionList that match what was typed, for a list view.
class DefinitionListModel : public QAbstractListModel {
    Q_OBJECT

public:
    DefinitionListModel(DefinitionList list, QObject* parent);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    void filter(const QString& typed);

    /// The list's row shown at `row`.
    [[nodiscard]] std::uint32_t listRow(int row) const { return shown_.at(static_cast<std::size_t>(row)); }
    [[nodiscard]] const DefinitionList& list() const { return list_; }

private:
    DefinitionList list_;
    std::vector<std::uint32_t> shown_;
};

} // namespace defwright
