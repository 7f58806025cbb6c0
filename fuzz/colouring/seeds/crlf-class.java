public class A {
    /* size */ int n = 2int; // int2
    String s = "a \"b\" \\";
}
