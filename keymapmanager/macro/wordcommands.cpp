#include <keymapmanager/macro/commandkinds_p.h>

#include <keymapmanager/keys/keynames_p.h>

#include <charconv>
#include <optional>

namespace ovelkeymapmanager {
namespace macro {

namespace {

using Scan = WordArgumentScan;

// Appends QString::number(value).
void appendNumber(QString& text, int value) {
    char digits[12];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text += QLatin1String(digits, int(end - digits));
}

// One argument after the word: copied between the forms, or for keys and buttons turned between
// name and code.
class ArgumentCommand final : public MacroCommand {
public:
    using Start = Scan::Start;
    using Argument = Scan::Argument;

    // WORD, the separator and the argument in editing text; RUNNINGWORD:(argument) in running text.
    ArgumentCommand(Start start, const char* editingWord, Scan::Separator separator, Argument editingArgument,
                    Scan::End end, const char* runningWord, Argument runningArgument)
        : editingPrefix(QLatin1String(editingWord) + QLatin1Char(' ')),
          m_runningPrefix(QLatin1String(runningWord) + QLatin1Char(':')),
          m_editing(start, QLatin1String(editingWord), separator, editingArgument, end),
          m_running(start, m_runningPrefix, Scan::Separator::None, runningArgument, Scan::End::Open) {
        QString& editing = start == Start::Line ? editingKey : editingSearch;
        QString& running = start == Start::Line ? runningKey : runningSearch;
        editing = QLatin1String(editingWord);
        running = QLatin1String(runningWord);
    }

    // A key or button name must be known; a joystick line may go on after its token, which then
    // converts to nothing (its conversion wants the token at the end of the line).
    bool acceptsEditing(QStringView line, LineMatch& match) const override {
        match.argument = m_editing.find(line);
        if (match.argument.isNull() && !(openEditing && !openEditing->find(line).isNull()))
            return false;
        if (nameClass.isEmpty())
            return true;
        match.code = macroCodeForName(nameClass, match.argument.toString());
        return match.code != -1;
    }
    bool acceptsRunning(QStringView line, LineMatch& match) const override {
        match.argument = m_running.find(line);
        return !match.argument.isNull();
    }

    QString toRunning(QStringView editing, const LineMatch* found, const Screen&) const override {
        LineMatch own;
        if (!found) {
            own.argument = m_editing.find(editing);
            own.code = nameClass.isEmpty() ? -1 : macroCodeForName(nameClass, own.argument.toString());
            found = &own;
        }
        if (nameClass.isEmpty())
            return compose(m_runningPrefix, found->argument, QString());
        QString text = m_runningPrefix;
        appendNumber(text, found->code);
        return text;
    }

    QString toEditing(QStringView running, const LineMatch* found, const Screen&) const override {
        const QStringView argument = found ? found->argument : m_running.find(running);
        if (nameClass.isEmpty())
            return compose(editingPrefix, argument, editingSuffix);
        // A code too large for an int reads as 0; a code without a name leaves the name empty.
        return editingPrefix +
               (argument.isNull() ? QString() : macroNameForCode(nameClass, argument.toInt()));
    }

    QString editingPrefix;
    QString editingSuffix;
    QString nameClass;               // "key" or "btn" where editing names are running codes
    QString bareWord;                // the whole line, either form, when the argument is empty
    std::optional<Scan> openEditing; // what the lookup asks of an editing line, where it asks less

private:
    QString compose(const QString& prefix, QStringView argument, const QString& suffix) const {
        if (argument.isEmpty() && !bareWord.isEmpty())
            return bareWord;
        QString text = prefix;
        text += argument;
        return text += suffix;
    }

    QString m_runningPrefix;
    Scan m_editing;
    Scan m_running;
};

// WORD\s+(\S+)$ or WORD\s+(\d+)$ in editing text, WORD:(\S+) or WORD:(\d+) in running text.
std::unique_ptr<ArgumentCommand> deviceCommand(const char* editingWord, const char* runningWord,
                                               Scan::Argument editing, Scan::Argument running) {
    return std::make_unique<ArgumentCommand>(Scan::Start::Anywhere, editingWord, Scan::Separator::Blanks,
                                             editing, Scan::End::Line, runningWord, running);
}

class LastTokenCommand final : public MacroCommand {
public:
    LastTokenCommand(const char* editingWord, const char* runningWord, const char* editingToken,
                     const char* runningToken)
        : m_runningWord(QLatin1String(runningWord) + QLatin1Char(':')),
          m_editingToken(QLatin1String(editingToken)), m_runningToken(QLatin1String(runningToken)) {
        editingKey = QLatin1String(editingWord);
        runningKey = QLatin1String(runningWord);
    }

    // Blank-separated arguments in editing text, adjoining ones in running text.
    bool acceptsEditing(QStringView line, LineMatch& match) const override {
        match.argument = scanTokenList(line, editingKey, m_editingToken, true);
        return !match.argument.isNull();
    }
    bool acceptsRunning(QStringView line, LineMatch& match) const override {
        match.argument = scanTokenList(line, m_runningWord, m_runningToken, false);
        return !match.argument.isNull();
    }

    // The last argument anywhere in the text counts; the word is spelt each form's way.
    QString toRunning(QStringView editing, const LineMatch* found, const Screen&) const override {
        const QStringView last = found ? found->argument : lastToken(editing, m_editingToken);
        QString text = m_runningWord;
        return text += last == m_editingToken ? QStringView(m_runningToken) : last;
    }
    QString toEditing(QStringView running, const LineMatch* found, const Screen&) const override {
        const QStringView last = found ? found->argument : lastToken(running, m_runningToken);
        QString text = editingKey + QLatin1Char(' ');
        return text += last == m_runningToken ? QStringView(m_editingToken) : last;
    }

private:
    QString m_runningWord;
    QString m_editingToken;
    QString m_runningToken;
};

class WordCommand final : public MacroCommand {
public:
    WordCommand(const char* editingWord, const char* runningWord) {
        editingKey = QLatin1String(editingWord);
        runningKey = QLatin1String(runningWord);
    }
    bool acceptsEditing(QStringView line, LineMatch&) const override { return line == editingKey; }
    bool acceptsRunning(QStringView line, LineMatch&) const override { return line == runningKey; }
    // The stored text does not matter: there is nothing to convert.
    QString toRunning(QStringView, const LineMatch*, const Screen&) const override { return runningKey; }
    QString toEditing(QStringView, const LineMatch*, const Screen&) const override { return editingKey; }
};

} // namespace

CommandPtr keyCommand(const char* editingWord, const char* runningWord) {
    auto command = deviceCommand(editingWord, runningWord, Scan::Argument::NonBlank, Scan::Argument::Digits);
    command->nameClass = QStringLiteral("key");
    return command;
}

CommandPtr buttonCommand(const char* word) {
    auto command = deviceCommand(word, word, Scan::Argument::NonBlank, Scan::Argument::Digits);
    command->nameClass = QStringLiteral("btn");
    return command;
}

CommandPtr joystickCommand(const char* word) {
    auto command = deviceCommand(word, word, Scan::Argument::NonBlank, Scan::Argument::NonBlank);
    command->openEditing.emplace(Scan::Start::Anywhere, QLatin1String(word), Scan::Separator::Blanks,
                                 Scan::Argument::NonBlank, Scan::End::Open);
    return command;
}

CommandPtr wheelCommand(const char* word) {
    return deviceCommand(word, word, Scan::Argument::Digits, Scan::Argument::Digits);
}

// The digits may follow "sleep" with no blank ("sleep100"), or be missing: then the line is "sleep".
CommandPtr sleepCommand() {
    auto command = std::make_unique<ArgumentCommand>(Scan::Start::Line, "sleep", Scan::Separator::MaybeBlanks,
                                                     Scan::Argument::MaybeDigits, Scan::End::Open, "sleep",
                                                     Scan::Argument::Digits);
    command->bareWord = QStringLiteral("sleep");
    command->editingKey.clear(); // "sleepy" is a sleep line too
    return command;
}

CommandPtr defaultSleepCommand() {
    return std::make_unique<ArgumentCommand>(Scan::Start::Anywhere, "default_sleep_time",
                                             Scan::Separator::Blanks, Scan::Argument::Digits, Scan::End::Open,
                                             "default_sleep_time", Scan::Argument::Digits);
}

// The text runs from the first to the last double quote, inner quotes included.
CommandPtr textCommand() {
    auto command = std::make_unique<ArgumentCommand>(Scan::Start::Line, "text", Scan::Separator::Blanks,
                                                     Scan::Argument::Quoted, Scan::End::Open, "text_inject",
                                                     Scan::Argument::Rest);
    command->editingPrefix += QLatin1Char('"');
    command->editingSuffix = QStringLiteral("\"");
    return command;
}

CommandPtr swipeholdRadiusCommand() {
    const char* word = "swipehold_radius_increased_switch";
    return std::make_unique<ArgumentCommand>(Scan::Start::Line, word, Scan::Separator::MaybeBlanks,
                                             Scan::Argument::Decimal, Scan::End::Open, word,
                                             Scan::Argument::Decimal);
}

CommandPtr lastTokenCommand(const char* editingWord, const char* runningWord, const char* editingToken,
                            const char* runningToken) {
    return std::make_unique<LastTokenCommand>(editingWord, runningWord, editingToken, runningToken);
}

CommandPtr wordCommand(const char* editingWord, const char* runningWord) {
    return std::make_unique<WordCommand>(editingWord, runningWord);
}

} // namespace macro
} // namespace ovelkeymapmanager
