import com.sun.jdi.ArrayReference;
import com.sun.jdi.ArrayType;
import com.sun.jdi.BooleanValue;
import com.sun.jdi.ByteValue;
import com.sun.jdi.CharValue;
import com.sun.jdi.ClassObjectReference;
import com.sun.jdi.ClassType;
import com.sun.jdi.DoubleValue;
import com.sun.jdi.Field;
import com.sun.jdi.FloatValue;
import com.sun.jdi.IntegerValue;
import com.sun.jdi.LongValue;
import com.sun.jdi.ObjectReference;
import com.sun.jdi.PrimitiveValue;
import com.sun.jdi.ReferenceType;
import com.sun.jdi.ShortValue;
import com.sun.jdi.StringReference;
import com.sun.jdi.Value;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;

/**
 * Values as the Debug bar shows them, read from the stopped program without running any of its
 * code: primitives as written in Java, strings quoted, objects as their type and id (with the
 * value of a box or an enum, the size of a collection). An object shown gets a reference number
 * (its id) that expands it into its fields, its array elements or the first entries of a
 * collection of the JDK's own. The references hold while the program stays stopped.
 */
final class OndrikValues {
    static final int MAX_CHILDREN = 100;
    private static final int MAX_STRING = 1000;
    private static final int MAX_NESTING = 8;
    private static final Set<String> BOXES = Set.of("java.lang.Integer", "java.lang.Long", "java.lang.Short",
                                                    "java.lang.Byte", "java.lang.Character", "java.lang.Boolean",
                                                    "java.lang.Float", "java.lang.Double");

    private final Map<Long, ObjectReference> objects = new HashMap<>();

    /** One row: name, declared type, the value as text and, when it expands, its reference. */
    Map<String, Object> variable(String name, String type, Value value) {
        Map<String, Object> row = new LinkedHashMap<>();
        row.put("name", name);
        row.put("type", type);
        row.put("value", render(value));
        if (expands(value)) {
            ObjectReference object = (ObjectReference) value;
            objects.put(object.uniqueID(), object);
            row.put("ref", object.uniqueID());
        }
        return row;
    }

    ObjectReference object(long ref) {
        return objects.get(ref);
    }

    private static boolean expands(Value value) {
        if (value instanceof ArrayReference)
            return ((ArrayReference) value).length() > 0;
        if (!(value instanceof ObjectReference) || value instanceof StringReference)
            return false;
        ReferenceType type = ((ObjectReference) value).referenceType();
        return collectionKind(type) != null || type.allFields().stream().anyMatch(f -> !f.isStatic());
    }

    String render(Value value) {
        if (value == null)
            return "null";
        if (value instanceof PrimitiveValue)
            return primitive((PrimitiveValue) value);
        if (value instanceof StringReference)
            return quote(((StringReference) value).value(), '"');
        ObjectReference object = (ObjectReference) value;
        String id = " (id=" + object.uniqueID() + ")";
        if (object instanceof ArrayReference) {
            String name = object.referenceType().name();
            int brackets = name.indexOf("[]");
            return name.substring(0, brackets) + "[" + ((ArrayReference) object).length() + "]"
                   + name.substring(brackets + 2) + id;
        }
        String typeName = object.referenceType().name();
        String detail = "";
        if (BOXES.contains(typeName)) {
            detail = " " + render(field(object, "value"));
        } else if (object instanceof ClassObjectReference) {
            detail = " " + ((ClassObjectReference) object).reflectedType().name();
        } else if (isEnum(object.referenceType())) {
            Value name = field(object, "name");
            if (name instanceof StringReference)
                detail = " " + ((StringReference) name).value();
        } else {
            int size = collectionSize(object);
            if (size >= 0)
                detail = " size=" + size;
        }
        return typeName + id + detail;
    }

    private static String primitive(PrimitiveValue value) {
        if (value instanceof CharValue)
            return quote(String.valueOf(((CharValue) value).value()), '\'');
        if (value instanceof BooleanValue)
            return String.valueOf(((BooleanValue) value).value());
        if (value instanceof IntegerValue)
            return String.valueOf(((IntegerValue) value).value());
        if (value instanceof LongValue)
            return ((LongValue) value).value() + "L";
        if (value instanceof FloatValue)
            return ((FloatValue) value).value() + "f";
        if (value instanceof DoubleValue)
            return String.valueOf(((DoubleValue) value).value());
        if (value instanceof ShortValue)
            return String.valueOf(((ShortValue) value).value());
        if (value instanceof ByteValue)
            return String.valueOf(((ByteValue) value).value());
        return value.toString();
    }

    /** As a Java literal: escapes for quotes, backslashes, control characters and lone surrogates. */
    static String quote(String text, char quote) {
        StringBuilder out = new StringBuilder().append(quote);
        int shown = Math.min(text.length(), MAX_STRING);
        for (int i = 0; i < shown; ++i) {
            char c = text.charAt(i);
            if (c == quote || c == '\\') {
                out.append('\\').append(c);
            } else if (c == '\n') {
                out.append("\\n");
            } else if (c == '\r') {
                out.append("\\r");
            } else if (c == '\t') {
                out.append("\\t");
            } else if (c < 0x20 || c == 0x7f || (Character.isSurrogate(c) && !pairedAt(text, i))) {
                out.append(String.format("\\u%04x", (int) c));
            } else {
                out.append(c);
            }
        }
        out.append(quote);
        if (shown < text.length())
            out.append("... (").append(text.length()).append(" characters)");
        return out.toString();
    }

    private static boolean pairedAt(String text, int i) {
        char c = text.charAt(i);
        if (Character.isHighSurrogate(c))
            return i + 1 < text.length() && Character.isLowSurrogate(text.charAt(i + 1));
        return i > 0 && Character.isHighSurrogate(text.charAt(i - 1));
    }

    /** The rows an object expands into, at most MAX_CHILDREN; more[0] gets how many were left out. */
    List<Map<String, Object>> children(ObjectReference object, int[] more) {
        List<Map<String, Object>> rows = new ArrayList<>();
        if (object instanceof ArrayReference) {
            ArrayReference array = (ArrayReference) object;
            int shown = Math.min(array.length(), MAX_CHILDREN);
            String type = ((ArrayType) array.referenceType()).componentTypeName();
            List<Value> values = shown > 0 ? array.getValues(0, shown) : List.of();
            for (int i = 0; i < shown; ++i)
                rows.add(variable("[" + i + "]", type, values.get(i)));
            more[0] = array.length() - shown;
            return rows;
        }
        List<Value[]> entries = new ArrayList<>();
        int total = entries(object, entries, MAX_CHILDREN, 0);
        if (total >= 0) {
            for (Value[] entry : entries) {
                if (entry.length == 1)
                    rows.add(variable("[" + rows.size() + "]", typeOf(entry[0]), entry[0]));
                else
                    rows.add(variable("[" + render(entry[0]) + "]", typeOf(entry[1]), entry[1]));
            }
            more[0] = Math.max(0, total - rows.size());
            return rows;
        }
        List<Field> fields = new ArrayList<>();
        for (Field field : object.referenceType().allFields()) {
            if (!field.isStatic())
                fields.add(field);
        }
        Map<Field, Value> values = object.getValues(fields);
        for (Field field : fields)
            rows.add(variable(field.name(), field.typeName(), values.get(field)));
        more[0] = 0;
        return rows;
    }

    private static String typeOf(Value value) {
        return value == null ? "null" : value.type().name();
    }

    // The collections of the JDK whose entries can be read from their fields, by the class the
    // object is or extends; null for any other.
    private static String collectionKind(ReferenceType type) {
        for (ReferenceType t = type; t instanceof ClassType; t = ((ClassType) t).superclass()) {
            String name = t.name();
            switch (name) {
            case "java.util.ArrayList": case "java.util.Vector": case "java.util.Arrays$ArrayList":
            case "java.util.ImmutableCollections$ListN": case "java.util.ImmutableCollections$List12":
            case "java.util.ImmutableCollections$SetN": case "java.util.ImmutableCollections$Set12":
            case "java.util.ImmutableCollections$MapN": case "java.util.ImmutableCollections$Map1":
            case "java.util.LinkedList": case "java.util.ArrayDeque": case "java.util.PriorityQueue":
            case "java.util.LinkedHashMap": case "java.util.HashMap": case "java.util.TreeMap":
            case "java.util.concurrent.ConcurrentHashMap": case "java.util.HashSet": case "java.util.TreeSet":
            case "java.util.Collections$UnmodifiableCollection": case "java.util.Collections$UnmodifiableMap":
            case "java.util.Collections$SynchronizedCollection": case "java.util.Collections$SynchronizedMap":
                return name;
            default:
                break;
            }
        }
        return null;
    }

    private int collectionSize(ObjectReference object) {
        return entries(object, new ArrayList<>(), 0, 0);
    }

    /**
     * Adds up to limit entries of a known collection (one value for a list or set, a key and a
     * value for a map) and gives the collection's size; -1 when it is no known collection. With
     * a limit of 0 only the size is read, from the collection's own count where it keeps one.
     */
    private int entries(ObjectReference object, List<Value[]> out, int limit, int nesting) {
        String kind = collectionKind(object.referenceType());
        if (kind == null || nesting > MAX_NESTING)
            return -1;
        switch (kind) {
        case "java.util.ArrayList":
            return arrayEntries(field(object, "elementData"), intField(object, "size"), out, limit);
        case "java.util.Vector":
            return arrayEntries(field(object, "elementData"), intField(object, "elementCount"), out, limit);
        case "java.util.Arrays$ArrayList":
            return arrayEntries(field(object, "a"), Integer.MAX_VALUE, out, limit);
        case "java.util.ImmutableCollections$ListN":
            return arrayEntries(field(object, "elements"), Integer.MAX_VALUE, out, limit);
        case "java.util.PriorityQueue":
            return arrayEntries(field(object, "queue"), intField(object, "size"), out, limit);
        case "java.util.ImmutableCollections$List12":
        case "java.util.ImmutableCollections$Set12": {
            Value second = field(object, "e1");
            boolean two = second != null && !isEmptySentinel(second);
            if (limit > 0)
                out.add(new Value[] {field(object, "e0")});
            if (two && limit > 1)
                out.add(new Value[] {second});
            return two ? 2 : 1;
        }
        case "java.util.ImmutableCollections$SetN":
            return limit == 0 ? intField(object, "size") : sparseEntries(field(object, "elements"), 1, out, limit);
        case "java.util.ImmutableCollections$MapN":
            return limit == 0 ? intField(object, "size") : sparseEntries(field(object, "table"), 2, out, limit);
        case "java.util.ImmutableCollections$Map1":
            if (limit > 0)
                out.add(new Value[] {field(object, "k0"), field(object, "v0")});
            return 1;
        case "java.util.LinkedList":
            return linkedEntries(field(object, "first"), "next", new String[] {"item"}, intField(object, "size"), out,
                                 limit);
        case "java.util.LinkedHashMap":
            return linkedEntries(field(object, "head"), "after", new String[] {"key", "value"},
                                 intField(object, "size"), out, limit);
        case "java.util.HashMap":
            return bucketEntries(field(object, "table"), "value", intField(object, "size"), out, limit);
        case "java.util.concurrent.ConcurrentHashMap":
            return bucketEntries(field(object, "table"), "val", concurrentSize(object), out, limit);
        case "java.util.TreeMap":
            return treeEntries(field(object, "root"), intField(object, "size"), out, limit);
        case "java.util.ArrayDeque":
            return dequeEntries(object, out, limit);
        case "java.util.HashSet":
        case "java.util.TreeSet":
            return keysOf(field(object, kind.equals("java.util.HashSet") ? "map" : "m"), out, limit, nesting);
        case "java.util.Collections$UnmodifiableCollection":
        case "java.util.Collections$SynchronizedCollection":
            return delegate(field(object, "c"), out, limit, nesting);
        default:
            return delegate(field(object, "m"), out, limit, nesting);
        }
    }

    private int delegate(Value inner, List<Value[]> out, int limit, int nesting) {
        return inner instanceof ObjectReference ? entries((ObjectReference) inner, out, limit, nesting + 1) : -1;
    }

    private int keysOf(Value map, List<Value[]> out, int limit, int nesting) {
        List<Value[]> pairs = new ArrayList<>();
        int size = delegate(map, pairs, limit, nesting);
        for (Value[] pair : pairs)
            out.add(new Value[] {pair[0]});
        return size;
    }

    private static int arrayEntries(Value array, int size, List<Value[]> out, int limit) {
        if (!(array instanceof ArrayReference))
            return -1;
        ArrayReference elements = (ArrayReference) array;
        int count = Math.min(size, elements.length());
        int shown = Math.min(count, limit);
        if (shown > 0) {
            for (Value value : elements.getValues(0, shown))
                out.add(new Value[] {value});
        }
        return count;
    }

    // Open-addressed tables with empty slots: a set's elements, or a map's keys and values in turn.
    private static int sparseEntries(Value array, int width, List<Value[]> out, int limit) {
        if (!(array instanceof ArrayReference))
            return -1;
        int count = 0;
        List<Value> values = ((ArrayReference) array).getValues();
        for (int i = 0; i + width - 1 < values.size(); i += width) {
            if (values.get(i) == null)
                continue;
            ++count;
            if (out.size() < limit)
                out.add(width == 1 ? new Value[] {values.get(i)} : new Value[] {values.get(i), values.get(i + 1)});
        }
        return count;
    }

    private static int linkedEntries(Value node, String next, String[] parts, int size, List<Value[]> out,
                                     int limit) {
        for (int steps = 0; node instanceof ObjectReference && out.size() < limit && steps < size; ++steps) {
            ObjectReference current = (ObjectReference) node;
            Value[] entry = new Value[parts.length];
            for (int i = 0; i < parts.length; ++i)
                entry[i] = field(current, parts[i]);
            out.add(entry);
            node = field(current, next);
        }
        return size;
    }

    private static int bucketEntries(Value table, String valueField, int size, List<Value[]> out, int limit) {
        if (limit == 0 || !(table instanceof ArrayReference))
            return size;
        for (Value bucket : ((ArrayReference) table).getValues()) {
            for (Value node = bucket; node instanceof ObjectReference; node = field((ObjectReference) node, "next")) {
                if (out.size() >= limit)
                    return size;
                ObjectReference current = (ObjectReference) node;
                // A concurrent map's forwarding and tree-bin nodes carry no entry.
                if (!current.referenceType().name().endsWith("$Node") && !current.referenceType().name().endsWith("$TreeNode"))
                    continue;
                out.add(new Value[] {field(current, "key"), field(current, valueField)});
            }
        }
        return size;
    }

    // A concurrent map counts in a base and in cells added under contention.
    private static int concurrentSize(ObjectReference map) {
        Value base = field(map, "baseCount");
        long sum = base instanceof LongValue ? ((LongValue) base).value() : 0;
        Value cells = field(map, "counterCells");
        if (cells instanceof ArrayReference) {
            for (Value cell : ((ArrayReference) cells).getValues()) {
                if (cell instanceof ObjectReference && field((ObjectReference) cell, "value") instanceof LongValue)
                    sum += ((LongValue) field((ObjectReference) cell, "value")).value();
            }
        }
        return (int) Math.max(0, Math.min(Integer.MAX_VALUE, sum));
    }

    private static int treeEntries(Value root, int size, List<Value[]> out, int limit) {
        List<ObjectReference> path = new ArrayList<>();
        Value node = root;
        while ((node instanceof ObjectReference || !path.isEmpty()) && out.size() < limit) {
            while (node instanceof ObjectReference && path.size() <= size) {
                path.add((ObjectReference) node);
                node = field((ObjectReference) node, "left");
            }
            if (path.isEmpty())
                break;
            ObjectReference current = path.remove(path.size() - 1);
            out.add(new Value[] {field(current, "key"), field(current, "value")});
            node = field(current, "right");
        }
        return size;
    }

    private static int dequeEntries(ObjectReference deque, List<Value[]> out, int limit) {
        Value array = field(deque, "elements");
        if (!(array instanceof ArrayReference))
            return -1;
        ArrayReference elements = (ArrayReference) array;
        int capacity = elements.length();
        int head = intField(deque, "head");
        int tail = intField(deque, "tail");
        if (capacity == 0 || head < 0 || tail < 0 || head >= capacity || tail >= capacity)
            return 0;
        int size = tail >= head ? tail - head : capacity - head + tail;
        for (int i = 0; i < size && out.size() < limit; ++i)
            out.add(new Value[] {elements.getValue((head + i) % capacity)});
        return size;
    }

    private static boolean isEmptySentinel(Value value) {
        if (!(value instanceof ObjectReference) || !value.type().name().equals("java.lang.Object"))
            return false;
        List<ReferenceType> holders = value.virtualMachine().classesByName("java.util.ImmutableCollections");
        for (ReferenceType holder : holders) {
            Field empty = holder.fieldByName("EMPTY");
            if (empty != null && value.equals(holder.getValue(empty)))
                return true;
        }
        return false;
    }

    private static boolean isEnum(ReferenceType type) {
        return type instanceof ClassType && ((ClassType) type).isEnum()
               || type instanceof ClassType && ((ClassType) type).superclass() != null
                  && ((ClassType) type).superclass().isEnum();
    }

    /** A field by name, declared in the object's class or one it extends; null when there is none. */
    static Value field(ObjectReference object, String name) {
        for (ReferenceType t = object.referenceType(); t instanceof ClassType; t = ((ClassType) t).superclass()) {
            for (Field field : t.fields()) {
                if (field.name().equals(name) && !field.isStatic())
                    return object.getValue(field);
            }
        }
        return null;
    }

    private static int intField(ObjectReference object, String name) {
        Value value = field(object, name);
        return value instanceof IntegerValue ? ((IntegerValue) value).value() : 0;
    }
}
