#include "Session.h"

#include <cstdio>
#include <iostream>

#include "device/OpenProblems.h"
#include "device/ServedModel.h"
#include "image/DefaultImages.h"

namespace veltrax::ctl {

std::string Hex(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}

Result<std::unique_ptr<Session>> Session::Create(const GlobalOptions& options) {
  // A new simulated mouse leaves the factory with default image 1.
  auto backend = DeviceBackend::Create(options.device, DefaultImage(1));
  if (!backend) return backend.error();
  std::unique_ptr<Session> session(new Session());
  session->backend_ = std::move(backend).value();
  if (options.trace) session->Link().SetTrace([](const std::string& line) { std::cerr << line << "\n"; });
  return session;
}

bool Session::OpenMouse(std::ostream& err) {
  if (Link().OpenDevice(kServedVendorId, kServedProductId, kRequiredRelease)) return true;
  err << "veltraxctl: " << WhyNoMouse(Link()) << "\n";
  return false;
}

std::string WhyNoMouse(const DeviceLink& link) {
  if (link.OpenProblems().empty()) return NoMouseFoundText() + " Plug it in, or try --simulate.";
  return DescribeOpenProblems(link.OpenProblems());
}

}  // namespace veltrax::ctl
