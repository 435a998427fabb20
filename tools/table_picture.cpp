// Renders the Definitions Table over a copy of the sample scripts, sorted by
// ARMOR from the highest and filtered to the gargish armour, to a PNG picture
// for the README:
//   QT_QPA_PLATFORM=offscreen ./build/tools/defwright_table_picture docs/images
#include "ui/shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <filesystem>

namespace {

constexpr int kWait = 30'000;

bool saveTable(defwright::MainWindow& window, const QString& path)
{
    auto* index = window.findChild<QLabel*>(QStringLiteral("lblScriptsIndex"));
    if (!QTest::qWaitFor([index] { return index->text().startsWith(QStringLiteral("Scripts:")); }, kWait))
        return false;
    window.findChild<QAction*>(QStringLiteral("mnuDefinitionsTable"))->trigger();
    auto* table = window.findChild<QWidget*>(QStringLiteral("frmDefinitionsTable"));
    auto* view = table->findChild<QTableView*>(QStringLiteral("tblDefinitions"));
    if (!QTest::qWaitFor([view] { return view->model()->rowCount() > 0; }, kWait))
        return false;
    const QAbstractItemModel* model = view->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        if (model->headerData(column, Qt::Horizontal).toString() == QLatin1String("ARMOR"))
            view->sortByColumn(column, Qt::DescendingOrder);
    }
    auto* filter = table->findChild<QLineEdit*>(QStringLiteral("txtTableFilter"));
    filter->setFocus();
    QTest::keyClicks(filter, QStringLiteral("gargish TYPE=t_armor ARMOR>20"));
    view->setFocus();
    view->setCurrentIndex(model->index(2, 0));
    QApplication::processEvents();
    return table->grab().save(path);
}

} // namespace

int main(int argc, char* argv[])
{
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication app(argc, argv);
    const QDir pictures(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const QTemporaryDir shard;
    const QString scripts = shard.filePath(QStringLiteral("scripts"));
    std::filesystem::copy(DEFWRIGHT_SAMPLE_SCRIPTS, scripts.toStdString(), std::filesystem::copy_options::recursive);
    QSettings().setValue(QStringLiteral("scriptsFolder"), scripts);
    QSettings().setValue(QStringLiteral("definitionsTable/ITEMDEF/columns"),
                         QStringLiteral("DEFNAME,NAME,TYPE,ARMOR,VALUE,WEIGHT,RESOURCES,SKILLMAKE"));
    defwright::MainWindow window;
    window.findChild<QWidget*>(QStringLiteral("frmcreate"))->hide();
    window.show();
    if (!saveTable(window, pictures.filePath(QStringLiteral("definitions-table.png")))) {
        QTextStream(stderr) << "Could not write the table's picture into " << pictures.absolutePath() << '\n';
        return 1;
    }
    return 0;
}
