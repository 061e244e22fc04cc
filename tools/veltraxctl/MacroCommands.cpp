#include "MacroCommands.h"
#include "ProfileArguments.h"

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>

#include "base/FileIo.h"
#include "image/FieldConversions.h"
#include "image/ProfileFile.h"
#include "image/SectionChecks.h"
#include "keys/ButtonAssigner.h"
#include "keys/KeyCatalogue.h"
#include "macro/BaseMacroBinding.h"
#include "macro/MacroAreaImport.h"
#include "macro/MacroCodec.h"
#include "macro/MacroEditor.h"
#include "macro/MacroFileKinds.h"
#include "macro/MacroLibraryFile.h"
#include "macro/MacroLibraryStore.h"
#include "macro/MacroValueRules.h"
#include "resources/BuiltInTexts.h"

namespace veltrax::ctl {
namespace {

constexpr int kUsageError = 2;
// Macro files are read up to the largest of the program's file kinds, so
// that a file of another kind given by mistake is still named as such.
constexpr std::size_t kLargestKnownFile = kLibraryFileSize;

int Fail(std::ostream& err, const std::string& message, int status = 1) {
  err << "veltraxctl: " << message << "\n";
  return status;
}

std::filesystem::path OwnDataFolder() { return DefaultMacroFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")); }

// --library, else the library the window uses: the Path option's folder or
// the user's data folder.
std::filesystem::path LibraryFile(const MacroArgs& args) {
  if (!args.library.empty()) return args.library;
  auto options = LoadGlobalOptions();
  const std::string pathOption = options ? options.value().path : std::string();
  return MacroLibraryPath(pathOption, OwnDataFolder());
}

std::optional<MacroLibraryStore> OpenLibrary(const MacroArgs& args, std::ostream& err) {
  auto store = MacroLibraryStore::OpenLocked(LibraryFile(args), OwnDataFolder());
  if (!store) {
    Fail(err, store.error().context);
    return std::nullopt;
  }
  return std::move(store).value();
}

bool ValidIndex(const MacroLibraryStore& store, int index, std::ostream& err) {
  const int count = store.Library().Count();
  if (index >= 0 && index < count) return true;
  err << "veltraxctl: there is no macro " << index << "; the library holds " << count
      << (count == 1 ? " macro" : " macros") << "\n";
  return false;
}

// A library change: reports the refusal or a save failure.
int Finish(const LibraryOutcome& outcome, std::ostream& err, const std::string& refusedWithoutMessage) {
  if (!outcome.message.empty()) return Fail(err, outcome.message);
  if (!outcome.changed) return Fail(err, refusedWithoutMessage);
  return 0;
}

// The bytes of an input file that passed the check of its kind.
std::optional<std::vector<uint8_t>> ReadInput(const std::string& file, Status (*check)(std::span<const uint8_t>),
                                              std::ostream& err) {
  auto bytes = ReadWholeFile(file, kLargestKnownFile);
  if (!bytes) {
    Fail(err, bytes.error().context);
    return std::nullopt;
  }
  if (Status kind = check(bytes.value()); !kind) {
    Fail(err, file + ": " + kind.error().context);
    return std::nullopt;
  }
  return std::move(bytes).value();
}

ButtonCodeTexts CodeTextsOf(const DataBuf& dataBuf) {
  ButtonCodeTexts codes;
  for (KeyProfile profile : {KeyProfile::ModeA, KeyProfile::ModeB}) {
    for (int button = 1; button <= kButtonsPerProfile; ++button) {
      codes[AssignTarget{profile, button}.CodeIndex()] = CodeText(dataBuf.ButtonCode(profile, button));
    }
  }
  return codes;
}

const char* AreaOutcomeText(AreaImportOutcome outcome) {
  switch (outcome) {
    case AreaImportOutcome::NoAnswer: return "the mouse does not answer as a VELTRAX mouse; nothing written";
    case AreaImportOutcome::Rejected: return "the mouse is not a served model; nothing written";
    case AreaImportOutcome::Refused: return "the mouse refused the write; its macros may be incomplete";
    case AreaImportOutcome::Differs: return "the mouse reads back other bytes than were written";
    case AreaImportOutcome::EndRefused:
      return "the mouse did not confirm the end of the transfer; it may not have taken the macros";
    case AreaImportOutcome::Unplugged: return "the mouse was unplugged; its macros may be incomplete";
    case AreaImportOutcome::Written: break;
  }
  return "";
}

struct InsertKind {
  const char* name;
  InsertType type;
  Result<int> (*check)(std::string_view);  // the value's rule; none for a repeat end
  std::string InsertPanel::*field;
};

// The insert panel's types that need no recording.
constexpr InsertKind kInsertKinds[] = {
    {"delay-front", InsertType::DelayFront, DelayValue, &InsertPanel::delay},
    {"delay-back", InsertType::DelayBack, DelayValue, &InsertPanel::delay},
    {"repeat-start", InsertType::RepeatStart, RepeatValue, &InsertPanel::repeat},
    {"repeat-end", InsertType::RepeatEnd, nullptr, nullptr},
    {"x-front", InsertType::XFront, AxisValue, &InsertPanel::x},
    {"x-back", InsertType::XBack, AxisValue, &InsertPanel::x},
    {"y-front", InsertType::YFront, AxisValue, &InsertPanel::y},
    {"y-back", InsertType::YBack, AxisValue, &InsertPanel::y},
};

std::string InsertKindNames() {
  std::string names;
  for (const InsertKind& kind : kInsertKinds) names += (names.empty() ? "" : ", ") + std::string(kind.name);
  return names;
}

std::int64_t NoClock() { return 0; }

// The editor on macro `index` with row `row` selected; nothing when either
// is not there (the reason is printed).
std::unique_ptr<MacroEditor> EditorOnRow(MacroLibraryStore& store, const TextTable& texts, const MacroArgs& args,
                                         std::ostream& err) {
  if (!ValidIndex(store, args.index, err)) return nullptr;
  auto editor = std::make_unique<MacroEditor>(store, texts, NoClock);
  editor->ShowMacro(args.index);
  const int rows = static_cast<int>(editor->Rows().rows.size());
  if (args.row < 0 || args.row >= rows) {
    err << "veltraxctl: macro " << args.index << " has no row " << args.row << "; its rows are "
        << (rows == 0 ? std::string("none") : "0 to " + std::to_string(rows - 1)) << "\n";
    return nullptr;
  }
  editor->SelectRow(args.row);
  return editor;
}

// A changed macro: the row now selected, as `macro show` lists it.
int Changed(const MacroEditor& editor, const EditorOutcome& outcome, std::ostream& out, std::ostream& err) {
  if (!outcome.changed) return Fail(err, outcome.message.empty() ? "nothing changed" : outcome.message);
  if (!outcome.message.empty()) return Fail(err, outcome.message);
  const int row = editor.SelectedRow();
  out << "row " << row << "  " << ShownText(editor.Rows().rows[row]) << "\n";
  return 0;
}

}  // namespace

int MacroListCommand(const MacroArgs& args, std::ostream& out, std::ostream& err) {
  auto store = OpenLibrary(args, err);
  if (!store) return 1;
  const auto names = store->Library().Names();
  for (size_t i = 0; i < names.size(); ++i) out << i << "  " << names[i] << "\n";
  return 0;
}

int MacroShowCommand(const MacroArgs& args, std::ostream& out, std::ostream& err) {
  auto store = OpenLibrary(args, err);
  if (!store) return 1;
  if (!ValidIndex(*store, args.index, err)) return 1;
  const MacroContent& content = store->Library().Record(args.index).content;
  if (ShowsEmpty(content)) return 0;
  for (const std::string& row : DecodeMacroContent(content).rows.rows) out << ShownText(row) << "\n";
  return 0;
}

int MacroNewCommand(const MacroArgs& args, std::ostream& out, std::ostream& err) {
  auto store = OpenLibrary(args, err);
  if (!store) return 1;
  if (args.name.empty()) return Fail(err, "a macro needs a name", kUsageError);
  const LanguageTable texts = LoadLanguageTable(kEnglish);
  const LibraryOutcome outcome = store->ApplyMacroName(PendingName::NewMacro, -1, args.name, texts);
  if (int status = Finish(outcome, err, "the library already holds 100 macros")) return status;
  out << outcome.line << "  " << args.name << "\n";
  return 0;
}

int MacroRenameCommand(const MacroArgs& args, std::ostream& out, std::ostream& err) {
  auto store = OpenLibrary(args, err);
  if (!store) return 1;
  if (!ValidIndex(*store, args.index, err)) return 1;
  if (args.name.empty()) return Fail(err, "a macro needs a name", kUsageError);
  const LanguageTable texts = LoadLanguageTable(kEnglish);
  if (int status = Finish(store->ApplyMacroName(PendingName::Rename, args.index, args.name, texts), err, "not renamed")) return status;
  out << args.index << "  " << args.name << "\n";
  return 0;
}

int MacroDeleteCommand(const MacroArgs& args, std::ostream& out, std::ostream& err) {
  auto store = OpenLibrary(args, err);
  if (!store) return 1;
  if (!ValidIndex(*store, args.index, err)) return 1;
  const std::string name = store->Library().Names()[args.index];
  const LanguageTable texts = LoadLanguageTable(kEnglish);
  if (int status = Finish(store->Delete(args.index, texts), err, "not deleted")) return status;
  out << "deleted " << args.index << "  " << name << "\n";
  return 0;
}

int MacroExportCommand(const MacroArgs& args, std::ostream& out, std::ostream& err) {
  auto store = OpenLibrary(args, err);
  if (!store) return 1;
  if (!ValidIndex(*store, args.index, err)) return 1;
  auto written = store->ExportOne(args.index, args.file);
  if (!written) return Fail(err, written.error().context);
  out << "wrote " << written.value().string() << "\n";
  return 0;
}

int MacroExportAllCommand(const MacroArgs& args, std::ostream& out, std::ostream& err) {
  auto store = OpenLibrary(args, err);
  if (!store) return 1;
  auto written = store->ExportAll(args.file);
  if (!written) return Fail(err, written.error().context);
  out << "wrote " << written.value().string() << "\n";
  return 0;
}

int MacroImportCommand(const MacroArgs& args, std::ostream& out, std::ostream& err) {
  auto store = OpenLibrary(args, err);
  if (!store) return 1;
  auto bytes = ReadInput(args.file, CheckMacroFile, err);
  if (!bytes) return 1;
  const LanguageTable texts = LoadLanguageTable(kEnglish);
  const LibraryOutcome outcome = store->ImportOne(*bytes, texts);
  if (int status = Finish(outcome, err, "the library holds 99 or more macros; Import One takes no more")) {
    return status;
  }
  out << outcome.line << "  " << store->Library().Names()[outcome.line] << "\n";
  return 0;
}

int MacroImportAllCommand(const MacroArgs& args, std::ostream& out, std::ostream& err) {
  auto store = OpenLibrary(args, err);
  if (!store) return 1;
  auto bytes = ReadInput(args.file, CheckLibraryFile, err);
  if (!bytes) return 1;
  if (int status = Finish(store->ImportAll(*bytes), err, "not imported")) return status;
  out << "the library holds " << store->Library().Count() << " macros\n";
  return 0;
}

int MacroBindCommand(const MacroArgs& args, std::ostream& out, std::ostream& err) {
  auto profile = ParseKeyProfile(args.profile);
  if (!profile) return Fail(err, profile.error().context, kUsageError);
  if (args.button < 1 || args.button > kButtonsPerProfile) return Fail(err, "the button is 1 to 9", kUsageError);
  auto store = OpenLibrary(args, err);
  if (!store) return 1;
  if (!ValidIndex(*store, args.index, err)) return 1;
  const LanguageTable texts = LoadLanguageTable(kEnglish);
  auto image = ReadEditableProfile(args.file);
  if (!image) return Fail(err, image.error().context);
  ImageState state;
  state.workingImage = image.value();
  ImageToDataBuf(state);
  BaseMacroTable table = ReadAndRefreshMacro(state.macroBuffer);
  LibraryMacroSlots baseSlots(store->Library(), table, state.macroBuffer);
  ButtonCodeTexts codes = CodeTextsOf(state.dataBuf);
  ButtonAssigner assigner(texts, state.dataBuf, codes);
  const AssignTarget target{profile.value(), args.button, AssignSource::PageLabel};
  auto outcome = assigner.ChooseBaseMacro(target, args.index, baseSlots);
  if (!outcome) return Fail(err, "all seven base macro slots are used by other buttons; nothing changed");
  if (!outcome->accepted) return Fail(err, outcome->message + "; nothing changed");

  StoreChecksum(state.dataBuf.Bytes(kProfileSection));
  DeviceImage& result = image.value();
  CopySectionToImage(state.dataBuf, kProfileSection, result);
  CopyMacroBufferToImage(state.macroBuffer, result);
  if (Status written = WriteFileAtomically(args.file, result); !written) return Fail(err, written.error().context);
  out << (profile.value() == KeyProfile::ModeA ? "Mode A" : "Mode B") << " button " << args.button << ": " << outcome->shownName << " (base macro "
      << (*BaseMacroSlotOf(outcome->code)) << ", " << CodeText(outcome->code) << ")\n";
  return 0;
}

int MacroInsertCommand(const MacroArgs& args, std::ostream& out, std::ostream& err) {
  const InsertKind* kind = nullptr;
  for (const InsertKind& k : kInsertKinds) {
    if (args.kind == k.name) kind = &k;
  }
  if (!kind) return Fail(err, "insert one of " + InsertKindNames() + ", not \"" + args.kind + "\"", kUsageError);
  auto store = OpenLibrary(args, err);
  if (!store) return 1;
  const LanguageTable texts = LoadLanguageTable(kEnglish);
  auto editor = EditorOnRow(*store, texts, args, err);
  if (!editor) return 1;
  if (!editor->OpenInsertPanel(0)) return Fail(err, "nothing to insert beside");
  editor->SetInsertType(kind->type);
  if (kind->check) {
    const std::string value = args.value.empty() && kind->type == InsertType::RepeatStart ? "10" : args.value;
    if (auto valid = kind->check(value); !valid) return Fail(err, valid.error().context, kUsageError);
    editor->Fields().*(kind->field) = value;
  }
  return Changed(*editor, editor->InsertOk(), out, err);
}

int MacroEditCommand(const MacroArgs& args, std::ostream& out, std::ostream& err) {
  auto store = OpenLibrary(args, err);
  if (!store) return 1;
  const LanguageTable texts = LoadLanguageTable(kEnglish);
  auto editor = EditorOnRow(*store, texts, args, err);
  if (!editor) return 1;
  const std::optional<EditRequest> request = editor->BeginEdit();
  if (!request) return Fail(err, "row " + std::to_string(args.row) + " ends a repeated block: it has nothing to edit");
  switch (request->dialog) {
    case EditDialog::Key: {
      auto usage = UsageOfKeyName(args.value);
      if (!usage) {
        return Fail(err, "no key is named \"" + args.value + "\"; name it as `macro show` does, such as A, F4 or Space bar",
                    kUsageError);
      }
      return Changed(*editor, editor->ConfirmKey(*request, args.value, *usage), out, err);
    }
    case EditDialog::Delay:
      if (auto valid = DelayValue(args.value); !valid) return Fail(err, valid.error().context, kUsageError);
      return Changed(*editor, editor->ConfirmDelay(*request, args.value), out, err);
    case EditDialog::Value: {
      auto valid = request->type == RowType::kRepeatStart ? RepeatValue(args.value) : AxisValue(args.value);
      if (!valid) return Fail(err, valid.error().context, kUsageError);
      return Changed(*editor, editor->ConfirmValue(*request, args.value), out, err);
    }
  }
  return 1;
}

int MacroAreaCommand(Session& session, const MacroArgs& args, std::ostream& out, std::ostream& err) {
  auto bytes = ReadInput(args.file, CheckMacroAreaFile, err);
  if (!bytes) return 1;
  auto area = MacroAreaOfFile(*bytes);
  if (!area) return Fail(err, args.file + ": " + area.error().context);
  if (!session.OpenMouse(err)) return 1;
  const auto areaBytes = std::span<const uint8_t, kMacroAreaBytes>(area.value().data(), kMacroAreaBytes);
  const AreaImportOutcome outcome = WriteMacroArea(session.Link(), areaBytes);
  if (outcome != AreaImportOutcome::Written) return Fail(err, AreaOutcomeText(outcome));
  const BaseMacroTable table = ReadAndRefreshMacro(areaBytes);
  for (int k = 1; k <= kBaseMacroSlots; ++k) {
    out << "slot " << k << "  " << (table.names[k - 1].empty() ? "(empty)" : table.names[k - 1]) << "\n";
  }
  out << "wrote " << kMacroAreaBytes << " bytes of macros to the mouse\n";
  return 0;
}

void AddMacroCommands(CLI::App& app, std::function<int(Session&)>& command) {
  auto args = std::make_shared<MacroArgs>();
  CLI::App* macro = app.add_subcommand("macro", "The PC macro library, macro files and the mouse's base macros");
  macro->require_subcommand(1);
  macro->add_option("--library", args->library, "Use this library file instead of the user's VELTRAX-Macro.bin")
      ->type_name("FILE");

  using Plain = int (*)(const MacroArgs&, std::ostream&, std::ostream&);
  auto plain = [&command, args](CLI::App* sub, Plain run) {
    sub->callback([&command, args, run] {
      command = [args, run](Session&) { return run(*args, std::cout, std::cerr); };
    });
  };
  auto index = [args](CLI::App* sub) { sub->add_option("INDEX", args->index, "Line of the library, from 0")->required(); };
  auto file = [args](CLI::App* sub, const char* what) { sub->add_option("FILE", args->file, what)->required(); };

  plain(macro->add_subcommand("list", "List the library's macros"), MacroListCommand);
  CLI::App* show = macro->add_subcommand("show", "Show a macro's rows as the macro page lists them");
  index(show);
  plain(show, MacroShowCommand);
  CLI::App* add = macro->add_subcommand("new", "Add an empty macro");
  add->add_option("NAME", args->name, "Up to 16 characters")->required();
  plain(add, MacroNewCommand);
  CLI::App* rename = macro->add_subcommand("rename", "Rename a macro");
  index(rename);
  rename->add_option("NAME", args->name, "Up to 16 characters")->required();
  plain(rename, MacroRenameCommand);
  CLI::App* remove = macro->add_subcommand("delete", "Delete a macro; the later ones move up");
  index(remove);
  plain(remove, MacroDeleteCommand);
  CLI::App* exportOne = macro->add_subcommand("export", "Write one macro to a 256-byte macro file");
  index(exportOne);
  file(exportOne, "The file (.bin is appended unless the name ends in it)");
  plain(exportOne, MacroExportCommand);
  CLI::App* exportAll = macro->add_subcommand("export-all", "Write the whole library to a 25600-byte file");
  file(exportAll, "The file (.bin is appended unless the name ends in it)");
  plain(exportAll, MacroExportAllCommand);
  CLI::App* importOne = macro->add_subcommand("import", "Append the macro of a single-macro file");
  file(importOne, "A 256-byte macro file");
  plain(importOne, MacroImportCommand);
  CLI::App* importAll = macro->add_subcommand("import-all", "Replace the library's records by those of a file");
  file(importAll, "A library file");
  plain(importAll, MacroImportAllCommand);
  CLI::App* bind = macro->add_subcommand("bind", "Bind a library macro to a button of a profile file");
  bind->add_option("PROFILE_FILE", args->file, "The profile file, edited in place")->required();
  bind->add_option("PROFILE", args->profile, "A or B")->required();
  bind->add_option("BUTTON", args->button, "1 to 9")->required();
  index(bind);
  plain(bind, MacroBindCommand);
  CLI::App* insert = macro->add_subcommand("insert", "Put a row before or after a row of a macro, as the insert panel does");
  index(insert);
  insert->add_option("ROW", args->row, "Row of the macro, from 0, as `macro show` lists them")->required();
  insert->add_option("KIND", args->kind, "One of " + InsertKindNames())->required();
  insert->add_option("VALUE", args->value, "Delay in ms (0 to 2040), X or Y (-128 to 127), repeat count (1 to 255, default 10)");
  plain(insert, MacroInsertCommand);
  CLI::App* edit = macro->add_subcommand("edit", "Change one row of a macro, as its edit dialog does");
  index(edit);
  edit->add_option("ROW", args->row, "Row of the macro, from 0, as `macro show` lists them")->required();
  edit->add_option("VALUE", args->value, "A key name, a delay in ms, an X or Y value or a repeat count")->required();
  plain(edit, MacroEditCommand);
  CLI::App* area = macro->add_subcommand("area", "Write a 1792-byte macro area file to the mouse's seven base macros");
  file(area, "The macro area file");
  area->callback([&command, args] {
    command = [args](Session& s) { return MacroAreaCommand(s, *args, std::cout, std::cerr); };
  });
}

}  // namespace veltrax::ctl
