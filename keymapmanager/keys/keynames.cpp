#include <keymapmanager/keys/keynames_p.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/keys/keytables_p.h>

#include <QHash>

#include <cstring>
#include <map>
#include <vector>

namespace ovelkeymapmanager {
namespace {

using namespace keytables;

enum class KeyClass { Key, Button, Other };

// Device words name their class; the class words "key" and "btn" stand for themselves. Every key
// naming asks this, so the comparisons are views, which test the size before the characters.
KeyClass classOf(const QString& word) {
    const QStringView view(word);
    if (view == QLatin1String(Device::Keyboard) || view == QLatin1String("key"))
        return KeyClass::Key;
    if (view == QLatin1String(Device::Mouse) || view == QLatin1String("btn"))
        return KeyClass::Button;
    return KeyClass::Other;
}

// Code to word, built from rows in order; the first row for a code wins.
class WordsByCode {
public:
    template <std::size_t N> WordsByCode& add(const CodeWord (&rows)[N]) {
        for (const CodeWord& row : rows)
            add(row);
        return *this;
    }
    WordsByCode& add(const CodeWord& row) {
        m_words.emplace(row.code, row.word);
        return *this;
    }
    const std::map<int, const char*>& words() const { return m_words; }

private:
    std::map<int, const char*> m_words;
};

using TextRule = QString (*)(const char* word);

// The text of every code in a flat array, so that naming a key costs one index. Codes without a
// row, and those whose word is "unknown", have the empty text.
class TextsByCode {
public:
    TextsByCode(const WordsByCode& table, TextRule rule) {
        const auto& words = table.words();
        m_texts.resize(static_cast<std::size_t>(words.rbegin()->first) + 1);
        for (const auto& [code, word] : words) {
            const QString text = rule(word);
            if (text != QLatin1String("Unknown"))
                m_texts[static_cast<std::size_t>(code)] = text;
        }
    }
    QString at(int code) const {
        return code >= 0 && static_cast<std::size_t>(code) < m_texts.size()
                   ? m_texts[static_cast<std::size_t>(code)]
                   : QString();
    }

private:
    std::vector<QString> m_texts;
};

// "esc" gives Esc, "pageUp" PageUp, "1" stays 1.
QString capitalised(const char* word) {
    QString text = QString::fromLatin1(word);
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

// The word's own text when it has one, else the capitalised word.
template <std::size_t N> QString textFrom(const WordText (&specials)[N], const char* word) {
    for (const WordText& row : specials)
        if (std::strcmp(row.word, word) == 0)
            return QString::fromLatin1(row.text);
    return capitalised(word);
}

QString keyText(const char* word) {
    return textFrom(keyDisplayTexts, word);
}
QString buttonDisplayText(const char* word) {
    return textFrom(buttonDisplayTexts, word);
}

// Word to code, the first row for a word winning.
class CodesByWord {
public:
    template <std::size_t N> CodesByWord& add(const WordCode (&rows)[N]) {
        for (const WordCode& row : rows)
            add(row.word, row.code);
        return *this;
    }
    template <std::size_t N> CodesByWord& add(const CodeWord (&rows)[N]) {
        for (const CodeWord& row : rows)
            add(row.word, row.code);
        return *this;
    }
    // An alias is read as its word, whatever a row might say about the alias itself.
    template <std::size_t N> CodesByWord& alias(const WordText (&rows)[N]) {
        for (const WordText& row : rows) {
            const auto target = m_codes.constFind(QString::fromLatin1(row.text));
            if (target != m_codes.constEnd())
                m_codes.insert(QString::fromLatin1(row.word), *target);
        }
        return *this;
    }
    int at(const QString& word) const { return m_codes.value(word, -1); }

private:
    void add(const char* word, int code) {
        const QString key = QString::fromLatin1(word);
        if (!m_codes.contains(key))
            m_codes.insert(key, code);
    }
    QHash<QString, int> m_codes;
};

WordsByCode keyWordsWith(const CodeWord& home) {
    WordsByCode words;
    words.add(extendedKeyWords).add(home).add(keyWords);
    return words;
}

// Everything is built once, on first use; afterwards it is only read, from any thread.
struct Naming {
    TextsByCode displayKeys{keyWordsWith(extendedHomeDisplay).add(directionWords), keyText};
    TextsByCode displayButtons{WordsByCode().add(buttonWords), buttonDisplayText};
    TextsByCode macroKeys{keyWordsWith(extendedHomeMacro).add(macroBackKeyWord).add(directionWords), keyText};
    TextsByCode macroButtons{WordsByCode().add(macroButtonWords), capitalised};
    CodesByWord keyCodes = CodesByWord().add(macroKeyCodeOverrides).add(keyWords).alias(keyAliases);
    CodesByWord buttonCodes = CodesByWord().add(macroButtonCodes);
};

const Naming& naming() {
    static const Naming instance;
    return instance;
}

} // namespace

int normalizedScanCode(int scanCode) {
    switch (scanCode) {
    case 285: // right Ctrl
        return 29;
    case 54: // right Shift
        return 42;
    case 312: // right Alt
        return 56;
    default:
        return scanCode;
    }
}

void normalizeScanCode(ConfigKey& key) {
    key.scanCode = normalizedScanCode(key.scanCode);
}

void updateConfigKeyText(ConfigKey& key, const QString& device, int code) {
    switch (classOf(device)) {
    case KeyClass::Key:
        key.text = naming().displayKeys.at(code);
        break;
    case KeyClass::Button:
        key.text = naming().displayButtons.at(code);
        break;
    case KeyClass::Other:
        // A joystick key is identified by its text, which must stay.
        if (device != QLatin1String(Device::Joystick))
            key.text.clear();
        break;
    }
}

QString macroNameForCode(const QString& classWord, int code) {
    switch (classOf(classWord)) {
    case KeyClass::Key:
        return naming().macroKeys.at(code);
    case KeyClass::Button:
        return naming().macroButtons.at(code);
    case KeyClass::Other:
        break;
    }
    return QString();
}

// Only the class words are accepted here; device words give -1.
int macroCodeForName(const QString& classWord, const QString& name) {
    if (classWord == QLatin1String("key"))
        return naming().keyCodes.at(name.toLower());
    if (classWord == QLatin1String("btn"))
        return naming().buttonCodes.at(name.toLower());
    return -1;
}

} // namespace ovelkeymapmanager
