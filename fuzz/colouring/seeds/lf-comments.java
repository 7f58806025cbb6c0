//
int x; /*/ odd */
/* open
 * still */ char q = '"';
