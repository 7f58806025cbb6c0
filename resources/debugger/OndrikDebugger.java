import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStreamReader;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.List;
import java.util.Map;

/**
 * Ondrik's debugger: reads commands from standard input, one JSON object a line, and answers
 * with events on standard output (docs/debugger-protocol.md). It runs the program under JDI in
 * its own working folder, the program's source root. When its input ends (the IDE closed it,
 * or died), it ends the program's JVM and then itself.
 */
public final class OndrikDebugger {
    /** A command that cannot be carried out, with the message the IDE shows. */
    static final class CommandException extends Exception {
        private static final long serialVersionUID = 1L;

        CommandException(String message) {
            super(message);
        }
    }

    private final OndrikChannel channel = new OndrikChannel();
    private final OndrikDebugSession session = new OndrikDebugSession(channel);
    private boolean greeted;

    public static void main(String[] args) throws IOException {
        new OndrikDebugger().run();
    }

    private void run() throws IOException {
        channel.send(OndrikChannel.event("hello", "protocol", (long) OndrikChannel.PROTOCOL_VERSION,
                                         "vm", System.getProperty("java.version")));
        Runtime.getRuntime().addShutdownHook(new Thread(session::endProgram));
        BufferedReader in = new BufferedReader(new InputStreamReader(System.in, StandardCharsets.UTF_8));
        String line;
        while ((line = in.readLine()) != null) {
            if (!line.isBlank())
                handleLine(line);
        }
        session.endProgram();
        System.exit(0);
    }

    private void handleLine(String line) {
        Map<?, ?> message;
        try {
            Object parsed = OndrikJson.parse(line);
            if (!(parsed instanceof Map)) {
                channel.error("Malformed message: not a JSON object.", null);
                return;
            }
            message = (Map<?, ?>) parsed;
        } catch (OndrikJson.JsonException e) {
            channel.error("Malformed message: " + e.getMessage() + ".", null);
            return;
        }
        Object command = message.get("command");
        if (!(command instanceof String)) {
            channel.error("Malformed message: no \"command\" name.", null);
            return;
        }
        String name = (String) command;
        try {
            handleCommand(name, message);
        } catch (CommandException e) {
            channel.error(e.getMessage(), name);
        } catch (com.sun.jdi.VMDisconnectedException e) {
            channel.error("The program has ended.", name);
        } catch (RuntimeException e) {
            // A fault of the debugger itself must not end the session: the IDE hears of it.
            channel.error("The debugger failed: " + e, name);
        }
    }

    private void handleCommand(String name, Map<?, ?> message) throws CommandException {
        if (name.equals("hello")) {
            long version = number(message, name, "protocol");
            if (version != OndrikChannel.PROTOCOL_VERSION)
                throw new CommandException("Protocol version " + version + " is not supported; this debugger speaks version "
                                           + OndrikChannel.PROTOCOL_VERSION + ".");
            greeted = true;
            return;
        }
        if (!KNOWN.contains(name))
            throw new CommandException("Unknown command \"" + name + "\".");
        if (!greeted)
            throw new CommandException("The first command must be \"hello\".");
        switch (name) {
        case "launch":
            session.launch(text(message, name, "main"), texts(message, name, "options"), texts(message, name, "args"),
                           optionalText(message, "classPath"));
            break;
        case "setBreakpoint":
            session.setBreakpoint(text(message, name, "file"), line(message, name));
            break;
        case "clearBreakpoint":
            session.clearBreakpoint(text(message, name, "file"), line(message, name));
            break;
        case "continue":
            session.resume();
            break;
        case "step":
            session.step(text(message, name, "kind"));
            break;
        case "runToLine":
            session.runToLine(text(message, name, "file"), line(message, name));
            break;
        case "pause":
            session.pause();
            break;
        case "stop":
            session.stop();
            break;
        case "input":
            session.input(text(message, name, "text"));
            break;
        case "endInput":
            session.endInput();
            break;
        case "variables":
            session.variables(frameIndex(message, name));
            break;
        case "expand":
            session.expand(number(message, name, "ref"));
            break;
        default:
            throw new CommandException("Unknown command \"" + name + "\".");
        }
    }

    private static final List<String> KNOWN = List.of("launch", "setBreakpoint", "clearBreakpoint", "continue", "step",
                                                      "runToLine", "pause", "stop", "input", "endInput", "variables",
                                                      "expand");

    private static String text(Map<?, ?> message, String command, String field) throws CommandException {
        Object value = message.get(field);
        if (!(value instanceof String))
            throw new CommandException("The command \"" + command + "\" needs a text \"" + field + "\".");
        return (String) value;
    }

    private static String optionalText(Map<?, ?> message, String field) throws CommandException {
        Object value = message.get(field);
        if (value == null || value == OndrikJson.NULL)
            return "";
        if (!(value instanceof String))
            throw new CommandException("\"" + field + "\" must be a text.");
        return (String) value;
    }

    private static List<String> texts(Map<?, ?> message, String command, String field) throws CommandException {
        Object value = message.get(field);
        List<String> result = new ArrayList<>();
        if (value == null)
            return result;
        if (!(value instanceof List))
            throw new CommandException("The command \"" + command + "\" needs \"" + field + "\" as a list of texts.");
        for (Object item : (List<?>) value) {
            if (!(item instanceof String))
                throw new CommandException("The command \"" + command + "\" needs \"" + field + "\" as a list of texts.");
            result.add((String) item);
        }
        return result;
    }

    private static long number(Map<?, ?> message, String command, String field) throws CommandException {
        Object value = message.get(field);
        if (!(value instanceof Long))
            throw new CommandException("The command \"" + command + "\" needs a whole number \"" + field + "\".");
        return (Long) value;
    }

    private static int frameIndex(Map<?, ?> message, String command) throws CommandException {
        long frame = number(message, command, "frame");
        if (frame < 0 || frame > Integer.MAX_VALUE)
            throw new CommandException("The command \"" + command + "\" needs a frame number from 0 on.");
        return (int) frame;
    }

    private static int line(Map<?, ?> message, String command) throws CommandException {
        long line = number(message, command, "line");
        if (line < 1 || line > Integer.MAX_VALUE)
            throw new CommandException("The command \"" + command + "\" needs a line number from 1 on.");
        return (int) line;
    }
}
