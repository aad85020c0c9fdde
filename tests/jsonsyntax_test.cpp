// Where a text stops being JSON: the scan behind the position in a load report.
#include "support/testsupport.h"

#include <keymapmanager/json/jsonsyntax_p.h>

#include <gtest/gtest.h>

using namespace ovelkeymapmanager;

TEST(JsonSyntax, FindsTheFirstByteThatCannotContinueTheText) {
    const struct {
        QByteArray text;
        int offset;
    } rows[] = {
        {"{}", -1},
        {" [1, -2.5e+3, true, false, null, \"a\\u00e9\\n\", {\"k\": []}] ", -1},
        {QByteArray("[").repeated(100000) + "1" + QByteArray("]").repeated(100000), -1},
        {"{\"a\": 1, \"a\": 2}", -1},
        {"", 0},
        {"   ", 3},
        {"{", 1},
        {"{\"a\" 1}", 5},
        {"{\"a\": 1 \"b\": 2}", 8},
        {"[1,]", 3},
        {"[01]", 2},
        {"[1.]", 3},
        {"[-]", 2},
        {"[tru]", 4},
        {"[\"a\\x\"]", 4},
        {"[\"\\u12G4\"]", 6},
        {"[\"\\u123\"]", 7},
        {"[\"a\x1f\"]", 3},
        {"[\"a\x20\"]", -1},
        {"[1e-5, 2E+5, 3e5]", -1},
        {QByteArray("[\"a\0b\"]", 7), 3},
        {"{} x", 3},
        {QByteArray(100000, '['), 100000},
    };
    for (const auto& row : rows)
        EXPECT_EQ(json::syntaxErrorOffset(row.text), row.offset) << row.text.left(40).toStdString();
}

TEST(JsonSyntax, NamesATrailingCommaOrACommentAtItsFirstByte) {
    const struct {
        QByteArray text;
        int offset;
        const char* words;
    } rows[] = {
        {"{\"a\": 1 ,\n}", 8, "a comma before '}' (trailing comma?)"},
        {"[1,]", 2, "a comma before ']' (trailing comma?)"},
        {"{ // x\n}", 2, "a comment (JSON has no comments)"},
        {"[1 /* x */]", 3, "a comment (JSON has no comments)"},
        {"[1 / 2]", -1, ""},
        {"{,}", -1, ""},
        {"[1]", -1, ""},
    };
    for (const auto& row : rows) {
        const json::SyntaxHint hint = json::syntaxErrorHint(row.text, json::syntaxErrorOffset(row.text));
        EXPECT_EQ(hint.offset, row.offset) << row.text.toStdString();
        EXPECT_EQ(hint.words, QString::fromLatin1(row.words)) << row.text.toStdString();
    }
}

// The source map's places count characters, not bytes: a multi-byte UTF-8 character is one column, a
// CRLF ends a line as LF does, a byte order mark takes no place; so does the first byte that is not UTF-8.
TEST(KeymapSourcePlaces, AreLinesAndColumnsOfCharacters) {
    const QByteArray ascii = "{\"info\": {\"visibility\": true}, \"keymaps\": [1, {}]}";
    const QByteArray crlf =
        "{\r\n  \"info\": {\r\n    \"visibility\": true\r\n  },\r\n  \"keymaps\": [\r\n1]\r\n}";
    const struct {
        QByteArray text;
        const char* path; // null: the first byte that is not UTF-8
        const char* place;
    } rows[] = {
        {ascii, "info", "1:2"},
        {ascii, "info.visibility", "1:11"},
        {ascii, "keymaps[1]", "1:47"},
        {"{\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\": 1, \"info\": {}}", "info", "1:12"},
        {crlf, "info.visibility", "3:5"},
        {crlf, "keymaps[0]", "6:1"},
        {"\xEF\xBB\xBF{\"info\": {}}", "info", "1:2"},
        {"{\n  \"x\": \"\xC3\xA9\xFF\"}", nullptr, "2:10"},
    };
    for (const auto& row : rows) {
        const KeymapSource source = ParseKeymapSource(row.text);
        const KeymapSourcePlace place =
            row.path ? source.places.value(QLatin1String(row.path)) : source.invalidUtf8;
        EXPECT_EQ(QStringLiteral("%1:%2").arg(place.line).arg(place.column), QLatin1String(row.place))
            << row.text.toStdString();
    }
}

// A hundred thousand openings: places stop at a depth no loadable document reaches, so the scan stays
// linear in the text (recording every path took memory in the square of the depth).
TEST(KeymapSourcePlaces, StopDeeperThanAnyDocumentLoads) {
    const KeymapSource source = ParseKeymapSource("{\"a\": " + QByteArray(100000, '['));
    EXPECT_TRUE(source.places.contains(QStringLiteral("a[0][0]")));
    EXPECT_LT(source.places.size(), 300);
}
