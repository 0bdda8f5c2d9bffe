#include "format/json_tokenizer.h"

#include "format/input_error.h"
#include "format/printable_text.h"

#include <cerrno>

#include <unistd.h>

namespace tavelle {

namespace {

bool isDigit(int c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(int c)
{
    return c == ' ' || c == '\n' || c == '\t' || c == '\r';
}

void appendUtf8(std::string& text, char32_t codePoint)
{
    const auto byte = [&](char32_t bits) { text += static_cast<char>(bits); };
    if (codePoint < 0x80) {
        byte(codePoint);
    } else if (codePoint < 0x800) {
        byte(0xC0 | (codePoint >> 6));
        byte(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        byte(0xE0 | (codePoint >> 12));
        byte(0x80 | ((codePoint >> 6) & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    } else {
        byte(0xF0 | (codePoint >> 18));
        byte(0x80 | ((codePoint >> 12) & 0x3F));
        byte(0x80 | ((codePoint >> 6) & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

JsonKind jsonKindStartingWith(int c)
{
    if (c == '{') return JsonKind::object;
    if (c == '[') return JsonKind::array;
    if (c == '"') return JsonKind::string;
    if (c == 't' || c == 'f') return JsonKind::boolean;
    if (c == 'n') return JsonKind::null;
    if (c == '-' || isDigit(c)) return JsonKind::number;
    return JsonKind::none;
}

JsonTokenizer::JsonTokenizer(std::FILE* file, std::string name)
    : m_file(file)
    , m_name(std::move(name))
    , m_buffer(64 * 1024)
{
}

JsonTokenizer::JsonTokenizer(std::string_view text)
    : m_position(text.data())
    , m_end(text.data() + text.size())
    , m_atEnd(true)
{
}

void JsonTokenizer::limitBytes(std::size_t limit, std::function<void()> overLimit)
{
    m_budget = limit;
    m_overLimit = std::move(overLimit);
}

void JsonTokenizer::refill()
{
    if (m_beforeWaiting) m_beforeWaiting();
    // read() rather than fread(): it returns what has arrived instead of waiting for a full buffer.
    ssize_t count = 0;
    do {
        count = ::read(::fileno(m_file), m_buffer.data(), m_buffer.size());
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        InputProblem problem;
        problem.fault = InputFault::cannotRead;
        problem.file = m_name;
        problem.systemError = errno;
        throw InputError(std::move(problem));
    }
    if (count == 0) m_atEnd = true;
    m_position = m_buffer.data();
    m_end = m_position + count;
}

int JsonTokenizer::peek()
{
    if (m_position == m_end) {
        if (m_atEnd) return end;
        refill();
        if (m_position == m_end) return end;
    }
    return static_cast<unsigned char>(*m_position);
}

void JsonTokenizer::advance()
{
    if (*m_position == '\n') {
        ++m_line;
        m_column = 1;
    } else {
        ++m_column;
    }
    ++m_position;
    if (m_budget-- == 0) m_overLimit();
}

void JsonTokenizer::skipBlanks()
{
    while (isBlank(peek())) advance();
}

void JsonTokenizer::skipByteOrderMark()
{
    static constexpr std::string_view mark = "\xEF\xBB\xBF";
    if (peek() != static_cast<unsigned char>(mark[0])) return;
    // The mark is not text: the column stays where the text starts.
    for (const char c : mark) {
        if (peek() != static_cast<unsigned char>(c)) malformed(JsonSyntax::exerciseOrArray);
        ++m_position;
    }
}

void JsonTokenizer::malformed(JsonSyntax what)
{
    InputProblem problem;
    problem.fault = InputFault::malformedJson;
    problem.exercise = m_exercise;
    problem.line = m_line;
    problem.column = m_column;
    problem.syntax = what;
    const int c = peek();
    if (c != end) problem.found = printableText(std::string(1, static_cast<char>(c)));
    throw InputError(std::move(problem));
}

void JsonTokenizer::expect(char wanted, JsonSyntax what)
{
    if (peek() != static_cast<unsigned char>(wanted)) malformed(what);
    advance();
}

char32_t JsonTokenizer::readHexDigits()
{
    char32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const int c = peek();
        int digit = 0;
        if (isDigit(c))
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            malformed(JsonSyntax::hexDigits);
        advance();
        value = value * 16 + static_cast<char32_t>(digit);
    }
    return value;
}

std::string JsonTokenizer::readString()
{
    advance();
    std::string text;
    for (;;) {
        const int c = peek();
        if (c == end) malformed(JsonSyntax::unterminatedString);
        if (c < 0x20) malformed(JsonSyntax::controlCharacter);
        advance();
        if (c == '"') return text;
        if (c != '\\') {
            text += static_cast<char>(c);
            continue;
        }
        const int escape = peek();
        switch (escape) {
        case '"':
        case '\\':
        case '/': text += static_cast<char>(escape); break;
        case 'b': text += '\b'; break;
        case 'f': text += '\f'; break;
        case 'n': text += '\n'; break;
        case 'r': text += '\r'; break;
        case 't': text += '\t'; break;
        case 'u': {
            advance();
            char32_t codePoint = readHexDigits();
            if (codePoint >= 0xDC00 && codePoint <= 0xDFFF) malformed(JsonSyntax::loneLowSurrogate);
            if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
                if (peek() != '\\') malformed(JsonSyntax::unpairedHighSurrogate);
                advance();
                if (peek() != 'u') malformed(JsonSyntax::unpairedHighSurrogate);
                advance();
                const char32_t low = readHexDigits();
                if (low < 0xDC00 || low > 0xDFFF) malformed(JsonSyntax::unpairedHighSurrogate);
                codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
            }
            appendUtf8(text, codePoint);
            continue;
        }
        default: malformed(JsonSyntax::invalidEscape);
        }
        advance();
    }
}

std::string JsonTokenizer::readNumber()
{
    std::string literal;
    const auto take = [&] {
        literal += static_cast<char>(peek());
        advance();
    };
    const auto digits = [&](JsonSyntax what) {
        if (!isDigit(peek())) malformed(what);
        while (isDigit(peek())) take();
    };
    if (peek() == '-') take();
    if (peek() == '0')
        take();
    else
        digits(JsonSyntax::digitInNumber);
    if (peek() == '.') {
        take();
        digits(JsonSyntax::digitAfterPoint);
    }
    if (peek() == 'e' || peek() == 'E') {
        take();
        if (peek() == '+' || peek() == '-') take();
        digits(JsonSyntax::digitInExponent);
    }
    // "0200", "0x10", "1.5.2": a number ends where a value may end, or it is some other form.
    const int next = peek();
    if (next != end && next != ',' && next != '}' && next != ']' && !isBlank(next)) malformed(JsonSyntax::numberForm);
    return literal;
}

void JsonTokenizer::readLiteral(std::string_view literal)
{
    for (const char c : literal) {
        if (peek() != static_cast<unsigned char>(c)) malformed(JsonSyntax::literal);
        advance();
    }
}

}  // namespace tavelle
