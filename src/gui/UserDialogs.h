#pragma once
// The modal conversations of the window: messages and file choices. The
// window asks through this interface, so tests can answer instead of a user.

#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>

namespace veltrax::gui {

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;
  // The window's own message dialog: one OK button, the language's font.
  virtual void ShowMessage(const QString& text, const QString& fontName) = 0;
  // A plain system message box without icon or title and one OK button.
  virtual void ShowPlainMessage(const QString& text) = 0;
  // The engineer access code, asked in the password dialog; nothing when
  // cancelled (as by dialogs that ask for no code).
  virtual std::optional<QString> AskPassword() { return std::nullopt; }
  // Save and open dialogs; nothing when cancelled. filter is in Qt's form,
  // for example "SaveFile (*.bin)".
  virtual std::optional<QString> PickSaveFile(const QString& filter) = 0;
  virtual std::optional<QString> PickOpenFile(const QString& filter) = 0;
  // The system colour dialog, starting at `initial`; nothing when cancelled
  // (as by dialogs that offer no colour choice).
  virtual std::optional<QColor> PickColor(const QColor& initial) {
    (void)initial;
    return std::nullopt;
  }
};

// The real dialogs, parented to and centred on the main window.
class WidgetDialogs final : public UserDialogs {
 public:
  using PictureSource = std::function<QPixmap(const QString&)>;
  WidgetDialogs(QWidget* parent, PictureSource pictures) : parent_(parent), pictures_(std::move(pictures)) {}

  void ShowMessage(const QString& text, const QString& fontName) override;
  void ShowPlainMessage(const QString& text) override;
  std::optional<QString> AskPassword() override;
  std::optional<QString> PickSaveFile(const QString& filter) override;
  std::optional<QString> PickOpenFile(const QString& filter) override;
  std::optional<QColor> PickColor(const QColor& initial) override;

 private:
  QWidget* parent_;
  PictureSource pictures_;
};

}  // namespace veltrax::gui
