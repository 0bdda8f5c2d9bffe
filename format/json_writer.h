#pragma once

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tavelle {

// A minimal streaming JSON writer: the caller places commas through `separator()`-aware calls.
class JsonWriter {
public:
    std::string& text() { return m_text; }

    void beginObject()
    {
        openValue();
        m_text += '{';
        m_first = true;
    }
    void endObject()
    {
        m_text += '}';
        m_first = false;
    }
    void beginArray()
    {
        openValue();
        m_text += '[';
        m_first = true;
    }
    void endArray()
    {
        m_text += ']';
        m_first = false;
    }

    void key(std::string_view name)
    {
        if (!m_first) m_text += ',';
        appendString(name);
        m_text += ':';
        m_afterKey = true;
    }

    void string(std::string_view value)
    {
        openValue();
        appendString(value);
    }
    void boolean(bool value)
    {
        openValue();
        m_text += value ? "true" : "false";
    }
    void null()
    {
        openValue();
        m_text += "null";
    }
    void integer(long long value)
    {
        openValue();
        m_text += std::to_string(value);
    }

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

    // Copies the runs that need no escape whole, eight bytes tested at a time, escaping only the characters
    // between them.
    void appendString(std::string_view value)
    {
        m_text += '"';
        const char* const data = value.data();
        const std::size_t size = value.size();
        std::size_t runStart = 0;
        std::size_t i = 0;
        while (i < size) {
            if (size - i >= 8) {
                std::uint64_t bytes = 0;
                std::memcpy(&bytes, data + i, 8);
                if (!anyToEscape(bytes)) {
                    i += 8;
                    continue;
                }
            }
            const auto c = static_cast<unsigned char>(data[i]);
            if (c < 0x20 || c == '"' || c == '\\') {
                m_text.append(data + runStart, i - runStart);
                runStart = i + 1;
                appendEscape(c);
            }
            ++i;
        }
        m_text.append(data + runStart, size - runStart);
        m_text += '"';
    }

    // True when one of the eight bytes is a control character, a quote or a backslash (the byte tricks find a byte
    // below a bound, or a zero byte after xor, in each byte's top bit).
    static bool anyToEscape(std::uint64_t bytes)
    {
        constexpr std::uint64_t ones = 0x0101010101010101ull;
        constexpr std::uint64_t tops = 0x8080808080808080ull;
        const auto zeroByte = [](std::uint64_t x) { return (x - ones) & ~x; };
        return (((bytes - ones * 0x20) & ~bytes) | zeroByte(bytes ^ (ones * '"')) | zeroByte(bytes ^ (ones * '\\'))) &
               tops;
    }

    void appendEscape(unsigned char c)
    {
        switch (c) {
        case '"': m_text += "\\\""; break;
        case '\\': m_text += "\\\\"; break;
        case '\n': m_text += "\\n"; break;
        case '\r': m_text += "\\r"; break;
        case '\t': m_text += "\\t"; break;
        default: {
            static constexpr char hex[] = "0123456789abcdef";
            const char escape[] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 0xF]};
            m_text.append(escape, sizeof escape);
        }
        }
    }

    std::string m_text;
    bool m_first = true;
    bool m_afterKey = false;
};

}  // namespace tavelle
