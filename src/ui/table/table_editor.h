#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace defwright {

struct CellChange;
struct CellPlan;
class DefinitionTableModel;
class FrontDocument;
class ScriptsIndex;
class TableWriter;

/// Plans the cells of the table into their definitions' files, each change
/// as the planner's smallest edit, on the texts the files hold now, and
/// hands them to the writer as one table action. A change the planner
/// refuses stops the whole action, and why is told.
class TableEditor : public QObject {
    Q_OBJECT

public:
    struct Parts {
        DefinitionTableModel* model;
        TableWriter* writer;
        const FrontDocument* front;
        const ScriptsIndex* index;
    };

    TableEditor(const Parts& parts, QObject* parent);

    /// Makes the cells say their new values, as one table action; false when
    /// nothing was changed, which is told.
    bool change(const std::vector<CellChange>& changes, const QString& caption);

    /// Reads again the files whose documents or index hold another text
    /// than the one the table was read from.
    void followFiles();

signals:
    /// What the bar is to say.
    void told(const QString& message);
    /// The index loads other files than the table was read from.
    void tableStale();

private:
    using FileTexts = std::vector<std::pair<std::uint32_t, std::shared_ptr<const std::string>>>;

    [[nodiscard]] FileTexts changedTexts(const std::vector<std::uint32_t>& files) const;
    [[nodiscard]] bool readChangedFiles(const std::vector<CellChange>& changes);
    [[nodiscard]] bool refuse(const std::vector<CellChange>& changes, const CellPlan& plan);

    Parts parts_;
};

} // namespace defwright
