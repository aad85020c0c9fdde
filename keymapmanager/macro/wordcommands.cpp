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

// What an argument command is: its word and argument in each form, and what sets it apart.
struct ArgumentShape {
    Scan::Start start;
    const char* editingWord;
    Scan::Separator separator;
    Scan::Argument editingArgument;
    Scan::End end;
    const char* runningWord;
    Scan::Argument runningArgument;
    const char* nameClass = "";    // "key" or "btn" where editing names are running codes
    const char* bareWord = "";     // the whole line, either form, when the argument is empty
    const char* editingQuote = ""; // around the editing argument
    bool openEditing = false;      // the lookup asks only for the word and a token, anywhere
    bool keyedByFirstWord = true;  // false: lines may run on from the word ("sleepy")
};

// One argument after the word: copied between the forms, or for keys and buttons turned between
// name and code.
class ArgumentCommand final : public MacroCommand {
public:
    // WORD, the separator and the argument in editing text; RUNNINGWORD:(argument) in running text.
    explicit ArgumentCommand(const ArgumentShape& shape)
        : editingPrefix(QLatin1String(shape.editingWord) + QLatin1Char(' ') +
                        QLatin1String(shape.editingQuote)),
          editingSuffix(QLatin1String(shape.editingQuote)), nameClass(QLatin1String(shape.nameClass)),
          bareWord(QLatin1String(shape.bareWord)),
          m_runningPrefix(QLatin1String(shape.runningWord) + QLatin1Char(':')),
          m_editing(shape.start, QLatin1String(shape.editingWord), shape.separator, shape.editingArgument,
                    shape.end),
          m_running(shape.start, m_runningPrefix, Scan::Separator::None, shape.runningArgument,
                    Scan::End::Open) {
        const bool byFirstWord = shape.start == Scan::Start::Line;
        (byFirstWord ? editingKey : editingSearch) = QLatin1String(shape.editingWord);
        (byFirstWord ? runningKey : runningSearch) = QLatin1String(shape.runningWord);
        if (!shape.keyedByFirstWord)
            editingKey.clear();
        if (shape.openEditing)
            openEditing.emplace(Scan::Start::Anywhere, QLatin1String(shape.editingWord),
                                Scan::Separator::Blanks, Scan::Argument::NonBlank, Scan::End::Open);
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

private:
    QString compose(const QString& prefix, QStringView argument, const QString& suffix) const {
        if (argument.isEmpty() && !bareWord.isEmpty())
            return bareWord;
        QString text = prefix;
        text += argument;
        return text += suffix;
    }

    const QString editingPrefix;
    const QString editingSuffix;
    const QString nameClass;
    const QString bareWord;
    std::optional<Scan> openEditing; // what the lookup asks of an editing line, where it asks less

    QString m_runningPrefix;
    Scan m_editing;
    Scan m_running;
};

// WORD\s+(\S+)$ or WORD\s+(\d+)$ in editing text, WORD:(\S+) or WORD:(\d+) in running text.
ArgumentShape deviceShape(const char* editingWord, const char* runningWord, Scan::Argument editing,
                          Scan::Argument running) {
    return {Scan::Start::Anywhere, editingWord, Scan::Separator::Blanks, editing, Scan::End::Line,
            runningWord,           running};
}

CommandPtr argumentCommand(const ArgumentShape& shape) {
    return std::make_unique<ArgumentCommand>(shape);
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
    ArgumentShape shape =
        deviceShape(editingWord, runningWord, Scan::Argument::NonBlank, Scan::Argument::Digits);
    shape.nameClass = "key";
    return argumentCommand(shape);
}

CommandPtr buttonCommand(const char* word) {
    ArgumentShape shape = deviceShape(word, word, Scan::Argument::NonBlank, Scan::Argument::Digits);
    shape.nameClass = "btn";
    return argumentCommand(shape);
}

CommandPtr joystickCommand(const char* word) {
    ArgumentShape shape = deviceShape(word, word, Scan::Argument::NonBlank, Scan::Argument::NonBlank);
    shape.openEditing = true;
    return argumentCommand(shape);
}

CommandPtr wheelCommand(const char* word) {
    return argumentCommand(deviceShape(word, word, Scan::Argument::Digits, Scan::Argument::Digits));
}

// The digits may follow "sleep" with no blank ("sleep100"), or be missing: then the line is "sleep".
CommandPtr sleepCommand() {
    ArgumentShape shape{Scan::Start::Line, "sleep", Scan::Separator::MaybeBlanks, Scan::Argument::MaybeDigits,
                        Scan::End::Open,   "sleep", Scan::Argument::Digits};
    shape.bareWord = "sleep";
    shape.keyedByFirstWord = false; // "sleepy" is a sleep line too
    return argumentCommand(shape);
}

CommandPtr defaultSleepCommand() {
    return argumentCommand({Scan::Start::Anywhere, "default_sleep_time", Scan::Separator::Blanks,
                            Scan::Argument::Digits, Scan::End::Open, "default_sleep_time",
                            Scan::Argument::Digits});
}

// The text runs from the first to the last double quote, inner quotes included.
CommandPtr textCommand() {
    ArgumentShape shape{Scan::Start::Line, "text",        Scan::Separator::Blanks, Scan::Argument::Quoted,
                        Scan::End::Open,   "text_inject", Scan::Argument::Rest};
    shape.editingQuote = "\"";
    return argumentCommand(shape);
}

CommandPtr swipeholdRadiusCommand() {
    const char* word = "swipehold_radius_increased_switch";
    return argumentCommand({Scan::Start::Line, word, Scan::Separator::MaybeBlanks, Scan::Argument::Decimal,
                            Scan::End::Open, word, Scan::Argument::Decimal});
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
