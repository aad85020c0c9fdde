// Shared mechanics of the fuzz targets: failing loudly, a scratch file on a memory file system,
// JSON parsing of arbitrary bytes, and the rule for which exceptions library code may raise.
#pragma once

#include <Poco/Exception.h>
#include <Poco/JSON/Object.h>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <typeinfo>

namespace fuzzsupport {

// Reports a broken expectation and aborts, so that libFuzzer keeps the input as a crash.
[[noreturn]] void fail(const char* what, const std::string& detail = std::string());

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            ::fuzzsupport::fail("check failed: " #condition);                                                \
    } while (false)

// One file per process, rewritten for every input; on /dev/shm where it exists, so that loading
// through a path costs no disk I/O.
class ScratchFile {
public:
    explicit ScratchFile(const char* name);
    ~ScratchFile();
    const QString& path() const { return m_path; }
    void write(const std::uint8_t* data, std::size_t size) const;
    void write(const QByteArray& bytes) const;

private:
    QString m_path;
};

std::string bytes(const std::uint8_t* data, std::size_t size);

// The object the JSON library makes of the text, or null when it rejects the text or its root is
// not an object.
Poco::JSON::Object::Ptr parseObject(const std::string& text);

// Runs library code that may reject its input with the JSON library's exceptions (true when it
// ran through, false when it raised one). Any other exception is a finding, except running out
// of memory, which the library leaves to its caller.
template <typename Code> bool raisesOnlyLibraryExceptions(Code&& code) {
    try {
        code();
        return true;
    } catch (const Poco::Exception&) {
        return false;
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& error) {
        fail("foreign exception escaped", std::string(typeid(error).name()) + ": " + error.what());
    } catch (...) {
        fail("unknown exception escaped");
    }
}

} // namespace fuzzsupport
