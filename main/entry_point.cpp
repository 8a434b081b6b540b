// The varnoth executable.
int WinMain();
int main() { return WinMain(); }
