/* Shapes: areas and names.
 * A comment across lines holds no keywords: int class return.
 */
package demo.shapes;

import java.util.List;

public class Shapes extends Base2 implements Named {
    private int int2Count;        // int shows inside int2Count
    private long max_long = 9L;   // but not after an underscore
    private boolean isNew, interval, _int, intx;
    /* size in cm */ int width; /*a*/int height;
    static final double PI2=3.14;

    String quote = "say \"hi\" to // everyone";
    String dir = "C:\\" + "tmp";
    String url = "http://example.org/*path*/";

    public int area(int w, int h) {
        if (w <= 0) return 0; // nothing to draw
        return w * h;
    }

    char q = '"'; // a lone quote in single quotes
    String name() { return "shapes"; }
}
