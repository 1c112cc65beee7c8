// The main window's toolbar: fourteen controls at their designed places.
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QShortcut>
#include <QSpinBox>
#include <QToolButton>

#include "app/hint_text.h"
#include "app/main_form.h"
#include "common/cp1252_literal.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

constexpr int PanelHeight = 33;
constexpr int ButtonSize = 25;
constexpr int ButtonTop = 4;

enum class Kind { Button, Toggle, Alignment };

struct SpeedButtonEntry {
  const char* name;
  int x;
  const char* hint;  // Windows-1252
  Kind kind;
  const char* icon;
  const char* command;  // its own name, or that of the menu command whose handler it shares
  const char* keys;     // for the commands that only the toolbar offers
};

const SpeedButtonEntry speedButtons[] = {
    // "érude" is kept on purpose.
    {"newStudyButton", 8, "Nouvelle érude"_cp1252, Kind::Button, "document-new", "newStudyAction", ""},
    {"openButton", 33, "Ouvrir", Kind::Button, "document-open", "openAction", ""},
    {"saveButton", 58, "Enregistrer|", Kind::Button, "document-save", "saveAction", ""},
    {"printButton", 84, "Imprimer", Kind::Button, "document-print", "printButton", ""},
    {"copyButton", 114, "Copier", Kind::Button, "edit-copy", "copyAction", ""},
    {"pasteButton", 139, "Coller", Kind::Button, "edit-paste", "pasteAction", ""},
    {"boldButton", 430, "Gras", Kind::Toggle, "format-text-bold", "boldButton", "Ctrl+G"},
    {"italicButton", 455, "Italique", Kind::Toggle, "format-text-italic", "italicButton", "Ctrl+I"},
    {"underlineButton", 480, "Souligné"_cp1252, Kind::Toggle, "format-text-underline", "underlineButton",
     "Ctrl+U"},
    {"alignLeftButton", 510, "Gauche", Kind::Alignment, "format-justify-left", "alignLeftButton",
     "Ctrl+Shift+G"},
    {"centerButton", 535, "Centre", Kind::Alignment, "format-justify-center", "centerButton", "Ctrl+E"},
    {"alignRightButton", 560, "Droite", Kind::Alignment, "format-justify-right", "alignRightButton",
     "Ctrl+Shift+D"},
};

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
  for (const SpeedButtonEntry& entry : speedButtons) {
    auto* button = new QToolButton(SpeedPanel);
    button->setObjectName(QString::fromLatin1(entry.name));
    button->setGeometry(entry.x, ButtonTop, ButtonSize, ButtonSize);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(speedButtonIcon(entry.icon));
    const HintParts hint = splitHint(toQString(entry.hint));
    button->setToolTip(hint.tooltip);
    button->setProperty("StatusHint", hint.status);
    button->installEventFilter(this);
    button->setCheckable(entry.kind != Kind::Button);
    if (entry.kind == Kind::Alignment) alignment->addButton(button);
    const std::string command = entry.command;
    connect(button, &QToolButton::clicked, this, [this, command] { run(command); });
    if (*entry.keys != '\0') addShortcut(entry.keys, button, [button] { button->click(); });
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
