public class Foo
{
	public static void main(String args[])
	{
		System.out.println("Foo ran with " + String.join("|", args));
	}
}
