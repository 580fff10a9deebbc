// A program whose embedded manifest names the other architecture, as the x86
// manifest once stood in the x86-64 program. The manifest check must refuse
// it; the test script proves that it does.
int main() { return 0; }
