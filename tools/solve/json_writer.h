#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace tavelle {

// A minimal streaming JSON writer: the caller places commas through `separator()`-aware calls.
class JsonWriter {
public:
    std::string& text() { return m_text; }

    void beginObject() { openValue(); m_text += '{'; m_first = true; }
    void endObject() { m_text += '}'; m_first = false; }
    void beginArray() { openValue(); m_text += '['; m_first = true; }
    void endArray() { m_text += ']'; m_first = false; }

    void key(std::string_view name)
    {
        if (!m_first) m_text += ',';
        appendString(name);
        m_text += ':';
        m_afterKey = true;
    }

    void string(std::string_view value) { openValue(); appendString(value); }
    void boolean(bool value) { openValue(); m_text += value ? "true" : "false"; }
    void null() { openValue(); m_text += "null"; }
    void integer(long long value) { openValue(); m_text += std::to_string(value); }

    // The shortest decimal that reads back to the same single-precision value.
    void number(float value)
    {
        openValue();
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        m_text.append(buffer, result.ptr);
    }

    void newline() { m_text += '\n'; }

    // Starts the next element of an array on a line of its own.
    void nextLine()
    {
        if (!m_first) m_text += ',';
        m_text += '\n';
        m_first = true;
    }

private:
    void openValue()
    {
        if (m_afterKey) {
            m_afterKey = false;
        } else if (!m_first) {
            m_text += ',';
        }
        m_first = false;
    }

    void appendString(std::string_view value)
    {
        m_text += '"';
        for (const char c : value) {
            switch (c) {
            case '"': m_text += "\\\""; break;
            case '\\': m_text += "\\\\"; break;
            case '\n': m_text += "\\n"; break;
            case '\r': m_text += "\\r"; break;
            case '\t': m_text += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    static constexpr char hex[] = "0123456789abcdef";
                    m_text += "\\u00";
                    m_text += hex[(c >> 4) & 0xF];
                    m_text += hex[c & 0xF];
                } else {
                    m_text += c;
                }
            }
        }
        m_text += '"';
    }

    std::string m_text;
    bool m_first = true;
    bool m_afterKey = false;
};

}  // namespace tavelle
