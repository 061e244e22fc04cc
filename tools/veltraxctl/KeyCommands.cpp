#include "KeyCommands.h"
#include "ProfileArguments.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>
#include <vector>

#include "base/FileIo.h"
#include "image/FieldConversions.h"
#include "image/SectionChecks.h"
#include "keys/ButtonAssigner.h"
#include "keys/FunctionMenus.h"
#include "keys/ComboKeyDialogState.h"
#include "macro/BaseMacroTable.h"
#include "resources/BuiltInTexts.h"

namespace veltrax::ctl {
namespace {

bool SameText(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// A menu entry the user can choose, with the caption of the menu it is in.
struct NamedEntry {
  int entryId;
  std::string menu;  // "WWW Fn"
  std::string name;  // "Back"
};

// The caption of the group entry that opens `panel`.
std::string MenuCaption(MenuPanel panel, const TextTable& texts) {
  for (MenuPanel parent : {MenuPanel::Main, MenuPanel::Special}) {
    for (const MenuEntry& entry : MenuEntries(parent)) {
      if (entry.kind == MenuEntryKind::Group && entry.opens == panel) return texts.Text(entry.nameId);
    }
  }
  return {};
}

std::vector<NamedEntry> ChoosableEntries(const TextTable& texts) {
  std::vector<NamedEntry> entries;
  for (MenuPanel panel : {MenuPanel::MouseKey, MenuPanel::Special, MenuPanel::DpiKey, MenuPanel::Media,
                          MenuPanel::Www, MenuPanel::MyPc}) {
    for (const MenuEntry& entry : MenuEntries(panel)) {
      if (entry.kind == MenuEntryKind::Function && entry.visible) {
        entries.push_back({entry.entryId, MenuCaption(panel, texts), texts.Text(entry.nameId)});
      }
    }
  }
  return entries;
}

// "Right Key", or "WWW Fn/Back" where two menus offer the same name.
Result<int> EntryOfName(std::string_view function, const TextTable& texts) {
  std::vector<NamedEntry> matches;
  for (const NamedEntry& entry : ChoosableEntries(texts)) {
    if (SameText(function, entry.name) || SameText(function, entry.menu + "/" + entry.name)) {
      matches.push_back(entry);
    }
  }
  if (matches.size() == 1) return matches.front().entryId;
  if (matches.empty()) {
    return Error{ErrorKind::BadArgument, "no menu offers the function \"" + std::string(function) +
                                             "\"; give a name that 'veltraxctl functions' lists, "
                                             "combo:Ctrl+Shift+A or code:HHHHHH"};
  }
  std::string choices;
  for (const NamedEntry& entry : matches) choices += (choices.empty() ? "\"" : " or \"") + entry.menu + "/" + entry.name + "\"";
  return Error{ErrorKind::BadArgument, "\"" + std::string(function) + "\" is in more than one menu: say " + choices};
}

// The words that choose entry: its name, or menu/name where another menu
// offers the same name.
std::string ChoosingWords(const NamedEntry& entry, const std::vector<NamedEntry>& all) {
  const auto sameName = [&entry](const NamedEntry& other) { return SameText(other.name, entry.name); };
  return std::count_if(all.begin(), all.end(), sameName) > 1 ? entry.menu + "/" + entry.name : entry.name;
}

std::optional<uint8_t> ModifierBit(std::string_view word) {
  constexpr std::pair<std::string_view, uint8_t> kWords[] = {{"Ctrl", modifier_bit::kCtrl},
                                                             {"Shift", modifier_bit::kShift},
                                                             {"Alt", modifier_bit::kAlt},
                                                             {"Win", modifier_bit::kWin}};
  for (const auto& [name, bit] : kWords) {
    if (SameText(name, word)) return bit;
  }
  return std::nullopt;
}

// "Ctrl+Shift+A": what the User-defined dialog can make, modifier words
// (each once) and at most one ordinary key, last; the text is what the
// dialog would show for it.
Result<ComboResult> ParseCombination(std::string_view text) {
  uint8_t modifiers = 0;
  uint8_t usage = 0;
  for (size_t start = 0; start <= text.size();) {
    const size_t end = std::min(text.find('+', start), text.size());
    const std::string_view word = text.substr(start, end - start);
    start = end + 1;
    const auto bit = ModifierBit(word);
    const bool last = start > text.size();
    if (bit && !(modifiers & *bit) && usage == 0) {
      modifiers = static_cast<uint8_t>(modifiers | *bit);
    } else if (auto key = ComboKeyUsage(word); key && last) {
      usage = *key;
    } else {
      return Error{ErrorKind::BadArgument,
                   "not a key combination the User-defined dialog can make: \"" + std::string(text) +
                       "\"; write the modifiers Ctrl, Shift, Alt and Win, each once, and at most one ordinary "
                       "key (no Shift, Ctrl, Alt or Windows key, nor one without a key code) last, joined by +, "
                       "such as Ctrl+Shift+A or Alt+F4"};
    }
  }
  std::string shown = CombinationName(modifiers, usage);
  if (usage == 0 && !shown.empty()) shown.pop_back();  // boxes alone show without the last plus
  return ComboResult{shown, CodeText({key_type::kCombination, modifiers, usage})};
}

DataBuf ProfileSectionOf(const DeviceImage& image) {
  DataBuf dataBuf;
  auto section = dataBuf.Bytes(kProfileSection);
  std::copy_n(image.begin() + kProfileSection.address, kProfileSection.length, section.begin());
  return dataBuf;
}

ButtonCodeTexts CodeTextsOf(const DataBuf& dataBuf) {
  ButtonCodeTexts texts;
  for (KeyProfile profile : {KeyProfile::ModeA, KeyProfile::ModeB}) {
    for (int button = 1; button <= kButtonsPerProfile; ++button) {
      texts[AssignTarget{profile, button}.CodeIndex()] = CodeText(dataBuf.ButtonCode(profile, button));
    }
  }
  return texts;
}

BaseMacroNames MacroNamesOf(const DeviceImage& image) {
  return BaseMacroNamesOf(MacroAreaBytes(image.data() + kMacroAreaAddress, kMacroAreaBytes));
}

// The AIM key DPI the key pages would show: that of the last AIM key button.
uint8_t CurrentAimDpiIndex(const DataBuf& dataBuf) {
  EngineerControls controls;
  TLRefreshAIMKey(dataBuf, controls);
  return static_cast<uint8_t>(controls.AimDpiIndex);
}

Result<AssignOutcome> Apply(ButtonAssigner& assigner, const AssignTarget& target, const std::string& function,
                            const DataBuf& dataBuf, const DeviceImage& image, const TextTable& texts) {
  if (function.starts_with("code:")) {
    auto code = ParseCodeText(Upper(function.substr(5)));
    if (!code) return Error{ErrorKind::BadArgument, "a code is six hexadecimal digits: \"" + function + "\""};
    return assigner.ChooseCode(target, *code, MacroNamesOf(image));
  }
  if (function.starts_with("combo:")) {
    auto combo = ParseCombination(std::string_view(function).substr(6));
    if (!combo) return combo.error();
    return assigner.ChooseCombination(target, combo.value());
  }
  auto entryId = EntryOfName(function, texts);
  if (!entryId) return entryId.error();
  return assigner.ChooseEntry(target, entryId.value(), CurrentAimDpiIndex(dataBuf));
}

}  // namespace

int FunctionsCommand(int language, std::ostream& out) {
  const LanguageTable texts = LoadLanguageTable(language);
  const std::vector<NamedEntry> entries = ChoosableEntries(texts);
  for (const NamedEntry& entry : entries) out << ChoosingWords(entry, entries) << "\n";
  return 0;
}

int AssignCommand(const AssignRequest& request, std::ostream& out, std::ostream& err) {
  const LanguageTable texts = LoadLanguageTable(request.language);
  auto profile = ParseKeyProfile(request.profile);
  auto target = profile ? PageLabelTarget(request.button, profile.value()) : std::nullopt;
  if (!profile || !target) {
    err << "veltraxctl: " << (profile ? "the button is 1 to 9" : profile.error().context) << "\n";
    return 2;
  }
  auto image = ReadEditableProfile(request.file);
  if (!image) {
    err << "veltraxctl: " << image.error().context << "\n";
    return 1;
  }
  DataBuf dataBuf = ProfileSectionOf(image.value());
  ButtonCodeTexts codeTexts = CodeTextsOf(dataBuf);
  ButtonAssigner assigner(texts, dataBuf, codeTexts);
  auto outcome = Apply(assigner, *target, request.function, dataBuf, image.value(), texts);
  if (!outcome) {
    err << "veltraxctl: " << outcome.error().context << "\n";
    return 2;
  }
  if (!outcome.value().accepted) {
    err << "veltraxctl: " << outcome.value().message << "\n";
    return 1;
  }
  StoreChecksum(dataBuf.Bytes(kProfileSection));
  CopySectionToImage(dataBuf, kProfileSection, image.value());
  if (Status written = WriteFileAtomically(request.file, image.value()); !written) {
    err << "veltraxctl: " << written.error().context << "\n";
    return 1;
  }
  out << (target->profile == KeyProfile::ModeA ? "Mode A" : "Mode B") << " button " << target->button << ": "
      << outcome.value().shownName << " (" << CodeText(outcome.value().code) << ")\n";
  return 0;
}

std::array<std::string, 18> ButtonNames(const DeviceImage& image, int language) {
  const LanguageTable texts = LoadLanguageTable(language);
  return ButtonNamesOf(CodeTextsOf(ProfileSectionOf(image)), texts, MacroNamesOf(image));
}

}  // namespace veltrax::ctl
