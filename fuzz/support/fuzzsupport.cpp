#include "fuzzsupport.h"

#include <Poco/JSON/Parser.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace fuzzsupport {

void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "FUZZ FINDING: %s %s\n", what, detail.c_str());
    std::fflush(stderr);
    std::abort();
}

ScratchFile::ScratchFile(const char* name) {
    const QString dir =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    m_path = QStringLiteral("%1/keymap-fuzz-%2-%3")
                 .arg(dir, QString::number(QCoreApplication::applicationPid()), QString::fromLatin1(name));
}

ScratchFile::~ScratchFile() {
    QFile::remove(m_path);
}

void ScratchFile::write(const std::uint8_t* data, std::size_t size) const {
    write(QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size)));
}

void ScratchFile::write(const QByteArray& bytes) const {
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("cannot write the scratch file", m_path.toStdString());
}

std::string bytes(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

Poco::JSON::Object::Ptr parseObject(const std::string& text) {
    try {
        Poco::JSON::Parser parser;
        const Poco::Dynamic::Var parsed = parser.parse(text);
        if (parsed.type() != typeid(Poco::JSON::Object::Ptr))
            return {};
        return parsed.extract<Poco::JSON::Object::Ptr>();
    } catch (const Poco::Exception&) {
        return {};
    }
}

} // namespace fuzzsupport
