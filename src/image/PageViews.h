#pragma once
// The views that the pages draw from the engineer controls (Advanced, Light
// and main page, button captions). The conversions call these hooks at
// their places in the order; the window fills them in, the command-line
// tool and the tests leave them empty.

namespace veltrax {

struct EngineerControls;
class DataBuf;

class PageViews {
 public:
  virtual ~PageViews() = default;
  // The level count changed (cb_CPIStepChange): the Advanced page's level
  // count selector, selector images and level enabling follow.
  virtual void LevelCountChanged(const EngineerControls& controls) { (void)controls; }
  // The MCU LED mode enable check boxes were set: the mode list follows.
  virtual void LedModesChanged(const EngineerControls& controls) { (void)controls; }
  // The code texts were rebuilt: the engineer page button captions follow.
  virtual void ButtonCaptionsChanged(const EngineerControls& controls) { (void)controls; }
  // Last step of showing an image: mirror the controls into the widgets
  // and redraw the Advanced, Light and main page views.
  virtual void RefreshPageViews(const DataBuf& dataBuf, const EngineerControls& controls) {
    (void)dataBuf;
    (void)controls;
  }
};

}  // namespace veltrax
