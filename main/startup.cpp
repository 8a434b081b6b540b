int WinMain() { return 0; }
