#include "device/OpenProblems.h"

#include <cstdio>

#include "device/ServedModel.h"

namespace veltrax {
namespace {

std::string Hex4(unsigned value, bool upper) {
  char text[8];
  std::snprintf(text, sizeof text, upper ? "%04X" : "%04x", value);
  return text;
}

std::string PathsOf(const std::vector<OpenProblem>& problems, OpenProblem::Kind kind) {
  std::string paths;
  for (const OpenProblem& p : problems) {
    if (p.kind == kind) paths += (paths.empty() ? "" : ", ") + p.path;
  }
  return paths;
}

}  // namespace

std::string UdevRule() {
  return "KERNEL==\"hidraw*\", ATTRS{idVendor}==\"" + Hex4(kServedVendorId, false) + "\", ATTRS{idProduct}==\"" +
         Hex4(kServedProductId, false) + "\", TAG+=\"uaccess\"";
}

std::string UdevRuleInstallCommand() {
  return "echo '" + UdevRule() +
         "' | sudo tee /etc/udev/rules.d/70-veltrax.rules && sudo udevadm control --reload-rules && "
         "sudo udevadm trigger";
}

std::string NoMouseFoundText() {
  return "No VELTRAX mouse found (USB id " + Hex4(kServedVendorId, false) + ":" + Hex4(kServedProductId, false) + ").";
}

std::string DescribeOpenProblems(const std::vector<OpenProblem>& problems) {
  std::string text;
  auto paragraph = [&text](const std::string& more) { text += (text.empty() ? "" : "\n\n") + more; };
  if (const std::string denied = PathsOf(problems, OpenProblem::Kind::NoPermission); !denied.empty()) {
    paragraph("The VELTRAX mouse is plugged in, but this user may not open it (" + denied +
              ": permission denied). Install the udev rule that gives you access:\n  " + UdevRuleInstallCommand());
  }
  for (const OpenProblem& p : problems) {
    if (p.kind == OpenProblem::Kind::CannotOpen) {
      paragraph("The VELTRAX mouse at " + p.path + " cannot be opened: " + p.reason +
                ". Another program may be holding it; close it and plug the mouse in again.");
    } else if (p.kind == OpenProblem::Kind::OtherRelease) {
      paragraph("A VELTRAX mouse of release 0x" + Hex4(p.release, true) + " was found at " + p.path +
                "; this program serves release 0x" + Hex4(kRequiredRelease, true) + " only.");
    }
  }
  return text;
}

}  // namespace veltrax
