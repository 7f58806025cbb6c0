public class A {
	public A() {
	}
	class In {
		void run(int x) {
		}
	}
}
