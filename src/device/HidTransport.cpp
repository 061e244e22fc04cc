#include "device/HidTransport.h"

namespace veltrax {

int HidTransport::CountOpenable() {
  int count = 0;
  for (const HidInterfaceInfo& info : Enumerate()) {
    if (Open(info.path).device) ++count;
  }
  return count;
}

}  // namespace veltrax
