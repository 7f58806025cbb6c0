package org.example.app;

import java.util.List;

/** A record, an enum and a text block, as written today. */
public record Point<T extends Number>(T x, T y) {
    static final char QUOTE = '"', APOS = '\'', BACKSLASH = '\\', BRACE = '{';
    static final String HELP = """
        Usage: "point" x y   // not a comment
        /* nor this */ \"""
        'single' quotes stay \
        text""";
    enum Colour { RED, GREEN; strictfp double w() { assert true; return 1; } }

    String describe() { return "(" + x + ", " + y + ")"; } // after the text block
    char unclosed = 'x
    String after = "it's"; // don't
    /* it's a comment */ int n = 'a';
    String open = """
        never closed "here"
