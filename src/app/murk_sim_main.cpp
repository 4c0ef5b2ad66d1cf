// murk-sim: runs the game core on the headless backend from a script.
int main() { return 0; }
