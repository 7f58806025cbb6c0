//
package notes;
// Notes on the parser, kept with LF line ends.
class Notes {
    int count = 0; // counts lines
    /*
     * Opened on one line, closed further down;
     * the text between is all comment: while true
     */ void reset() { count = 0; }

    /*/ odd */ int a;
    int b; */* also odd */ int c;
    String s = "/* not a comment in the whole-text pass */";
    String e = "\\"; int d; // after an escaped backslash
    /* left open at the end
    int never;
