#include <keymapmanager/json/jsonwriter_p.h>

#include <Poco/JSON/Stringifier.h>
#include <Poco/JSONString.h>
#include <Poco/NumericString.h>

#include <sstream>
#include <typeinfo>

#include <cmath>

namespace ovelkeymapmanager::json {

// The layout follows the JSON library's Object::stringify, Array::stringify and
// Stringifier::stringify: a container opened at depth d (the root at 1) puts its members at d * step
// spaces, each after a line break, with a comma ending all but the last; it closes at (d - 1) * step
// spaces, after a line break when it has members - and always for an array, so an empty one spans
// two line breaks. Step 0 writes no line breaks, no indentation and no space after a colon.

TextWriter::TextWriter(std::string& out, unsigned int indent) : m_out(out), m_step(indent) {
    m_filled.reserve(8);
}

void TextWriter::open(char bracket) {
    m_out += bracket;
    m_filled.push_back(0);
    if (m_step > 0)
        m_out += '\n';
}

void TextWriter::separate() {
    if (m_filled.back()) {
        m_out += ',';
        if (m_step > 0)
            m_out += '\n';
    }
    m_filled.back() = 1;
    spaces(indent());
}

void TextWriter::close(char bracket) {
    m_filled.pop_back();
    spaces(indent());
    m_out += bracket;
}

void TextWriter::beginObject() {
    open('{');
}

void TextWriter::key(const std::string& name) {
    separate();
    string(name);
    m_out.append(m_step > 0 ? ": " : ":");
}

void TextWriter::endObject() {
    if (m_filled.back() && m_step > 0)
        m_out += '\n';
    close('}');
}

void TextWriter::beginArray() {
    open('[');
}

void TextWriter::element() {
    separate();
}

void TextWriter::endArray() {
    if (m_step > 0)
        m_out += '\n';
    close(']');
}

void TextWriter::value(const Poco::JSON::Object& object) {
    beginObject();
    for (const auto& [name, member] : object) {
        key(name);
        value(member);
    }
    endObject();
}

void TextWriter::value(const Poco::JSON::Array& array) {
    beginArray();
    for (const Poco::Dynamic::Var& item : array) {
        element();
        value(item);
    }
    endArray();
}

void TextWriter::value(const Poco::Dynamic::Var& value) {
    using Poco::JSON::Array;
    using Poco::JSON::Object;
    if (value.isEmpty()) {
        m_out.append("null");
        return;
    }
    // The kinds items write, most frequent first. Anything else (the 64-bit integers of a large
    // number in an element kept as read, say) is rare and goes through the library's own writer.
    const std::type_info& type = value.type();
    if (type == typeid(std::string))
        string(value.extract<std::string>());
    else if (type == typeid(double))
        number(value.extract<double>());
    else if (type == typeid(int))
        integer(value.extract<int>());
    else if (type == typeid(bool))
        m_out.append(value.extract<bool>() ? "true" : "false");
    else if (type == typeid(Object::Ptr) && value.extract<Object::Ptr>())
        this->value(*value.extract<Object::Ptr>());
    else if (type == typeid(Array::Ptr) && value.extract<Array::Ptr>())
        this->value(*value.extract<Array::Ptr>());
    else if (type == typeid(Object))
        this->value(value.extract<Object>());
    else if (type == typeid(Array))
        this->value(value.extract<Array>());
    else
        fallback(value); // a null pointer too: the library raises its own exception
}

namespace {

// Without its unicode option the library escapes control characters, the quotation mark and the
// backslash only; every other byte ('/', DEL, non-ASCII, invalid UTF-8) passes as it is.
struct EscapedBytes {
    bool escaped[256] = {};
    constexpr EscapedBytes() {
        for (int byte = 0; byte < 0x20; ++byte)
            escaped[byte] = true;
        escaped[int('"')] = escaped[int('\\')] = true;
    }
};
constexpr EscapedBytes kEscaped;

constexpr char kSpaces[] = "                                                                ";

} // namespace

void TextWriter::spaces(unsigned int count) {
    for (; count >= sizeof kSpaces - 1; count -= sizeof kSpaces - 1)
        m_out.append(kSpaces, sizeof kSpaces - 1);
    m_out.append(kSpaces, count);
}

void TextWriter::string(const std::string& text) {
    m_out += '"';
    const char* run = text.data();
    const char* const end = run + text.size();
    for (const char* at = run; at != end; ++at) {
        const auto byte = static_cast<unsigned char>(*at);
        if (!kEscaped.escaped[byte])
            continue;
        m_out.append(run, std::size_t(at - run));
        escape(byte);
        run = at + 1;
    }
    m_out.append(run, std::size_t(end - run));
    m_out += '"';
}

void TextWriter::escape(unsigned char byte) {
    switch (byte) {
    case '"':
        m_out.append("\\\"");
        return;
    case '\\':
        m_out.append("\\\\");
        return;
    case '\b':
        m_out.append("\\b");
        return;
    case '\f':
        m_out.append("\\f");
        return;
    case '\n':
        m_out.append("\\n");
        return;
    case '\r':
        m_out.append("\\r");
        return;
    case '\t':
        m_out.append("\\t");
        return;
    default: {
        static const char kHex[] = "0123456789ABCDEF";
        const char code[] = {'\\', 'u', '0', '0', kHex[byte >> 4], kHex[byte & 0xF]};
        m_out.append(code, sizeof code);
    }
    }
}

// The routines the library's own conversions to text use (NumberFormatter::format).
void TextWriter::number(double value) {
    m_numbersValid = m_numbersValid && std::isfinite(value);
    char buffer[POCO_MAX_FLT_STRING_LEN];
    Poco::doubleToStr(buffer, POCO_MAX_FLT_STRING_LEN, value);
    m_out.append(buffer);
}

void TextWriter::integer(int value) {
    char buffer[16];
    std::size_t size = sizeof buffer;
    Poco::intToStr(value, 10, buffer, size);
    m_out.append(buffer, size);
}

void TextWriter::fallback(const Poco::Dynamic::Var& value) {
    std::ostringstream text;
    const unsigned int nested = indent() + m_step;
    Poco::JSON::Stringifier::stringify(value, text, nested, int(m_step), Poco::JSON_WRAP_STRINGS);
    m_out.append(text.str());
}

} // namespace ovelkeymapmanager::json
