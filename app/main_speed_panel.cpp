// The main window's toolbar: the controls of the command table at their designed places, and the
// font and size boxes.
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QShortcut>
#include <QSpinBox>
#include <QToolButton>

#include "app/commands.h"
#include "app/hint_text.h"
#include "app/main_form.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

constexpr int PanelHeight = 33;
constexpr int ButtonSize = 25;
constexpr int ButtonTop = 4;

// The theme's pictures, drawn faint when their button is disabled: the default disabled look of
// these dark one-colour pictures is hard to tell from the enabled one. Each is drawn at the size
// asked when first asked: drawing every size of every button up front slowed the start-up.
class FaintWhenDisabled : public QIconEngine {
 public:
  explicit FaintWhenDisabled(const QString& file) : picture(file) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size() * painter->device()->devicePixelRatioF(), mode, state));
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    const QPixmap normal = picture.pixmap(size, QIcon::Normal, state);
    if (mode != QIcon::Disabled) return normal;
    const QString key = QStringLiteral("tessaro-faint-%1-%2").arg(normal.cacheKey()).arg(state);
    QPixmap faint;
    if (QPixmapCache::find(key, &faint)) return faint;
    faint = QPixmap(normal.size());
    faint.setDevicePixelRatio(normal.devicePixelRatio());
    faint.fill(Qt::transparent);
    QPainter painter(&faint);
    painter.setOpacity(DisabledOpacity);
    painter.drawPixmap(0, 0, normal);
    painter.end();
    QPixmapCache::insert(key, faint);
    return faint;
  }

  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return picture.actualSize(size, mode, state);
  }

  QIconEngine* clone() const override { return new FaintWhenDisabled(*this); }

 private:
  static constexpr qreal DisabledOpacity = 0.3;
  QIcon picture;
};

QIcon speedButtonIcon(const char* name) {
  return QIcon(new FaintWhenDisabled(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(name))));
}

}  // namespace

void TMainForm::createSpeedPanel(QWidget* parent) {
  SpeedPanel = new QFrame(parent);
  SpeedPanel->setObjectName(QStringLiteral("SpeedPanel"));
  SpeedPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  SpeedPanel->setFixedHeight(PanelHeight);

  auto* alignment = new QButtonGroup(SpeedPanel);
  alignment->setExclusive(true);
  for (const Command& command : commands()) {
    const ToolbarPlace& entry = command.toolbar;
    if (entry.name == nullptr) continue;
    auto* button = new QToolButton(SpeedPanel);
    button->setObjectName(QString::fromLatin1(entry.name));
    button->setGeometry(entry.x, ButtonTop, ButtonSize, ButtonSize);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(speedButtonIcon(entry.icon));
    const HintParts hint = splitHint(toQString(entry.hint));
    button->setToolTip(tooltipWithKeys(hint.tooltip, command.keys));
    button->setProperty("StatusHint", hint.status);
    button->installEventFilter(this);
    button->setCheckable(entry.look != Look::Button);
    if (entry.look == Look::Alignment) alignment->addButton(button);
    const CommandId id = command.id;
    connect(button, &QToolButton::clicked, this, [this, id, button] { run(id, button->isChecked()); });
    // The menus bind the keys of their own commands.
    if (command.menu == Menu::None && *command.keys != '\0')
      addShortcut(command.keys, button, [button] { button->click(); });
  }
  alignment->buttons().first()->setChecked(true);

  fontNameBox = new QComboBox(SpeedPanel);
  fontNameBox->setObjectName(QStringLiteral("fontNameBox"));
  fontNameBox->setEditable(true);
  fontNameBox->setInsertPolicy(QComboBox::NoInsert);
  fontNameBox->setFocusPolicy(Qt::ClickFocus);
  fontNameBox->setGeometry(177, ButtonTop + 1, 185, 23);

  fontSizeBox = new QSpinBox(SpeedPanel);
  fontSizeBox->setObjectName(QStringLiteral("fontSizeBox"));
  fontSizeBox->setRange(4, 100);
  fontSizeBox->setValue(10);
  fontSizeBox->setFocusPolicy(Qt::ClickFocus);
  fontSizeBox->setGeometry(367, ButtonTop + 1, 55, 23);

  // The font and size boxes take no Tab focus, so keys bring the caret to them.
  addShortcut("Ctrl+Shift+P", fontNameBox, [this] { fontNameBox->setFocus(Qt::ShortcutFocusReason); });
  addShortcut("Ctrl+Shift+T", fontSizeBox, [this] { fontSizeBox->setFocus(Qt::ShortcutFocusReason); });
}

// Keys for what only the toolbar offers; like a click, they do nothing while their control is
// disabled.
void TMainForm::addShortcut(const char* keys, QWidget* control, const std::function<void()>& use) {
  auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(keys)), this);
  shortcut->setObjectName(control->objectName() + QStringLiteral("Shortcut"));
  connect(shortcut, &QShortcut::activated, control, use);
}

}  // namespace tessaro
