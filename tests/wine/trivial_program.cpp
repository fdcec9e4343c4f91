// The least a Windows program can be: it starts and ends. Its start-up time under Wine is the
// yardstick for the saver's own.
int main() { return 0; }
