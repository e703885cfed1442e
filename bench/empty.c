/* The yardstick for the game's start-up: a C program that does nothing. */
int main(void) { return 0; }
