#include "tools/common/ToolMain.h"
#include "tools/qxskin/QxSkinCommand.h"

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) { return qw::RunToolMain(argc, argv, &qw::RunQxSkin); }
#else
int main(int argc, char** argv) { return qw::RunToolMain(argc, argv, &qw::RunQxSkin); }
#endif
