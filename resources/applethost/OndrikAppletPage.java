import java.io.File;
import java.io.IOException;
import java.io.InputStream;
import java.net.MalformedURLException;
import java.net.URI;
import java.net.URISyntaxException;
import java.net.URL;
import java.nio.charset.StandardCharsets;
import java.nio.file.AccessDeniedException;
import java.nio.file.Files;
import java.nio.file.NoSuchFileException;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Locale;
import java.util.Map;

// The applet tags of one HTML page and the parameters inside them. Only what an applet needs is
// read: <applet> and <param> tags, with comments, scripts and styles skipped so that a tag shown
// as an example in them is not started.
final class OndrikAppletPage {
    // One <applet> tag: its attributes and the <param> tags up to its </applet>, both keyed by
    // lower-case name, since HTML names ignore case and applets ask in any case.
    static final class Tag {
        final int line;
        final Map<String, String> attributes = new LinkedHashMap<>();
        final Map<String, String> params = new LinkedHashMap<>();

        Tag(int line) {
            this.line = line;
        }

        String attribute(String name) {
            return attributes.get(name);
        }
    }

    final String name;  // the page as it was named, for messages
    final URL documentBase;
    final List<Tag> tags;

    private OndrikAppletPage(String name, URL documentBase, List<Tag> tags) {
        this.name = name;
        this.documentBase = documentBase;
        this.tags = tags;
    }

    // Reads a page named by a file path (relative to the current folder) or by a URL.
    static OndrikAppletPage read(String page) throws OndrikAppletHost.Failure {
        URL base;
        byte[] bytes;
        try {
            if (looksLikeUrl(page) && !new File(page).exists()) {
                base = new URI(page).toURL();
                try (InputStream in = base.openStream()) {
                    bytes = in.readAllBytes();
                }
            } else {
                File file = new File(page).getAbsoluteFile();
                base = file.toURI().toURL();
                bytes = Files.readAllBytes(file.toPath());
            }
        } catch (NoSuchFileException e) {
            throw pageFailure(page, "no such file");
        } catch (AccessDeniedException e) {
            throw pageFailure(page, "permission denied");
        } catch (IOException | URISyntaxException | IllegalArgumentException e) {
            throw pageFailure(page, e.getMessage() != null ? e.getMessage() : e.toString());
        }
        return new OndrikAppletPage(page, base, parse(new String(bytes, StandardCharsets.UTF_8)));
    }

    private static OndrikAppletHost.Failure pageFailure(String page, String reason) {
        return new OndrikAppletHost.Failure(OndrikAppletHost.EXIT_PAGE_UNREADABLE,
                "cannot read the page " + page + ": " + reason);
    }

    // "scheme:" with a scheme of two letters or more; a file of that name still wins.
    private static boolean looksLikeUrl(String page) {
        int colon = page.indexOf(':');
        if (colon < 2)
            return false;
        for (int i = 0; i < colon; i++) {
            char c = page.charAt(i);
            if (!(Character.isLetterOrDigit(c) || c == '+' || c == '-' || c == '.') || (i == 0 && !Character.isLetter(c)))
                return false;
        }
        return true;
    }

    // "Where" for a message about one tag: "Example1.html:9".
    String where(Tag tag) {
        return name + ":" + tag.line;
    }

    // The folder the tag's classes are loaded from, ending in "/": codebase relative to the page,
    // else the page's own folder.
    URL codeBase(Tag tag) throws MalformedURLException {
        String codebase = tag.attribute("codebase");
        if (codebase == null || codebase.isBlank())
            return new URL(documentBase, ".");
        codebase = codebase.strip();
        return new URL(documentBase, codebase.endsWith("/") ? codebase : codebase + "/");
    }

    // The binary class name of code="Hello", code="Hello.class" or code="pkg/Hello.class".
    static String className(String code) {
        String name = code.strip();
        if (name.endsWith(".class"))
            name = name.substring(0, name.length() - ".class".length());
        return name.replace('/', '.');
    }

    static List<Tag> parse(String text) {
        List<Tag> tags = new ArrayList<>();
        Tag open = null;
        int line = 1;
        int counted = 0;  // line holds the line number of this offset
        int i = 0;
        while (i < text.length()) {
            int lt = text.indexOf('<', i);
            if (lt < 0)
                break;
            if (text.startsWith("<!--", lt)) {
                int end = text.indexOf("-->", lt + 4);
                i = end < 0 ? text.length() : end + 3;
                continue;
            }
            int nameStart = lt + 1;
            boolean closing = nameStart < text.length() && text.charAt(nameStart) == '/';
            if (closing)
                nameStart++;
            int nameEnd = nameStart;
            while (nameEnd < text.length() && Character.isLetterOrDigit(text.charAt(nameEnd)))
                nameEnd++;
            if (nameEnd == nameStart) {
                i = lt + 1;  // a lone "<" in the text
                continue;
            }
            String tagName = text.substring(nameStart, nameEnd).toLowerCase(Locale.ROOT);
            Map<String, String> attributes = new LinkedHashMap<>();
            i = readAttributes(text, nameEnd, attributes);
            for (; counted < lt; counted++) {
                if (text.charAt(counted) == '\n')
                    line++;
            }
            if (closing) {
                if (tagName.equals("applet"))
                    open = null;
            } else if (tagName.equals("applet")) {
                open = new Tag(line);
                open.attributes.putAll(attributes);
                tags.add(open);
            } else if (tagName.equals("param") && open != null) {
                String name = attributes.get("name");
                if (name != null)
                    open.params.put(name.toLowerCase(Locale.ROOT), attributes.getOrDefault("value", ""));
            } else if (tagName.equals("script") || tagName.equals("style")) {
                int end = indexOfIgnoreCase(text, "</" + tagName, i);
                i = end < 0 ? text.length() : end;
            }
        }
        return tags;
    }

    // Reads name=value pairs up to the tag's ">" and gives the offset after it. Values may be in
    // double or single quotes or bare; a name alone has the value "".
    private static int readAttributes(String text, int i, Map<String, String> attributes) {
        int n = text.length();
        while (i < n) {
            char c = text.charAt(i);
            if (c == '>')
                return i + 1;
            if (Character.isWhitespace(c) || c == '/') {
                i++;
                continue;
            }
            int nameStart = i;
            while (i < n && !Character.isWhitespace(text.charAt(i)) && "=>/".indexOf(text.charAt(i)) < 0)
                i++;
            if (i == nameStart) {
                i++;  // a stray "=": skip it
                continue;
            }
            String name = text.substring(nameStart, i).toLowerCase(Locale.ROOT);
            int j = skipBlanks(text, i);
            String value = "";
            if (j < n && text.charAt(j) == '=') {
                j = skipBlanks(text, j + 1);
                if (j < n && (text.charAt(j) == '"' || text.charAt(j) == '\'')) {
                    char quote = text.charAt(j);
                    int end = text.indexOf(quote, j + 1);
                    if (end < 0)
                        end = n;
                    value = text.substring(j + 1, end);
                    i = Math.min(end + 1, n);
                } else {
                    int start = j;
                    while (j < n && !Character.isWhitespace(text.charAt(j)) && text.charAt(j) != '>')
                        j++;
                    value = text.substring(start, j);
                    i = j;
                }
            }
            attributes.putIfAbsent(name, decodeEntities(value));
        }
        return n;
    }

    private static int skipBlanks(String text, int i) {
        while (i < text.length() && Character.isWhitespace(text.charAt(i)))
            i++;
        return i;
    }

    private static int indexOfIgnoreCase(String text, String what, int from) {
        for (int i = from; i + what.length() <= text.length(); i++) {
            if (text.regionMatches(true, i, what, 0, what.length()))
                return i;
        }
        return -1;
    }

    private static String decodeEntities(String value) {
        if (value.indexOf('&') < 0)
            return value;
        StringBuilder out = new StringBuilder(value.length());
        int i = 0;
        while (i < value.length()) {
            char c = value.charAt(i);
            int semi = c == '&' ? value.indexOf(';', i) : -1;
            String decoded = semi > i && semi - i <= 10 ? entity(value.substring(i + 1, semi)) : null;
            if (decoded == null) {
                out.append(c);
                i++;
            } else {
                out.append(decoded);
                i = semi + 1;
            }
        }
        return out.toString();
    }

    private static String entity(String name) {
        switch (name) {
            case "amp": return "&";
            case "lt": return "<";
            case "gt": return ">";
            case "quot": return "\"";
            case "apos": return "'";
            case "nbsp": return "\u00a0";
            default: break;
        }
        try {
            int code;
            if (name.startsWith("#x") || name.startsWith("#X"))
                code = Integer.parseInt(name.substring(2), 16);
            else if (name.startsWith("#"))
                code = Integer.parseInt(name.substring(1));
            else
                return null;
            return Character.isValidCodePoint(code) ? new String(Character.toChars(code)) : null;
        } catch (NumberFormatException e) {
            return null;
        }
    }
}
