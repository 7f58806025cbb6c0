import java.awt.GraphicsEnvironment;
import java.awt.Toolkit;

// Runs the applets of an HTML page, each in a window of its own, for JDKs that no longer have
// an applet viewer. Ondrik starts it in the page's folder:
//
//   java -cp <program folder>/applethost.jar OndrikAppletHost [--paint-once] PAGE.html
//
// With --paint-once nothing waits for a person: each applet is started, painted once into an
// offscreen image whose drawString calls are written to standard output, stopped and destroyed.
//
// This class names no applet type, so that a runtime without java.applet gets a message from
// main instead of a stack trace from the class loader.
public final class OndrikAppletHost {
    static final int EXIT_OK = 0;
    static final int EXIT_USAGE = 2;
    static final int EXIT_PAGE_UNREADABLE = 3;
    static final int EXIT_NO_APPLET_TAG = 4;
    static final int EXIT_CLASS_NOT_FOUND = 5;
    static final int EXIT_NOT_AN_APPLET = 6;
    static final int EXIT_APPLET_THREW = 7;
    static final int EXIT_NO_DISPLAY = 8;
    static final int EXIT_NO_APPLET_SUPPORT = 9;

    static final String USAGE = "usage: java -cp applethost.jar OndrikAppletHost [--paint-once] PAGE.html";

    // A run that cannot go on: one line for standard error, the exit code, and for code that the
    // applet ran, what it threw (its stack trace follows the line).
    static final class Failure extends Exception {
        private static final long serialVersionUID = 1L;
        final int exitCode;

        Failure(int exitCode, String message) {
            super(message);
            this.exitCode = exitCode;
        }

        Failure(int exitCode, String message, Throwable thrown) {
            super(message, thrown);
            this.exitCode = exitCode;
        }
    }

    private OndrikAppletHost() {
    }

    public static void main(String[] args) {
        try {
            if (!run(args))
                return;  // the windows keep the program going; closing the last one ends it
            exit(EXIT_OK);
        } catch (Failure failure) {
            report(failure);
            exit(failure.exitCode);
        }
    }

    static void report(Failure failure) {
        System.out.flush();
        System.err.println(failure.getMessage());
        if (failure.getCause() != null)
            failure.getCause().printStackTrace();
        System.err.flush();
    }

    static void exit(int code) {
        System.out.flush();
        System.err.flush();
        System.exit(code);
    }

    // True when the run is over, false when windows are left open.
    private static boolean run(String[] args) throws Failure {
        boolean paintOnce = false;
        String page = null;
        for (String arg : args) {
            if (arg.equals("--paint-once"))
                paintOnce = true;
            else if (arg.startsWith("-") || page != null)
                throw new Failure(EXIT_USAGE, (arg.startsWith("-") ? "unknown option " + arg : "only one page at a time")
                        + "\n" + USAGE);
            else
                page = arg;
        }
        if (page == null)
            throw new Failure(EXIT_USAGE, "no page given\n" + USAGE);
        try {
            Class.forName("java.applet.Applet", false, ClassLoader.getPlatformClassLoader());
        } catch (ClassNotFoundException e) {
            throw new Failure(EXIT_NO_APPLET_SUPPORT, "this Java runtime (" + System.getProperty("java.home")
                    + ", version " + System.getProperty("java.version")
                    + ") has no applet support (java.applet); choose a JDK that still has it");
        }
        OndrikAppletPage read = OndrikAppletPage.read(page);
        if (read.tags.isEmpty())
            throw new Failure(EXIT_NO_APPLET_TAG, page + ": no <applet> tag in the page");
        // Every fault of the page and its classes is found before a window opens.
        OndrikAppletContext context = OndrikAppletContext.load(read);
        checkDisplay();
        context.startAll(paintOnce);
        return paintOnce;
    }

    private static void checkDisplay() throws Failure {
        String display = System.getenv("DISPLAY");
        if (GraphicsEnvironment.isHeadless())
            throw new Failure(EXIT_NO_DISPLAY, "cannot show the applet: "
                    + (display == null || display.isEmpty() ? "no display (DISPLAY is not set)" : "this Java runtime shows no windows"));
        try {
            Toolkit.getDefaultToolkit().getScreenSize();
        } catch (RuntimeException | Error e) {
            throw new Failure(EXIT_NO_DISPLAY, "cannot show the applet on display " + display + ": " + e.getMessage());
        }
    }
}
