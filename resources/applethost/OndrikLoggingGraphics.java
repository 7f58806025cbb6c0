import java.awt.Color;
import java.awt.Composite;
import java.awt.Font;
import java.awt.FontMetrics;
import java.awt.Graphics;
import java.awt.Graphics2D;
import java.awt.GraphicsConfiguration;
import java.awt.Image;
import java.awt.Paint;
import java.awt.Polygon;
import java.awt.Rectangle;
import java.awt.RenderingHints;
import java.awt.Shape;
import java.awt.Stroke;
import java.awt.font.FontRenderContext;
import java.awt.font.GlyphVector;
import java.awt.geom.AffineTransform;
import java.awt.image.BufferedImage;
import java.awt.image.BufferedImageOp;
import java.awt.image.ImageObserver;
import java.awt.image.RenderedImage;
import java.awt.image.renderable.RenderableImage;
import java.io.PrintStream;
import java.text.AttributedCharacterIterator;
import java.util.Map;

// A Graphics that draws into another and writes each drawString call to a stream as
// drawString "TEXT" X Y (quotes, backslashes and line breaks in the text escaped), so that what
// an applet paints can be checked without looking at pixels. drawChars and drawBytes come here
// as drawString, as the base class passes them on.
final class OndrikLoggingGraphics extends Graphics2D {
    private final Graphics2D m_inner;
    private final PrintStream m_log;

    OndrikLoggingGraphics(Graphics2D inner, PrintStream log) {
        m_inner = inner;
        m_log = log;
    }

    private void log(String text, float x, float y) {
        StringBuilder line = new StringBuilder("drawString \"");
        for (int i = 0; i < text.length(); i++) {
            char c = text.charAt(i);
            switch (c) {
                case '"' -> line.append("\\\"");
                case '\\' -> line.append("\\\\");
                case '\n' -> line.append("\\n");
                case '\r' -> line.append("\\r");
                case '\t' -> line.append("\\t");
                default -> line.append(c);
            }
        }
        line.append("\" ").append(coordinate(x)).append(' ').append(coordinate(y));
        m_log.println(line);
    }

    private static String coordinate(float value) {
        return value == Math.rint(value) && Math.abs(value) < 1e9f ? Integer.toString((int) value) : Float.toString(value);
    }

    private static String text(AttributedCharacterIterator iterator) {
        StringBuilder text = new StringBuilder();
        for (char c = iterator.first(); c != AttributedCharacterIterator.DONE; c = iterator.next())
            text.append(c);
        return text.toString();
    }

    @Override
    public void drawString(String str, int x, int y) {
        log(str, x, y);
        m_inner.drawString(str, x, y);
    }

    @Override
    public void drawString(String str, float x, float y) {
        log(str, x, y);
        m_inner.drawString(str, x, y);
    }

    @Override
    public void drawString(AttributedCharacterIterator iterator, int x, int y) {
        log(text(iterator), x, y);
        m_inner.drawString(iterator, x, y);
    }

    @Override
    public void drawString(AttributedCharacterIterator iterator, float x, float y) {
        log(text(iterator), x, y);
        m_inner.drawString(iterator, x, y);
    }

    // Children painted through a copy are logged too.
    @Override
    public Graphics create() {
        return new OndrikLoggingGraphics((Graphics2D) m_inner.create(), m_log);
    }

    @Override
    public void dispose() {
        m_inner.dispose();
    }

    @Override
    public void draw(Shape s) {
        m_inner.draw(s);
    }

    @Override
    public boolean drawImage(Image img, AffineTransform xform, ImageObserver obs) {
        return m_inner.drawImage(img, xform, obs);
    }

    @Override
    public void drawImage(BufferedImage img, BufferedImageOp op, int x, int y) {
        m_inner.drawImage(img, op, x, y);
    }

    @Override
    public void drawRenderedImage(RenderedImage img, AffineTransform xform) {
        m_inner.drawRenderedImage(img, xform);
    }

    @Override
    public void drawRenderableImage(RenderableImage img, AffineTransform xform) {
        m_inner.drawRenderableImage(img, xform);
    }

    @Override
    public void drawGlyphVector(GlyphVector g, float x, float y) {
        m_inner.drawGlyphVector(g, x, y);
    }

    @Override
    public void fill(Shape s) {
        m_inner.fill(s);
    }

    @Override
    public boolean hit(Rectangle rect, Shape s, boolean onStroke) {
        return m_inner.hit(rect, s, onStroke);
    }

    @Override
    public GraphicsConfiguration getDeviceConfiguration() {
        return m_inner.getDeviceConfiguration();
    }

    @Override
    public void setComposite(Composite comp) {
        m_inner.setComposite(comp);
    }

    @Override
    public void setPaint(Paint paint) {
        m_inner.setPaint(paint);
    }

    @Override
    public void setStroke(Stroke s) {
        m_inner.setStroke(s);
    }

    @Override
    public void setRenderingHint(RenderingHints.Key hintKey, Object hintValue) {
        m_inner.setRenderingHint(hintKey, hintValue);
    }

    @Override
    public Object getRenderingHint(RenderingHints.Key hintKey) {
        return m_inner.getRenderingHint(hintKey);
    }

    @Override
    public void setRenderingHints(Map<?, ?> hints) {
        m_inner.setRenderingHints(hints);
    }

    @Override
    public void addRenderingHints(Map<?, ?> hints) {
        m_inner.addRenderingHints(hints);
    }

    @Override
    public RenderingHints getRenderingHints() {
        return m_inner.getRenderingHints();
    }

    @Override
    public void translate(int x, int y) {
        m_inner.translate(x, y);
    }

    @Override
    public void translate(double tx, double ty) {
        m_inner.translate(tx, ty);
    }

    @Override
    public void rotate(double theta) {
        m_inner.rotate(theta);
    }

    @Override
    public void rotate(double theta, double x, double y) {
        m_inner.rotate(theta, x, y);
    }

    @Override
    public void scale(double sx, double sy) {
        m_inner.scale(sx, sy);
    }

    @Override
    public void shear(double shx, double shy) {
        m_inner.shear(shx, shy);
    }

    @Override
    public void transform(AffineTransform tx) {
        m_inner.transform(tx);
    }

    @Override
    public void setTransform(AffineTransform tx) {
        m_inner.setTransform(tx);
    }

    @Override
    public AffineTransform getTransform() {
        return m_inner.getTransform();
    }

    @Override
    public Paint getPaint() {
        return m_inner.getPaint();
    }

    @Override
    public Composite getComposite() {
        return m_inner.getComposite();
    }

    @Override
    public void setBackground(Color color) {
        m_inner.setBackground(color);
    }

    @Override
    public Color getBackground() {
        return m_inner.getBackground();
    }

    @Override
    public Stroke getStroke() {
        return m_inner.getStroke();
    }

    @Override
    public void clip(Shape s) {
        m_inner.clip(s);
    }

    @Override
    public FontRenderContext getFontRenderContext() {
        return m_inner.getFontRenderContext();
    }

    @Override
    public Color getColor() {
        return m_inner.getColor();
    }

    @Override
    public void setColor(Color c) {
        m_inner.setColor(c);
    }

    @Override
    public void setPaintMode() {
        m_inner.setPaintMode();
    }

    @Override
    public void setXORMode(Color c1) {
        m_inner.setXORMode(c1);
    }

    @Override
    public Font getFont() {
        return m_inner.getFont();
    }

    @Override
    public void setFont(Font font) {
        m_inner.setFont(font);
    }

    @Override
    public FontMetrics getFontMetrics(Font f) {
        return m_inner.getFontMetrics(f);
    }

    @Override
    public Rectangle getClipBounds() {
        return m_inner.getClipBounds();
    }

    @Override
    public void clipRect(int x, int y, int width, int height) {
        m_inner.clipRect(x, y, width, height);
    }

    @Override
    public void setClip(int x, int y, int width, int height) {
        m_inner.setClip(x, y, width, height);
    }

    @Override
    public Shape getClip() {
        return m_inner.getClip();
    }

    @Override
    public void setClip(Shape clip) {
        m_inner.setClip(clip);
    }

    @Override
    public void copyArea(int x, int y, int width, int height, int dx, int dy) {
        m_inner.copyArea(x, y, width, height, dx, dy);
    }

    @Override
    public void drawLine(int x1, int y1, int x2, int y2) {
        m_inner.drawLine(x1, y1, x2, y2);
    }

    @Override
    public void fillRect(int x, int y, int width, int height) {
        m_inner.fillRect(x, y, width, height);
    }

    @Override
    public void drawRect(int x, int y, int width, int height) {
        m_inner.drawRect(x, y, width, height);
    }

    @Override
    public void clearRect(int x, int y, int width, int height) {
        m_inner.clearRect(x, y, width, height);
    }

    @Override
    public void drawRoundRect(int x, int y, int width, int height, int arcWidth, int arcHeight) {
        m_inner.drawRoundRect(x, y, width, height, arcWidth, arcHeight);
    }

    @Override
    public void fillRoundRect(int x, int y, int width, int height, int arcWidth, int arcHeight) {
        m_inner.fillRoundRect(x, y, width, height, arcWidth, arcHeight);
    }

    @Override
    public void drawOval(int x, int y, int width, int height) {
        m_inner.drawOval(x, y, width, height);
    }

    @Override
    public void fillOval(int x, int y, int width, int height) {
        m_inner.fillOval(x, y, width, height);
    }

    @Override
    public void drawArc(int x, int y, int width, int height, int startAngle, int arcAngle) {
        m_inner.drawArc(x, y, width, height, startAngle, arcAngle);
    }

    @Override
    public void fillArc(int x, int y, int width, int height, int startAngle, int arcAngle) {
        m_inner.fillArc(x, y, width, height, startAngle, arcAngle);
    }

    @Override
    public void drawPolyline(int[] xPoints, int[] yPoints, int nPoints) {
        m_inner.drawPolyline(xPoints, yPoints, nPoints);
    }

    @Override
    public void drawPolygon(int[] xPoints, int[] yPoints, int nPoints) {
        m_inner.drawPolygon(xPoints, yPoints, nPoints);
    }

    @Override
    public void drawPolygon(Polygon p) {
        m_inner.drawPolygon(p);
    }

    @Override
    public void fillPolygon(int[] xPoints, int[] yPoints, int nPoints) {
        m_inner.fillPolygon(xPoints, yPoints, nPoints);
    }

    @Override
    public void fillPolygon(Polygon p) {
        m_inner.fillPolygon(p);
    }

    @Override
    public boolean drawImage(Image img, int x, int y, ImageObserver observer) {
        return m_inner.drawImage(img, x, y, observer);
    }

    @Override
    public boolean drawImage(Image img, int x, int y, int width, int height, ImageObserver observer) {
        return m_inner.drawImage(img, x, y, width, height, observer);
    }

    @Override
    public boolean drawImage(Image img, int x, int y, Color bgcolor, ImageObserver observer) {
        return m_inner.drawImage(img, x, y, bgcolor, observer);
    }

    @Override
    public boolean drawImage(Image img, int x, int y, int width, int height, Color bgcolor, ImageObserver observer) {
        return m_inner.drawImage(img, x, y, width, height, bgcolor, observer);
    }

    @Override
    public boolean drawImage(Image img, int dx1, int dy1, int dx2, int dy2, int sx1, int sy1, int sx2, int sy2,
                             ImageObserver observer) {
        return m_inner.drawImage(img, dx1, dy1, dx2, dy2, sx1, sy1, sx2, sy2, observer);
    }

    @Override
    public boolean drawImage(Image img, int dx1, int dy1, int dx2, int dy2, int sx1, int sy1, int sx2, int sy2,
                             Color bgcolor, ImageObserver observer) {
        return m_inner.drawImage(img, dx1, dy1, dx2, dy2, sx1, sy1, sx2, sy2, bgcolor, observer);
    }
}
