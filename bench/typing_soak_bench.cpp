// A day of typing into the fields, and what it leaves in memory, offscreen:
//   QT_QPA_PLATFORM=offscreen ./build/bench/defwright_soak_bench
#include "ui/shell/main_window.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace defwright {
namespace {

constexpr int kKeys = 200'000;
constexpr int kKeysPerField = 1'000;
constexpr int kLongField = 10'000;
const char* const kFields[] = {"txtBasic(0)", "txtBasic(1)", "txtBasic(5)", "txtAxis(2)", "txtic"};

double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Types letters and takes them back again, field after field, each field
// entered as a scripter does, so every keystroke rebuilds the item script.
void typeIntoFields(benchmark::State& state, int fieldLength)
{
    MainWindow window;
    window.show();
    QList<QLineEdit*> fields;
    for (const char* name : kFields) {
        fields << window.findChild<QLineEdit*>(QString::fromLatin1(name));
        fields.back()->setText(QString(fieldLength, u'x'));
    }
    QCoreApplication::processEvents();
    const double before = residentMiB();
    for (auto _ : state) {
        for (int key = 0; key < kKeys; ++key) {
            QLineEdit* field = fields[(key / kKeysPerField) % fields.size()];
            if (key % kKeysPerField == 0) {
                field->setFocus(Qt::OtherFocusReason);
                field->end(false);
            }
            QTest::keyClick(field, key % 2 == 0 ? Qt::Key_A : Qt::Key_Backspace);
            QCoreApplication::sendPostedEvents();
        }
    }
    state.counters["keys"] = kKeys;
    state.counters["resident_growth_MiB"] = residentMiB() - before;
}

void BM_TypingSoakShortFields(benchmark::State& state)
{
    typeIntoFields(state, 0);
}
BENCHMARK(BM_TypingSoakShortFields)->Iterations(1)->Unit(benchmark::kSecond);

void BM_TypingSoakLongFields(benchmark::State& state)
{
    typeIntoFields(state, kLongField);
}
BENCHMARK(BM_TypingSoakLongFields)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace defwright

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
