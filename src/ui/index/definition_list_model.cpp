#include "ui/index/definition_list_model.h"

#include <utility>

namespace defwright {

DefinitionListModel::DefinitionListModel(DefinitionList list, QObject* parent)
    : QAbstractListModel(parent)
    , list_(std::move(list))
    , shown_(list_.matching({}))
{
}

int DefinitionListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QVariant DefinitionListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return QString::fromStdString(list_.row(listRow(index.row())).shown);
    return {};
}

void DefinitionListModel::filter(const QString& typed)
{
    beginResetModel();
    shown_ = list_.matching(typed.toStdString());
    endResetModel();
}

} // namespace defwright
