#include "tools/qxskin/QxSkinCommand.h"

#include <iterator>
#include <string_view>

#include "base/Utf.h"

namespace qw {

namespace {

// Every subcommand, in the order `qxskin --help` lists them.
constexpr TQxSubcommand kSubcommands[] = {
    {"decode", "IMAGE OUT.pam",
     "decode a PNG, BMP or JPEG picture (chosen by its content) into a PAM file of RGBA pixels",
     RunDecodeCommand},
    {"info", "SKIN", "list a package's or skin folder's members, VERSION, AUTHOR, DESCRIPTION and sections",
     RunSkinInfoCommand},
    {"unpack", "PKG DIR", "write every member of a package into a folder (the inverse of pack)", RunSkinUnpackCommand},
    {"pack", "DIR PKG", "pack a skin folder: Options.dat first, the other files in name order", RunSkinPackCommand},
    {"check", "SKIN", "load a skin with the engine's loader and report every error and warning", RunSkinCheckCommand},
    {"dump", "SKIN", "print the loaded tables (SkinData, gd, ma, pa, ConstData) as JSON", RunSkinDumpCommand},
    {"render",
     "SKIN SECTION STATE WIDTHxHEIGHT OUT.png [--parent COLOR | --parent-image PNG [--at X,Y]] [--disabled] "
     "[--text CAPTION]\n       qxskin render SKIN --sheet OUT.png",
     "paint one section in a state (0-3) as a control of that size, or every section on a contact sheet",
     RunRenderCommand},
};

std::string GeneralUsage() {
  std::string text =
      "usage: qxskin COMMAND [ARGS...]\n"
      "       qxskin COMMAND --help\n"
      "commands:\n";
  for (const TQxSubcommand& c : kSubcommands) {
    text += "  " + std::string(c.Name) + " " + c.Usage + "\n      " + c.Help + "\n";
  }
  text += "exit codes: 0 done, 1 the input could not be read, decoded or written, 2 wrong command line\n";
  return text;
}

std::string CommandUsage(const TQxSubcommand& c) {
  return "usage: qxskin " + std::string(c.Name) + " " + c.Usage + "\n  " + c.Help + "\n";
}

}  // namespace

int TQxContext::Fail(const std::string& text) {
  Err += "qxskin: " + text + "\n";
  return kQxFailed;
}

int TQxContext::UsageError(const std::string& text) {
  Err += "qxskin: " + text + "\n" + (Command ? CommandUsage(*Command) : GeneralUsage());
  return kQxUsage;
}

int RunQxSkin(const std::vector<std::u16string>& args, std::string& out, std::string& err) {
  TQxContext context{out, err};
  if (args.empty()) return context.UsageError("no command given");
  const std::u16string& first = args[0];
  if (first == u"--help" || first == u"-h" || first == u"help") {
    out += GeneralUsage();
    return kQxOk;
  }
  for (const TQxSubcommand& c : kSubcommands) {
    if (first != Utf8ToUtf16(c.Name)) continue;
    context.Command = &c;
    const std::vector<std::u16string> rest(std::next(args.begin()), args.end());
    for (const std::u16string& a : rest) {
      if (a == u"--help" || a == u"-h") {
        out += CommandUsage(c);
        return kQxOk;
      }
    }
    return c.Run(context, rest);
  }
  return context.UsageError("unknown command \"" + Utf16ToUtf8(first) + "\"");
}

}  // namespace qw
