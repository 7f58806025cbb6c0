import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.nio.charset.StandardCharsets;
import java.util.concurrent.LinkedBlockingQueue;
import java.util.concurrent.TimeUnit;

/**
 * The program's standard streams. Its output and error go out as output events as they come,
 * each byte as the character of the same number, so no byte is lost to a character set. What
 * the user types goes in through a queue of its own thread, so a program that does not read
 * never holds up the commands.
 */
final class OndrikProgramIo {
    private static final byte[] END = new byte[0];

    private final Process process;
    private final Thread[] pumps = new Thread[2];
    private final LinkedBlockingQueue<byte[]> pending = new LinkedBlockingQueue<>();

    OndrikProgramIo(Process process, OndrikChannel channel) {
        this.process = process;
        pumps[0] = daemon("ondrik-out", () -> pump(process.getInputStream(), "out", channel));
        pumps[1] = daemon("ondrik-err", () -> pump(process.getErrorStream(), "err", channel));
        daemon("ondrik-in", this::feed);
    }

    private static Thread daemon(String name, Runnable body) {
        Thread thread = new Thread(body, name);
        thread.setDaemon(true);
        thread.start();
        return thread;
    }

    private static void pump(InputStream in, String stream, OndrikChannel channel) {
        byte[] buffer = new byte[8192];
        try {
            int n;
            while ((n = in.read(buffer)) > 0)
                channel.send(OndrikChannel.event("output", "stream", stream, "text",
                                                 new String(buffer, 0, n, StandardCharsets.ISO_8859_1)));
        } catch (IOException e) {
            // The program has gone; what it wrote before has been sent.
        }
    }

    private void feed() {
        OutputStream in = process.getOutputStream();
        try {
            for (;;) {
                byte[] bytes = pending.take();
                if (bytes == END)
                    break;
                in.write(bytes);
                in.flush();
            }
        } catch (IOException | InterruptedException e) {
            // The program no longer reads: what is left is dropped.
        }
        try {
            in.close();
        } catch (IOException e) {
            // Closed already.
        }
    }

    void input(byte[] bytes) {
        pending.add(bytes);
    }

    void endInput() {
        pending.add(END);
    }

    /** The program's exit code, once it has ended and its output has been sent. */
    int waitForEnd() {
        try {
            int code = process.waitFor();
            // A process the program started may still hold its output open: it is not waited for long.
            for (Thread pump : pumps)
                pump.join(TimeUnit.SECONDS.toMillis(2));
            return code;
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
            return process.isAlive() ? -1 : process.exitValue();
        }
    }
}
