import com.sun.jdi.AbsentInformationException;
import com.sun.jdi.Location;
import com.sun.jdi.Method;
import com.sun.jdi.ReferenceType;
import com.sun.jdi.VirtualMachine;
import com.sun.jdi.request.BreakpointRequest;
import com.sun.jdi.request.ClassPrepareRequest;
import com.sun.jdi.request.EventRequest;
import com.sun.jdi.request.EventRequestManager;

import java.util.ArrayList;
import java.util.HashSet;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;

/**
 * Breakpoints by source file (relative to the source root, as "app/util/Helper.java") and line.
 * A class is found for them only once it is loaded: every file with a breakpoint has a class
 * prepare request for the classes compiled from it, which holds the loading thread until the
 * breakpoints are set, so none is resolved too late. Breakpoints set while the program runs
 * are also resolved at once against the classes already loaded.
 */
final class OndrikBreakpoints {
    static final String PROPERTY = "ondrik.breakpoint";

    static final class Breakpoint {
        final String file;
        final int line;
        final boolean temporary;
        final List<BreakpointRequest> requests = new ArrayList<>();
        final Set<ReferenceType> resolvedIn = new HashSet<>();

        Breakpoint(String file, int line, boolean temporary) {
            this.file = file;
            this.line = line;
            this.temporary = temporary;
        }
    }

    private final Map<String, List<Breakpoint>> byFile = new LinkedHashMap<>();
    private final Set<String> watchedFiles = new HashSet<>();
    private VirtualMachine vm;

    /** The program's JVM has started, suspended: the breakpoints set so far start waiting for their classes. */
    void attach(VirtualMachine machine) {
        vm = machine;
        for (String file : byFile.keySet())
            watch(file);
    }

    /** The new breakpoint when it was resolved at once, else null. */
    Breakpoint add(String file, int line, boolean temporary) {
        List<Breakpoint> list = byFile.computeIfAbsent(file, f -> new ArrayList<>());
        for (Breakpoint existing : list) {
            if (existing.line == line && existing.temporary == temporary)
                return null;
        }
        Breakpoint breakpoint = new Breakpoint(file, line, temporary);
        list.add(breakpoint);
        if (vm == null)
            return null;
        watch(file);
        for (ReferenceType type : loadedClassesOf(file))
            resolve(breakpoint, type);
        return breakpoint.requests.isEmpty() ? null : breakpoint;
    }

    /** False when there was no such breakpoint. */
    boolean remove(String file, int line) {
        List<Breakpoint> list = byFile.get(file);
        if (list == null)
            return false;
        for (Breakpoint breakpoint : list) {
            if (breakpoint.line == line && !breakpoint.temporary) {
                deleteRequests(breakpoint);
                list.remove(breakpoint);
                return true;
            }
        }
        return false;
    }

    void removeTemporary() {
        for (List<Breakpoint> list : byFile.values()) {
            list.removeIf(breakpoint -> {
                if (breakpoint.temporary)
                    deleteRequests(breakpoint);
                return breakpoint.temporary;
            });
        }
    }

    /** A class has loaded: the breakpoints of its file that it resolves. */
    List<Breakpoint> classPrepared(ReferenceType type) {
        List<Breakpoint> resolved = new ArrayList<>();
        for (Map.Entry<String, List<Breakpoint>> entry : byFile.entrySet()) {
            if (!comesFrom(type, entry.getKey()))
                continue;
            for (Breakpoint breakpoint : entry.getValue()) {
                boolean wasResolved = !breakpoint.requests.isEmpty();
                resolve(breakpoint, type);
                if (!wasResolved && !breakpoint.requests.isEmpty())
                    resolved.add(breakpoint);
            }
        }
        return resolved;
    }

    private void watch(String file) {
        if (!watchedFiles.add(file))
            return;
        ClassPrepareRequest request = vm.eventRequestManager().createClassPrepareRequest();
        if (vm.canUseSourceNameFilters()) {
            request.addSourceNameFilter(nameOf(file));
        } else {
            String folder = folderOf(file);
            if (!folder.isEmpty())
                request.addClassFilter(folder.replace('/', '.') + ".*");
        }
        // Only the loading thread waits while the breakpoints go in.
        request.setSuspendPolicy(EventRequest.SUSPEND_EVENT_THREAD);
        request.enable();
    }

    private List<ReferenceType> loadedClassesOf(String file) {
        // A class's source path is its package's folder and its source file's name, so only
        // the classes of that package need a closer look.
        String folder = folderOf(file);
        String prefix = folder.isEmpty() ? "" : folder.replace('/', '.') + ".";
        List<ReferenceType> found = new ArrayList<>();
        for (ReferenceType type : vm.allClasses()) {
            String name = type.name();
            boolean inPackage = prefix.isEmpty() ? name.indexOf('.') < 0 : name.startsWith(prefix)
                                                     && name.indexOf('.', prefix.length()) < 0;
            if (inPackage && type.isPrepared() && comesFrom(type, file))
                found.add(type);
        }
        return found;
    }

    private static boolean comesFrom(ReferenceType type, String file) {
        try {
            return type.sourcePaths(null).contains(file);
        } catch (AbsentInformationException e) {
            return false;
        }
    }

    private void resolve(Breakpoint breakpoint, ReferenceType type) {
        if (!breakpoint.resolvedIn.add(type))
            return;
        List<Location> locations;
        try {
            locations = type.locationsOfLine(breakpoint.line);
        } catch (AbsentInformationException e) {
            return;
        }
        // One stop a method: a line's first piece of code, not every jump back into it.
        Map<Method, Location> first = new LinkedHashMap<>();
        for (Location location : locations) {
            Location known = first.get(location.method());
            if (known == null || location.codeIndex() < known.codeIndex())
                first.put(location.method(), location);
        }
        EventRequestManager manager = vm.eventRequestManager();
        for (Location location : first.values()) {
            BreakpointRequest request = manager.createBreakpointRequest(location);
            request.putProperty(PROPERTY, breakpoint);
            request.setSuspendPolicy(EventRequest.SUSPEND_ALL);
            request.enable();
            breakpoint.requests.add(request);
        }
    }

    private void deleteRequests(Breakpoint breakpoint) {
        if (vm != null && !breakpoint.requests.isEmpty())
            vm.eventRequestManager().deleteEventRequests(breakpoint.requests);
        breakpoint.requests.clear();
    }

    static String nameOf(String file) {
        return file.substring(file.lastIndexOf('/') + 1);
    }

    static String folderOf(String file) {
        int slash = file.lastIndexOf('/');
        return slash < 0 ? "" : file.substring(0, slash);
    }
}
