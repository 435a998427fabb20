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

// Every break the next of `cycle` in turn, found by hand without the code under
// test (CR LF, then a lone CR or LF); a missing last break stays missing.
QByteArray withBreaks(const QByteArray& bytes, const QList<QByteArray>& cycle)
{
    QByteArray joined;
    qsizetype breaks = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            joined += bytes[i];
            continue;
        }
        i += bytes[i] == '\r' && bytes.mid(i + 1, 1) == "\n" ? 1 : 0;
        joined += cycle[breaks++ % cycle.size()];
    }
    return joined;
}

// The text in Windows-1252, when it goes beyond ASCII and every character of it has a byte there.
std::optional<QByteArray> asWindows1252(const QByteArray& bytes)
{
    // The characters of bytes 0x80 to 0x9F, "?" where there is none; any other byte is the character of its number.
    static const QString high = QString::fromUtf16(u"\u20AC?\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039"
                                                   u"\u0152?\u017D??\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC"
                                                   u"\u2122\u0161\u203A\u0153?\u017E\u0178");
    const QByteArray utf8 = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QByteArray encoded;
    for (const QChar character : QString::fromUtf8(utf8)) {
        if (character.unicode() < 0x80 || (character.unicode() >= 0xA0 && character.unicode() <= 0xFF))
            encoded += static_cast<char>(character.unicode());
        else if (const qsizetype at = high.indexOf(character); at >= 0)
            encoded += static_cast<char>(0x80 + at);
        else
            return std::nullopt;
    }
    return encoded == utf8 ? std::nullopt : std::optional(encoded);
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

// The sample scripts, then every byte there is and an empty file.
QList<Variant> filesToSave()
{
    QList<Variant> files;
    QDirIterator found(QStringLiteral(DEFWRIGHT_SAMPLE_SCRIPTS), {QStringLiteral("*.scp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (found.hasNext()) {
        found.next();
        files << Variant{found.fileName(), contents(found.filePath())};
    }
    QByteArray everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte.append(static_cast<char>(byte));
    return files << Variant{"every byte", everyByte} << Variant{"empty", {}};
}

} // namespace

class ScriptRoundTripTest : public QObject {
    Q_OBJECT

private slots:
    void everySampleAndVariantIsSavedByteForByte();
};

// Opened into either pane (the item pane as from the command line), each file
// shows its script page and, when it reads as UTF-8, the text as the file has
// it; Save writes it to its own file again and Save As to another, named
// without an extension, and neither changes a byte nor leaves a stray file.
// Each is a document of its own, closed once saved.
void ScriptRoundTripTest::everySampleAndVariantIsSavedByteForByte()
{
    const QList<Variant> files = filesToSave();
    QCOMPARE(files.size(), 14 + 2);
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath("script.scp");
    const QString copy = dir.filePath("copy");
    int windows1252 = 0;
    for (const auto& [file, original] : files) {
        for (const auto& [name, bytes] : variantsOf(original)) {
            windows1252 += name == "Windows-1252" ? 1 : 0;
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString text = utf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
            const QString what = file + ", " + name;
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
                if (!utf8.hasError())
                    QVERIFY2(pane(window, item ? "txtEdit" : "txtnEdit")->script() == text, qPrintable(what));
                QVERIFY(QFile::remove(path));
                trigger(window, "mnuSave");
                QVERIFY2(contents(path) == bytes, qPrintable(what + ", Save"));
                answers.then(chooseFile(copy));
                trigger(window, item ? "mnuSaveAs" : "mnuSaveNpcAs");
                QVERIFY2(contents(copy) == bytes, qPrintable(what + ", Save As"));
                QCOMPARE(entries(dir.path()), (QStringList{"copy", "script.scp"}));
                QVERIFY(QFile::remove(copy));
                trigger(window, "mnuClose"); // its file is "copy" now, and the next Save As names it again
                QVERIFY(answeredAll(answers));
            }
        }
    }
    QCOMPARE(windows1252, 1); // only one sample holds a character beyond ASCII that Windows-1252 has
}

DEFWRIGHT_WINDOW_TEST_MAIN(ScriptRoundTripTest)
#include "script_round_trip_test.moc"
