public class Shape extends Object implements Cloneable {
    public static void main(String[] args) throws Exception {
        if (args.length > 0) {
        }
    }
    class Node {
        Node(int v) {
        }
    }
    static {
    }
    Runnable r = new Runnable() {
        public void run() {
        }
    };
}
