// JSON text written straight into one string, byte for byte as the JSON library's
// Object::stringify(out, indent) writes it, without a stream operation per value. Containers are
// written whole (a tree) or opened and filled one member at a time, so that a large document can be
// written without building all of it first.
#pragma once

#include <Poco/Dynamic/Var.h>
#include <Poco/JSON/Array.h>
#include <Poco/JSON/Object.h>

#include <string>
#include <vector>

namespace ovelkeymapmanager::json {

// The objects written must keep their members sorted and must not ask for escaped unicode (the
// JSON library's defaults). Values of kinds not written here go through the library's own
// stringifier.
class TextWriter {
public:
    // indent: spaces per level, as given to Object::stringify; 0 writes everything on one line.
    TextWriter(std::string& out, unsigned int indent);

    void beginObject();
    // Starts the next member of the open object; its value follows.
    void key(const std::string& name);
    void endObject();

    void beginArray();
    // Starts the next element of the open array; its value follows.
    void element();
    void endArray();

    void value(const Poco::Dynamic::Var& value);
    void value(const Poco::JSON::Object& object);
    void value(const Poco::JSON::Array& array);

    // False once a number that JSON cannot hold (NaN, an infinity) was written as a bare word.
    bool numbersValid() const { return m_numbersValid; }

private:
    void open(char bracket);
    void separate();
    void close(char bracket);
    void spaces(unsigned int count);
    void string(const std::string& text);
    void escape(unsigned char byte);
    void number(double value);
    void integer(int value);
    void fallback(const Poco::Dynamic::Var& value);
    unsigned int indent() const { return m_step * unsigned(m_filled.size()); }

    std::string& m_out;
    bool m_numbersValid = true;
    unsigned int m_step;
    std::vector<char> m_filled; // per open container: whether it has a member or element yet
};

} // namespace ovelkeymapmanager::json
