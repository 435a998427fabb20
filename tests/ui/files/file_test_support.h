#pragma once

// What the File tests share: answering the file dialogs, reading and writing files.

#include "ui/panes/script_pane.h"
#include "window_probe.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace defwright::test {

/// Types the path into the script file dialog's name box and presses Open or
/// Save; `offered` receives what the dialog offered first.
inline ModalAnswers::Answer chooseFile(const QString& path, QString* offered = nullptr)
{
    return [path, offered](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->nameFilters(), QStringList{"Script Files (*.scp)"});
        if (offered != nullptr)
            *offered = dialog->selectedFiles().value(0);
        // A file selected in the list would win over the typed name.
        for (QAbstractItemView* view : dialog->findChildren<QAbstractItemView*>())
            view->clearSelection();
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept is protected; this calls it
    };
}

inline QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

/// Everything in the folder, hidden files too, so that a stray file shows.
inline QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
}

/// A pane found by objectName, through the only face the File commands see.
inline ScriptDocument* pane(const QWidget& window, const QString& name)
{
    return control<ScriptPane>(window, name);
}

inline void trigger(const QWidget& window, const QString& action)
{
    control<QAction>(window, action)->trigger();
}

inline bool answeredAll(const ModalAnswers& answers)
{
    return answers.unused() == 0 && answers.unexpected().isEmpty();
}

/// Runs `command`, answering `before` and then OK to the box it ends with, which it returns;
/// a dialog left unanswered or unexpected shows in the text.
inline ShownBox endingBox(const std::function<void()>& command, const QList<ModalAnswers::Answer>& before = {})
{
    ShownBox shown;
    ModalAnswers answers;
    for (const ModalAnswers::Answer& answer : before)
        answers.then(answer);
    answers.then(press(QMessageBox::Ok, &shown));
    command();
    if (!answeredAll(answers))
        shown.text = "unexpected dialogs: " + answers.unexpected().join(u',');
    return shown;
}

} // namespace defwright::test
