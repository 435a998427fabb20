#include "file_test_support.h"
#include "window_test_main.h"

#include <QDirIterator>

#include <optional>

using namespace defwright;
using namespace defwright::test;

namespace {

struct Variant {
    QString name;
    QByteArray bytes;
};

struct Lines {
    QList<QByteArray> texts;
    QList<QByteArray> breaks; // one per text; the last is empty when the file ends without a break
};

// Split by hand, without the code under test: CR LF, then a lone CR or LF.
Lines splitLines(const QByteArray& bytes)
{
    Lines lines;
    QByteArray text;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            text += bytes[i];
            continue;
        }
        const bool crLf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        lines.texts << text;
        lines.breaks << (crLf ? QByteArray("\r\n") : QByteArray(1, bytes[i]));
        text.clear();
        i += crLf ? 1 : 0;
    }
    lines.texts << text;
    lines.breaks << QByteArray();
    return lines;
}

// Every break the next of `cycle` in turn; a missing last break stays missing.
QByteArray withBreaks(const QByteArray& bytes, const QList<QByteArray>& cycle)
{
    const Lines lines = splitLines(bytes);
    QByteArray joined;
    for (qsizetype i = 0; i < lines.texts.size(); ++i)
        joined += lines.texts[i] + (lines.breaks[i].isEmpty() ? QByteArray() : cycle[i % cycle.size()]);
    return joined;
}

// The text in Windows-1252, when every character of it has a byte there.
std::optional<QByteArray> asWindows1252(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QString text = QString::fromUtf8(bytes);
    QByteArray encoded;
    bool beyondAscii = false;
    for (const QChar character : text) {
        beyondAscii = beyondAscii || character.unicode() >= 0x80;
        static const QString high = QString::fromUtf16(u"\u20AC\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030"
                                                       u"\u0160\u2039\u0152\u017D\u2018\u2019\u201C\u201D\u2022"
                                                       u"\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u017E\u0178");
        static const QByteArray highBytes = "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94"
                                            "\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F";
        if (character.unicode() < 0x80 || (character.unicode() >= 0xA0 && character.unicode() <= 0xFF))
            encoded += static_cast<char>(character.unicode());
        else if (const qsizetype at = high.indexOf(character); at >= 0)
            encoded += highBytes[at];
        else
            return std::nullopt;
    }
    return beyondAscii ? std::optional(encoded) : std::nullopt;
}

QList<Variant> variantsOf(const QByteArray& file)
{
    QList<Variant> variants = {
        {"as it is", file},
        {"CR LF", withBreaks(file, {"\r\n"})},
        {"CR", withBreaks(file, {"\r"})},
        {"mixed", withBreaks(file, {"\n", "\r\n", "\r", "\n"})},
    };
    const bool endsWithBreak = file.endsWith('\n') || file.endsWith('\r');
    variants << Variant{"last break toggled", endsWithBreak ? file.chopped(1) : file + "\n"};
    if (const std::optional<QByteArray> windows1252 = asWindows1252(file))
        variants << Variant{"Windows-1252", *windows1252};
    return variants;
}

QStringList samplePaths()
{
    QStringList paths;
    QDirIterator found(QStringLiteral(DEFWRIGHT_SAMPLE_SCRIPTS), {QStringLiteral("*.scp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (found.hasNext())
        paths << found.next();
    paths.sort();
    return paths;
}

} // namespace

class ScriptRoundTripTest : public QObject {
    Q_OBJECT

private slots:
    void everySampleAndVariantIsSavedByteForByte();
    void generatedScriptSavedTwiceGivesTheSameBytes();
};

// Opened into either pane (the item pane as from the command line), each file
// shows its script page; Save writes it to its own file again and Save As to
// another, and neither changes a byte.
void ScriptRoundTripTest::everySampleAndVariantIsSavedByteForByte()
{
    const QStringList paths = samplePaths();
    QCOMPARE(paths.size(), 14);
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath("script.scp");
    const QString copy = dir.filePath("copy.scp");
    int windows1252 = 0;
    for (const QString& sample : paths) {
        for (const auto& [name, bytes] : variantsOf(contents(sample))) {
            windows1252 += name == "Windows-1252" ? 1 : 0;
            const QString what = QFileInfo(sample).fileName() + ", " + name;
            for (const bool item : {true, false}) {
                writeFile(path, bytes);
                ModalAnswers answers;
                if (item) {
                    window.openItemScript(path);
                } else {
                    answers.then(chooseFile(path));
                    trigger(window, "mnuOpenNpc");
                }
                QCOMPARE(currentPage(window), item ? 1 : 3);
                QVERIFY(QFile::remove(path));
                trigger(window, "mnuSave");
                QVERIFY2(contents(path) == bytes, qPrintable(what + ", Save"));
                answers.then(chooseFile(copy));
                trigger(window, item ? "mnuSaveAs" : "mnuSaveNpcAs");
                QVERIFY2(contents(copy) == bytes, qPrintable(what + ", Save As"));
                QVERIFY(QFile::remove(copy));
                QVERIFY(answeredAll(answers));
            }
        }
    }
    QCOMPARE(windows1252, 1); // only one sample holds a character beyond ASCII that Windows-1252 has
}

// A pane with no file is saved in CR LF with a final CR LF, and that file,
// opened and saved again, stays as it is.
void ScriptRoundTripTest::generatedScriptSavedTwiceGivesTheSameBytes()
{
    MainWindow window;
    QTemporaryDir dir;
    QTest::keyClicks(control(window, "txtBasic(0)"), "sword");
    QTest::keyClicks(control(window, "txtidef"), "sword");
    const QString script = pane(window, "txtEdit")->script();
    ModalAnswers answers;
    answers.then(chooseFile(dir.filePath("first.scp"))).then(chooseFile(dir.filePath("first.scp")));
    answers.then(chooseFile(dir.filePath("second.scp")));
    trigger(window, "mnuSaveAs");
    trigger(window, "mnuOpen");
    trigger(window, "mnuSaveAs");

    QCOMPARE(contents(dir.filePath("first.scp")), script.toLatin1() + "\r\n");
    QCOMPARE(contents(dir.filePath("second.scp")), contents(dir.filePath("first.scp")));
    QVERIFY(answeredAll(answers));
}

DEFWRIGHT_WINDOW_TEST_MAIN(ScriptRoundTripTest)
#include "script_round_trip_test.moc"
