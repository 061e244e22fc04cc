#include "gui/Navigation.h"

namespace veltrax::gui {

int ContainerOf(Page page) {
  switch (page) {
    case Page::ModeA:
    case Page::ModeB: return 1;
    case Page::Advanced: return 2;
    case Page::Light: return 3;
    case Page::Macro: return 4;
    case Page::Engineer: return 6;
  }
  return 1;
}

NavigationOutcome Navigation::Request(Page page, bool deviceOpen, bool noDevice) {
  if (!deviceOpen) return NavigationOutcome::FindingDevice;
  if (noDevice) return NavigationOutcome::Ignored;
  current_ = page;
  return NavigationOutcome::Switched;
}

}  // namespace veltrax::gui
