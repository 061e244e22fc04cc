#include "gui/WindowChrome.h"

#include "gui/Furniture.h"
#include "gui/Skin.h"
#include "gui/SkinFont.h"
#include "resources/GlobalOptions.h"
#include "resources/LayoutTable.h"
#include "resources/PictureStore.h"

namespace veltrax::gui {

namespace {

bool IsKeyLabel(const QString& base) { return base.startsWith(QLatin1String("Key")); }

FurnitureKind KindOf(const QString& base) {
  const FurnitureItem* item = FurnitureItemOf(base);
  return item ? item->kind : FurnitureKind::Action;
}

}  // namespace

WindowChrome::WindowChrome(const Pages& pages, Skin& skin, QObject* parent)
    : QObject(parent), pages_(pages), skin_(skin) {
  labelRun_.setObjectName(QStringLiteral("LabelRun"));
  labelRun_.setInterval(kLabelRunMs);
  connect(&labelRun_, &QTimer::timeout, this, &WindowChrome::LabelRunTimer);
  for (const FurnitureItem& item : FurnitureItems()) {
    const QString base = QString::fromLatin1(item.base);
    for (SkinButton* copy : Copies(base)) Connect(copy, base);
  }
  for (int n = 1; n <= SkinnedPage::kKeyLabels; ++n) {
    SkinButton* key = pages_[0]->KeyLabel(n);
    Connect(key, key->objectName());
    connect(key, &SkinButton::Clicked, this, [this, n] { emit KeyLabelClicked(n); });
  }
}

std::array<SkinButton*, 4> WindowChrome::Copies(const QString& base) const {
  std::array<SkinButton*, 4> copies{};
  for (int i = 0; i < 4; ++i) copies[i] = pages_[i]->Button(base);
  return copies;
}

void WindowChrome::SetPicture(const QString& base, const QString& pictureName) {
  const QPixmap& picture = skin_.Picture(pictureName);
  for (SkinButton* copy : Copies(base)) copy->SetPicture(pictureName, picture);
}

void WindowChrome::SetCaption(const QString& base, const QString& caption) {
  for (SkinButton* copy : Copies(base)) SetButtonCaption(copy, caption);
}

void WindowChrome::SetButtonCaption(SkinButton* button, const QString& caption) {
  button->SetCaption(caption);
  // A hovered button rolls, and gets back on leaving, the caption it has now.
  if (button == hovered_) rolling_.Start(button->objectName(), caption);
}

void WindowChrome::EndKeyLabelHover(SkinButton* key) {
  if (key == hovered_) StopRolling();
  key->SetPicture(QStringLiteral("KeyS_01"), skin_.Picture(QStringLiteral("KeyS_01")));
}

void WindowChrome::ShowStartPictures(int language) {
  for (const FurnitureItem& item : FurnitureItems()) {
    const QString base = QString::fromLatin1(item.base);
    SetPicture(base, NormalPicture(base));
  }
  SelectPageButton(QStringLiteral("Main"));
  SelectLanguage(language);
  for (int n = 1; n <= SkinnedPage::kKeyLabels; ++n) {
    pages_[0]->KeyLabel(n)->SetPicture(QStringLiteral("KeyS_01"), skin_.Picture(QStringLiteral("KeyS_01")));
  }
}

void WindowChrome::ApplyLayout(const LayoutTable& layout, const QSize& window) {
  const int spaceFront = layout.IntOr("Btn_Space_F", 0);
  const int spaceBack = layout.IntOr("Btn_Space_B", 0);
  const QColor colorA = ColorFromPacked(layout.Color("Color_A").value_or(0xFFFFFF));
  const QColor colorB = ColorFromPacked(layout.Color("Color_B").value_or(0xFFFFFF));
  const QColor colorC = ColorFromPacked(layout.Color("Color_C").value_or(0xFFFFFF));
  const int sizeA = PixelSizeOfPoints(layout.IntOr("Size_A", 9));
  const int sizeB = PixelSizeOfPoints(layout.IntOr("Size_B", 9));
  const int sizeC = PixelSizeOfPoints(layout.IntOr("Size_C", 9));
  for (const FurnitureItem& item : FurnitureItems()) {
    if (!item.layoutKey) continue;
    const QString base = QString::fromLatin1(item.base);
    const Placement place = layout.Place(item.layoutKey, window.width(), window.height());
    const bool navigation = IsNavigationKind(item.kind);
    for (SkinButton* copy : Copies(base)) {
      copy->Place(place.x, place.y, place.visible);
      copy->SetTextColor(navigation ? colorB : colorA);
      if (navigation) copy->SetCaptionInset(spaceFront, spaceBack);
      QFont font = copy->font();
      font.setPixelSize(navigation ? sizeB : sizeA);
      copy->setFont(font);
    }
  }
  for (int n = 1; n <= SkinnedPage::kKeyLabels; ++n) {
    SkinButton* key = pages_[0]->KeyLabel(n);
    const Placement place = layout.Place(key->objectName().toStdString(), window.width(), window.height());
    key->Place(place.x, place.y, place.visible);
    key->SetTextColor(colorC);
    QFont font = key->font();
    font.setPixelSize(sizeC);
    key->setFont(font);
  }
}

void WindowChrome::PlaceWebButton(const GlobalOptions& options, const QSize& window) {
  const bool inside = options.webX < window.width() && options.webY < window.height();
  for (SkinButton* copy : Copies(QStringLiteral("Web"))) copy->Place(options.webX, options.webY, inside);
}

void WindowChrome::SetFontFamily(const QString& family) {
  auto apply = [&family](SkinButton* button) {
    QFont font = button->font();
    font.setFamily(family);
    button->setFont(font);
  };
  for (const FurnitureItem& item : FurnitureItems()) {
    for (SkinButton* copy : Copies(QString::fromLatin1(item.base))) apply(copy);
  }
  for (int n = 1; n <= SkinnedPage::kKeyLabels; ++n) apply(pages_[0]->KeyLabel(n));
}

void WindowChrome::ResetNavigationPictures() {
  for (const FurnitureItem& item : FurnitureItems()) {
    if (item.kind == FurnitureKind::Page || item.kind == FurnitureKind::File) {
      SetPicture(QString::fromLatin1(item.base), QStringLiteral("SetS_01"));
    }
  }
}

void WindowChrome::SelectPageButton(const QString& base) {
  selectedPage_ = base;
  SetPicture(base, QStringLiteral("SetS_03"));
}

void WindowChrome::SelectLanguage(int language) {
  selectedLanguage_ = QStringLiteral("Lang%1").arg(language);
  for (int n = 1; n <= 3; ++n) {
    SetPicture(QStringLiteral("Lang%1").arg(n), n == language ? QStringLiteral("SetS_03") : QStringLiteral("SetS_01"));
  }
}

void WindowChrome::ShowPressed(const QString& base) {
  switch (KindOf(base)) {
    case FurnitureKind::Action: SetPicture(base, QStringLiteral("BtnS_03")); break;
    case FurnitureKind::Exit: SetPicture(base, QStringLiteral("ExitS_03")); break;
    case FurnitureKind::Web: SetPicture(base, QStringLiteral("WebS_02")); break;
    case FurnitureKind::Minimise: break;
    default: SetPicture(base, QStringLiteral("SetS_03")); break;
  }
}

void WindowChrome::Connect(SkinButton* button, const QString& base) {
  connect(button, &SkinButton::Entered, this, [this, button, base] { OnEntered(button, base); });
  connect(button, &SkinButton::Left, this, [this, button, base] { OnLeft(button, base); });
  if (IsKeyLabel(base)) return;
  connect(button, &SkinButton::Pressed, this, [this, base] { OnPressed(base); });
  connect(button, &SkinButton::Clicked, this, [this, base] { emit Clicked(base); });
}

QString WindowChrome::NormalPicture(const QString& base) const {
  if (IsKeyLabel(base)) return QStringLiteral("KeyS_01");
  switch (KindOf(base)) {
    case FurnitureKind::Action: return QStringLiteral("BtnS_01");
    case FurnitureKind::Minimise: return QStringLiteral("MiniS_01");
    case FurnitureKind::Exit: return QStringLiteral("ExitS_01");
    case FurnitureKind::Web: return QStringLiteral("WebS_01");
    default: return QStringLiteral("SetS_01");
  }
}

QString WindowChrome::HoverPicture(const QString& base) const {
  if (IsKeyLabel(base)) return QStringLiteral("KeyS_02");
  switch (KindOf(base)) {
    case FurnitureKind::Action: return QStringLiteral("BtnS_02");
    case FurnitureKind::Minimise: return QStringLiteral("MiniS_02");
    case FurnitureKind::Exit: return QStringLiteral("ExitS_02");
    case FurnitureKind::Web: return QStringLiteral("WebS_03");
    default: return QStringLiteral("SetS_02");
  }
}

void WindowChrome::OnEntered(SkinButton* button, const QString& base) {
  if (!IsKeyLabel(base) && KindOf(base) == FurnitureKind::Web) {
    if (deviceConnected_()) SetPicture(base, HoverPicture(base));
    return;
  }
  const QString hover = HoverPicture(base);
  // Navigation buttons and key labels change only the hovered copy.
  if (IsKeyLabel(base) || IsNavigationKind(KindOf(base))) {
    button->SetPicture(hover, skin_.Picture(hover));
  } else {
    SetPicture(base, hover);
  }
  RestartRolling(button);
}

void WindowChrome::OnLeft(SkinButton* button, const QString& base) {
  if (!IsKeyLabel(base) && KindOf(base) == FurnitureKind::Web) {
    if (deviceConnected_()) SetPicture(base, NormalPicture(base));
    return;
  }
  StopRolling();
  const QString normal = NormalPicture(base);
  if (IsKeyLabel(base) || IsNavigationKind(KindOf(base))) {
    button->SetPicture(normal, skin_.Picture(normal));
    SetPicture(selectedPage_, QStringLiteral("SetS_03"));
    SetPicture(selectedLanguage_, QStringLiteral("SetS_03"));
  } else {
    SetPicture(base, normal);
  }
}

void WindowChrome::OnPressed(const QString& base) {
  // Action, Save and Load buttons show their pressed look when their click
  // runs; the exit and web buttons show it on the press itself.
  const FurnitureKind kind = KindOf(base);
  if (kind == FurnitureKind::Exit || kind == FurnitureKind::Web) ShowPressed(base);
}

void WindowChrome::RestartRolling(SkinButton* button) {
  StopRolling();
  hovered_ = button;
  rolling_.Start(button->objectName(), button->Caption());
  if (button->isEnabled()) labelRun_.start();
}

void WindowChrome::EndRolling(SkinButton* button) {
  if (button == hovered_) StopRolling();
}

void WindowChrome::StopRolling() {
  labelRun_.stop();
  if (hovered_) hovered_->SetCaption(rolling_.Original());
  hovered_ = nullptr;
}

void WindowChrome::LabelRunTimer() {
  if (!hovered_ || !rollingEnabled_) return;
  hovered_->SetCaption(rolling_.Step());
}

}  // namespace veltrax::gui
