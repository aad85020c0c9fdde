// Peak heap while loading a 10,000-item document, against the peak of the bare parse of the same
// bytes. Every allocation of the process (Qt, Poco, the library) is counted at malloc.
#include "documents.h"

#include <keymapmanager/keymapmanager.h>

#include <Poco/JSON/Parser.h>
#include <QCoreApplication>
#include <QFile>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <memory>

extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void __libc_free(void*);
void* __libc_memalign(size_t, size_t);
}

namespace {

std::atomic<long long> g_current{0};
std::atomic<long long> g_peak{0};

void counted(void* block) {
    if (!block)
        return;
    const long long now = g_current += (long long)malloc_usable_size(block);
    long long peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
}

void uncounted(void* block) {
    if (block)
        g_current -= (long long)malloc_usable_size(block);
}

} // namespace

extern "C" {
void* malloc(size_t size) {
    void* block = __libc_malloc(size);
    counted(block);
    return block;
}
void* calloc(size_t count, size_t size) {
    void* block = __libc_calloc(count, size);
    counted(block);
    return block;
}
void* realloc(void* old, size_t size) {
    uncounted(old);
    void* block = __libc_realloc(old, size);
    counted(block);
    return block;
}
void free(void* block) {
    uncounted(block);
    __libc_free(block);
}
void* memalign(size_t alignment, size_t size) {
    void* block = __libc_memalign(alignment, size);
    counted(block);
    return block;
}
int posix_memalign(void** out, size_t alignment, size_t size) {
    *out = __libc_memalign(alignment, size);
    counted(*out);
    return *out ? 0 : 12;
}
void* aligned_alloc(size_t alignment, size_t size) { return memalign(alignment, size); }
}

namespace {

// Peak bytes above what was allocated before the operation.
template <typename Operation> long long peakOf(Operation operation) {
    const long long before = g_current.load();
    g_peak = before;
    operation();
    return g_peak.load() - before;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString path = benchdata::writeTemporary("memory.json", benchdata::keymapText(10000));

    // Warm up one-time tables and caches so neither side pays for them.
    std::unique_ptr<ovelkeymapmanager::KeymapConfig>(ovelkeymapmanager::LoadKeymapConfigAndInfo(path));

    const long long parsePeak = peakOf([&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray text = file.readAll();
        Poco::JSON::Parser parser;
        const Poco::Dynamic::Var root = parser.parse(std::string(text.constData(), std::size_t(text.size())));
    });
    const long long loadPeak = peakOf([&] {
        std::unique_ptr<ovelkeymapmanager::KeymapConfig>(ovelkeymapmanager::LoadKeymapConfigAndInfo(path));
    });
    std::printf("peak heap: bare parse %lld bytes, load %lld bytes (10000 items)\n", parsePeak, loadPeak);
    std::printf("ratio memory_load_peak %.2f 1.6\n", double(loadPeak) / double(parsePeak));
    return 0;
}
