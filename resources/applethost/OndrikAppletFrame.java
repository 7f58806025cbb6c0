import java.applet.Applet;
import java.applet.AppletContext;
import java.applet.AppletStub;
import java.awt.BorderLayout;
import java.awt.Dimension;
import java.awt.Frame;
import java.awt.Graphics2D;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import java.awt.image.BufferedImage;
import java.net.URL;
import java.util.Locale;

// The window one applet runs in, and the stub through which the applet sees its tag.
@SuppressWarnings("removal")  // java.applet is what this program exists to run
final class OndrikAppletFrame extends Frame implements AppletStub {
    private static final long serialVersionUID = 1L;

    private final transient OndrikAppletContext m_context;
    private final transient OndrikAppletContext.Entry m_entry;
    private final Applet m_applet;
    private volatile boolean m_bActive;
    private boolean m_bEnded;

    OndrikAppletFrame(OndrikAppletContext context, OndrikAppletContext.Entry entry, Applet applet) {
        super("Applet: " + entry.className());
        m_context = context;
        m_entry = entry;
        m_applet = applet;
        setLayout(new BorderLayout());
        applet.setStub(this);
        applet.setPreferredSize(new Dimension(entry.width(), entry.height()));
        add(applet, BorderLayout.CENTER);
        setLocationByPlatform(true);
        addWindowListener(new WindowAdapter() {
            @Override
            public void windowClosing(WindowEvent event) {
                close();
            }
        });
    }

    OndrikAppletContext.Entry entry() {
        return m_entry;
    }

    Applet applet() {
        return m_applet;
    }

    // The window is made displayable before init, so that the applet has its size and can
    // make images there, as in a browser.
    void begin() throws OndrikAppletHost.Failure {
        pack();
        call("init", m_applet::init);
        validate();
        m_bActive = true;
        call("start", m_applet::start);
    }

    // One paint into an image of the applet's size, through a Graphics that logs what is drawn.
    void paintOnce() throws OndrikAppletHost.Failure {
        int width = Math.max(1, m_applet.getWidth());
        int height = Math.max(1, m_applet.getHeight());
        m_context.out().println("paint " + m_entry.className() + " " + width + " " + height);
        BufferedImage image = new BufferedImage(width, height, BufferedImage.TYPE_INT_RGB);
        Graphics2D graphics = image.createGraphics();
        try {
            graphics.setBackground(m_applet.getBackground());
            graphics.clearRect(0, 0, width, height);
            graphics.setColor(m_applet.getForeground());
            graphics.setFont(m_applet.getFont());
            OndrikLoggingGraphics logging = new OndrikLoggingGraphics(graphics, m_context.out());
            call("paint", () -> m_applet.paint(logging));
        } finally {
            graphics.dispose();
            m_context.out().flush();
        }
    }

    // stop, destroy, and the window goes.
    void end() throws OndrikAppletHost.Failure {
        if (m_bEnded)
            return;
        m_bEnded = true;
        try {
            m_bActive = false;
            call("stop", m_applet::stop);
            call("destroy", m_applet::destroy);
        } finally {
            dispose();
        }
    }

    private void close() {
        OndrikAppletHost.Failure failure = null;
        try {
            end();
        } catch (OndrikAppletHost.Failure f) {
            failure = f;
        }
        m_context.closed(failure);
    }

    private void call(String method, Runnable body) throws OndrikAppletHost.Failure {
        Thread thread = Thread.currentThread();
        ClassLoader before = thread.getContextClassLoader();
        thread.setContextClassLoader(m_entry.appletClass().getClassLoader());
        try {
            body.run();
        } catch (RuntimeException | Error e) {
            throw OndrikAppletContext.threw(m_entry, m_entry.className() + "." + method + "()", e);
        } finally {
            thread.setContextClassLoader(before);
        }
    }

    @Override
    public boolean isActive() {
        return m_bActive;
    }

    @Override
    public URL getDocumentBase() {
        return m_context.page().documentBase;
    }

    @Override
    public URL getCodeBase() {
        return m_entry.codeBase();
    }

    // A <param> of that name, else an attribute of the applet tag, as applet viewers answer.
    @Override
    public String getParameter(String name) {
        if (name == null)
            return null;
        String key = name.toLowerCase(Locale.ROOT);
        String value = m_entry.tag().params.get(key);
        return value != null ? value : m_entry.tag().attribute(key);
    }

    @Override
    public AppletContext getAppletContext() {
        return m_context;
    }

    @Override
    public void appletResize(int width, int height) {
        m_applet.setPreferredSize(new Dimension(width, height));
        pack();
    }
}
