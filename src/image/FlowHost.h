#pragma once
// What the read, apply, restore and profile flows ask of the window around
// them. The window implements it; the command-line tool and the tests give
// small stand-ins. Every method has a harmless default.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "device/LinkHost.h"
#include "image/PageViews.h"

namespace veltrax {

struct ImageState;

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

class FlowHost : public LinkHost, public PageViews {
 public:
  // Show or hide the overlays that swallow all input on the pages.
  virtual void LockPages() {}
  virtual void UnlockPages() {}
  virtual void HideLoadingWindow() {}
  // Enable or disable DevTimer, the connection watch.
  virtual void EnableDevTimer(bool enabled) { (void)enabled; }
  // Modal: returns when the user closed it.
  virtual void ShowMessage(const Message& message) { (void)message; }
  // HideAllMenu: close the pages' pop-up assignment menus.
  virtual void HideAllMenu() {}
  // The pressed look of a button's four copies ("Btn_Apply", "Btn_Save", ...).
  virtual void ShowPressedLook(std::string_view button) { (void)button; }
  // The result mark of the engineer page's restore of defaults.
  virtual void ShowResultMark(bool shown) { (void)shown; }

  // File dialogs; nothing when cancelled.
  virtual std::optional<std::filesystem::path> ChooseSaveFile() { return std::nullopt; }
  virtual std::optional<std::filesystem::path> ChooseOpenFile() { return std::nullopt; }

  // The pointer settings step of applying: write them to the system.
  virtual void ApplyPointerSettings() {}
  // After a read: show the system's pointer settings again.
  virtual void RefreshPointerSettings() {}

  // Macros: refresh the list of PC macro names; decode and list the macros
  // of the macro working buffer (ReadAndRefreshMacro); clear the macro lists
  // and memos (before a default image is shown).
  virtual void RefreshPCMacroName() {}
  virtual void ReadAndRefreshMacro(const ImageState& state) { (void)state; }
  virtual void ClearMacroTexts() {}

  // Page furniture: show page 1 and hide the others; the navigation
  // buttons' no-device look; the main page rebuilt from new data
  // (DeviceReady); the lighting page's selection texts and the macro list
  // cleared when the mouse is lost.
  virtual void ShowFirstPage() {}
  virtual void ResetNavigationLook() {}
  virtual void RebuildMainPage() {}
  virtual void ClearLostDeviceTexts() {}

  // The identity bytes read from the mouse were put into edt_VendorID_Rd
  // and edt_ProductID_Rd.
  virtual void IdentityShown(const EngineerControls& controls) { (void)controls; }

  // Confirm: close the main window after the write.
  virtual void CloseMainWindow() {}
};

}  // namespace veltrax
