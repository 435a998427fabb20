// The checker of scripts: the whole 10 MiB script, one section of it after an
// edit, and every file of a generated folder as large as a real server's.
#include "core/index/scripts_folder.h"
#include "core/language/script_check.h"
#include "generated_folder.h"
#include "generated_script.h"

#include <benchmark/benchmark.h>

namespace defwright {
namespace {

const std::string& longScript()
{
    static const std::string script = bench::generatedScript();
    return script;
}

void BM_CheckLongScript(benchmark::State& state)
{
    const FolderVocabulary vocabulary;
    std::size_t problems = 0;
    for (auto _ : state)
        problems = checkScript(longScript(), vocabulary).size();
    state.counters["problems"] = static_cast<double>(problems);
    state.counters["MiB"] = static_cast<double>(longScript().size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_CheckLongScript)->Unit(benchmark::kMillisecond);

// After an edit near the end, the window checks the section around it again.
void BM_CheckSectionNearEndOfLongScript(benchmark::State& state)
{
    const FolderVocabulary vocabulary;
    const std::size_t caret = longScript().size() - 100;
    for (auto _ : state)
        benchmark::DoNotOptimize(checkSection(longScript(), sectionAt(longScript(), caret), vocabulary));
}
BENCHMARK(BM_CheckSectionNearEndOfLongScript)->Unit(benchmark::kMicrosecond);

// The worst a file can be: 10 MiB of nothing but unknown keys, each a problem
// with its message and, for a thousand different words, a "did you mean".
void BM_CheckEveryLineAnUnknownKey(benchmark::State& state)
{
    std::string script = "[ITEMDEF i_x]\n";
    for (std::size_t i = 0; script.size() < bench::kScriptBytes; ++i)
        script += "WEIGHTX" + std::to_string(i % 1000) + "=1\n";
    const FolderVocabulary vocabulary;
    std::size_t problems = 0;
    for (auto _ : state)
        problems = checkScript(script, vocabulary).size();
    state.counters["problems"] = static_cast<double>(problems);
}
BENCHMARK(BM_CheckEveryLineAnUnknownKey)->Unit(benchmark::kMillisecond);

const std::vector<std::string>& folderTexts()
{
    static const std::vector<std::string> texts = [] {
        const std::filesystem::path folder = std::filesystem::temp_directory_path() / "defwright-language-bench";
        std::filesystem::remove_all(folder);
        bench::writeGeneratedFolder(folder);
        std::vector<std::string> read;
        for (const std::filesystem::path& file : listScriptFiles(folder))
            read.push_back(readScriptText(file).value_or(std::string()));
        std::filesystem::remove_all(folder);
        return read;
    }();
    return texts;
}

// The folder's vocabulary from every file, then every file checked with it.
void BM_CheckFolder(benchmark::State& state)
{
    const std::vector<std::string>& texts = folderTexts();
    std::size_t problems = 0;
    for (auto _ : state) {
        FolderVocabulary vocabulary;
        for (const std::string& text : texts)
            addScriptVocabulary(vocabulary, text);
        problems = 0;
        for (const std::string& text : texts)
            problems += checkScript(text, vocabulary).size();
    }
    state.counters["files"] = static_cast<double>(texts.size());
    state.counters["problems"] = static_cast<double>(problems);
}
BENCHMARK(BM_CheckFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FolderVocabulary(benchmark::State& state)
{
    for (auto _ : state) {
        FolderVocabulary vocabulary;
        for (const std::string& text : folderTexts())
            addScriptVocabulary(vocabulary, text);
        benchmark::DoNotOptimize(vocabulary);
    }
}
BENCHMARK(BM_FolderVocabulary)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace defwright
