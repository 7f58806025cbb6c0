package org.example.app;

@SuppressWarnings("unchecked")
public sealed interface Shape<T extends Comparable<T>>
    extends Comparable<Shape<T>>
    permits Square {
    record Square(int side,
                  String name) implements Shape<Integer> {
        char open() { return '{'; }
        String help() {
            return """
                { "side": "%d" } // not a comment
                \""" }
                """.formatted(side);
        }
    }
    enum Kind { ROUND, SHARP; int corners() { return this == SHARP ? 4 : 0; } }
    String u = "//"; void afterString() {
    }
    /* it's "}" */ default int area() {
        return 0;
    }
}
