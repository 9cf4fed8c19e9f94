#include "tools/common/ToolMain.h"
#include "tools/qwillet-pass/PassCommand.h"

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) { return qw::RunToolMain(argc, argv, &qw::RunPassCommand); }
#else
int main(int argc, char** argv) { return qw::RunToolMain(argc, argv, &qw::RunPassCommand); }
#endif
