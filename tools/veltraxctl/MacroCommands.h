#pragma once
// veltraxctl macro ...: the PC macro library, macro files, binding a library
// macro to a button of a profile file, and writing a macro area file to the
// mouse. Each command returns the exit status.

#include <functional>
#include <iosfwd>
#include <string>

#include "Session.h"

namespace CLI {
class App;
}

namespace veltrax::ctl {

struct MacroArgs {
  std::string library;  // --library: another library file
  int index = -1;
  std::string name;
  std::string file;
  std::string profile;  // "A" or "B"
  int button = 0;
  int row = -1;         // a row of the macro, from 0, as `macro show` lists them
  std::string kind;     // what `macro insert` puts in: "delay-front", "x-back", ...
  std::string value;    // the value the insert panel's field or the edit dialog would hold
};

// Adds the "macro" command and its subcommands; the chosen one is put
// into command.
void AddMacroCommands(CLI::App& app, std::function<int(Session&)>& command);

int MacroListCommand(const MacroArgs& args, std::ostream& out, std::ostream& err);
int MacroShowCommand(const MacroArgs& args, std::ostream& out, std::ostream& err);
int MacroNewCommand(const MacroArgs& args, std::ostream& out, std::ostream& err);
int MacroRenameCommand(const MacroArgs& args, std::ostream& out, std::ostream& err);
int MacroDeleteCommand(const MacroArgs& args, std::ostream& out, std::ostream& err);
int MacroExportCommand(const MacroArgs& args, std::ostream& out, std::ostream& err);
int MacroExportAllCommand(const MacroArgs& args, std::ostream& out, std::ostream& err);
int MacroImportCommand(const MacroArgs& args, std::ostream& out, std::ostream& err);
int MacroImportAllCommand(const MacroArgs& args, std::ostream& out, std::ostream& err);
int MacroBindCommand(const MacroArgs& args, std::ostream& out, std::ostream& err);
int MacroInsertCommand(const MacroArgs& args, std::ostream& out, std::ostream& err);
int MacroEditCommand(const MacroArgs& args, std::ostream& out, std::ostream& err);
int MacroAreaCommand(Session& session, const MacroArgs& args, std::ostream& out, std::ostream& err);

}  // namespace veltrax::ctl
