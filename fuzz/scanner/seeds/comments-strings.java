class A {
    /* } { */
    // } {
    String s = "{ // /*";
    char c = '}';
    void f() {
    }
}
}
class B {
