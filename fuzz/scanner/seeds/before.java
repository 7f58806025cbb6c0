void f() { }
class C extends D implements E { int x; }
