#pragma once
// The window on the macro page, with a library of two macros in a data
// folder of its own, a capture that the test feeds, and virtual time for
// the recorder.

#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <filesystem>

#include "WindowFixture.h"
#include "base/FileIo.h"
#include "common/TempFolder.h"
#include "gui/FilteredEdit.h"
#include "gui/InsertPanelView.h"
#include "gui/MacroListView.h"
#include "gui/MacroPage.h"
#include "gui/MacroPageView.h"
#include "gui/MenuPanelView.h"
#include "gui/PictureChoice.h"
#include "gui/capture/InputCapture.h"
#include "macro/MacroCodec.h"
#include "macro/MacroLibrary.h"
#include "macro/MacroName.h"

namespace veltrax::gui {

// Input the test hands to the page as a capture would.
class FakeCapture final : public InputCapture {
 public:
  explicit FakeCapture(bool systemWide) : systemWide_(systemWide) {}
  bool Start(CaptureSink sink) override {
    sink_ = std::move(sink);
    running = true;
    ++starts;
    return true;
  }
  void Stop() override { running = false; }
  bool SystemWide() const override { return systemWide_; }

  void Key(int vk, bool down) {
    if (running) sink_.key(vk, down);
  }
  void Stroke(int vk) {
    Key(vk, true);
    Key(vk, false);
  }
  void Button(uint32_t message, int xButton = 0) {
    if (running) sink_.button(message, xButton);
  }

  bool running = false;
  int starts = 0;

 private:
  bool systemWide_;
  CaptureSink sink_;
};

// Sets XDG_DATA_HOME to a folder of its own, holding a library of two
// macros, before the window opens its library; puts the old value back.
class OwnMacroLibrary {
 protected:
  OwnMacroLibrary() : old_(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home_.path().string()));
    MacroLibrary library;
    library.AddNew("Alpha");
    library.AddNew("Beta");
    library.Record(0).content = EncodeMacroRows({"00", {KeyRow(true, "A", 0x04), KeyRow(false, "A", 0x04)}}, 0).value();
    std::filesystem::create_directories(LibraryFile().parent_path());
    EXPECT_TRUE(WriteFileAtomically(LibraryFile(), library.ToBytes()));
  }
  ~OwnMacroLibrary() { qputenv("XDG_DATA_HOME", old_); }

  std::filesystem::path LibraryFile() const { return home_.path() / "veltrax" / "VELTRAX-Macro.bin"; }
  MacroLibrary Saved() const { return MacroLibrary::FromBytes(ReadWholeFile(LibraryFile()).value()); }
  std::vector<std::string> SavedRows(int record) const {
    const MacroContent content = Saved().Record(record).content;
    return ShowsEmpty(content) ? std::vector<std::string>{} : DecodeMacroContent(content).rows.rows;
  }

  test::TempFolder home_{"veltrax-macropage"};
  QByteArray old_;
};

class MacroPageTest : public OwnMacroLibrary, public WindowTest {
 protected:
  MacroPageTest() {
    ConnectMouse();
    auto capture = std::make_unique<FakeCapture>(true);
    capture_ = capture.get();
    Macros().SetCapture(std::move(capture));
    Macros().SetClock([this] { return now_; });
    window_->PageButtonClick(Page::Macro);
  }

  MacroPage& Macros() { return window_->Macros(); }
  MacroPageView& View() { return Macros().View(); }
  MacroEditor& Editor() { return Macros().Editor(); }
  QStringList Lines(MacroListView* list) const {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines.append(list->item(i)->text());
    return lines;
  }
  std::vector<std::string> Rows() { return Editor().Rows().rows; }

  // A right click on a line of a list (below the last line for -1).
  void RightClick(MacroListView* list, int line) {
    const QPoint at = line >= 0 ? list->visualItemRect(list->item(line)).center()
                                : QPoint(10, list->viewport()->height() - 5);
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
  }
  void LeftClick(MacroListView* list, int line) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(line)).center());
  }
  void ChooseEntry(MenuPanelView* menu, int entry) {
    ASSERT_TRUE(menu->isVisible()) << menu->objectName().toStdString();
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->EntryRect(entry).center());
  }
  void ClickIn(QWidget* parent, const char* name) {
    auto* button = parent->findChild<SkinButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  }
  // Types into the open dialog and confirms it.
  void Answer(const QString& text) {
    MacroInputDialog* dialog = Macros().Dialog();
    ASSERT_NE(dialog, nullptr);
    dialog->Field()->setText(text);
    ClickIn(dialog, "IB_OK");
  }
  void Hover(SkinButton* button, bool over) {
    if (over) {
      QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
      QCoreApplication::sendEvent(button, &enter);
    } else {
      QEvent leave(QEvent::Leave);
      QCoreApplication::sendEvent(button, &leave);
    }
  }
  // Waits until the recorder's worker has turned the button events into rows.
  void SettleMouse() {
    for (int i = 0; i < 1000 && AnyMousePending(); ++i) QTest::qWait(1);
    (void)Editor().Recorder().Used();
  }
  bool AnyMousePending() {
    for (int f = 0; f < kMouseFlagCount; ++f) {
      if (Editor().Recorder().MouseEventPending(static_cast<MouseFlag>(f))) return true;
    }
    return false;
  }

  int64_t now_ = 1000;
  FakeCapture* capture_ = nullptr;
};

}  // namespace veltrax::gui
