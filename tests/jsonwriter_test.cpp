// JSON text writing, checked against the JSON library's own Object::stringify byte for byte: every
// byte in strings and keys, numbers, container layouts, parsed documents, random trees, whole
// keymap documents.
#include "support/testsupport.h"

#include <keymapmanager/config/documentio_p.h>
#include <keymapmanager/config/itemfactory_p.h>
#include <keymapmanager/json/json_p.h>
#include <keymapmanager/json/jsonwriter_p.h>

#include <Poco/Exception.h>
#include <Poco/JSON/Parser.h>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <random>
#include <sstream>

using namespace ovelkeymapmanager;
using Poco::Dynamic::Var;
using Poco::JSON::Array;
using Poco::JSON::Object;

namespace {

const unsigned kIndents[] = {0, 1, 2, 4};

template <typename Container> std::string library(const Container& tree, unsigned indent) {
    std::ostringstream out;
    tree.stringify(out, indent);
    return out.str();
}

template <typename Container> std::string ours(const Container& tree, unsigned indent) {
    std::string out;
    json::TextWriter(out, indent).value(tree);
    return out;
}

template <typename Container> void expectSameText(const Container& tree) {
    for (unsigned indent : kIndents)
        ASSERT_EQ(ours(tree, indent), library(tree, indent)) << "indent " << indent;
}

// Each text as a key and as a value, one object per text (so that equal keys do not merge), and
// all of them in one array.
void expectSameTextForStrings(const std::vector<std::string>& texts) {
    Array::Ptr all(new Array);
    for (const std::string& text : texts) {
        Object object;
        object.set(text, text);
        SCOPED_TRACE(testing::PrintToString(text));
        expectSameText(object);
        all->add(text);
    }
    Object root;
    root.set("all", all);
    expectSameText(root);
}

TEST(JsonWriter, WritesEveryByteOfStringsAndKeysAsTheLibraryDoes) {
    std::vector<std::string> texts;
    for (int byte = 0; byte < 256; ++byte)
        texts.push_back(std::string("a") + char(byte) + "b");
    for (const char* text : {"", "/", "\x7f", "\"\\/", "caf\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x98\x80",
                             "\xc3", "\x80\x80", "\xed\xa0\x80", "\xff\xfe", "\xf8\x88\x80\x80\x80"})
        texts.push_back(text);
    texts.push_back(std::string("nul\0inside", 10));
    expectSameTextForStrings(texts);
}

TEST(JsonWriter, WritesTheNaughtyStringsAsTheLibraryDoes) {
    QFile file(testsupport::sharedPath("testdata/naughty-strings/blns.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<std::string> texts;
    while (!file.atEnd())
        texts.push_back(file.readLine().toStdString());
    ASSERT_GT(texts.size(), 500u);
    expectSameTextForStrings(texts);
}

using limits = std::numeric_limits<double>;
const double kNumbers[] = {0.0,   -0.0, 1.0,  -1.5, 0.1,  0.30000000000000004,
                           100.0, 1e15, 1e16, 1e21, 1e-6, 1e-7};
const double kLimits[] = {limits::min(),     limits::denorm_min(), limits::max(),       limits::lowest(),
                          limits::epsilon(), limits::infinity(),   -limits::infinity(), limits::quiet_NaN()};

TEST(JsonWriter, WritesNumbersAsTheLibraryDoes) {
    Array::Ptr numbers(new Array);
    for (double value : kNumbers)
        numbers->add(value);
    for (double value : kLimits)
        numbers->add(value);
    std::mt19937_64 random(7);
    for (int i = 0; i < 2000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        numbers->add(value);
        numbers->add(double(std::int64_t(bits) >> (bits % 64)) / double(1 << (bits % 20)));
    }
    for (int value : {0, -1, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
        numbers->add(value);
    numbers->add(std::numeric_limits<Poco::Int64>::min());
    numbers->add(std::numeric_limits<Poco::Int64>::max());
    numbers->add(std::numeric_limits<Poco::UInt64>::max());
    numbers->add(true);
    numbers->add(false);
    Object root;
    root.set("numbers", numbers);
    expectSameText(root);
}

TEST(JsonWriter, LaysOutEmptyAndNestedContainersAsTheLibraryDoes) {
    Object root;
    expectSameText(root);
    Object::Ptr inner(new Object);
    inner->set("empty array", Array());
    inner->set("empty object", Object());
    inner->set("null", Var());
    Array::Ptr arrays(new Array);
    arrays->add(Array());
    arrays->add(Array::Ptr(new Array));
    arrays->add(Object::Ptr(new Object));
    arrays->add(inner);
    arrays->add(Var());
    root.set("arrays", arrays);
    root.set("inner", inner);
    root.set("object value", *inner);
    expectSameText(root);
    expectSameText(*arrays);
}

// Writing a container a member at a time gives the text of the same tree.
TEST(JsonWriter, StreamedContainersGiveTheTextOfTheTree) {
    Object::Ptr element(new Object);
    element->set("x", std::string("y"));
    Array::Ptr list(new Array);
    list->add(1);
    list->add(element);
    Object tree;
    tree.set("a", Array::Ptr(new Array));
    tree.set("b", Object::Ptr(new Object));
    tree.set("c", list);
    for (unsigned indent : kIndents) {
        std::string text;
        json::TextWriter writer(text, indent);
        writer.beginObject();
        writer.key("a");
        writer.beginArray();
        writer.endArray();
        writer.key("b");
        writer.beginObject();
        writer.endObject();
        writer.key("c");
        writer.beginArray();
        writer.element();
        writer.value(Var(1));
        writer.element();
        writer.value(*element);
        writer.endArray();
        writer.endObject();
        EXPECT_EQ(text, library(tree, indent)) << "indent " << indent;
    }
}

// Texts reach the tree as Qt converts them to UTF-8, ASCII or not.
TEST(JsonPut, StoresTextsAsTheirUtf8) {
    QFile file(testsupport::sharedPath("testdata/naughty-strings/blns.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList texts = {QString(), QStringLiteral("plain"), QString(QChar(QChar::Null)),
                         QString(QChar(0xD800)), QString::fromUtf8("caf\xc3\xa9")};
    while (!file.atEnd())
        texts.append(QString::fromUtf8(file.readLine()));
    Object object;
    json::put(object, "lines", texts);
    const Array::Ptr lines = object.getArray("lines");
    ASSERT_EQ(lines->size(), std::size_t(texts.size()));
    for (int i = 0; i < texts.size(); ++i) {
        json::put(object, "text", texts[i]);
        EXPECT_EQ(object.getValue<std::string>("text"), texts[i].toStdString());
        EXPECT_EQ(lines->getElement<std::string>(unsigned(i)), texts[i].toStdString());
    }
}

TEST(JsonWriter, RaisesTheLibrarysExceptionForANullPointer) {
    Object root;
    root.set("missing", Object::Ptr());
    EXPECT_THROW(library(root, 4), Poco::NullPointerException);
    EXPECT_THROW(ours(root, 4), Poco::NullPointerException);
}

// Trees of every kind, nested at random.
class RandomTree {
public:
    explicit RandomTree(unsigned seed) : m_random(seed) {}

    Object object(int depth) {
        Object object;
        for (int count = pick(depth > 0 ? 6 : 0); count > 0; --count)
            object.set(text(), value(depth - 1));
        return object;
    }

private:
    int pick(int below) { return below <= 0 ? 0 : int(m_random() % unsigned(below)); }

    std::string text() {
        static const std::string kPieces[] = {"a",
                                              "Key",
                                              " ",
                                              "\"",
                                              "\\",
                                              "/",
                                              "\x7f",
                                              "\t",
                                              "\n",
                                              "\x01",
                                              "\x1f",
                                              "\xc3\xa9",
                                              "\xf0\x9f\x98\x80",
                                              "\xff",
                                              "\x80",
                                              std::string(1, '\0')};
        std::string text;
        for (int count = pick(8); count > 0; --count)
            text += kPieces[pick(int(std::size(kPieces)))];
        return text;
    }

    Var value(int depth) {
        const int kind = pick(depth > 0 ? 16 : 10);
        switch (kind) {
        case 0:
            return text();
        case 1:
            return int(m_random());
        case 2:
            return double(int(m_random() % 200000) - 100000) / double(1 + pick(1000));
        case 3: {
            const std::uint64_t bits = m_random() | (std::uint64_t(m_random()) << 32);
            double value;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
        case 4:
            return pick(2) == 1;
        case 5:
            return Var();
        case 6:
            return Poco::Int64(m_random()) << 31;
        case 7:
            return Poco::UInt64(m_random()) << 32;
        case 8:
        case 9:
        case 10:
            return Object::Ptr(new Object(object(depth)));
        case 11:
            return object(depth);
        case 12:
            return Array::Ptr(new Array(array(depth)));
        default:
            return array(depth);
        }
    }

    Array array(int depth) {
        Array array;
        for (int count = pick(5); count > 0; --count)
            array.add(value(depth - 1));
        return array;
    }

    std::mt19937 m_random;
};

TEST(JsonWriter, WritesRandomTreesAsTheLibraryDoes) {
    RandomTree random(20240229);
    for (int tree = 0; tree < 300; ++tree) {
        SCOPED_TRACE(tree);
        expectSameText(random.object(5));
    }
}

// Parsed texts: the examples and the valid or implementation-defined texts of the JSON test suite
// whose top level is an object or an array.
TEST(JsonWriter, WritesParsedDocumentsAsTheLibraryDoes) {
    QStringList paths;
    for (const char* example :
         {"examples/keymap-landscape-1280x720.json", "examples/joystick-virtual-gamepad.json"})
        paths.append(testsupport::sourcePath(example));
    const QDir suite(testsupport::sharedPath("testdata/json-test-suite"));
    for (const QString& name : suite.entryList({QStringLiteral("y_*.json"), QStringLiteral("i_*.json")}))
        paths.append(suite.filePath(name));
    ASSERT_GT(paths.size(), 100);
    int containers = 0;
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        Var parsed;
        try {
            Poco::JSON::Parser parser;
            parsed = parser.parse(testsupport::readFile(path).toStdString());
        } catch (const Poco::Exception&) {
            continue; // texts the library does not read
        }
        if (parsed.type() == typeid(Object::Ptr)) {
            expectSameText(*parsed.extract<Object::Ptr>());
            ++containers;
        } else if (parsed.type() == typeid(Array::Ptr)) {
            expectSameText(*parsed.extract<Array::Ptr>());
            ++containers;
        }
    }
    EXPECT_GT(containers, 80);
}

// The document's text as stringifying the tree of the whole document gives it.
std::string wholeTreeText(const KeymapConfig& document) {
    Array::Ptr keymaps(new Array);
    for (const ConfigItem* item : document.items)
        keymaps->add(Object::Ptr(new Object(item->toJson())));
    Object root;
    root.set("keymaps", keymaps);
    root.set("info", Object::Ptr(new Object(document.info->toJson())));
    root.set("param", Object::Ptr(new Object(document.param->toJson(document.info->isJoystick))));
    return testsupport::stringify(root);
}

TEST(DocumentText, IsTheTextOfTheWholeTree) {
    for (const char* example :
         {"examples/keymap-landscape-1280x720.json", "examples/joystick-virtual-gamepad.json"}) {
        SCOPED_TRACE(example);
        const testsupport::ConfigPtr document(LoadKeymapConfigAndInfo(testsupport::sourcePath(example)));
        ASSERT_FALSE(document->items.isEmpty());
        EXPECT_EQ(documentText(*document).toStdString(), wholeTreeText(*document));

        // Awkward texts and numbers in the fields every item has.
        int index = 0;
        for (ConfigItem* item : document->items) {
            item->iconDescription =
                QString::fromUtf8("\"quoted\" \\ / \t caf\xc3\xa9 \xf0\x9f\x98\x80 \x7f") +
                QChar(QChar::Null) + QString::number(index);
            item->key.text = QString::fromUtf8("\xe2\x82\xac\n");
            item->workPositionX = 1.0 / (3 + index++);
            item->workPositionY = -1e-9 * index;
            item->iconRadiusCorrection = index;
        }
        EXPECT_EQ(documentText(*document).toStdString(), wholeTreeText(*document));
    }
    KeymapConfig everyType;
    for (const QString& name : configItemTypeNames())
        everyType.items.append(CreateConfigItem(name));
    ASSERT_EQ(everyType.items.size(), 24);
    EXPECT_EQ(documentText(everyType).toStdString(), wholeTreeText(everyType));
    const KeymapConfig empty;
    EXPECT_EQ(documentText(empty).toStdString(), wholeTreeText(empty));
}

} // namespace
