// Speed benchmarks of the library against the floors set by the JSON library and Qt, measured in the
// same run. After the usual table, one line per target: "ratio NAME MEASURED TARGET".
#include "documents.h"

#include <keymapmanager/keymapmanager.h>

#include <Poco/JSON/Parser.h>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace ovelkeymapmanager;

namespace {

const QRect kScreen(0, 0, 1920, 1080);

QByteArray readAll(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

Poco::JSON::Object::Ptr parse(const QByteArray& text) {
    Poco::JSON::Parser parser;
    return parser.parse(std::string(text.constData(), std::size_t(text.size()))).extract<Poco::JSON::Object::Ptr>();
}

const QString& documentPath(int items) {
    static std::map<int, QString> paths;
    auto found = paths.find(items);
    if (found == paths.end()) {
        const std::string name = "doc" + std::to_string(items) + ".json";
        found = paths.emplace(items, benchdata::writeTemporary(name.c_str(), benchdata::keymapText(items))).first;
    }
    return found->second;
}

const QString& imagesPath() {
    static const QString path = benchdata::writeTemporary("images.json", benchdata::imageKeymapText(8, 1920, 1080));
    return path;
}

// Loading: the library against reading the file and parsing it bare.
void load(benchmark::State& state, int items) {
    const QString path = documentPath(items);
    for (auto _ : state)
        std::unique_ptr<KeymapConfig>(LoadKeymapConfigAndInfo(path));
    state.SetItemsProcessed(state.iterations() * items);
}
void loadBaseline(benchmark::State& state, int items) {
    const QString path = documentPath(items);
    for (auto _ : state)
        benchmark::DoNotOptimize(parse(readAll(path)));
    state.SetItemsProcessed(state.iterations() * items);
}

// Saving: the library against stringifying a ready object tree and writing it beside the document.
void save(benchmark::State& state, int items) {
    std::unique_ptr<KeymapConfig> config(LoadKeymapConfigAndInfo(documentPath(items)));
    const QString target = documentPath(items) + QStringLiteral(".saved");
    for (auto _ : state)
        SaveKeymapConfigAndInfo(target, config.get());
    state.SetItemsProcessed(state.iterations() * items);
}
void saveBaseline(benchmark::State& state, int items) {
    const Poco::JSON::Object::Ptr root = parse(readAll(documentPath(items)));
    const QString target = documentPath(items) + QStringLiteral(".baseline");
    for (auto _ : state) {
        std::ostringstream out;
        root->stringify(out, 4);
        const std::string text = out.str();
        QFile file(target);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(text.data(), qint64(text.size()));
    }
    state.SetItemsProcessed(state.iterations() * items);
}

// Moving a document to another screen, against loading and saving it.
void retarget(benchmark::State& state, int items) {
    std::unique_ptr<KeymapConfig> config(LoadKeymapConfigAndInfo(documentPath(items)));
    for (auto _ : state)
        std::unique_ptr<KeymapConfig>(RetargetKeymapConfig(config.get(), {1280, 720}, {2400, 1080}, {}, nullptr));
    state.SetItemsProcessed(state.iterations() * items);
}

void BM_Load(benchmark::State& state) { load(state, 300); }
void BM_LoadBaseline(benchmark::State& state) { loadBaseline(state, 300); }
void BM_Save(benchmark::State& state) { save(state, 300); }
void BM_SaveBaseline(benchmark::State& state) { saveBaseline(state, 300); }
void BM_LoadScaling(benchmark::State& state) { load(state, int(state.range(0))); }
void BM_LoadBaselineScaling(benchmark::State& state) { loadBaseline(state, int(state.range(0))); }
void BM_SaveScaling(benchmark::State& state) { save(state, int(state.range(0))); }
void BM_Load400(benchmark::State& state) { load(state, 400); }
void BM_Save400(benchmark::State& state) { save(state, 400); }
void BM_Retarget400(benchmark::State& state) { retarget(state, 400); }

// Macros: 10,000 lines each way and the check, against one precompiled match per line.
const QStringList& editingLines() {
    static const QStringList lines = benchdata::editingMacro(10000);
    return lines;
}
const QStringList& runningLines() {
    static const QStringList lines = MacroKeyEditingTextChangeToRunningText(editingLines(), kScreen);
    return lines;
}
void regexPerLine(benchmark::State& state, const QStringList& lines) {
    static const QRegularExpression command(QStringLiteral("^(\\w+)[\\s:]*(.*)$"));
    for (auto _ : state) {
        int matched = 0;
        for (const QString& line : lines)
            matched += command.match(line).hasMatch();
        benchmark::DoNotOptimize(matched);
    }
}
void BM_MacroToRunning(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(MacroKeyEditingTextChangeToRunningText(editingLines(), kScreen));
}
void BM_MacroToEditing(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(MacroKeyRunningTextChangeToEditingText(runningLines(), kScreen));
}
void BM_MacroCheck(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(MacroKeyEditingTextGrammarCheck(editingLines()));
}
void BM_MacroEditingBaseline(benchmark::State& state) { regexPerLine(state, editingLines()); }
void BM_MacroRunningBaseline(benchmark::State& state) { regexPerLine(state, runningLines()); }

// Intelligent-config queries on a document with eight 1920x1080 images.
void BM_IsIntelligentConfig(benchmark::State& state) {
    const QString path = imagesPath();
    for (auto _ : state)
        benchmark::DoNotOptimize(isIntelligentConfig(path, true));
}
void BM_GetFeatureImageInfo(benchmark::State& state) {
    const QString path = imagesPath();
    for (auto _ : state)
        benchmark::DoNotOptimize(getFeatureImageInfo(path, true));
}
void BM_ImagesBaseline(benchmark::State& state) {
    const QString path = imagesPath();
    for (auto _ : state)
        benchmark::DoNotOptimize(parse(readAll(path)));
}

// Keys: a mix of keyboard and mouse codes.
const std::vector<std::pair<bool, int>>& keyMix() {
    static const std::vector<std::pair<bool, int>> mix = [] {
        std::vector<std::pair<bool, int>> codes;
        for (int i = 0; i < 256; ++i)
            codes.emplace_back(i % 4 != 0, i % 4 != 0 ? (i * 7) % 340 : (1 << (i % 5)));
        return codes;
    }();
    return mix;
}
void BM_CreateConfigKey(benchmark::State& state) {
    const QString keyboard = QStringLiteral("keyboard"), mouse = QStringLiteral("mouse");
    for (auto _ : state)
        for (const auto& [isKeyboard, code] : keyMix())
            benchmark::DoNotOptimize(CreateConfigKey(isKeyboard ? keyboard : mouse, 0, code));
}
void BM_KeyMapBaseline(benchmark::State& state) {
    std::map<int, QString> keyboard, mouse;
    for (int code = 0; code < 340; ++code)
        keyboard.emplace(code, QStringLiteral("K%1").arg(code));
    for (int code : {1, 2, 4, 8, 16})
        mouse.emplace(code, QStringLiteral("M%1").arg(code));
    for (auto _ : state)
        for (const auto& [isKeyboard, code] : keyMix()) {
            const auto& table = isKeyboard ? keyboard : mouse;
            const auto found = table.find(code);
            benchmark::DoNotOptimize(found == table.end() ? QString() : found->second);
        }
}

BENCHMARK(BM_Load)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Save)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MacroToRunning)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MacroToEditing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MacroCheck)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MacroEditingBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MacroRunningBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IsIntelligentConfig)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GetFeatureImageInfo)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImagesBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CreateConfigKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyMapBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Load400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Save400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Retarget400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadScaling)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadBaselineScaling)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveScaling)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Keeps each run's CPU time per iteration, in nanoseconds, by benchmark name. CPU time measures the
// work itself; wall time on a shared machine also holds the waits for the disk (saving flushes the
// file to disk before it replaces the old one) and for other processes.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = run.cpu_accumulated_time * 1e9 / double(run.iterations);
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

// baselineScale compares per unit of work where the two runs do different amounts of it.
void printRatio(const RecordingReporter& reporter, const char* name, const char* measured, const char* baseline,
                double target, double baselineScale = 1) {
    const auto m = reporter.times.find(measured), b = reporter.times.find(baseline);
    if (m == reporter.times.end() || b == reporter.times.end() || b->second <= 0)
        return;
    std::printf("ratio %s %.2f %.2g\n", name, m->second / (b->second * baselineScale), target);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n");
    for (const char* kind : {"Load", "LoadBaseline", "Save"})
        for (int items : {10, 100, 1000, 10000}) {
            const std::string name = std::string("BM_") + kind + "Scaling/" + std::to_string(items);
            const auto found = reporter.times.find(name);
            if (found != reporter.times.end())
                std::printf("per-item %s %d %.2f us\n", kind, items, found->second / items / 1000.0);
        }
    printRatio(reporter, "load", "BM_Load", "BM_LoadBaseline", 1.3);
    printRatio(reporter, "save", "BM_Save", "BM_SaveBaseline", 1.3);
    printRatio(reporter, "macro_to_running", "BM_MacroToRunning", "BM_MacroEditingBaseline", 3);
    printRatio(reporter, "macro_to_editing", "BM_MacroToEditing", "BM_MacroRunningBaseline", 3);
    printRatio(reporter, "macro_check", "BM_MacroCheck", "BM_MacroEditingBaseline", 3);
    printRatio(reporter, "is_intelligent_config", "BM_IsIntelligentConfig", "BM_ImagesBaseline", 1.2);
    printRatio(reporter, "create_config_key", "BM_CreateConfigKey", "BM_KeyMapBaseline", 2);
    const auto moved = reporter.times.find("BM_Retarget400");
    const auto loaded = reporter.times.find("BM_Load400"), saved = reporter.times.find("BM_Save400");
    if (moved != reporter.times.end() && loaded != reporter.times.end() && saved != reporter.times.end())
        std::printf("ratio retarget_vs_load_plus_save %.2f 1\n", moved->second / (loaded->second + saved->second));
    // Flatness: time per item of the largest document against that of the 100-item one. The bare
    // parse itself slows down per item on large documents (memory and cache), so loading is held
    // to the parse's own growth; saving to a flat line.
    const auto growth = [&](const char* large, const char* small) {
        const auto l = reporter.times.find(large), s = reporter.times.find(small);
        return l == reporter.times.end() || s == reporter.times.end() ? 0.0 : l->second / (s->second * 100);
    };
    const double loadGrowth = growth("BM_LoadScaling/10000", "BM_LoadScaling/100");
    const double parseGrowth = growth("BM_LoadBaselineScaling/10000", "BM_LoadBaselineScaling/100");
    if (parseGrowth > 0)
        std::printf("ratio load_scaling_vs_parse_scaling %.2f 1.3\n", loadGrowth / parseGrowth);
    printRatio(reporter, "save_per_item_10000_vs_100", "BM_SaveScaling/10000", "BM_SaveScaling/100", 1.5, 100);
    return 0;
}
