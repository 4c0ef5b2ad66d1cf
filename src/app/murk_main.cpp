// murk: the game on the SDL2 backend.
int main() { return 0; }
