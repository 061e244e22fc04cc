#include "sim/SimFaults.h"

#include <charconv>
#include <string_view>

namespace veltrax {
namespace {

// Decimal, or hexadecimal with 0x; the whole text must be the number.
std::optional<long> Number(std::string_view text, long min, long max) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  long value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < min || value > max) {
    return std::nullopt;
  }
  return value;
}

Error Bad(const std::string& text, const char* expected) {
  return Error{ErrorKind::BadArgument, "--sim-fault=" + text + ": " + expected};
}

}  // namespace

const char* SimFaultHelp() {
  return "  notready:N          every request answers 'not ready' for N polls first\n"
         "  reject:N[@CODE]     the next N requests (of command CODE) are refused\n"
         "  advance-on-refusal  a refused data chunk still moves the mouse's position on\n"
         "  drop:N[@CODE]       the next N requests (of command CODE) are carried out, but their replies are lost\n"
         "  mute                the mouse never answers\n"
         "  stuck:ADDR          the byte at ADDR always reads back wrong\n"
         "  model:BYTE          the status reply carries another model byte\n"
         "  marker:BYTE         the status reply carries another identity marker\n"
         "  nostatus            the status flag of the status reply is clear\n"
         "  identity:V,P        the identity bytes at 54 and 55 are V and P\n"
         "  unplug:N            the mouse is unplugged after N requests\n"
         "  extra-interfaces:N  N other HID interfaces are present\n"
         "  denied              the mouse is there, but this user may not open it\n"
         "  release:N           the mouse reports release N instead of 0x0104\n"
         "  buttons:MASK        the buttons in MASK are held\n";
}

Status ParseSimFault(const std::string& text, SimFaults& faults) {
  const size_t colon = text.find(':');
  const std::string kind = text.substr(0, colon);
  const std::string_view arg = colon == std::string::npos ? std::string_view() : std::string_view(text).substr(colon + 1);
  const bool hasArg = colon != std::string::npos;

  if (kind == "mute" && !hasArg) {
    faults.mute = true;
  } else if (kind == "nostatus" && !hasArg) {
    faults.noStatus = true;
  } else if (kind == "denied" && !hasArg) {
    faults.denied = true;
  } else if (kind == "release") {
    auto r = Number(arg, 0, 0xFFFF);
    if (!r) return Bad(text, "expected release:N with N 0..0xFFFF");
    faults.release = static_cast<uint16_t>(*r);
  } else if (kind == "notready") {
    auto n = Number(arg, 0, 1000);
    if (!n) return Bad(text, "expected notready:N");
    faults.notReadyPolls = static_cast<int>(*n);
  } else if (kind == "advance-on-refusal" && !hasArg) {
    faults.advanceOnRefusal = true;
  } else if (kind == "reject" || kind == "drop") {
    const size_t at = arg.find('@');
    auto n = Number(arg.substr(0, at), 0, 1000000);
    std::optional<long> code;
    if (at != std::string_view::npos) code = Number(arg.substr(at + 1), 1, 8);
    if (!n || (at != std::string_view::npos && !code)) {
      return Bad(text, kind == "reject" ? "expected reject:N or reject:N@CODE (CODE 1..8)"
                                        : "expected drop:N or drop:N@CODE (CODE 1..8)");
    }
    (kind == "reject" ? faults.rejectReplies : faults.dropReplies) = static_cast<int>(*n);
    if (code) (kind == "reject" ? faults.rejectCommand : faults.dropCommand) = static_cast<uint8_t>(*code);
  } else if (kind == "stuck") {
    auto a = Number(arg, 0, 2047);
    if (!a) return Bad(text, "expected stuck:ADDR with ADDR 0..2047");
    faults.stuckAddress = static_cast<uint16_t>(*a);
  } else if (kind == "model") {
    auto b = Number(arg, 0, 255);
    if (!b) return Bad(text, "expected model:BYTE with BYTE 0..255");
    faults.modelByte = static_cast<uint8_t>(*b);
  } else if (kind == "marker") {
    auto b = Number(arg, 0, 255);
    if (!b) return Bad(text, "expected marker:BYTE with BYTE 0..255");
    faults.marker = static_cast<uint8_t>(*b);
  } else if (kind == "identity") {
    const size_t comma = arg.find(',');
    auto v = Number(arg.substr(0, comma), 0, 255);
    auto p = comma == std::string_view::npos ? std::nullopt : Number(arg.substr(comma + 1), 0, 255);
    if (!v || !p) return Bad(text, "expected identity:V,P with bytes 0..255");
    faults.identity = std::make_pair(static_cast<uint8_t>(*v), static_cast<uint8_t>(*p));
  } else if (kind == "unplug") {
    auto n = Number(arg, 0, 100000000);
    if (!n) return Bad(text, "expected unplug:N");
    faults.unplugAfter = static_cast<int>(*n);
  } else if (kind == "extra-interfaces") {
    auto n = Number(arg, 0, 256);
    if (!n) return Bad(text, "expected extra-interfaces:N with N 0..256");
    faults.extraInterfaces = static_cast<int>(*n);
  } else if (kind == "buttons") {
    auto m = Number(arg, 0, 0xFFFF);
    if (!m) return Bad(text, "expected buttons:MASK with MASK 0..0xFFFF");
    faults.pressedButtons = static_cast<uint16_t>(*m);
  } else {
    return Bad(text, "unknown fault; see --help");
  }
  return Success();
}

}  // namespace veltrax
