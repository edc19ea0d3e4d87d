// The Windows program. It takes no arguments and reads no command line.
#include <windows.h>

#include "app/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return morvella::run_program(); }
