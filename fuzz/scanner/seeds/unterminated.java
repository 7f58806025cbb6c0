/* never closed
interface Subclass extends Base {
    void g(int a,		   int b) {
