#pragma once
// Which page is chosen (the page states rb_1 .. rb_7) and whether a page
// button may change it, without any widget.

namespace veltrax::gui {

enum class Page { ModeA, ModeB, Advanced, Light, Macro, Engineer };

// Container index of a page: Mode A and Mode B share page 1, the engineer
// page is page 6.
int ContainerOf(Page page);

enum class [[nodiscard]] NavigationOutcome {
  FindingDevice,  // no mouse open: show "Finding the device", stay
  Ignored,        // no-device state: the click does nothing
  Switched,
};

class Navigation {
 public:
  Page CurrentPage() const { return current_; }

  // A page button was clicked; on Switched the page is the current one.
  // noDevice is the no-device state, in which navigation is locked.
  NavigationOutcome Request(Page page, bool deviceOpen, bool noDevice);
  // Back to Mode A, the page the no-device state and a fresh read show.
  void Reset() { current_ = Page::ModeA; }

 private:
  Page current_ = Page::ModeA;
};

}  // namespace veltrax::gui
