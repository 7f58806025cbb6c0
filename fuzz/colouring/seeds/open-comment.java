class B {
  /* never closed
  int while;
