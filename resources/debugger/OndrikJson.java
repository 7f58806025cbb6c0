import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * The debugger's messages are JSON objects, one a line. The JDK has no JSON reader, so this is
 * a strict one: objects become maps, arrays lists, numbers Long (integral) or Double, and JSON's
 * null NULL. Anything that is not exactly one JSON value is refused with a message saying where.
 */
final class OndrikJson {
    static final Object NULL = new Object() {
        @Override
        public String toString() {
            return "null";
        }
    };

    static final class JsonException extends Exception {
        private static final long serialVersionUID = 1L;

        JsonException(String message) {
            super(message);
        }
    }

    // Deeper nesting than any message needs would only exhaust the stack.
    private static final int MAX_DEPTH = 64;

    private final String text;
    private int pos;

    private OndrikJson(String text) {
        this.text = text;
    }

    static Object parse(String text) throws JsonException {
        OndrikJson parser = new OndrikJson(text);
        parser.skipBlanks();
        Object value = parser.value(0);
        parser.skipBlanks();
        if (parser.pos != text.length())
            throw parser.error("text after the value");
        return value;
    }

    private JsonException error(String what) {
        return new JsonException(what + " at character " + (pos + 1));
    }

    private void skipBlanks() {
        while (pos < text.length()) {
            char c = text.charAt(pos);
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
                break;
            ++pos;
        }
    }

    private Object value(int depth) throws JsonException {
        if (depth > MAX_DEPTH)
            throw error("nesting too deep");
        if (pos >= text.length())
            throw error("a value missing");
        char c = text.charAt(pos);
        switch (c) {
        case '{':
            return object(depth);
        case '[':
            return array(depth);
        case '"':
            return string();
        case 't':
            return word("true", Boolean.TRUE);
        case 'f':
            return word("false", Boolean.FALSE);
        case 'n':
            return word("null", NULL);
        default:
            if (c == '-' || (c >= '0' && c <= '9'))
                return number();
            throw error("unexpected '" + c + "'");
        }
    }

    private Object word(String word, Object value) throws JsonException {
        if (!text.startsWith(word, pos))
            throw error("unexpected word");
        pos += word.length();
        return value;
    }

    private Map<String, Object> object(int depth) throws JsonException {
        Map<String, Object> map = new LinkedHashMap<>();
        ++pos;
        skipBlanks();
        if (pos < text.length() && text.charAt(pos) == '}') {
            ++pos;
            return map;
        }
        for (;;) {
            skipBlanks();
            if (pos >= text.length() || text.charAt(pos) != '"')
                throw error("a member name missing");
            String name = string();
            skipBlanks();
            expect(':');
            skipBlanks();
            map.put(name, value(depth + 1));
            skipBlanks();
            if (pos < text.length() && text.charAt(pos) == ',') {
                ++pos;
                continue;
            }
            expect('}');
            return map;
        }
    }

    private List<Object> array(int depth) throws JsonException {
        List<Object> list = new ArrayList<>();
        ++pos;
        skipBlanks();
        if (pos < text.length() && text.charAt(pos) == ']') {
            ++pos;
            return list;
        }
        for (;;) {
            skipBlanks();
            list.add(value(depth + 1));
            skipBlanks();
            if (pos < text.length() && text.charAt(pos) == ',') {
                ++pos;
                continue;
            }
            expect(']');
            return list;
        }
    }

    private void expect(char c) throws JsonException {
        if (pos >= text.length() || text.charAt(pos) != c)
            throw error("'" + c + "' missing");
        ++pos;
    }

    private String string() throws JsonException {
        StringBuilder out = new StringBuilder();
        ++pos;
        for (;;) {
            if (pos >= text.length())
                throw error("an unterminated string");
            char c = text.charAt(pos++);
            if (c == '"')
                return out.toString();
            if (c < 0x20)
                throw error("a control character in a string");
            if (c != '\\') {
                out.append(c);
                continue;
            }
            if (pos >= text.length())
                throw error("an unterminated string");
            char e = text.charAt(pos++);
            switch (e) {
            case '"': out.append('"'); break;
            case '\\': out.append('\\'); break;
            case '/': out.append('/'); break;
            case 'b': out.append('\b'); break;
            case 'f': out.append('\f'); break;
            case 'n': out.append('\n'); break;
            case 'r': out.append('\r'); break;
            case 't': out.append('\t'); break;
            case 'u':
                if (pos + 4 > text.length())
                    throw error("a short \\u escape");
                int code = 0;
                for (int i = 0; i < 4; ++i) {
                    int digit = Character.digit(text.charAt(pos++), 16);
                    if (digit < 0)
                        throw error("a bad \\u escape");
                    code = code * 16 + digit;
                }
                out.append((char) code);
                break;
            default:
                throw error("a bad escape");
            }
        }
    }

    private Object number() throws JsonException {
        int start = pos;
        if (text.charAt(pos) == '-')
            ++pos;
        if (pos < text.length() && text.charAt(pos) == '0') {
            ++pos;
        } else if (!digits()) {
            throw error("a bad number");
        }
        boolean integral = true;
        if (pos < text.length() && text.charAt(pos) == '.') {
            ++pos;
            integral = false;
            if (!digits())
                throw error("a bad number");
        }
        if (pos < text.length() && (text.charAt(pos) == 'e' || text.charAt(pos) == 'E')) {
            ++pos;
            integral = false;
            if (pos < text.length() && (text.charAt(pos) == '+' || text.charAt(pos) == '-'))
                ++pos;
            if (!digits())
                throw error("a bad number");
        }
        String literal = text.substring(start, pos);
        if (integral) {
            try {
                return Long.parseLong(literal);
            } catch (NumberFormatException tooLong) {
                // Too large for a long: kept as the nearest double, as other readers do.
            }
        }
        return Double.parseDouble(literal);
    }

    private boolean digits() {
        int start = pos;
        while (pos < text.length() && text.charAt(pos) >= '0' && text.charAt(pos) <= '9')
            ++pos;
        return pos > start;
    }

    /** One value as JSON text on one line. A lone surrogate, which no reader accepts, becomes U+FFFD. */
    static String write(Object value) {
        StringBuilder out = new StringBuilder();
        write(value, out);
        return out.toString();
    }

    private static void write(Object value, StringBuilder out) {
        if (value == null || value == NULL) {
            out.append("null");
        } else if (value instanceof String) {
            writeString((String) value, out);
        } else if (value instanceof Boolean || value instanceof Long || value instanceof Integer) {
            out.append(value);
        } else if (value instanceof Number) {
            double d = ((Number) value).doubleValue();
            out.append(Double.isFinite(d) ? Double.toString(d) : "null");
        } else if (value instanceof Map) {
            out.append('{');
            boolean first = true;
            for (Map.Entry<?, ?> entry : ((Map<?, ?>) value).entrySet()) {
                if (!first)
                    out.append(',');
                first = false;
                writeString(String.valueOf(entry.getKey()), out);
                out.append(':');
                write(entry.getValue(), out);
            }
            out.append('}');
        } else if (value instanceof List) {
            out.append('[');
            boolean first = true;
            for (Object item : (List<?>) value) {
                if (!first)
                    out.append(',');
                first = false;
                write(item, out);
            }
            out.append(']');
        } else {
            writeString(value.toString(), out);
        }
    }

    private static void writeString(String s, StringBuilder out) {
        out.append('"');
        for (int i = 0; i < s.length(); ++i) {
            char c = s.charAt(i);
            switch (c) {
            case '"': out.append("\\\""); break;
            case '\\': out.append("\\\\"); break;
            case '\n': out.append("\\n"); break;
            case '\r': out.append("\\r"); break;
            case '\t': out.append("\\t"); break;
            default:
                if (c < 0x20 || c == 0x7f) {
                    out.append(String.format("\\u%04x", (int) c));
                } else if (Character.isHighSurrogate(c) && i + 1 < s.length()
                           && Character.isLowSurrogate(s.charAt(i + 1))) {
                    out.append(c).append(s.charAt(++i));
                } else if (Character.isSurrogate(c)) {
                    out.append('\ufffd');
                } else {
                    out.append(c);
                }
            }
        }
        out.append('"');
    }
}
