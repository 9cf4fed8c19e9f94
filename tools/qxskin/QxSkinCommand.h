#pragma once
// qxskin: the skin package, description and image tool. The entry points only convert the platform's
// arguments to UTF-16 and write the UTF-8 results; everything else is here, portable and testable.
//
// Each subcommand is one row of the table in QxSkinCommand.cpp: a name, a usage line, one line of help
// and a handler. A handler gets the arguments after its name and reports through the context.
#include <memory>
#include <string>
#include <vector>

#include "skin/render/TextPaint.h"

namespace qw {

// Exit codes of every subcommand.
inline constexpr int kQxOk = 0;
inline constexpr int kQxFailed = 1;  // the input could not be read, decoded or written
inline constexpr int kQxUsage = 2;   // the command line is wrong

struct TQxSubcommand;

struct TQxContext {
  std::string& Out;  // UTF-8 for standard output
  std::string& Err;  // UTF-8 for standard error
  // Appends "qxskin: <text>\n" to Err and returns kQxFailed.
  int Fail(const std::string& text);
  // Appends "qxskin: <text>", the subcommand's usage and a hint to Err and returns kQxUsage.
  int UsageError(const std::string& text);
  const TQxSubcommand* Command = nullptr;  // the running subcommand, for its usage text
};

struct TQxSubcommand {
  const char* Name;
  const char* Usage;  // arguments after the name, e.g. "IMAGE OUT.pam"
  const char* Help;   // one line
  int (*Run)(TQxContext& context, const std::vector<std::u16string>& args);
};

// Runs one command line (without the program name).
int RunQxSkin(const std::vector<std::u16string>& args, std::string& out, std::string& err);

// The handlers, one file each.
int RunDecodeCommand(TQxContext& context, const std::vector<std::u16string>& args);
// Skin packages and folders (QxSkinDataCommands.cpp).
int RunSkinInfoCommand(TQxContext& context, const std::vector<std::u16string>& args);
int RunSkinUnpackCommand(TQxContext& context, const std::vector<std::u16string>& args);
int RunSkinPackCommand(TQxContext& context, const std::vector<std::u16string>& args);
int RunSkinCheckCommand(TQxContext& context, const std::vector<std::u16string>& args);
int RunSkinDumpCommand(TQxContext& context, const std::vector<std::u16string>& args);
// Painting a section or a contact sheet (QxRenderCommand.cpp).
int RunRenderCommand(TQxContext& context, const std::vector<std::u16string>& args);
// The caption renderer of this build (GDI on Windows); null where there is none.
std::unique_ptr<TTextRenderer> MakeQxTextRenderer();

}  // namespace qw
