import com.sun.jdi.AbsentInformationException;
import com.sun.jdi.Bootstrap;
import com.sun.jdi.IncompatibleThreadStateException;
import com.sun.jdi.LocalVariable;
import com.sun.jdi.Location;
import com.sun.jdi.ObjectReference;
import com.sun.jdi.StackFrame;
import com.sun.jdi.StringReference;
import com.sun.jdi.ThreadReference;
import com.sun.jdi.VMDisconnectedException;
import com.sun.jdi.Value;
import com.sun.jdi.VirtualMachine;
import com.sun.jdi.connect.Connector;
import com.sun.jdi.connect.IllegalConnectorArgumentsException;
import com.sun.jdi.connect.LaunchingConnector;
import com.sun.jdi.connect.VMStartException;
import com.sun.jdi.event.BreakpointEvent;
import com.sun.jdi.event.ClassPrepareEvent;
import com.sun.jdi.event.Event;
import com.sun.jdi.event.EventSet;
import com.sun.jdi.event.ExceptionEvent;
import com.sun.jdi.event.LocatableEvent;
import com.sun.jdi.event.StepEvent;
import com.sun.jdi.event.VMDeathEvent;
import com.sun.jdi.event.VMDisconnectEvent;
import com.sun.jdi.request.EventRequest;
import com.sun.jdi.request.EventRequestManager;
import com.sun.jdi.request.ExceptionRequest;
import com.sun.jdi.request.StepRequest;

import java.io.IOException;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.concurrent.TimeUnit;

/**
 * The program under the debugger: its JVM, started suspended through the launching connector,
 * the event thread that turns JDI's events into stops, and the commands that act on it. The
 * command loop and the event thread change the state only under this object's lock.
 */
final class OndrikDebugSession {
    // Stop ends the program with the code a stopped run has everywhere in Ondrik.
    static final int STOPPED_BY_USER = 11;
    private static final int MAX_FRAMES = 200;
    private static final String[] JDK_PACKAGES = {"java.*", "javax.*", "jdk.*", "sun.*", "com.sun.*"};

    private final OndrikChannel channel;
    private final OndrikBreakpoints breakpoints = new OndrikBreakpoints();
    private VirtualMachine vm;
    // Read without the lock by the shutdown hook, which must never wait for it.
    private volatile Process process;
    private OndrikProgramIo io;
    private ThreadReference stoppedThread;  // null while the program runs
    private ThreadReference lastThread;
    private OndrikValues values = new OndrikValues();
    private boolean ended;

    OndrikDebugSession(OndrikChannel channel) {
        this.channel = channel;
    }

    synchronized void launch(String main, List<String> options, List<String> args, String classPath)
            throws OndrikDebugger.CommandException {
        if (vm != null || ended)
            throw new OndrikDebugger.CommandException("The program has already been started.");
        if (main.isBlank())
            throw new OndrikDebugger.CommandException("There is no main class to run.");
        LaunchingConnector connector = Bootstrap.virtualMachineManager().defaultConnector();
        Map<String, Connector.Argument> arguments = connector.defaultArguments();
        List<String> jvmOptions = new ArrayList<>();
        if (!classPath.isEmpty()) {
            jvmOptions.add("-classpath");
            jvmOptions.add(classPath);
        }
        jvmOptions.addAll(options);
        List<String> mainAndArgs = new ArrayList<>();
        mainAndArgs.add(main);
        mainAndArgs.addAll(args);
        // The connector splits its texts at blanks and groups by a quote character, which can
        // be any character: one that no argument holds keeps every argument whole.
        char quote = quoteCharacter(jvmOptions, mainAndArgs);
        arguments.get("options").setValue(joined(jvmOptions, quote));
        arguments.get("main").setValue(joined(mainAndArgs, quote));
        arguments.get("quote").setValue(String.valueOf(quote));
        arguments.get("suspend").setValue("true");
        try {
            vm = connector.launch(arguments);
        } catch (VMStartException e) {
            reportFailedStart(e);
            return;
        } catch (IOException | IllegalConnectorArgumentsException e) {
            throw new OndrikDebugger.CommandException("The program's JVM could not be started: " + e.getMessage());
        }
        process = vm.process();
        io = new OndrikProgramIo(process, channel);
        breakpoints.attach(vm);
        ExceptionRequest uncaught = vm.eventRequestManager().createExceptionRequest(null, false, true);
        uncaught.setSuspendPolicy(EventRequest.SUSPEND_ALL);
        uncaught.enable();
        channel.send(OndrikChannel.event("started", "pid", process.pid()));
        Thread events = new Thread(this::readEvents, "ondrik-events");
        events.setDaemon(true);
        events.start();
    }

    private static char quoteCharacter(List<String> first, List<String> second) {
        String candidates = "\"'\u0001\u0002\u0003\u0004\u0005\u0006\u0007\u000e\u000f\u0010";
        for (char c : candidates.toCharArray()) {
            boolean used = false;
            for (String text : first)
                used |= text.indexOf(c) >= 0;
            for (String text : second)
                used |= text.indexOf(c) >= 0;
            if (!used)
                return c;
        }
        return '"';
    }

    private static String joined(List<String> parts, char quote) {
        StringBuilder out = new StringBuilder();
        for (String part : parts) {
            if (out.length() > 0)
                out.append(' ');
            out.append(quote).append(part).append(quote);
        }
        return out.toString();
    }

    // The JVM ended before it let the debugger in (an unknown option, say): what it wrote and
    // its exit code are the run's output and end.
    private void reportFailedStart(VMStartException e) {
        Process failed = e.process();
        ended = true;
        if (failed == null) {
            channel.error("The program's JVM could not be started: " + e.getMessage(), "launch");
            return;
        }
        OndrikProgramIo failedIo = new OndrikProgramIo(failed, channel);
        int code = failedIo.waitForEnd();
        channel.send(OndrikChannel.event("exited", "code", (long) code));
        System.exit(0);
    }

    synchronized void setBreakpoint(String file, int line) {
        OndrikBreakpoints.Breakpoint resolved = breakpoints.add(file, line, false);
        if (resolved != null)
            reportResolved(resolved);
    }

    synchronized void clearBreakpoint(String file, int line) throws OndrikDebugger.CommandException {
        if (!breakpoints.remove(file, line))
            throw new OndrikDebugger.CommandException("There is no breakpoint at " + file + ":" + line + ".");
    }

    private void reportResolved(OndrikBreakpoints.Breakpoint breakpoint) {
        channel.send(OndrikChannel.event("breakpointResolved", "file", breakpoint.file, "line", (long) breakpoint.line));
    }

    synchronized void resume() throws OndrikDebugger.CommandException {
        requireStopped();
        resumeProgram();
    }

    synchronized void step(String kind) throws OndrikDebugger.CommandException {
        int depth;
        switch (kind) {
        case "over": depth = StepRequest.STEP_OVER; break;
        case "into": depth = StepRequest.STEP_INTO; break;
        case "out": depth = StepRequest.STEP_OUT; break;
        default: throw new OndrikDebugger.CommandException("Unknown kind of step \"" + kind + "\".");
        }
        requireStopped();
        EventRequestManager manager = vm.eventRequestManager();
        manager.deleteEventRequests(manager.stepRequests());
        StepRequest request = manager.createStepRequest(stoppedThread, StepRequest.STEP_LINE, depth);
        // Steps pass through the JDK's own code as through a single line.
        for (String pattern : JDK_PACKAGES)
            request.addClassExclusionFilter(pattern);
        request.addCountFilter(1);
        request.setSuspendPolicy(EventRequest.SUSPEND_ALL);
        request.enable();
        resumeProgram();
    }

    synchronized void runToLine(String file, int line) throws OndrikDebugger.CommandException {
        requireStopped();
        OndrikBreakpoints.Breakpoint resolved = breakpoints.add(file, line, true);
        if (resolved != null)
            reportResolved(resolved);
        resumeProgram();
    }

    synchronized void pause() throws OndrikDebugger.CommandException {
        requireStarted();
        if (stoppedThread != null)
            throw new OndrikDebugger.CommandException("The program is already stopped.");
        vm.suspend();
        ThreadReference thread = threadToShow();
        if (thread == null) {
            vm.resume();
            throw new OndrikDebugger.CommandException("The program has no thread to stop in.");
        }
        enterStopped(thread, "pause", null);
    }

    // The thread last stopped in while it lives, else the main thread, else any with frames.
    private ThreadReference threadToShow() {
        List<ThreadReference> threads = vm.allThreads();
        if (lastThread != null && threads.contains(lastThread) && frameCount(lastThread) > 0)
            return lastThread;
        ThreadReference any = null;
        for (ThreadReference thread : threads) {
            if (frameCount(thread) == 0)
                continue;
            if (thread.name().equals("main"))
                return thread;
            if (any == null && thread.threadGroup() != null && !thread.threadGroup().name().equals("system"))
                any = thread;
        }
        return any;
    }

    private static int frameCount(ThreadReference thread) {
        try {
            return thread.frameCount();
        } catch (IncompatibleThreadStateException e) {
            return 0;
        }
    }

    synchronized void stop() throws OndrikDebugger.CommandException {
        requireStarted();
        try {
            vm.exit(STOPPED_BY_USER);
        } catch (VMDisconnectedException e) {
            // Already on its way out.
        }
        // A JVM that does not go when asked is ended outright.
        Process program = process;
        Thread watchdog = new Thread(() -> {
            try {
                if (!program.waitFor(3, TimeUnit.SECONDS))
                    program.destroyForcibly();
            } catch (InterruptedException e) {
                program.destroyForcibly();
            }
        }, "ondrik-stop");
        watchdog.setDaemon(true);
        watchdog.start();
    }

    synchronized void input(String text) throws OndrikDebugger.CommandException {
        requireStarted();
        byte[] bytes = new byte[text.length()];
        for (int i = 0; i < text.length(); ++i) {
            char c = text.charAt(i);
            if (c > 0xff)
                throw new OndrikDebugger.CommandException("Input text must hold bytes (characters up to U+00FF).");
            bytes[i] = (byte) c;
        }
        io.input(bytes);
    }

    synchronized void endInput() throws OndrikDebugger.CommandException {
        requireStarted();
        io.endInput();
    }

    synchronized void variables(int frameIndex) throws OndrikDebugger.CommandException {
        requireStopped();
        int count = frameCount(stoppedThread);
        if (frameIndex >= count)
            throw new OndrikDebugger.CommandException("There is no frame " + frameIndex + "; the stack has " + count + ".");
        sendVariables(frameIndex);
    }

    synchronized void expand(long ref) throws OndrikDebugger.CommandException {
        requireStopped();
        ObjectReference object = values.object(ref);
        if (object == null)
            throw new OndrikDebugger.CommandException("There is no value " + ref + " to expand.");
        int[] more = new int[1];
        List<Map<String, Object>> rows = values.children(object, more);
        channel.send(OndrikChannel.event("children", "ref", ref, "variables", rows, "more", (long) more[0]));
    }

    /** Ends the program's JVM, whatever state it is in; for the end of the input and shutdown. */
    void endProgram() {
        Process program = process;
        if (program == null || !program.isAlive())
            return;
        program.destroyForcibly();
        try {
            program.waitFor(5, TimeUnit.SECONDS);
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
        }
    }

    private void requireStarted() throws OndrikDebugger.CommandException {
        if (vm == null || ended)
            throw new OndrikDebugger.CommandException(ended ? "The program has ended." : "The program has not been started.");
    }

    private void requireStopped() throws OndrikDebugger.CommandException {
        requireStarted();
        if (stoppedThread == null)
            throw new OndrikDebugger.CommandException("The program is not stopped.");
    }

    // Said before the program runs on, so that what it writes comes after it.
    private void resumeProgram() {
        stoppedThread = null;
        values = new OndrikValues();
        channel.send(OndrikChannel.event("resumed"));
        vm.resume();
    }

    private void readEvents() {
        try {
            for (;;) {
                EventSet set = vm.eventQueue().remove();
                if (handle(set))
                    break;
            }
        } catch (InterruptedException | VMDisconnectedException e) {
            // The program is gone.
        }
        finish();
    }

    // True when the program has gone.
    private synchronized boolean handle(EventSet set) {
        LocatableEvent stop = null;
        String reason = null;
        boolean gone = false;
        for (Event event : set) {
            if (event instanceof ClassPrepareEvent) {
                for (OndrikBreakpoints.Breakpoint resolved : breakpoints.classPrepared(((ClassPrepareEvent) event).referenceType()))
                    reportResolved(resolved);
            } else if (event instanceof BreakpointEvent) {
                stop = (LocatableEvent) event;
                reason = "breakpoint";
            } else if (event instanceof ExceptionEvent) {
                if (reason == null || reason.equals("step")) {
                    stop = (LocatableEvent) event;
                    reason = "exception";
                }
            } else if (event instanceof StepEvent) {
                if (reason == null) {
                    stop = (LocatableEvent) event;
                    reason = "step";
                }
            } else if (event instanceof VMDeathEvent || event instanceof VMDisconnectEvent) {
                gone = true;
            }
        }
        if (gone)
            return true;
        if (stop == null) {
            set.resume();
            return false;
        }
        if (stoppedThread != null) {
            // Already stopped by Pause: the program stays suspended once, not twice.
            set.resume();
        } else if (set.suspendPolicy() != EventRequest.SUSPEND_ALL) {
            vm.suspend();
            set.resume();
        }
        enterStopped(stop.thread(), reason, stop instanceof ExceptionEvent ? (ExceptionEvent) stop : null);
        return false;
    }

    private void enterStopped(ThreadReference thread, String reason, ExceptionEvent exception) {
        stoppedThread = thread;
        lastThread = thread;
        values = new OndrikValues();
        EventRequestManager manager = vm.eventRequestManager();
        manager.deleteEventRequests(manager.stepRequests());
        breakpoints.removeTemporary();

        // The stop is shown in the program's own code: a pause in the middle of reading input,
        // or an exception thrown by the JDK, shows the line of the program that called it.
        List<Object> frames = new ArrayList<>();
        int shownFrame = -1;
        int depth = frameCount(thread);
        try {
            for (StackFrame frame : thread.frames(0, Math.min(depth, MAX_FRAMES))) {
                if (shownFrame < 0 && !isJdkClass(frame.location().declaringType().name()))
                    shownFrame = frames.size();
                frames.add(location(frame.location()));
            }
        } catch (IncompatibleThreadStateException e) {
            // A thread that is not suspended has no frames to show.
        }
        if (shownFrame < 0)
            shownFrame = 0;
        Map<String, Object> event = OndrikChannel.event("stopped", "reason", reason, "thread", thread.name(),
                                                        "location", frames.isEmpty() ? null : frames.get(shownFrame),
                                                        "frame", (long) shownFrame, "frames", frames, "depth", (long) depth);
        if (exception != null) {
            ObjectReference thrown = exception.exception();
            Value message = OndrikValues.field(thrown, "detailMessage");
            Map<String, Object> thrownAs = new LinkedHashMap<>();
            thrownAs.put("type", thrown.referenceType().name());
            if (message instanceof StringReference)
                thrownAs.put("message", ((StringReference) message).value());
            event.put("exception", thrownAs);
        }
        channel.send(event);
        if (!frames.isEmpty())
            sendVariables(shownFrame);
    }

    private static boolean isJdkClass(String name) {
        for (String pattern : JDK_PACKAGES) {
            if (name.startsWith(pattern.substring(0, pattern.length() - 1)))
                return true;
        }
        return false;
    }

    private static Map<String, Object> location(Location location) {
        String file;
        try {
            file = location.sourcePath();
        } catch (AbsentInformationException e) {
            file = "";
        }
        Map<String, Object> where = new LinkedHashMap<>();
        where.put("file", file);
        where.put("class", location.declaringType().name());
        where.put("method", location.method().name());
        where.put("line", (long) location.lineNumber());
        return where;
    }

    private void sendVariables(int frameIndex) {
        List<Map<String, Object>> rows = new ArrayList<>();
        Boolean localsAvailable = Boolean.TRUE;
        try {
            StackFrame frame = stoppedThread.frame(frameIndex);
            ObjectReference self = frame.thisObject();
            if (self != null)
                rows.add(values.variable("this", self.referenceType().name(), self));
            if (frame.location().method().isNative()) {
                localsAvailable = Boolean.FALSE;
            } else try {
                List<LocalVariable> locals = frame.visibleVariables();
                Map<LocalVariable, Value> current = frame.getValues(locals);
                for (LocalVariable local : locals)
                    rows.add(values.variable(local.name(), local.typeName(), current.get(local)));
            } catch (AbsentInformationException e) {
                localsAvailable = Boolean.FALSE;
                addArguments(frame, rows);
            }
        } catch (IncompatibleThreadStateException e) {
            localsAvailable = Boolean.FALSE;
        }
        channel.send(OndrikChannel.event("variables", "frame", (long) frameIndex, "variables", rows,
                                         "localsAvailable", localsAvailable));
    }

    // Compiled without -g: the arguments are there, their names are not.
    private void addArguments(StackFrame frame, List<Map<String, Object>> rows) {
        List<Value> arguments;
        try {
            arguments = frame.getArgumentValues();
        } catch (RuntimeException e) {
            // Newer JDKs refuse this for some frames; the frame then shows no arguments.
            return;
        }
        for (int i = 0; i < arguments.size(); ++i) {
            Value argument = arguments.get(i);
            rows.add(values.variable("arg" + i, argument == null ? "null" : argument.type().name(), argument));
        }
    }

    private void finish() {
        synchronized (this) {
            ended = true;
            stoppedThread = null;
        }
        int code = io.waitForEnd();
        channel.send(OndrikChannel.event("exited", "code", (long) code));
        System.exit(0);
    }
}
