/* { */ class B // {
{ String s = "}"; void f(
  int a,
  int b) { } }
