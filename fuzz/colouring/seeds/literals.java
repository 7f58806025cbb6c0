char a = '"', b = '\\', c = '\'', d = '{';
String t = """
    "quoted" // not a comment /* nor this
    \"""
    """; int after = 1;
char open = 'x
String e = """ never closed
