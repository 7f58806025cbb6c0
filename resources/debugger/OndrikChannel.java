import java.io.FileDescriptor;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.OutputStream;
import java.nio.charset.StandardCharsets;
import java.util.LinkedHashMap;
import java.util.Map;

/**
 * The debugger's half of the conversation: one JSON object a line on standard output, written
 * whole under one lock, so events from the event thread, the output pumps and the command loop
 * never mix. Standard output carries nothing else: System.out is pointed at standard error.
 */
final class OndrikChannel {
    static final int PROTOCOL_VERSION = 1;

    private final OutputStream out;
    private boolean broken;

    OndrikChannel() {
        out = new FileOutputStream(FileDescriptor.out);
        System.setOut(System.err);
    }

    /** A message with its kind ("event") first and the given names and values after it. */
    static Map<String, Object> event(String name, Object... namesAndValues) {
        Map<String, Object> message = new LinkedHashMap<>();
        message.put("event", name);
        for (int i = 0; i + 1 < namesAndValues.length; i += 2) {
            if (namesAndValues[i + 1] != null)
                message.put((String) namesAndValues[i], namesAndValues[i + 1]);
        }
        return message;
    }

    synchronized void send(Map<String, Object> message) {
        if (broken)
            return;
        try {
            out.write((OndrikJson.write(message) + "\n").getBytes(StandardCharsets.UTF_8));
            out.flush();
        } catch (IOException e) {
            // Nobody listens any more; the command loop sees its input end and shuts down.
            broken = true;
        }
    }

    void error(String message, String command) {
        send(event("error", "message", message, "command", command));
    }
}
