#pragma once

// What the File tests share: answering the file dialogs and message boxes,
// reading and writing files, and settings of their own for every test.

#include "modal_answers.h"
#include "ui/panes/script_document.h"
#include "ui/shell/main_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace defwright::test {

// Types the name into the file dialog's name box, as the user does, and
// presses the dialog's Open or Save. The dialog prefers a file selected in its
// list to the typed name, and only a name box with the focus drops the last
// file chosen from that selection, so the selection is cleared first.
inline void typeFileName(QFileDialog* dialog, const QString& name)
{
    auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(nameBox);
    for (QAbstractItemView* view : dialog->findChildren<QAbstractItemView*>())
        view->clearSelection();
    nameBox->setText(name);
    static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept is protected; this calls it
}

/// Chooses the path in the dialog; `dialogName`, when given, must be the dialog's
/// objectName (and its filter the scripts'), and `offered` receives what the
/// dialog offered first.
inline ModalAnswers::Answer chooseFile(const QString& path, QString* offered = nullptr, const char* dialogName = nullptr)
{
    return [path, offered, dialogName](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        if (dialogName != nullptr) {
            QCOMPARE(dialog->objectName(), QString::fromLatin1(dialogName));
            QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("Script Files (*.scp)")});
        }
        if (offered != nullptr)
            *offered = dialog->selectedFiles().value(0);
        typeFileName(dialog, path);
    };
}

inline ModalAnswers::Answer cancelDialog()
{
    return [](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); };
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

/// A pane found by objectName, through the only face the File commands see.
inline ScriptDocument* pane(const QWidget& window, const char* name)
{
    auto* document = dynamic_cast<ScriptDocument*>(window.findChild<QWidget*>(QString::fromLatin1(name)));
    if (document == nullptr)
        qFatal("no script pane named %s", name);
    return document;
}

inline void trigger(const QWidget& window, const QString& action)
{
    window.findChild<QAction*>(action)->trigger();
}

inline void showPage(const QWidget& window, int page)
{
    window.findChild<QObject*>(QStringLiteral("SSTab1"))->setProperty("currentIndex", page);
}

inline bool answeredAll(const ModalAnswers& answers)
{
    return answers.unused() == 0 && answers.unexpected().isEmpty();
}

/// Settings in a folder of their own for as long as it lives, so that no test
/// sees another's recent files.
class TemporarySettings {
public:
    TemporarySettings()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }

private:
    QTemporaryDir dir_;
};

} // namespace defwright::test
