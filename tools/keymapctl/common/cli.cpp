#include "common/cli.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace keymapctl {

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

CommandLine::CommandLine(QString command, const QString& description, const QString& syntax)
    : m_command(std::move(command)), m_syntax(syntax),
      m_help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help.")) {
    m_parser.setApplicationDescription(description);
    m_parser.addOption(m_help);
}

void CommandLine::addFlag(const QString& name, const QString& description) {
    m_parser.addOption(QCommandLineOption(name, description));
}

void CommandLine::addValue(const QString& name, const QString& description, const QString& valueName) {
    m_parser.addOption(QCommandLineOption(name, description, valueName));
}

std::optional<int> CommandLine::parse(const QStringList& arguments, int minPositional, int maxPositional) {
    if (!m_parser.parse(arguments))
        return usageError(m_parser.errorText());
    if (m_parser.isSet(m_help)) {
        out() << helpText();
        return kOk;
    }
    const int count = positional().size();
    if (count < minPositional)
        return usageError(QStringLiteral("missing argument (%1)").arg(m_syntax));
    if (maxPositional >= 0 && count > maxPositional)
        return usageError(QStringLiteral("too many arguments (%1)").arg(m_syntax));
    return std::nullopt;
}

QString CommandLine::helpText() const {
    // The parser names the executable by its path; the usage line names the command instead.
    QString text = m_parser.helpText();
    const int lineEnd = text.indexOf(QLatin1Char('\n'));
    text.replace(0, lineEnd, QStringLiteral("Usage: keymapctl %1 %2").arg(m_command, m_syntax));
    return text;
}

int CommandLine::usageError(const QString& message) const {
    err() << "keymapctl " << m_command << ": " << message << "\n"
          << "Try 'keymapctl " << m_command << " --help'.\n";
    return kBadInput;
}

int CommandLine::fail(int code, const QString& message) const {
    err() << "keymapctl " << m_command << ": " << message << "\n";
    return code;
}

std::optional<QSize> parseSize(const QString& text) {
    const QStringList parts = text.toLower().split(QLatin1Char('x'));
    if (parts.size() != 2)
        return std::nullopt;
    bool okWidth = false;
    bool okHeight = false;
    const int width = parts[0].toInt(&okWidth);
    const int height = parts[1].toInt(&okHeight);
    if (!okWidth || !okHeight || width <= 0 || height <= 0)
        return std::nullopt;
    return QSize(width, height);
}

QString whyUnreadable(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists())
        return QStringLiteral("no such file");
    if (file.isDir())
        return QStringLiteral("is a directory");
    if (!file.isFile())
        return QStringLiteral("not a regular file");
    return QStringLiteral("cannot read the file (no permission)");
}

std::optional<QStringList> readLines(const QString& path) {
    QFile file;
    const bool opened = path == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                   : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened)
        return std::nullopt;
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

void Progress::step(const QString& path) {
    ++m_done;
    if (m_total >= kThreshold) {
        err() << "[" << m_done << "/" << m_total << "] " << path << "\n";
        err().flush();
    }
}

} // namespace keymapctl
