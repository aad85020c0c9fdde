// Command-line mechanics shared by every keymapctl command: exit codes, the output streams, one
// parser per command with --help, and the small argument readers (sizes, line files).
#pragma once

#include <QCommandLineParser>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace keymapctl {

// Exit codes: 0 ok, 1 a check found problems, 2 bad usage or an input that cannot be read.
enum Exit { kOk = 0, kProblems = 1, kBadInput = 2 };

// Exit code of several results: the worst one wins.
inline int worst(int a, int b) {
    return a > b ? a : b;
}

QTextStream& out();
QTextStream& err();

// One command's parser. The arguments handed to parse() start with the program name, as QCoreApplication's
// do.
class CommandLine {
public:
    CommandLine(QString command, const QString& description, const QString& syntax);

    QCommandLineParser& parser() { return m_parser; }
    void addFlag(const QString& name, const QString& description);
    void addValue(const QString& name, const QString& description, const QString& valueName);

    // Parses and handles --help and unknown options: an exit code to return at once, or nothing
    // when the command goes on. At least minPositional positional arguments are required.
    std::optional<int> parse(const QStringList& arguments, int minPositional, int maxPositional = -1);

    bool isSet(const QString& name) const { return m_parser.isSet(name); }
    QString value(const QString& name) const { return m_parser.value(name); }
    QStringList positional() const { return m_parser.positionalArguments(); }

    // Prints "keymapctl COMMAND: message" and a hint to --help on stderr; returns kBadInput.
    int usageError(const QString& message) const;
    // Prints "keymapctl COMMAND: message" on stderr and returns the given code.
    int fail(int code, const QString& message) const;

private:
    QString helpText() const;

    QString m_command;
    QString m_syntax;
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
};

// "1280x720" (also "1280X720"); nothing for anything else or a side that is not positive.
std::optional<QSize> parseSize(const QString& text);

// Why a file cannot be read, in a few words: "no such file", "is a directory", "not a regular
// file" or "cannot read the file (no permission)".
QString whyUnreadable(const QString& path);

// The lines of a file, or of stdin for "-"; a line feed ends a line, a carriage return before it
// is dropped, and the empty piece after a final line feed is not a line. Nothing when unreadable.
std::optional<QStringList> readLines(const QString& path);

// Tells progress on stderr when there are many inputs, so that the output stays clean.
class Progress {
public:
    explicit Progress(int total) : m_total(total) {}
    void step(const QString& path);

private:
    static constexpr int kThreshold = 10;
    int m_total;
    int m_done = 0;
};

} // namespace keymapctl
