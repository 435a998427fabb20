#include "files/file_commands.h"

#include <QMainWindow>

namespace defwright {

FileCommands::FileCommands(QMainWindow* window, ScriptPane* pane)
    : QObject(window)
    , window_(window)
    , pane_(pane)
{
}

// The commands land with the script file; until then they do nothing.
void FileCommands::newScript() {}
void FileCommands::open() {}
void FileCommands::save() {}
void FileCommands::saveAs() {}

} // namespace defwright
