// Windows only: the bare floor of a start under Wine: a program without a window that
// imports nothing beyond what every program of this toolchain imports (kernel32, msvcrt)
// and returns 0.
int main() { return 0; }
