import java.applet.Applet;
import java.applet.AppletContext;
import java.applet.AudioClip;
import java.awt.EventQueue;
import java.awt.Image;
import java.awt.Toolkit;
import java.io.File;
import java.io.InputStream;
import java.io.PrintStream;
import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Modifier;
import java.net.MalformedURLException;
import java.net.URISyntaxException;
import java.net.URL;
import java.net.URLClassLoader;
import java.util.ArrayList;
import java.util.Collections;
import java.util.Enumeration;
import java.util.HashMap;
import java.util.Iterator;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

// The page the applets run in: it loads their classes, starts them, answers what they ask of
// their context, and ends the program when the last window is closed.
@SuppressWarnings("removal")  // java.applet is what this program exists to run
final class OndrikAppletContext implements AppletContext {
    static final int DEFAULT_WIDTH = 300;
    static final int DEFAULT_HEIGHT = 150;

    // An applet tag whose class has been found.
    record Entry(OndrikAppletPage.Tag tag, String where, String className, Class<? extends Applet> appletClass,
                 URL codeBase, int width, int height) {
    }

    private final OndrikAppletPage m_page;
    private final List<Entry> m_entries;
    private final List<OndrikAppletFrame> m_frames = new ArrayList<>();
    private final Map<String, InputStream> m_streams = new HashMap<>();
    private final PrintStream m_out = System.out;
    private int m_open;
    private int m_closeExitCode = OndrikAppletHost.EXIT_OK;

    private OndrikAppletContext(OndrikAppletPage page, List<Entry> entries) {
        m_page = page;
        m_entries = entries;
    }

    // Finds every tag's class. Tags with the same code base and archives share one class loader,
    // as applets of one page and code base share their classes' statics in a browser.
    static OndrikAppletContext load(OndrikAppletPage page) throws OndrikAppletHost.Failure {
        Map<List<URL>, URLClassLoader> loaders = new LinkedHashMap<>();
        List<Entry> entries = new ArrayList<>();
        for (OndrikAppletPage.Tag tag : page.tags) {
            String where = page.where(tag);
            String code = tag.attribute("code");
            if (code == null || OndrikAppletPage.className(code).isEmpty())
                throw new OndrikAppletHost.Failure(OndrikAppletHost.EXIT_NO_APPLET_TAG,
                        where + ": the <applet> tag has no code attribute");
            String className = OndrikAppletPage.className(code);
            URL codeBase;
            List<URL> path = new ArrayList<>();
            try {
                codeBase = page.codeBase(tag);
                String archive = tag.attribute("archive");
                if (archive != null) {
                    for (String jar : archive.split(",")) {
                        if (!jar.isBlank())
                            path.add(new URL(codeBase, jar.strip()));
                    }
                }
                path.add(codeBase);
            } catch (MalformedURLException e) {
                throw new OndrikAppletHost.Failure(OndrikAppletHost.EXIT_CLASS_NOT_FOUND,
                        where + ": the code base cannot be used: " + e.getMessage());
            }
            // Only the JDK's classes and the page's: none of the host's own can stand in for
            // an applet's class of the same name.
            URLClassLoader loader = loaders.computeIfAbsent(path,
                    urls -> new URLClassLoader(urls.toArray(new URL[0]), ClassLoader.getPlatformClassLoader()));
            Class<?> loaded;
            try {
                loaded = Class.forName(className, false, loader);
            } catch (ClassNotFoundException e) {
                throw new OndrikAppletHost.Failure(OndrikAppletHost.EXIT_CLASS_NOT_FOUND,
                        where + ": class " + className + " not found: " + lookedIn(className, path));
            } catch (LinkageError e) {
                throw new OndrikAppletHost.Failure(OndrikAppletHost.EXIT_CLASS_NOT_FOUND,
                        where + ": class " + className + " cannot be loaded: " + e);
            }
            if (!Applet.class.isAssignableFrom(loaded))
                throw new OndrikAppletHost.Failure(OndrikAppletHost.EXIT_NOT_AN_APPLET,
                        where + ": class " + className + " is not an applet (it does not extend java.applet.Applet)");
            String unusable = !Modifier.isPublic(loaded.getModifiers()) ? "it is not public"
                    : Modifier.isAbstract(loaded.getModifiers()) ? "it is abstract"
                    : !hasPublicNoArgumentConstructor(loaded) ? "it has no public constructor without arguments"
                    : null;
            if (unusable != null)
                throw new OndrikAppletHost.Failure(OndrikAppletHost.EXIT_NOT_AN_APPLET,
                        where + ": class " + className + " cannot be started: " + unusable);
            entries.add(new Entry(tag, where, className, loaded.asSubclass(Applet.class), codeBase,
                    size(where, tag, "width", DEFAULT_WIDTH), size(where, tag, "height", DEFAULT_HEIGHT)));
        }
        return new OndrikAppletContext(page, entries);
    }

    // "there is no Hello.class in /tmp/p/ (compile Hello.java first)", naming archives too.
    private static String lookedIn(String className, List<URL> path) {
        String file = className.replace('.', '/') + ".class";
        List<String> places = new ArrayList<>();
        for (URL url : path)
            places.add(readable(url));
        String source = className.substring(className.lastIndexOf('.') + 1);
        int nested = source.indexOf('$');
        if (nested > 0)
            source = source.substring(0, nested);
        return "there is no " + file + " in " + String.join(" or ", places) + " (compile " + source + ".java first)";
    }

    private static String readable(URL url) {
        if (url.getProtocol().equals("file")) {
            try {
                String path = new File(url.toURI()).getPath();
                return url.getPath().endsWith("/") && !path.endsWith("/") ? path + "/" : path;
            } catch (URISyntaxException | IllegalArgumentException e) {
                return url.toString();
            }
        }
        return url.toString();
    }

    private static boolean hasPublicNoArgumentConstructor(Class<?> type) {
        try {
            return Modifier.isPublic(type.getConstructor().getModifiers());
        } catch (NoSuchMethodException e) {
            return false;
        }
    }

    private static int size(String where, OndrikAppletPage.Tag tag, String name, int fallback) {
        String value = tag.attribute(name);
        if (value != null && value.strip().matches("[0-9]{1,5}") && Integer.parseInt(value.strip()) > 0)
            return Integer.parseInt(value.strip());
        System.err.println(where + ": " + (value == null ? "the <applet> tag has no " + name
                : "the " + name + " \"" + value + "\" is not a size in pixels") + "; " + fallback + " is used");
        return fallback;
    }

    OndrikAppletPage page() {
        return m_page;
    }

    PrintStream out() {
        return m_out;
    }

    // Makes every applet and its window, then runs init and start on each: with paintOnce paints
    // each once, stops and destroys it; otherwise shows the windows.
    void startAll(boolean paintOnce) throws OndrikAppletHost.Failure {
        onEventThread(() -> {
            for (Entry entry : m_entries)
                m_frames.add(new OndrikAppletFrame(this, entry, construct(entry)));
        });
        for (OndrikAppletFrame frame : m_frames)
            onEventThread(frame::begin);
        if (!paintOnce) {
            onEventThread(() -> {
                m_open = m_frames.size();
                for (OndrikAppletFrame frame : m_frames)
                    frame.setVisible(true);
            });
            return;
        }
        for (OndrikAppletFrame frame : m_frames)
            onEventThread(frame::paintOnce);
        for (OndrikAppletFrame frame : m_frames)
            onEventThread(frame::end);
    }

    // A window was closed and its applet ended; with none left the program is done.
    void closed(OndrikAppletHost.Failure failure) {
        if (failure != null) {
            OndrikAppletHost.report(failure);
            m_closeExitCode = failure.exitCode;
        }
        if (--m_open == 0)
            OndrikAppletHost.exit(m_closeExitCode);
    }

    private Applet construct(Entry entry) throws OndrikAppletHost.Failure {
        try {
            return entry.appletClass().getConstructor().newInstance();
        } catch (InvocationTargetException e) {
            throw threw(entry, "the constructor of " + entry.className(), e.getCause());
        } catch (ExceptionInInitializerError e) {
            throw threw(entry, "the static initialiser of " + entry.className(), e.getCause());
        } catch (ReflectiveOperationException | LinkageError e) {
            throw new OndrikAppletHost.Failure(OndrikAppletHost.EXIT_NOT_AN_APPLET,
                    entry.where() + ": class " + entry.className() + " cannot be started: " + e);
        }
    }

    static OndrikAppletHost.Failure threw(Entry entry, String what, Throwable thrown) {
        return new OndrikAppletHost.Failure(OndrikAppletHost.EXIT_APPLET_THREW,
                entry.where() + ": " + what + " threw " + thrown, thrown);
    }

    interface Step {
        void run() throws OndrikAppletHost.Failure;
    }

    // The applets live on the event thread, as every AWT component should.
    private static void onEventThread(Step step) throws OndrikAppletHost.Failure {
        OndrikAppletHost.Failure[] failure = new OndrikAppletHost.Failure[1];
        try {
            EventQueue.invokeAndWait(() -> {
                try {
                    step.run();
                } catch (OndrikAppletHost.Failure f) {
                    failure[0] = f;
                }
            });
        } catch (InvocationTargetException e) {
            throw new OndrikAppletHost.Failure(OndrikAppletHost.EXIT_APPLET_THREW,
                    "the applet host failed: " + e.getCause(), e.getCause());
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
            throw new OndrikAppletHost.Failure(OndrikAppletHost.EXIT_APPLET_THREW, "the applet host was interrupted");
        }
        if (failure[0] != null)
            throw failure[0];
    }

    @Override
    public AudioClip getAudioClip(URL url) {
        return Applet.newAudioClip(url);
    }

    @Override
    public Image getImage(URL url) {
        return Toolkit.getDefaultToolkit().getImage(url);
    }

    @Override
    public Applet getApplet(String name) {
        for (OndrikAppletFrame frame : m_frames) {
            String own = frame.entry().tag().attribute("name");
            if (own != null && own.equalsIgnoreCase(name))
                return frame.applet();
        }
        return null;
    }

    @Override
    public Enumeration<Applet> getApplets() {
        List<Applet> applets = new ArrayList<>();
        for (OndrikAppletFrame frame : m_frames)
            applets.add(frame.applet());
        return Collections.enumeration(applets);
    }

    // There is no browser here to show another page in, as in any applet viewer.
    @Override
    public void showDocument(URL url) {
    }

    @Override
    public void showDocument(URL url, String target) {
    }

    // The status line is the Process Window: one line of standard output.
    @Override
    public void showStatus(String status) {
        m_out.println(status == null ? "" : status.replace("\r\n", " ").replace('\r', ' ').replace('\n', ' '));
        m_out.flush();
    }

    @Override
    public void setStream(String key, InputStream stream) {
        if (stream == null)
            m_streams.remove(key);
        else
            m_streams.put(key, stream);
    }

    @Override
    public InputStream getStream(String key) {
        return m_streams.get(key);
    }

    @Override
    public Iterator<String> getStreamKeys() {
        return new ArrayList<>(m_streams.keySet()).iterator();
    }
}
