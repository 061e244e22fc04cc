#pragma once
// What the read, apply, restore and profile flows ask of the program around
// them, on the thread that started the flow (the window's): the pages'
// values before and after, the overlays, messages and file choices. The
// window implements both interfaces; veltraxctl and the tests give small
// stand-ins. Every method has a harmless default.
//
// How a page takes part (the pages hold their values in ImageState: the
// engineer controls, DataBuf, the macro working buffer):
//
//   Before Apply and Confirm write the pages to the mouse, Contribute gets
//   the state the image is about to be built from. A page whose widgets
//   keep something the state does not yet hold puts it in here; the
//   pointer settings page applies its settings to the system here (they
//   stay applied even when the mouse then refuses the write).
//
//   After a flow replaced the state (a read, a profile load, a restore, the
//   defaults for want of a mouse), the engineer controls have been set from
//   DataBuf (DataBufToUI, with the PageViews hooks at their places) and
//   Receive tells what happened, so that each page can show the new state.
//
// Neither is ever called from the device thread.

#include <filesystem>
#include <optional>
#include <string>

#include "image/PageViews.h"

namespace veltrax {

struct ImageState;

enum class PagesChange {
  NoDevice,  // the built-in defaults for want of a mouse: page 1 shown, navigation reset, macro lists cleared
  Identity,  // the identity bytes read from the mouse are in edt_VendorID_Rd and edt_ProductID_Rd
  Read,      // the mouse's image (DeviceReady): page 1 rebuilt, PC macro names and pointer settings read again
  Loaded,    // a profile file's image, about to be written to the mouse
  Restored,  // a default image or the built-in defaults, about to be written to the mouse
};

class FlowPages : public PageViews {
 public:
  // Show or hide the overlays that swallow all input on the pages.
  virtual void SetPagesLocked(bool locked) { (void)locked; }
  // HideAllMenu: close the pages' pop-up assignment menus.
  virtual void HideMenus() {}
  virtual void Contribute(ImageState& state) { (void)state; }
  virtual void Receive(const ImageState& state, PagesChange change) {
    (void)state;
    (void)change;
  }
};

enum class MessageStyle {
  Dialog,     // the main window's modal message dialog with one OK button
  SystemBox,  // a plain system message box, empty title, one OK button
};

// A message for the user: the text id it came from (empty for a text of the
// program's own, such as a file error) and the text in the current language.
struct Message {
  std::string id;
  std::string text;
  MessageStyle style = MessageStyle::Dialog;
};

class FlowDialogs {
 public:
  virtual ~FlowDialogs() = default;
  // Modal: returns when the user closed it.
  virtual void ShowMessage(const Message& message) { (void)message; }
  // File dialogs; nothing when cancelled.
  virtual std::optional<std::filesystem::path> ChooseSaveFile() { return std::nullopt; }
  virtual std::optional<std::filesystem::path> ChooseOpenFile() { return std::nullopt; }
};

}  // namespace veltrax
