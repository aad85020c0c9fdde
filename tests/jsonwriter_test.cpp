// JSON text writing, checked against the JSON library's own Object::stringify byte for byte: every
// byte in strings and keys, numbers and container layouts.
#include "support/testsupport.h"

#include <keymapmanager/json/jsonwriter_p.h>

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

// Every byte between two letters, an inner NUL and the naughty strings: each as a key and
// as a value, one object per text (so that equal keys do not merge), and all of them in one array.
TEST(JsonWriter, WritesStringsAndKeysAsTheLibraryDoes) {
    KEYMAP_NEEDS_SHARED_TESTDATA();
    std::vector<std::string> texts;
    for (int byte = 0; byte < 256; ++byte)
        texts.push_back(std::string("a") + char(byte) + "b");
    texts.push_back(std::string("nul\0inside", 10));
    QFile file(testsupport::sharedPath("testdata/naughty-strings/blns.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    while (!file.atEnd())
        texts.push_back(file.readLine().toStdString());
    ASSERT_GT(texts.size(), 800u);
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

// A number JSON cannot hold is written as the library writes it, and marks the text as invalid for
// good: numbers written after it do not clear the mark.
TEST(JsonWriter, ANumberJsonCannotHoldMarksTheTextInvalid) {
    for (double bad : {limits::quiet_NaN(), limits::infinity(), -limits::infinity()}) {
        std::string out;
        json::TextWriter writer(out, 0);
        writer.value(Var(1.5));
        EXPECT_TRUE(writer.numbersValid());
        writer.value(Var(bad));
        writer.value(Var(2.5));
        writer.value(Var(3));
        EXPECT_FALSE(writer.numbersValid()) << bad;
    }
}

} // namespace
